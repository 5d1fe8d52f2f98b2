#include "reminders/MissedDays.h"

#include "reminders/BillsPanel.h"
#include "reminders/EventsPanel.h"
#include "reminders/ReminderStores.h"

#include <QWidget>

MissedDays::MissedDays(Services &services, QWidget *surface, ReminderStores &stores,
                       EventsPanel &events, BillsPanel &bills)
    : QObject(surface)
    , m_services(services)
    , m_surface(surface)
    , m_stores(stores)
    , m_events(events)
    , m_bills(bills)
{
}

void MissedDays::check() {}
