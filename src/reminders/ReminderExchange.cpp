#include "reminders/ReminderExchange.h"

#include "reminders/ICalendar.h"
#include "reminders/ReminderStores.h"

#include <QSet>

namespace ReminderExchange {

namespace {

// Calendars of many years run to a few megabytes; a file past this is not one to read in.
constexpr qint64 kLargestFile = 32 * 1024 * 1024;

ExchangeReport failed(const QString &error)
{
    ExchangeReport report;
    report.what = QStringLiteral("events");
    report.error = error;
    return report;
}

QStringList column(Recordset &rows, const char *name)
{
    return rows.columnValues(QString::fromLatin1(name));
}

} // namespace

ExchangeReport importFile(ReminderDatabase &events, const QString &path, const QDate &today)
{
    QString error;
    const std::optional<QByteArray> content = readExchangeFile(path, kLargestFile, &error);
    if (!content)
        return failed(error);
    const std::optional<ICalendar::Read> read = ICalendar::parse(*content, today, &error);
    if (!read)
        return failed(QStringLiteral("%1: %2").arg(path, error));

    Recordset rows = events.store.openTable(QStringLiteral("Events"));
    if (rows.hasError())
        return failed(rows.lastError().text());
    QSet<QString> known;
    const QStringList titles = column(rows, "Title"), dates = column(rows, "Date");
    for (qsizetype i = 0; i < titles.size(); ++i)
        known.insert(titles[i] + u'\x1f' + dates.value(i));

    ExchangeReport report = failed(QString());
    report.skipped = read->skipped;
    report.notes = read->notes;
    if (!events.store.beginTransaction())
        return failed(
            QStringLiteral("The events cannot be changed: %1").arg(events.store.lastEngineError()));
    for (const ICalendar::Event &e : read->events) {
        const QString key = e.title + u'\x1f' + e.date;
        if (known.contains(key)) {
            report.skipped.append(e.title + QStringLiteral(": already among the events"));
            continue;
        }
        const bool stored = rows.addNew() && rows.setField(QStringLiteral("Title"), e.title)
            && rows.setField(QStringLiteral("Type"), e.type)
            && rows.setField(QStringLiteral("Msg"), e.message)
            && rows.setField(QStringLiteral("Date"), e.date)
            && rows.setField(QStringLiteral("NotifyDate"), e.notifyDate) && rows.update();
        if (!stored) {
            events.store.rollbackTransaction();
            return failed(QStringLiteral("Nothing was imported: %1").arg(rows.lastError().text()));
        }
        known.insert(key);
        ++report.added;
    }
    if (!events.store.commitTransaction())
        return failed(
            QStringLiteral("Nothing was imported: %1").arg(events.store.lastEngineError()));
    events.current = events.store.openTable(QStringLiteral("Events"));
    report.ok = true;
    return report;
}

ExchangeReport exportFile(ReminderDatabase &events, ReminderDatabase &bills, const QString &path,
                          const QDateTime &now)
{
    Recordset eventRows = events.store.openTable(QStringLiteral("Events"));
    Recordset billRows = bills.store.openTable(QStringLiteral("Bills"));
    if (eventRows.hasError() || billRows.hasError())
        return failed((eventRows.hasError() ? eventRows : billRows).lastError().text());
    QList<ICalendar::Event> eventList;
    const QStringList titles = column(eventRows, "Title"), types = column(eventRows, "Type"),
                      messages = column(eventRows, "Msg"), dates = column(eventRows, "Date"),
                      notify = column(eventRows, "NotifyDate");
    for (qsizetype i = 0; i < titles.size(); ++i)
        eventList.append(
            {titles[i], types.value(i), messages.value(i), dates.value(i), notify.value(i)});
    QList<ICalendar::Bill> billList;
    const QStringList payees = column(billRows, "Payee"), amounts = column(billRows, "Amount"),
                      due = column(billRows, "DueDate"), nDates = column(billRows, "NDate"),
                      everyMonth = column(billRows, "EM");
    for (qsizetype i = 0; i < payees.size(); ++i)
        billList.append({payees[i], amounts.value(i), due.value(i), nDates.value(i),
                         everyMonth.value(i).trimmed() == QLatin1String("0")});
    QString error;
    if (!writeExchangeFile(path, ICalendar::serialize(eventList, billList, now), &error))
        return failed(error);
    ExchangeReport report = failed(QString());
    report.ok = true;
    report.added = int(eventList.size() + billList.size());
    return report;
}

} // namespace ReminderExchange
