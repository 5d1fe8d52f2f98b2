#include "reminders/SqliteStatement.h"

#include <QByteArray>

#include <sqlite3.h>

SqliteStatement::~SqliteStatement()
{
    if (m_statement) {
        sqlite3_reset(m_statement);
        sqlite3_clear_bindings(m_statement);
    }
}

void SqliteStatement::bindText(int index, const QString &value)
{
    const QByteArray utf8 = value.toUtf8();
    sqlite3_bind_text(m_statement, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
}

void SqliteStatement::bindInt64(int index, qint64 value)
{
    sqlite3_bind_int64(m_statement, index, value);
}

int SqliteStatement::step()
{
    return m_statement ? sqlite3_step(m_statement) : SQLITE_MISUSE;
}

void SqliteStatement::reset()
{
    sqlite3_reset(m_statement);
}

QString SqliteStatement::columnText(int column) const
{
    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(m_statement, column));
    return text ? QString::fromUtf8(text, sqlite3_column_bytes(m_statement, column)) : QString();
}

qint64 SqliteStatement::columnInt64(int column) const
{
    return sqlite3_column_int64(m_statement, column);
}
