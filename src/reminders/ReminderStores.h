#pragma once

#include "reminders/RecordStore.h"
#include "reminders/Recordset.h"

#include <QString>
#include <QStringList>

#include <functional>

// A record database as the panels hold it: the open file and its current recordset, on
// which every list fill, selection, add, change and delete acts.
struct ReminderDatabase
{
    RecordStore store;
    Recordset current;
};

// The three record databases of the reminders, opened at start-up and held for the life of
// the program (events and bills are opened again at each change of date).
class ReminderStores
{
public:
    // Each opens its file and makes its whole table current. A file that is missing,
    // unreadable, not a database, locked, or without its table or one of its columns throws
    // OrvaneError naming the file; the database held before, if any, is then kept as it was.
    // A write-protected file opens, and is told once per run to the read-only notice.
    void openAddressBook(const QString &path);
    void openBills(const QString &path);
    void openEvents(const QString &path);
    // "&Exit": events, bills and address, in that order.
    void closeAll();
    void setReadOnlyNotice(std::function<void(const StoreError &)> notice)
    {
        m_onReadOnly = std::move(notice);
    }

    ReminderDatabase &events() { return m_events; }
    ReminderDatabase &bills() { return m_bills; }
    ReminderDatabase &addressBook() { return m_address; }

private:
    void openDatabase(ReminderDatabase &database, const QString &path, const QString &table,
                      const QStringList &columns);

    ReminderDatabase m_events;
    ReminderDatabase m_bills;
    ReminderDatabase m_address;
    std::function<void(const StoreError &)> m_onReadOnly;
    QStringList m_toldReadOnly; // files already told to be write-protected
};
