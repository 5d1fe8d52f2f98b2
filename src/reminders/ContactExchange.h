#pragma once

#include <QString>
#include <QStringList>

struct ReminderDatabase;

// The address book in and out as vCard files: what the File menu and the command line do.
namespace ContactExchange {

struct Report
{
    bool ok = false;
    int added = 0;       // contacts written (import) or cards written (export)
    QStringList skipped; // "<who>: why", for the cards an import left out
    QString error;       // why nothing was done, when !ok
    // The sentence the user reads: how many, how many left out and the first few reasons.
    QString summary() const;
};

// Adds the cards of a vCard file to the address book in one transaction: all of them or, on
// any failure, none. A card whose name and e-mail match a contact is left out, so importing
// the same file twice adds nothing the second time. The current recordset becomes the whole
// table afterwards.
Report importFile(ReminderDatabase &book, const QString &path);
// Writes every contact, in table order, as vCard 4.0; the file is replaced atomically.
Report exportFile(ReminderDatabase &book, const QString &path);

} // namespace ContactExchange
