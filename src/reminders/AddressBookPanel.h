#pragma once

#include "platform/Services.h"

#include <QObject>

class ReminderStores;
class TipPanel;
class QWidget;

// The address book: the search box, the contact list and the two address pages.
class AddressBookPanel : public QObject
{
    Q_OBJECT
public:
    AddressBookPanel(Services &services, QWidget *surface, TipPanel &tips,
                     ReminderStores &stores);

    // Load sequence step 14: open "\Address.mdb", fill the address list, lock the boxes.
    // Throws OrvaneError when the database cannot be opened.
    void load();

private:
    Services &m_services;
    QWidget *m_surface;
    TipPanel &m_tips;
    ReminderStores &m_stores;
};
