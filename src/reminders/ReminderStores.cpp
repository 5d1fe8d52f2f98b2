#include "reminders/ReminderStores.h"

#include "common/OrvaneError.h"

#include <QStringList>

namespace {

// The columns the program made each table with; a table without one of them is another
// program's file, and reading it would show nothing rather than an error.
const QStringList kEventsColumns{"Title", "Type", "Msg", "Date", "NotifyDate"};
const QStringList kBillsColumns{"Payee", "Amount", "DueDate", "NDate", "EM"};
const QStringList kAddressColumns{
    "Firstname", "Lastname", "Homephone",    "Address",       "Address2",         "City",
    "State",     "Country",  "Zip",          "BusinessPhone", "ExtBusinessPhone", "FAX",
    "email",     "Website",  "BusinessName", "Birthday",      "Anniversary",      "Comments"};

} // namespace

void ReminderStores::openDatabase(ReminderDatabase &database, const QString &path,
                                  const QString &table, const QStringList &columns)
{
    RecordStore store;
    store.open(path);
    Recordset rows = store.openTable(table);
    if (rows.hasError())
        throw OrvaneError(rows.lastError().description, rows.lastError().number);
    for (const QString &column : columns) {
        if (!rows.hasColumn(column))
            throw OrvaneError(QStringLiteral("The table '%1' in the database file '%2' has no "
                                             "column '%3'")
                                  .arg(table, path, column),
                              OrvaneError::FieldNotFound);
    }
    if (store.isReadOnly() && m_onReadOnly && !m_toldReadOnly.contains(path)) {
        m_toldReadOnly.append(path);
        m_onReadOnly(StoreError{
            OrvaneError::DatabaseReadOnly,
            QStringLiteral("The database file '%1' is write-protected: changes cannot be saved")
                .arg(path)});
    }
    // The previous run's objects are simply replaced; replacing the store releases its file.
    database.current = std::move(rows);
    database.store = std::move(store);
}

void ReminderStores::openAddressBook(const QString &path)
{
    openDatabase(m_address, path, QStringLiteral("AddressBook"), kAddressColumns);
}

void ReminderStores::openBills(const QString &path)
{
    openDatabase(m_bills, path, QStringLiteral("Bills"), kBillsColumns);
}

void ReminderStores::openEvents(const QString &path)
{
    openDatabase(m_events, path, QStringLiteral("Events"), kEventsColumns);
}

void ReminderStores::closeAll()
{
    for (ReminderDatabase *database : {&m_events, &m_bills, &m_address})
        database->store.close();
}
