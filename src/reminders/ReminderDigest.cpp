#include "reminders/ReminderDigest.h"

#include "common/DateText.h"
#include "reminders/ReminderQueries.h"
#include "reminders/ReminderStores.h"

ReminderDigest::Day ReminderDigest::dueOn(ReminderStores &stores, const QDate &date)
{
    const QString dateText = DateText::toText(date).trimmed();
    RecordStore &bills = stores.bills().store;
    Day day;
    day.bills
        = ReminderQueries::billsByNotifyDate(bills, dateText).columnValues(QStringLiteral("Payee"));
    day.bills += ReminderQueries::billsByNotifyDate(bills, DateText::dayText(dateText))
                     .columnValues(QStringLiteral("Payee"));
    day.events = ReminderQueries::eventsByNotifyDate(stores.events().store, dateText)
                     .columnValues(QStringLiteral("Title"));
    return day;
}
