#include "reminders/ReminderPanels.h"

#include "platform/Prompter.h"
#include "reminders/AddressBookPanel.h"
#include "reminders/BillsPanel.h"
#include "reminders/EventsPanel.h"
#include "reminders/MissedDays.h"

#include <QWidget>

ReminderPanels::ReminderPanels(Services &services, QWidget *surface, TipPanel &tips)
    : QObject(surface)
    , m_services(services)
    , m_surface(surface)
    , m_events(new EventsPanel(services, surface, tips, m_stores))
    , m_bills(new BillsPanel(services, surface, tips, m_stores))
    , m_addressBook(new AddressBookPanel(services, surface, tips, m_stores))
    , m_missedDays(new MissedDays(services, surface, m_stores, *m_events, *m_bills))
{
    // Closing the events panel also ends a bill entry left open.
    m_events->setOnClose([this] { m_bills->setBillModeNone(); });
    m_stores.setReadOnlyNotice([this](const StoreError &notice) {
        m_services.prompter.tell(
            QStringLiteral("%1 (%2)").arg(notice.description).arg(notice.number),
            kApplicationTitle, Prompter::Icon::Warning);
    });
}

void ReminderPanels::setEventSoundFlags(std::function<quint32()> flags)
{
    m_events->setSoundFlags(std::move(flags));
}

void ReminderPanels::checkMissedDays()
{
    m_missedDays->check();
}

void ReminderPanels::loadAddressBook()
{
    m_addressBook->load();
}

void ReminderPanels::dateStartup()
{
    m_bills->dateStartup();
    m_events->dateStartup();
}

void ReminderPanels::dayChanged()
{
    m_bills->setStartupDone(false);
    m_events->setStartupDone(false);
    dateStartup();
    m_bills->setStartupDone(true);
    m_events->setStartupDone(true);
    checkMissedDays();
}

void ReminderPanels::closeStores()
{
    m_stores.closeAll();
}
