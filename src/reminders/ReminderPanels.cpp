#include "reminders/ReminderPanels.h"

#include "platform/Prompter.h"
#include "reminders/AddressBookPanel.h"
#include "reminders/BillsPanel.h"
#include "reminders/EventsPanel.h"
#include "reminders/MissedDays.h"

#include <QWidget>

ReminderPanels::ReminderPanels(Services &services, QWidget *surface, TipPanel &tips,
                               const Connectivity::State &connectivity)
    : QObject(surface)
    , m_services(services)
    , m_surface(surface)
    , m_events(new EventsPanel(services, surface, tips, m_stores, connectivity))
    , m_bills(new BillsPanel(services, surface, tips, m_stores, connectivity))
    , m_addressBook(new AddressBookPanel(services, surface, tips, m_stores))
    , m_missedDays(new MissedDays(services, surface, m_stores, *m_events, *m_bills))
{
    // Their widgets stay on the surface; the panel objects live no longer than the stores.
    for (QObject *panel :
         std::initializer_list<QObject *>{m_events, m_bills, m_addressBook, m_missedDays})
        panel->setParent(this);
    // Closing the events panel also ends a bill entry left open.
    m_events->setOnClose([this] { m_bills->setBillModeNone(); });
    m_stores.setReadOnlyNotice([this](const StoreError &notice) {
        m_services.prompter.tell(
            QStringLiteral("%1 (%2)").arg(notice.description).arg(notice.number), kApplicationTitle,
            Prompter::Icon::Warning);
    });
}

ReminderPanels::~ReminderPanels()
{
    // Children are deleted by ~QObject, after the members: too late for the stores.
    delete m_missedDays;
    delete m_addressBook;
    delete m_bills;
    delete m_events;
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
    struct StartupDoneAgain
    {
        ReminderPanels &panels;
        ~StartupDoneAgain()
        {
            panels.m_bills->setStartupDone(true);
            panels.m_events->setStartupDone(true);
        }
    };
    m_bills->setStartupDone(false);
    m_events->setStartupDone(false);
    {
        const StartupDoneAgain again{*this};
        dateStartup();
    }
    checkMissedDays();
}

void ReminderPanels::closeStores()
{
    m_stores.closeAll();
}
