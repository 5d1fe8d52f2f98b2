#pragma once

#include "platform/Services.h"

#include <QObject>

class BillsPanel;
class EventsPanel;
class ReminderStores;
class QFrame;
class QLabel;
class QListWidget;
class QWidget;

// The days the program did not run: listed in the missed-days panel, each showing the
// bills and events that fell on it when clicked.
class MissedDays : public QObject
{
    Q_OBJECT
public:
    MissedDays(Services &services, QWidget *surface, ReminderStores &stores, EventsPanel &events,
               BillsPanel &bills);

    // Compares today with "system"/"LastUsed", adds the days in between to the end of the
    // list (showing the panel when there are any) and stores today.
    void check();

    // Other things the program missed while it was away (alarms), listed after the days;
    // clicking one shows nothing more.
    void addNotes(const QStringList &lines);

    // A date of the list clicked: the bills notified, monthly and due on it, then the events
    // notified and dated on it, each shown when it has rows.
    void onList1Click();

    QListWidget *list() const { return m_list; }

private:
    Services &m_services;
    QFrame *m_panel;
    QLabel *m_heading;
    QListWidget *m_list;
    ReminderStores &m_stores;
    EventsPanel &m_events;
    BillsPanel &m_bills;
};
