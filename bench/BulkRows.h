#pragma once

// Filling the record databases for the benchmarks: rows go in through the engine directly,
// in one transaction, so filling is never part of what is measured.
#include <QChar>
#include <QFile>
#include <QString>
#include <QStringList>

#include <functional>
#include <random>
#include <sqlite3.h>

inline void bulkInsert(const QString &path, const char *sql, int rows,
                       const std::function<QStringList(int)> &row)
{
    sqlite3 *db = nullptr;
    sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    sqlite3_stmt *insert = nullptr;
    sqlite3_prepare_v2(db, sql, -1, &insert, nullptr);
    for (int i = 0; i < rows; ++i) {
        const QStringList values = row(i);
        for (int c = 0; c < values.size(); ++c) {
            const QByteArray utf8 = values[c].toUtf8();
            sqlite3_bind_text(insert, c + 1, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
        }
        sqlite3_step(insert);
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(db);
}

// "Qwhxk": a capital and three to nine small letters.
inline QString someLastName(std::mt19937 &random)
{
    std::uniform_int_distribution<int> letter(0, 25);
    QString name(1, QChar(u'A' + letter(random)));
    const int length = std::uniform_int_distribution<int>(3, 9)(random);
    for (int i = 0; i < length; ++i)
        name += QChar(u'a' + letter(random));
    return name;
}
