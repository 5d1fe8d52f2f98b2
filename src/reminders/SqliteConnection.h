#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

struct sqlite3;
struct sqlite3_stmt;
class SqliteStatement;

// One open SQLite handle and its prepared statements. Recordsets share it, so a recordset
// that outlives the store's close() finds it closed instead of holding a dangling handle.
// Statements are prepared once per SQL text: a list fill reads a field per row, and preparing
// each time would cost more than the read.
class SqliteConnection
{
public:
    SqliteConnection(sqlite3 *db, QString path);
    ~SqliteConnection();
    SqliteConnection(const SqliteConnection &) = delete;
    SqliteConnection &operator=(const SqliteConnection &) = delete;

    bool isOpen() const { return m_db != nullptr; }
    // The file as the caller named it; every error text names it.
    const QString &path() const { return m_path; }
    sqlite3 *handle() const { return m_db; }

    // Finalizes every statement and releases the file.
    void close();
    // The statement for this SQL text, ready to bind; an invalid statement when the text does
    // not prepare (the engine's message is then in errorText()) or the connection is closed.
    SqliteStatement statement(const QByteArray &sql);
    // Runs SQL that returns no rows; false on failure.
    bool exec(const char *sql);

    // Holds one read lock over many statements. Each statement on its own takes the file's
    // lock and lets it go again, which costs more than a row read itself.
    class ReadTransaction
    {
    public:
        explicit ReadTransaction(SqliteConnection &connection);
        ~ReadTransaction();
        ReadTransaction(const ReadTransaction &) = delete;
        ReadTransaction &operator=(const ReadTransaction &) = delete;

    private:
        SqliteConnection &m_connection;
        bool m_begun;
    };

    int errorCode() const;
    QString errorText() const;
    // Rows the last INSERT, UPDATE or DELETE touched.
    int changes() const;
    qint64 lastInsertRowid() const;

private:
    sqlite3 *m_db;
    QString m_path;
    QHash<QByteArray, sqlite3_stmt *> m_statements;
};
