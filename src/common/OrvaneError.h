#pragma once

#include <QString>

#include <stdexcept>

// A failure with a description and a number, as the error report shows it:
// "description (number)". The numbers keep the meanings users of the program know.
class OrvaneError : public std::runtime_error
{
public:
    enum Number {
        InternalError = 51,
        FileNotFound = 53,
        PermissionDenied = 70,
        PathFileAccessError = 75,
        // The record databases keep the numbers their engine's users know.
        DatabaseFailure = 3000,    // any other engine failure; the description says which
        UpdateWithoutEdit = 3020,  // Update with neither AddNew nor Edit pending
        NoCurrentRow = 3021,       // the cursor stands past the end or on a deleted row
        DatabaseNotFound = 3024,   // the database file is not there
        DatabaseReadOnly = 3027,   // the file or its folder is write-protected
        DatabaseCannotOpen = 3051, // a folder, no permission, or the engine refused it
        TableNotFound = 3078,
        RowDeleted = 3167,     // the row was removed by another recordset
        DatabaseLocked = 3218, // another program holds the file; nothing was written
        FieldNotFound = 3265,
        NotADatabase = 3343,
        DatabaseClosed = 3420, // the recordset's database was closed
    };

    OrvaneError(const QString &description, int number)
        : std::runtime_error(description.toStdString())
        , m_description(description)
        , m_number(number)
    {
    }

    const QString &description() const { return m_description; }
    int number() const { return m_number; }

private:
    QString m_description;
    int m_number;
};

// The one way a failure reads to the user, wherever it is shown: "description (number)".
inline QString errorText(const QString &description, int number)
{
    return QStringLiteral("%1 (%2)").arg(description).arg(number);
}
