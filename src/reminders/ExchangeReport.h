#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// What an import or export into the record databases did, as the user reads it.
struct ExchangeReport
{
    QString what = QStringLiteral("contacts"); // what was counted
    bool ok = false;
    int added = 0;       // rows written (import) or entries written (export)
    QStringList skipped; // "<who>: why", for what an import left out
    QStringList notes;   // what the import changed on the way
    QString error;       // why nothing was done, when !ok
    // How many, how many left out and the first few reasons, and the notes; or the error.
    QString summary() const;
};

// The whole file another program wrote; nullopt with `error` set when it cannot be read, is
// empty, or is larger than `largest` bytes.
std::optional<QByteArray> readExchangeFile(const QString &path, qint64 largest, QString *error);
// Replaces the file atomically; false with `error` set when it cannot.
bool writeExchangeFile(const QString &path, const QByteArray &content, QString *error);
