#pragma once

#include "platform/Services.h"
#include "reminders/ExchangeReport.h"

#include <QObject>

class QAction;
class QWidget;
class ReminderPanels;

// The File menu's exchange with other programs: "Export Contacts..." and "Import
// Contacts..." as vCard, "Export Reminders..." and "Import Reminders..." as iCalendar. A file
// is chosen, the exchange runs, and the user is told what it did; the address list shows the
// contacts afterwards.
class ExchangeMenu : public QObject
{
    Q_OBJECT
public:
    struct Actions
    {
        QAction *exportContacts, *importContacts, *exportReminders, *importReminders;
    };

    ExchangeMenu(Services &services, ReminderPanels &reminders, const Actions &actions,
                 QWidget *window);

    // What the items do once the file is chosen; tests call them.
    void importContacts(const QString &path);
    void exportContacts(const QString &path);
    void importReminders(const QString &path);
    void exportReminders(const QString &path);

private:
    void choose(QAction *action, bool saving, const QString &title, const QString &suggested,
                const QString &types, void (ExchangeMenu::*run)(const QString &));
    void tell(const ExchangeReport &report, const QString &title);

    Services &m_services;
    ReminderPanels &m_reminders;
    QWidget *m_window;
};
