#pragma once

#include "platform/Services.h"

#include <QObject>

class QAction;
class QWidget;
class ReminderPanels;

// The File menu's exchange with other programs: "Export Contacts..." and "Import
// Contacts..." as vCard. A file is chosen, the exchange runs, and the user is told what it
// did; the address list shows the contacts afterwards.
class ExchangeMenu : public QObject
{
    Q_OBJECT
public:
    struct Actions
    {
        QAction *exportContacts, *importContacts;
    };

    ExchangeMenu(Services &services, ReminderPanels &reminders, const Actions &actions,
                 QWidget *window);

    // What the items do once the file is chosen; tests call them.
    void importContacts(const QString &path);
    void exportContacts(const QString &path);

private:
    Services &m_services;
    ReminderPanels &m_reminders;
    QWidget *m_window;
};
