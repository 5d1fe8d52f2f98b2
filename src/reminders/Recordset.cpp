#include "reminders/Recordset.h"

#include "common/OrvaneError.h"
#include "reminders/SqliteConnection.h"
#include "reminders/SqliteStatement.h"

#include <sqlite3.h>

Recordset::Recordset(std::shared_ptr<SqliteConnection> connection,
                     std::shared_ptr<const TableSchema> table, std::vector<qint64> rowIds)
    : m_connection(std::move(connection))
    , m_table(std::move(table))
    , m_rows(std::move(rowIds))
{
}

Recordset Recordset::failed(StoreError error)
{
    Recordset empty;
    empty.m_error = std::move(error);
    return empty;
}

const QString &Recordset::tableName() const
{
    static const QString none;
    return m_table ? m_table->name : none;
}

void Recordset::moveFirst()
{
    cancelUpdate();
    m_position = 0;
    m_onDeletedRow = false;
}

void Recordset::moveLast()
{
    cancelUpdate();
    m_position = m_rows.empty() ? 0 : m_rows.size() - 1;
    m_onDeletedRow = false;
}

void Recordset::moveNext()
{
    cancelUpdate();
    // After a delete the cursor already stands on the row that followed.
    if (m_onDeletedRow)
        m_onDeletedRow = false;
    else if (m_position < m_rows.size())
        ++m_position;
}

std::optional<QString> Recordset::field(const QString &name)
{
    if (!usable("Could not read the field"))
        return std::nullopt;
    const int column = knownColumn(name);
    if (column < 0)
        return std::nullopt;
    SqliteStatement read = m_connection->statement(m_table->columnReads[column]);
    std::optional<QString> value = readRow(read, m_rows[m_position]);
    if (value)
        m_error = {};
    return value;
}

std::optional<QString> Recordset::fieldAt(int index, const QString &name)
{
    if (!m_connection || !m_table || index < 0 || std::size_t(index) >= m_rows.size())
        return std::nullopt;
    const int column = knownColumn(name);
    if (column < 0)
        return std::nullopt;
    SqliteStatement read = m_connection->statement(m_table->columnReads[column]);
    std::optional<QString> value = readRow(read, m_rows[std::size_t(index)]);
    if (value)
        m_error = {};
    return value;
}

QStringList Recordset::columnValues(const QString &name)
{
    QStringList values;
    if (!m_connection || !m_table || m_rows.empty())
        return values;
    const int column = knownColumn(name);
    if (column < 0)
        return values;
    values.reserve(qsizetype(m_rows.size()));
    SqliteConnection::ReadTransaction oneLock(*m_connection);
    SqliteStatement read = m_connection->statement(m_table->columnReads[column]);
    m_error = {};
    for (const qint64 rowId : m_rows) {
        values << readRow(read, rowId).value_or(QString());
        read.reset();
    }
    return values;
}

int Recordset::knownColumn(const QString &name)
{
    const int column = m_table->columnIndex(name);
    if (column < 0)
        fail(OrvaneError::FieldNotFound,
             QStringLiteral("The table '%1' has no field '%2'").arg(m_table->name, name));
    return column;
}

std::optional<QString> Recordset::readRow(SqliteStatement &read, qint64 rowId)
{
    if (!read.isValid()) {
        failFromEngine(QStringLiteral("Could not read the field"));
        return std::nullopt;
    }
    read.bindInt64(1, rowId);
    const int rc = read.step();
    if (rc == SQLITE_ROW)
        return read.columnText(0);
    if (rc == SQLITE_DONE)
        fail(OrvaneError::RowDeleted,
             QStringLiteral("A row of '%1' has been deleted").arg(m_table->name));
    else
        failFromEngine(QStringLiteral("Could not read the field"));
    return std::nullopt;
}

bool Recordset::usable(const char *what)
{
    if (!m_connection || !m_table)
        return fail(OrvaneError::NoCurrentRow, QStringLiteral("No current row"));
    if (!m_connection->isOpen())
        return failFromEngine(QString::fromLatin1(what));
    if (!hasCurrentRow())
        return fail(
            OrvaneError::NoCurrentRow,
            QStringLiteral("No current row in '%1' of '%2'").arg(m_table->name, fileName()));
    return true;
}

bool Recordset::fail(int number, const QString &description)
{
    m_error = {number, description};
    return false;
}

bool Recordset::failFromEngine(const QString &what)
{
    m_error = StoreError::fromEngine(*m_connection, what);
    return false;
}

QString Recordset::fileName() const
{
    return m_connection ? m_connection->path() : QString();
}
