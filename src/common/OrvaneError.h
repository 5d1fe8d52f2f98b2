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
