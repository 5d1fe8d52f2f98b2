#pragma once

#include "common/OrvaneError.h"

#include <QString>

class SqliteConnection;

// What went wrong in a record database, in the form the error report shows:
// "description (number)". The numbers are OrvaneError's database numbers.
struct StoreError
{
    int number = 0; // 0: no error
    QString description;

    bool isError() const { return number != 0; }
    QString text() const { return errorText(description, number); }

    // The engine's last failure on this connection, after "what" was tried ("Could not save
    // the row"); a lock held by another program and a write-protected file get their own number.
    static StoreError fromEngine(const SqliteConnection &connection, const QString &what);
};
