#include "reminders/ReminderPanels.h"

#include <QWidget>

ReminderPanels::ReminderPanels(Services &services, QWidget *surface)
    : QObject(surface)
    , m_services(services)
    , m_surface(surface)
{
}

void ReminderPanels::checkMissedDays()
{
    // Filled by the missed-days issue.
}

void ReminderPanels::loadAddressBook()
{
    // Filled by the record store and address book issues.
}

void ReminderPanels::dateStartup()
{
    // Filled by the start-up date check issue.
}

void ReminderPanels::closeStores()
{
    // Filled by the record store issue.
}
