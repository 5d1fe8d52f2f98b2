#pragma once

#include "platform/Services.h"
#include "reminders/ReminderStores.h"

#include <QObject>

class QWidget;

// The reminders' hooks in the dashboard's lifecycle. The record stores, the events and bills
// panels, the missed days and the address book fill them in their own issues.
class ReminderPanels : public QObject
{
    Q_OBJECT
public:
    ReminderPanels(Services &services, QWidget *surface);

    // Load sequence step 13: the missed-days check.
    void checkMissedDays();
    // Load sequence step 14: open "Address.mdb", fill the address list, lock its boxes.
    // Throws OrvaneError naming the file when the database cannot be opened.
    void loadAddressBook();
    // Load sequence step 15: the start-up date check for events and bills. Throws as above.
    void dateStartup();
    // "&Exit": close the events, bills and address databases.
    void closeStores();

    ReminderStores &stores() { return m_stores; }

private:
    Services &m_services;
    QWidget *m_surface;
    ReminderStores m_stores;
};
