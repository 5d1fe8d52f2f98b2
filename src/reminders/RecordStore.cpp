#include "reminders/RecordStore.h"

#include "common/OrvaneError.h"
#include "common/RegularFile.h"
#include "reminders/SqliteConnection.h"
#include "reminders/SqliteStatement.h"

#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

namespace {

[[noreturn]] void refuse(int number, const QString &description)
{
    throw OrvaneError(description, number);
}

// What the file system already tells about a file before the engine sees it. The engine
// would take an empty file for an empty database; the program never ships one.
void checkFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        refuse(OrvaneError::DatabaseNotFound,
               QStringLiteral("Could not find the database file '%1'").arg(path));
    if (info.isDir())
        refuse(OrvaneError::DatabaseCannotOpen,
               QStringLiteral("Could not open the database file '%1': it is a folder").arg(path));
    if (isNonRegularFile(path))
        refuse(OrvaneError::DatabaseCannotOpen,
               QStringLiteral("Could not open the database file '%1': it is not a regular file")
                   .arg(path));
    if (!info.isReadable())
        refuse(
            OrvaneError::DatabaseCannotOpen,
            QStringLiteral("Could not open the database file '%1': permission denied").arg(path));
    if (info.size() == 0)
        refuse(OrvaneError::NotADatabase,
               QStringLiteral("The file '%1' is not a database (it is empty)").arg(path));
}

// Opening alone reads nothing; reading the schema is what finds a foreign file or a lock.
void checkReadable(SqliteConnection &connection)
{
    SqliteStatement probe = connection.statement("SELECT count(*) FROM sqlite_schema");
    if (probe.isValid() && probe.step() == SQLITE_ROW)
        return;
    const QString path = connection.path();
    switch (connection.errorCode() & 0xff) {
    case SQLITE_NOTADB:
        refuse(OrvaneError::NotADatabase,
               QStringLiteral("The file '%1' is not a database").arg(path));
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        refuse(OrvaneError::DatabaseLocked,
               QStringLiteral("The database file '%1' is locked by another program").arg(path));
    default:
        refuse(OrvaneError::DatabaseCannotOpen,
               QStringLiteral("Could not open the database file '%1': %2")
                   .arg(path, connection.errorText()));
    }
}

} // namespace

RecordStore::RecordStore() = default;
RecordStore::~RecordStore()
{
    close();
}
RecordStore::RecordStore(RecordStore &&other) noexcept = default;

RecordStore &RecordStore::operator=(RecordStore &&other) noexcept
{
    if (this != &other) {
        close();
        m_connection = std::move(other.m_connection);
        m_schemas = std::move(other.m_schemas);
    }
    return *this;
}

void RecordStore::open(const QString &path, int busyTimeoutMs)
{
    checkFile(path);
    sqlite3 *db = nullptr;
    // Never SQLITE_OPEN_CREATE: a missing database is an error, not a new empty file.
    const int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &db,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_EXRESCODE, nullptr);
    auto connection = std::make_shared<SqliteConnection>(db, path);
    if (rc != SQLITE_OK)
        refuse(OrvaneError::DatabaseCannotOpen,
               QStringLiteral("Could not open the database file '%1': %2")
                   .arg(path, connection->errorText()));
    sqlite3_busy_timeout(db, busyTimeoutMs);
    checkReadable(*connection);
    close();
    m_connection = std::move(connection);
}

void RecordStore::close()
{
    if (m_connection)
        m_connection->close();
    m_connection.reset();
    m_schemas.clear();
}

bool RecordStore::isOpen() const
{
    return m_connection && m_connection->isOpen();
}

bool RecordStore::isReadOnly() const
{
    return isOpen() && sqlite3_db_readonly(m_connection->handle(), "main") == 1;
}

QString RecordStore::path() const
{
    return m_connection ? m_connection->path() : QString();
}

Recordset RecordStore::openTable(const QString &table)
{
    return rows(table, QString(), {});
}

Recordset RecordStore::select(const QString &table, const QString &condition,
                              const QStringList &values)
{
    return rows(table, condition, values);
}

Recordset RecordStore::rows(const QString &table, const QString &condition,
                            const QStringList &values)
{
    StoreError error;
    std::shared_ptr<const TableSchema> found = schema(table, error);
    if (!found)
        return Recordset::failed(error);
    QString sql = QStringLiteral("SELECT rowid FROM %1").arg(quotedName(found->name));
    if (!condition.isEmpty())
        sql += QStringLiteral(" WHERE ") + condition;
    sql += QStringLiteral(" ORDER BY rowid");
    SqliteStatement query = m_connection->statement(sql.toUtf8());
    if (!query.isValid())
        return Recordset::failed(StoreError::fromEngine(
            *m_connection, QStringLiteral("Could not read '%1'").arg(table)));
    for (int i = 0; i < values.size(); ++i)
        query.bindText(i + 1, values[i]);
    std::vector<qint64> rowIds;
    int rc;
    while ((rc = query.step()) == SQLITE_ROW)
        rowIds.push_back(query.columnInt64(0));
    if (rc != SQLITE_DONE)
        return Recordset::failed(StoreError::fromEngine(
            *m_connection, QStringLiteral("Could not read '%1'").arg(table)));
    return Recordset(m_connection, std::move(found), std::move(rowIds));
}

std::shared_ptr<const TableSchema> RecordStore::schema(const QString &table, StoreError &error)
{
    if (!isOpen()) {
        error = {OrvaneError::DatabaseClosed,
                 QStringLiteral("Could not read '%1': the database is closed").arg(table)};
        return nullptr;
    }
    const QString key = table.toLower();
    if (auto cached = m_schemas.value(key))
        return cached;
    auto found = std::make_shared<TableSchema>();
    {
        SqliteStatement lookup = m_connection->statement(
            "SELECT name FROM sqlite_schema WHERE type = 'table' AND name = ?1 COLLATE NOCASE");
        lookup.bindText(1, table);
        const int rc = lookup.step();
        if (rc == SQLITE_ROW) {
            found->name = lookup.columnText(0);
        } else if (rc != SQLITE_DONE) {
            error = StoreError::fromEngine(*m_connection,
                                           QStringLiteral("Could not read '%1'").arg(table));
            return nullptr;
        }
    }
    if (found->name.isEmpty()) {
        error = {OrvaneError::TableNotFound,
                 QStringLiteral("The database file '%1' has no table '%2'").arg(path(), table)};
        return nullptr;
    }
    SqliteStatement columns = m_connection->statement("SELECT name FROM pragma_table_info(?1)");
    columns.bindText(1, found->name);
    while (columns.step() == SQLITE_ROW) {
        found->columns << columns.columnText(0);
        found->columnReads << QStringLiteral("SELECT %1 FROM %2 WHERE rowid = ?1")
                                  .arg(quotedName(found->columns.last()), quotedName(found->name))
                                  .toUtf8();
    }
    m_schemas.insert(key, found);
    return found;
}

bool RecordStore::beginTransaction()
{
    return m_connection && m_connection->isOpen() && m_connection->exec("BEGIN IMMEDIATE");
}

bool RecordStore::commitTransaction()
{
    if (m_connection && m_connection->isOpen() && m_connection->exec("COMMIT"))
        return true;
    rollbackTransaction();
    return false;
}

void RecordStore::rollbackTransaction()
{
    if (m_connection && m_connection->isOpen())
        m_connection->exec("ROLLBACK");
}

QString RecordStore::lastEngineError() const
{
    return m_connection ? m_connection->errorText() : QString();
}
