#include "reminders/Recordset.h"

#include "common/OrvaneError.h"
#include "reminders/SqliteConnection.h"
#include "reminders/SqliteStatement.h"

#include <algorithm>
#include <sqlite3.h>

// Adding, changing and deleting rows. Each write is one statement, so the engine stores it
// whole or not at all.

bool Recordset::addNew()
{
    if (!m_table || !m_connection)
        return fail(OrvaneError::DatabaseClosed, QStringLiteral("The recordset has no table"));
    m_pending = Pending::Adding;
    m_values.assign(m_table->columns.size(), std::nullopt);
    m_error = {};
    return true;
}

bool Recordset::edit()
{
    if (!usable("Could not edit the row"))
        return false;
    m_pending = Pending::Editing;
    m_values.assign(m_table->columns.size(), std::nullopt);
    return true;
}

bool Recordset::setField(const QString &name, const QString &value)
{
    if (m_pending == Pending::None)
        return fail(OrvaneError::UpdateWithoutEdit,
                    QStringLiteral("Field values are set only after AddNew or Edit"));
    const int column = knownColumn(name);
    if (column < 0)
        return false;
    m_values[column] = QVariant(value);
    return true;
}

bool Recordset::setField(const QString &name, qint64 value)
{
    if (!setField(name, QString()))
        return false;
    m_values[m_table->columnIndex(name)] = QVariant(value);
    return true;
}

bool Recordset::update()
{
    if (m_pending == Pending::None)
        return fail(OrvaneError::UpdateWithoutEdit,
                    QStringLiteral("Update without AddNew or Edit on '%1'").arg(tableName()));
    if (!m_connection->isOpen())
        return failFromEngine(QStringLiteral("Could not save the row"));
    const bool saved = m_pending == Pending::Adding ? insertPending() : updatePending();
    if (saved) {
        m_pending = Pending::None;
        m_values.clear();
        m_error = {};
    }
    return saved;
}

void Recordset::cancelUpdate()
{
    m_pending = Pending::None;
    m_values.clear();
}

bool Recordset::deleteCurrent()
{
    cancelUpdate();
    if (!usable("Could not delete the row"))
        return false;
    SqliteStatement remove = m_connection->statement(
        QStringLiteral("DELETE FROM %1 WHERE rowid = ?1").arg(quotedName(m_table->name)).toUtf8());
    if (!remove.isValid())
        return failFromEngine(QStringLiteral("Could not delete the row"));
    remove.bindInt64(1, m_rows[m_position]);
    if (remove.step() != SQLITE_DONE)
        return failFromEngine(QStringLiteral("Could not delete the row"));
    const bool existed = m_connection->changes() > 0;
    m_rows.erase(m_rows.begin() + qsizetype(m_position));
    m_onDeletedRow = true;
    if (!existed)
        return fail(
            OrvaneError::RowDeleted,
            QStringLiteral("The current row of '%1' had already been deleted").arg(m_table->name));
    m_error = {};
    return true;
}

namespace {

void bindValue(SqliteStatement &statement, int index, const QVariant &value)
{
    if (value.typeId() == QMetaType::LongLong)
        statement.bindInt64(index, value.toLongLong());
    else
        statement.bindText(index, value.toString());
}

} // namespace

bool Recordset::insertPending()
{
    QStringList names;
    QStringList marks;
    for (std::size_t i = 0; i < m_values.size(); ++i) {
        if (m_values[i]) {
            names << quotedName(m_table->columns[int(i)]);
            marks << QStringLiteral("?%1").arg(marks.size() + 1);
        }
    }
    const QString table = quotedName(m_table->name);
    const QString sql = names.isEmpty() ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(table)
                                        : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                              .arg(table, names.join(u','), marks.join(u','));
    SqliteStatement insert = m_connection->statement(sql.toUtf8());
    if (!insert.isValid())
        return failFromEngine(QStringLiteral("Could not add the row"));
    int index = 0;
    for (const auto &value : m_values) {
        if (value)
            bindValue(insert, ++index, *value);
    }
    if (insert.step() != SQLITE_DONE)
        return failFromEngine(QStringLiteral("Could not add the row"));
    // A row id freed by a delete elsewhere may come back; this result must not list it twice.
    const qint64 rowId = m_connection->lastInsertRowid();
    const auto stale = std::find(m_rows.begin(), m_rows.end(), rowId);
    if (stale != m_rows.end()) {
        if (std::size_t(stale - m_rows.begin()) < m_position)
            --m_position;
        m_rows.erase(stale);
    }
    m_rows.push_back(rowId);
    return true;
}

bool Recordset::updatePending()
{
    QStringList assignments;
    for (std::size_t i = 0; i < m_values.size(); ++i) {
        if (m_values[i])
            assignments << QStringLiteral("%1 = ?%2")
                               .arg(quotedName(m_table->columns[int(i)]))
                               .arg(assignments.size() + 2);
    }
    if (assignments.isEmpty())
        return true;
    const QString sql = QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?1")
                            .arg(quotedName(m_table->name), assignments.join(u','));
    SqliteStatement change = m_connection->statement(sql.toUtf8());
    if (!change.isValid())
        return failFromEngine(QStringLiteral("Could not save the row"));
    change.bindInt64(1, m_rows[m_position]);
    int index = 1;
    for (const auto &value : m_values) {
        if (value)
            bindValue(change, ++index, *value);
    }
    if (change.step() != SQLITE_DONE)
        return failFromEngine(QStringLiteral("Could not save the row"));
    if (m_connection->changes() == 0)
        return fail(OrvaneError::RowDeleted,
                    QStringLiteral("The current row of '%1' has been deleted").arg(m_table->name));
    return true;
}
