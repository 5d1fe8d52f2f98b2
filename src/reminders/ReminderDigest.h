#pragma once

#include <QDate>
#include <QStringList>

class ReminderStores;

// What the reminders announce for one day, read from the open stores without moving their
// current recordsets: the bills notified on it (one-time, then monthly) and the events.
namespace ReminderDigest {

struct Day
{
    QStringList bills;  // payees
    QStringList events; // titles
    bool isEmpty() const { return bills.isEmpty() && events.isEmpty(); }
};

Day dueOn(ReminderStores &stores, const QDate &date);

} // namespace ReminderDigest
