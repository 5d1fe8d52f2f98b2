#pragma once

#include "platform/Services.h"

#include <QObject>

class QDate;
class ReminderStores;
class TipPanel;
class QWidget;

// The events reminder: the events calendar, the event list and the entry panel.
class EventsPanel : public QObject
{
    Q_OBJECT
public:
    EventsPanel(Services &services, QWidget *surface, TipPanel &tips, ReminderStores &stores);

    // The events half of the start-up date check, after the bills half: events announce
    // mode on, calendar set to today, "\Events.mdb" opened, every event listed, then today's
    // notifications announced; start-up done flag on, announce mode off.
    // Throws OrvaneError when the database cannot be opened.
    void dateStartup();
    // Cleared at a change of date before the start-up date check runs again.
    void setStartupDone(bool done);
    // The events' current recordset shown as the missed reminders of a date (nothing happens
    // when it has no row).
    void Missed_Events();
    void setSelectedDate(const QDate &date);

private:
    Services &m_services;
    QWidget *m_surface;
    TipPanel &m_tips;
    ReminderStores &m_stores;
};
