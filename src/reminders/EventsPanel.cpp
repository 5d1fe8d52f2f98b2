#include "reminders/EventsPanel.h"

#include "platform/AppFolder.h"
#include "reminders/ReminderStores.h"
#include "widgets/TipPanel.h"

#include <QDate>
#include <QWidget>

EventsPanel::EventsPanel(Services &services, QWidget *surface, TipPanel &tips,
                         ReminderStores &stores)
    : QObject(surface)
    , m_services(services)
    , m_surface(surface)
    , m_tips(tips)
    , m_stores(stores)
{
}

void EventsPanel::dateStartup()
{
    m_stores.openEvents(m_services.appFolder.path(QStringLiteral("\\Events.mdb")));
}

void EventsPanel::setStartupDone(bool) {}

void EventsPanel::Missed_Events() {}

void EventsPanel::setSelectedDate(const QDate &) {}
