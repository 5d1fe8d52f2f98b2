#include "reminders/ReminderPanels.h"

#include "platform/AppFolder.h"

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
    m_stores.openAddressBook(m_services.appFolder.path(QStringLiteral("\\Address.mdb")));
    // The address list fill and the locked boxes come with the address book.
}

void ReminderPanels::dateStartup()
{
    m_stores.openBills(m_services.appFolder.path(QStringLiteral("\\Bills.mdb")));
    m_stores.openEvents(m_services.appFolder.path(QStringLiteral("\\Events.mdb")));
    // The announcements of the day come with the events and bills panels.
}

void ReminderPanels::closeStores()
{
    m_stores.closeAll();
}
