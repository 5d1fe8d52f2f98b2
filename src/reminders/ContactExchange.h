#pragma once

#include "reminders/ExchangeReport.h"

struct ReminderDatabase;

// The address book in and out as vCard files: what the File menu and the command line do.
namespace ContactExchange {

using Report = ExchangeReport;

// Adds the cards of a vCard file to the address book in one transaction: all of them or, on
// any failure, none. A card whose name and e-mail match a contact is left out, so importing
// the same file twice adds nothing the second time. The current recordset becomes the whole
// table afterwards.
Report importFile(ReminderDatabase &book, const QString &path);
// Writes every contact, in table order, as vCard 4.0; the file is replaced atomically.
Report exportFile(ReminderDatabase &book, const QString &path);

} // namespace ContactExchange
