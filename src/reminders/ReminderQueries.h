#pragma once

#include "reminders/Recordset.h"

#include <QString>

class RecordStore;

// The queries the reminder panels run, each giving a new current recordset. Texts are
// compared without regard to case and rows come in table order.
//
// Values are passed exactly as the user typed them: they are bound as parameters, so an
// apostrophe needs no doubling here ("Dad's Birthday" finds "Dad's Birthday"). Doubling it
// first would look for "Dad''s Birthday" instead.
//
// Dates are date texts ("06/05/2002") and are matched as texts: a hand-typed "6/5/2002" is
// a different value.
namespace ReminderQueries {

// Table "Events"
Recordset eventsByNotifyDate(RecordStore &events, const QString &dateText);
Recordset eventsByDate(RecordStore &events, const QString &dateText);
Recordset eventsByType(RecordStore &events, const QString &type);
Recordset eventByTitle(RecordStore &events, const QString &title);

// Table "Bills". The notify date is a date text for a one-time bill and a day text ("15",
// "05") for a monthly one; both are looked up the same way.
Recordset billsByNotifyDate(RecordStore &bills, const QString &dateOrDayText);
Recordset billsByDueDate(RecordStore &bills, const QString &dateText);
Recordset billByPayee(RecordStore &bills, const QString &payee);

// Table "AddressBook"
Recordset addressByLastName(RecordStore &addresses, const QString &lastName);
// Every contact whose last name begins with the text ("sm": Smith, smart; not Osmond).
// The text is matched literally: '%', '_' and '\' are plain characters, and no text,
// however long or odd, makes the query fail.
Recordset addressesByLastNameStart(RecordStore &addresses, const QString &start);

// Each apostrophe doubled ("Dad's" becomes "Dad''s"), for callers that need a value in the
// quoted text form; the queries above do not.
QString Apostrophe(const QString &text);

} // namespace ReminderQueries
