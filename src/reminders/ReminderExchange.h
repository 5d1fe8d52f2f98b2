#pragma once

#include "reminders/ExchangeReport.h"

#include <QDate>
#include <QDateTime>

struct ReminderDatabase;

// The events and bills in and out as iCalendar: what the File menu and the command line do.
namespace ReminderExchange {

// Adds the file's events to the events table in one transaction: all or, on any failure,
// none. An event with the title and date of one already there is left out, so importing the
// same file twice adds nothing the second time.
ExchangeReport importFile(ReminderDatabase &events, const QString &path, const QDate &today);
// Writes every event and bill; the file is replaced atomically.
ExchangeReport exportFile(ReminderDatabase &events, ReminderDatabase &bills, const QString &path,
                          const QDateTime &now);

} // namespace ReminderExchange
