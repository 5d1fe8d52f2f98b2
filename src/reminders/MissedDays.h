#pragma once

#include "platform/Services.h"

#include <QObject>

class BillsPanel;
class EventsPanel;
class ReminderStores;
class QWidget;

// The days the program did not run: listed in the missed-days panel, each showing the
// bills and events that fell on it when clicked.
class MissedDays : public QObject
{
    Q_OBJECT
public:
    MissedDays(Services &services, QWidget *surface, ReminderStores &stores, EventsPanel &events,
               BillsPanel &bills);

    // Compares today with "system"/"LastUsed", lists the days in between, stores today.
    void check();

private:
    Services &m_services;
    QWidget *m_surface;
    ReminderStores &m_stores;
    EventsPanel &m_events;
    BillsPanel &m_bills;
};
