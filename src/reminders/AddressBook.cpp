#include "reminders/AddressBook.h"

#include "common/OrvaneError.h"
#include "reminders/ReminderQueries.h"

namespace {

const QString AddressBookTable = QStringLiteral("AddressBook");

// One character less, never half of a character that takes two code units.
void dropLastCharacter(QString &text)
{
    const qsizetype n = text.size();
    if (n >= 2 && text.at(n - 1).isLowSurrogate() && text.at(n - 2).isHighSurrogate())
        text.chop(2);
    else
        text.chop(1);
}

} // namespace

AddressBook::AddressBook(ReminderDatabase &database)
    : m_database(database)
{
}

void AddressBook::showAll()
{
    m_database.current = m_database.store.openTable(AddressBookTable);
}

void AddressBook::search(const QString &text)
{
    if (text.isEmpty())
        showAll();
    else
        m_database.current = ReminderQueries::addressesByLastNameStart(m_database.store, text);
}

QString AddressBook::shortenUntilFound(QString text)
{
    while (!text.isEmpty()) {
        dropLastCharacter(text);
        search(text);
        if (m_database.current.recordCount() > 0)
            break;
    }
    return text;
}

bool AddressBook::select(const QString &entryText)
{
    m_selected.reset();
    m_database.current = ReminderQueries::addressByLastName(m_database.store, entryText.trimmed());
    if (m_database.current.recordCount() == 0 && entryText.trimmed() != entryText)
        m_database.current = ReminderQueries::addressByLastName(m_database.store, entryText);
    m_database.current.moveFirst();
    if (!m_database.current.hasCurrentRow())
        return false;
    m_selected = m_database.current;
    return true;
}

Contact AddressBook::selected()
{
    Contact values;
    for (const AddressField &f : addressFields())
        values << (m_selected ? m_selected->field(f.field).value_or(QString()) : QString());
    return values;
}

bool AddressBook::add(const Contact &contact)
{
    // A failed query leaves a recordset of no table; the new row still belongs in the table.
    if (m_database.current.tableName().isEmpty())
        showAll();
    Recordset &rows = m_database.current;
    if (!rows.addNew())
        return fail(rows.lastError());
    return write(rows, contact);
}

bool AddressBook::change(const Contact &contact)
{
    if (!m_selected)
        return fail({OrvaneError::NoCurrentRow, QStringLiteral("No contact is selected")});
    if (!m_selected->edit())
        return fail(m_selected->lastError());
    return write(*m_selected, contact);
}

bool AddressBook::removeSelected()
{
    if (!m_selected)
        return fail({OrvaneError::NoCurrentRow, QStringLiteral("No contact is selected")});
    if (!m_selected->deleteCurrent())
        return fail(m_selected->lastError());
    m_selected.reset();
    m_error = {};
    return true;
}

bool AddressBook::write(Recordset &rows, const Contact &contact)
{
    const QList<AddressField> &fields = addressFields();
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (!rows.setField(fields[i].field, contact.value(i))) {
            const StoreError error = rows.lastError();
            rows.cancelUpdate();
            return fail(error);
        }
    }
    if (!rows.update()) {
        const StoreError error = rows.lastError();
        rows.cancelUpdate();
        return fail(error);
    }
    m_error = {};
    return true;
}

bool AddressBook::fail(const StoreError &error)
{
    m_error = error;
    return false;
}
