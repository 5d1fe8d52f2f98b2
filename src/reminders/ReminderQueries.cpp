#include "reminders/ReminderQueries.h"

#include "reminders/RecordStore.h"

namespace ReminderQueries {

namespace {

const QString Events = QStringLiteral("Events");
const QString Bills = QStringLiteral("Bills");
const QString AddressBook = QStringLiteral("AddressBook");

// The columns carry NOCASE already; saying it again keeps the comparison case-blind even
// over a file whose table was made without it.
Recordset whereEquals(RecordStore &store, const QString &table, const char *column,
                      const QString &value)
{
    const QString condition
        = QStringLiteral("\"%1\" = ?1 COLLATE NOCASE").arg(QLatin1String(column));
    return store.select(table, condition, {value});
}

// LIKE's own wildcards and the escape character, taken literally.
QString likePrefix(const QString &text)
{
    QString pattern;
    pattern.reserve(text.size() + 8);
    for (const QChar c : text) {
        if (c == u'\\' || c == u'%' || c == u'_')
            pattern += u'\\';
        pattern += c;
    }
    return pattern + u'%';
}

// The engine refuses LIKE patterns past 50,000 bytes and reads a pattern only up to a NUL;
// such texts take the slower comparison that has neither limit. No real last name does.
constexpr qsizetype LongestLikePattern = 10000;

bool likeCannotTake(const QString &pattern)
{
    return pattern.contains(QChar(0)) || pattern.toUtf8().size() > LongestLikePattern;
}

} // namespace

Recordset eventsByNotifyDate(RecordStore &events, const QString &dateText)
{
    return whereEquals(events, Events, "NotifyDate", dateText);
}

Recordset eventsByDate(RecordStore &events, const QString &dateText)
{
    return whereEquals(events, Events, "Date", dateText);
}

Recordset eventsByType(RecordStore &events, const QString &type)
{
    return whereEquals(events, Events, "Type", type);
}

Recordset eventByTitle(RecordStore &events, const QString &title)
{
    return whereEquals(events, Events, "Title", title);
}

Recordset billsByNotifyDate(RecordStore &bills, const QString &dateOrDayText)
{
    return whereEquals(bills, Bills, "NDate", dateOrDayText);
}

Recordset billsByDueDate(RecordStore &bills, const QString &dateText)
{
    return whereEquals(bills, Bills, "DueDate", dateText);
}

Recordset billByPayee(RecordStore &bills, const QString &payee)
{
    return whereEquals(bills, Bills, "Payee", payee);
}

Recordset addressByLastName(RecordStore &addresses, const QString &lastName)
{
    return whereEquals(addresses, AddressBook, "LastName", lastName);
}

Recordset addressesByLastNameStart(RecordStore &addresses, const QString &start)
{
    const QString pattern = likePrefix(start);
    if (likeCannotTake(pattern)) {
        return addresses.select(
            AddressBook, QStringLiteral("substr(\"LastName\", 1, length(?1)) = ?1 COLLATE NOCASE"),
            {start});
    }
    // LIKE ignores case for ASCII letters, as NOCASE does, and can use the last-name index.
    return addresses.select(AddressBook, QStringLiteral("\"LastName\" LIKE ?1 ESCAPE '\\'"),
                            {pattern});
}

QString Apostrophe(const QString &text)
{
    QString doubled = text;
    doubled.replace(u'\'', QStringLiteral("''"));
    return doubled;
}

} // namespace ReminderQueries
