#pragma once

#include <QString>

struct sqlite3_stmt;

// One use of a cached prepared statement. The destructor resets it and clears its bindings:
// a statement left mid-result would keep a read lock on the file and block other writers.
class SqliteStatement
{
public:
    explicit SqliteStatement(sqlite3_stmt *statement = nullptr)
        : m_statement(statement)
    {
    }
    ~SqliteStatement();
    SqliteStatement(SqliteStatement &&other) noexcept
        : m_statement(other.m_statement)
    {
        other.m_statement = nullptr;
    }
    SqliteStatement(const SqliteStatement &) = delete;
    SqliteStatement &operator=(const SqliteStatement &) = delete;
    SqliteStatement &operator=(SqliteStatement &&) = delete;

    bool isValid() const { return m_statement != nullptr; }

    // Parameters are numbered from 1, as the engine numbers them.
    void bindText(int index, const QString &value);
    void bindInt64(int index, qint64 value);

    // The engine's result code: SQLITE_ROW, SQLITE_DONE or an error.
    int step();
    // Ready to step again from the start, keeping the bindings.
    void reset();

    // Columns are numbered from 0. NULL reads as empty text.
    QString columnText(int column) const;
    qint64 columnInt64(int column) const;

private:
    sqlite3_stmt *m_statement;
};
