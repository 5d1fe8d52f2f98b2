#pragma once

#include <QString>

#include <optional>

class Recordset;

// What a bill entry means, apart from the widgets that show it.
namespace BillRules {

// The every-month choice: notify on this day every month, or once.
enum Choice { EveryMonth = 0, Once = 1 };

struct Entry
{
    QString payee;
    QString amount;
    QString dueDate;
    QString notify; // a date text, or the day text of a monthly bill
    std::optional<Choice> choice;
};

// Every one of the four boxes holds something (the amount is not checked further).
bool complete(const Entry &entry);

// The notify box after YES or NO while a bill is added or changed, and whether the next tip
// follows. A day text ("15") is turned back into the kept date by NO; YES turns a date text
// into its day text. A text without two '/' is left as it is.
struct ChoiceResult
{
    QString notify;
    bool tip;
};
ChoiceResult afterChoice(const QString &notify, Choice pressed, const QString &keptNotify);

// The stored EM field as a choice: "0" every month, "1" once; nothing for any other value.
std::optional<Choice> choiceFromStored(const std::optional<QString> &em);

// Writes the entry into a new row, or into the current row, in one update. EM is written only
// when a choice is made. False when the recordset refuses (no current row to change, a store
// error); nothing is written then.
bool store(Recordset &rows, const Entry &entry, bool asNewRow);

} // namespace BillRules
