#include "reminders/SqliteConnection.h"

#include "reminders/SqliteStatement.h"

#include <sqlite3.h>

SqliteConnection::SqliteConnection(sqlite3 *db, QString path)
    : m_db(db)
    , m_path(std::move(path))
{
}

SqliteConnection::~SqliteConnection()
{
    close();
}

void SqliteConnection::close()
{
    for (sqlite3_stmt *statement : std::as_const(m_statements))
        sqlite3_finalize(statement);
    m_statements.clear();
    if (m_db)
        sqlite3_close(m_db);
    m_db = nullptr;
}

SqliteStatement SqliteConnection::statement(const QByteArray &sql)
{
    if (!m_db)
        return SqliteStatement();
    if (sqlite3_stmt *cached = m_statements.value(sql))
        return SqliteStatement(cached);
    sqlite3_stmt *prepared = nullptr;
    if (sqlite3_prepare_v3(m_db, sql.constData(), int(sql.size()), SQLITE_PREPARE_PERSISTENT,
                           &prepared, nullptr)
        != SQLITE_OK) {
        sqlite3_finalize(prepared);
        return SqliteStatement();
    }
    m_statements.insert(sql, prepared);
    return SqliteStatement(prepared);
}

bool SqliteConnection::exec(const char *sql)
{
    return m_db && sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

int SqliteConnection::errorCode() const
{
    return m_db ? sqlite3_errcode(m_db) : SQLITE_MISUSE;
}

QString SqliteConnection::errorText() const
{
    return m_db ? QString::fromUtf8(sqlite3_errmsg(m_db)) : QStringLiteral("database is closed");
}

int SqliteConnection::changes() const
{
    return m_db ? sqlite3_changes(m_db) : 0;
}

qint64 SqliteConnection::lastInsertRowid() const
{
    return m_db ? sqlite3_last_insert_rowid(m_db) : 0;
}

SqliteConnection::ReadTransaction::ReadTransaction(SqliteConnection &connection)
    : m_connection(connection)
    , m_begun(connection.isOpen() && sqlite3_get_autocommit(connection.handle())
              && connection.exec("BEGIN"))
{
}

SqliteConnection::ReadTransaction::~ReadTransaction()
{
    if (m_begun && m_connection.isOpen())
        m_connection.exec("COMMIT");
}
