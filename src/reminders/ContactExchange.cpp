#include "reminders/ContactExchange.h"

#include "reminders/ReminderStores.h"
#include "reminders/VCard.h"

#include <QSet>

namespace ContactExchange {

namespace {

const QString kTable = QStringLiteral("AddressBook");
// Address books run to thousands of cards; a file past this is not one.
constexpr qint64 kLargestFile = 32 * 1024 * 1024;

// Name and e-mail, as a second import of the same card finds it again.
QString identity(const QString &first, const QString &last, const QString &email)
{
    return QStringList{first.trimmed(), last.trimmed(), email.trimmed()}
        .join(u'\x1f')
        .toCaseFolded();
}

Report failed(const QString &error)
{
    Report report;
    report.error = error;
    return report;
}

} // namespace

Report importFile(ReminderDatabase &book, const QString &path)
{
    QString error;
    const std::optional<QByteArray> content = readExchangeFile(path, kLargestFile, &error);
    if (!content)
        return failed(error);
    const std::optional<VCard::Cards> cards = VCard::parse(*content, &error);
    if (!cards)
        return failed(QStringLiteral("%1: %2").arg(path, error));

    Recordset rows = book.store.openTable(kTable);
    if (rows.hasError())
        return failed(rows.lastError().text());
    QSet<QString> known;
    const QStringList firsts = rows.columnValues(QStringLiteral("Firstname"));
    const QStringList lasts = rows.columnValues(QStringLiteral("Lastname"));
    const QStringList emails = rows.columnValues(QStringLiteral("email"));
    for (qsizetype i = 0; i < lasts.size(); ++i)
        known.insert(identity(firsts.value(i), lasts.value(i), emails.value(i)));

    Report report;
    report.skipped = cards->skipped;
    if (!book.store.beginTransaction())
        return failed(QStringLiteral("The address book cannot be changed: %1")
                          .arg(book.store.lastEngineError()));
    for (const Contact &contact : cards->contacts) {
        const QString who = identity(contact[0], contact[1], contact[12]);
        if (known.contains(who)) {
            report.skipped.append(QStringLiteral("%1 %2: already in the address book")
                                      .arg(contact[0], contact[1])
                                      .trimmed());
            continue;
        }
        bool stored = rows.addNew();
        for (int f = 0; f < addressFields().size() && stored; ++f)
            stored = rows.setField(addressFields()[f].field, contact.value(f));
        if (!stored || !rows.update()) {
            book.store.rollbackTransaction();
            return failed(QStringLiteral("Nothing was imported: %1").arg(rows.lastError().text()));
        }
        known.insert(who);
        ++report.added;
    }
    if (!book.store.commitTransaction())
        return failed(QStringLiteral("Nothing was imported: %1").arg(book.store.lastEngineError()));
    book.current = book.store.openTable(kTable);
    report.ok = true;
    return report;
}

Report exportFile(ReminderDatabase &book, const QString &path)
{
    Recordset rows = book.store.openTable(kTable);
    if (rows.hasError())
        return failed(rows.lastError().text());
    QList<QStringList> columns;
    for (const AddressField &field : addressFields())
        columns.append(rows.columnValues(field.field));
    QList<Contact> contacts;
    for (int r = 0; r < rows.recordCount(); ++r) {
        Contact contact;
        for (const QStringList &column : std::as_const(columns))
            contact.append(column.value(r));
        contacts.append(contact);
    }
    QString error;
    if (!writeExchangeFile(path, VCard::serialize(contacts), &error))
        return failed(error);
    Report report;
    report.ok = true;
    report.added = int(contacts.size());
    return report;
}

} // namespace ContactExchange
