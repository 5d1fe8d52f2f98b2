#include "reminders/BillRules.h"

#include "common/DateText.h"
#include "reminders/Recordset.h"

namespace BillRules {

bool complete(const Entry &entry)
{
    return !entry.payee.isEmpty() && !entry.amount.isEmpty() && !entry.dueDate.isEmpty()
        && !entry.notify.isEmpty();
}

ChoiceResult afterChoice(const QString &notify, Choice pressed, const QString &keptNotify)
{
    // Two characters: already a day text. Only NO changes it, back to the kept date.
    if (notify.size() == 2) {
        if (pressed == Once && !keptNotify.isEmpty())
            return {keptNotify, false};
        return {notify, false};
    }
    if (pressed == EveryMonth) {
        const QString day = DateText::dayText(notify);
        if (!day.isEmpty())
            return {day, true};
    }
    return {notify, true};
}

std::optional<Choice> choiceFromStored(const std::optional<QString> &em)
{
    if (!em)
        return std::nullopt;
    bool ok = false;
    const int value = em->trimmed().toInt(&ok);
    if (!ok || (value != EveryMonth && value != Once))
        return std::nullopt;
    return Choice(value);
}

bool store(Recordset &rows, const Entry &entry, bool asNewRow)
{
    if (!(asNewRow ? rows.addNew() : rows.edit()))
        return false;
    rows.setField(QStringLiteral("Payee"), entry.payee);
    rows.setField(QStringLiteral("Amount"), entry.amount);
    rows.setField(QStringLiteral("DueDate"), entry.dueDate);
    rows.setField(QStringLiteral("NDate"), entry.notify);
    if (entry.choice)
        rows.setField(QStringLiteral("EM"), qint64(*entry.choice));
    if (rows.update())
        return true;
    rows.cancelUpdate();
    return false;
}

} // namespace BillRules
