#include "reminders/ReminderStores.h"

#include "common/OrvaneError.h"

namespace {

void openDatabase(ReminderDatabase &database, const QString &path, const QString &table)
{
    RecordStore store;
    store.open(path);
    Recordset rows = store.openTable(table);
    if (rows.hasError())
        throw OrvaneError(rows.lastError().description, rows.lastError().number);
    // The previous run's objects are simply replaced; replacing the store releases its file.
    database.current = std::move(rows);
    database.store = std::move(store);
}

} // namespace

void ReminderStores::openAddressBook(const QString &path)
{
    openDatabase(m_address, path, QStringLiteral("AddressBook"));
}

void ReminderStores::openBills(const QString &path)
{
    openDatabase(m_bills, path, QStringLiteral("Bills"));
}

void ReminderStores::openEvents(const QString &path)
{
    openDatabase(m_events, path, QStringLiteral("Events"));
}

void ReminderStores::closeAll()
{
    for (ReminderDatabase *database : {&m_events, &m_bills, &m_address})
        database->store.close();
}
