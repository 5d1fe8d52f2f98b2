#include "reminders/StoreError.h"

#include "common/OrvaneError.h"
#include "reminders/SqliteConnection.h"

#include <sqlite3.h>

StoreError StoreError::fromEngine(const SqliteConnection &connection, const QString &what)
{
    const QString file = connection.path();
    switch (connection.errorCode() & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return {OrvaneError::DatabaseLocked,
                QStringLiteral("%1: the database file '%2' is locked by another program")
                    .arg(what, file)};
    case SQLITE_READONLY:
        return {OrvaneError::DatabaseReadOnly,
                QStringLiteral("%1: the database file '%2' is write-protected").arg(what, file)};
    case SQLITE_NOTADB:
        return {OrvaneError::NotADatabase,
                QStringLiteral("%1: the file '%2' is not a database").arg(what, file)};
    case SQLITE_MISUSE:
        if (!connection.isOpen())
            return {OrvaneError::DatabaseClosed,
                    QStringLiteral("%1: the database file '%2' is closed").arg(what, file)};
        break;
    default:
        break;
    }
    return {
        OrvaneError::DatabaseFailure,
        QStringLiteral("%1 in the database file '%2': %3").arg(what, file, connection.errorText())};
}
