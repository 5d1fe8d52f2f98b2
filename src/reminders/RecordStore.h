#pragma once

#include "reminders/Recordset.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <memory>

class SqliteConnection;

// One record database file ("Events.mdb", "Bills.mdb", "Address.mdb"): an SQLite file that
// ships with the program. The store never creates, truncates or rewrites a file; it only
// adds, changes and deletes rows. Recordsets made from it share its connection, and after
// close() they report the database as closed.
class RecordStore
{
public:
    // A file held by another program is waited for this long before giving up.
    static constexpr int DefaultBusyTimeoutMs = 2000;

    RecordStore();
    ~RecordStore();
    RecordStore(RecordStore &&other) noexcept;
    RecordStore &operator=(RecordStore &&other) noexcept;
    RecordStore(const RecordStore &) = delete;
    RecordStore &operator=(const RecordStore &) = delete;

    // Opens an existing database for reading and writing. Throws OrvaneError naming the file
    // when it is missing, unreadable, not a database, or held by another program past the
    // busy timeout; nothing is written to it then, and a store already open stays as it was.
    void open(const QString &path, int busyTimeoutMs = DefaultBusyTimeoutMs);
    // Releases the file. Harmless when closed.
    void close();
    bool isOpen() const;
    // The file could be opened for reading only (it or its folder is write-protected): every
    // change will be refused.
    bool isReadOnly() const;
    // The path given to open(); empty before.
    QString path() const;

    // Changes made between begin and commit are stored together or, after rollback or a
    // failed commit, not at all. begin() waits for other programs as open() does.
    bool beginTransaction();
    bool commitTransaction();
    void rollbackTransaction();
    // The engine's words for the last failure.
    QString lastEngineError() const;

    // All rows of the table (its name ignores case), in table order. Never throws: a failure
    // gives an empty recordset whose lastError() names the file and the problem.
    Recordset openTable(const QString &table);
    // The rows of the table for which the condition holds, in table order. The condition is
    // SQL written by the program, with ?1, ?2, ... standing for the values: values are always
    // bound, never pasted into the text. Never throws, as openTable().
    Recordset select(const QString &table, const QString &condition, const QStringList &values);

private:
    std::shared_ptr<const TableSchema> schema(const QString &table, StoreError &error);
    Recordset rows(const QString &table, const QString &condition, const QStringList &values);

    std::shared_ptr<SqliteConnection> m_connection;
    QHash<QString, std::shared_ptr<const TableSchema>> m_schemas; // by lower-case name
};
