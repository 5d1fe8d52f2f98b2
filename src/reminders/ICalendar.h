#pragma once

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The reminders as iCalendar (RFC 5545), which desktop calendars read and write, through
// libical. Events are all-day VEVENTs with a VALARM on the notify date; bills are VEVENTs on
// their due date, monthly ones repeating on its day. Dates are the program's date texts.
namespace ICalendar {

struct Event
{
    QString title, type, message, date, notifyDate;
};

struct Bill
{
    QString payee, amount, dueDate, notify; // notify: a date text, or a day text when monthly
    bool monthly = false;
};

// `stamp` is when the calendar was made (DTSTAMP). Events and bills whose date is not a date
// text cannot be placed in a calendar and are left out.
QByteArray serialize(const QList<Event> &events, const QList<Bill> &bills, const QDateTime &stamp);

struct Read
{
    QList<Event> events;
    QStringList
        notes; // what the reader changed: a recurring event taken at its next date, a cut text
    QStringList skipped; // "<summary>: why"
};

// Every VEVENT as an event: the summary as title, the description as message, the date in
// the program's date text (a timed event's date where the user is), a recurring event at its
// first occurrence from `today` on. nullopt with `error` when the text is not iCalendar.
std::optional<Read> parse(const QByteArray &content, const QDate &today, QString *error);

} // namespace ICalendar
