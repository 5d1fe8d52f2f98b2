#include "reminders/EventRecord.h"

#include "reminders/Recordset.h"

namespace {
const QString kType = QStringLiteral("Type");
const QString kTitle = QStringLiteral("Title");
const QString kMsg = QStringLiteral("Msg");
const QString kDate = QStringLiteral("Date");
const QString kNotifyDate = QStringLiteral("NotifyDate");
} // namespace

bool EventRecord::complete() const
{
    return !type.isEmpty() && !title.isEmpty() && !msg.isEmpty() && !date.isEmpty()
        && !notifyDate.isEmpty();
}

bool EventRecord::readCurrent(Recordset &rows)
{
    if (!rows.hasCurrentRow())
        return false;
    type = rows.field(kType).value_or(QString());
    title = rows.field(kTitle).value_or(QString());
    msg = rows.field(kMsg).value_or(QString());
    date = rows.field(kDate).value_or(QString());
    notifyDate = rows.field(kNotifyDate).value_or(QString());
    return true;
}

bool EventRecord::storeNew(Recordset &rows) const
{
    if (!rows.addNew())
        return false;
    return setFields(rows);
}

bool EventRecord::storeInto(Recordset &rows) const
{
    if (!rows.edit())
        return false;
    return setFields(rows);
}

bool EventRecord::setFields(Recordset &rows) const
{
    const bool set = rows.setField(kType, type) && rows.setField(kTitle, title)
        && rows.setField(kMsg, msg) && rows.setField(kDate, date)
        && rows.setField(kNotifyDate, notifyDate);
    if (set && rows.update())
        return true;
    rows.cancelUpdate();
    return false;
}
