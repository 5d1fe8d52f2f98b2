#pragma once

#include "reminders/RecordStore.h"
#include "support/StagedPaths.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <sqlite3.h>

// Temporary copies of the three shipped (empty) databases, and quick ways to fill them.
class StoreFiles
{
public:
    StoreFiles()
    {
        for (const char *name : {"Events.mdb", "Bills.mdb", "Address.mdb"}) {
            const QString file = QString::fromLatin1(name);
            EXPECT_TRUE(QFile::copy(stagedAppDir() + QStringLiteral("/") + file, path(file)))
                << name;
        }
    }

    QString path(const QString &name) const { return m_dir.path() + u'/' + name; }

    // Opens a copy without waiting on locks, so a locked-file test fails at once.
    RecordStore open(const QString &name)
    {
        RecordStore store;
        store.open(path(name), 0);
        return store;
    }

private:
    QTemporaryDir m_dir;
};

// Rows stored through the recordset, as the panels store them.
inline void addEvent(Recordset &rows, const QString &title, const QString &type,
                     const QString &date, const QString &notifyDate)
{
    ASSERT_TRUE(rows.addNew());
    rows.setField(QStringLiteral("Title"), title);
    rows.setField(QStringLiteral("Type"), type);
    rows.setField(QStringLiteral("Msg"), QStringLiteral("message of ") + title);
    rows.setField(QStringLiteral("Date"), date);
    rows.setField(QStringLiteral("NotifyDate"), notifyDate);
    ASSERT_TRUE(rows.update()) << rows.lastError().description.toStdString();
}

inline void addBill(Recordset &rows, const QString &payee, const QString &dueDate,
                    const QString &notify, qint64 everyMonth)
{
    ASSERT_TRUE(rows.addNew());
    rows.setField(QStringLiteral("Payee"), payee);
    rows.setField(QStringLiteral("Amount"), QStringLiteral("12.50"));
    rows.setField(QStringLiteral("DueDate"), dueDate);
    rows.setField(QStringLiteral("NDate"), notify);
    rows.setField(QStringLiteral("EM"), everyMonth);
    ASSERT_TRUE(rows.update()) << rows.lastError().description.toStdString();
}

inline void addContact(Recordset &rows, const QString &lastName, const QString &firstName = {})
{
    ASSERT_TRUE(rows.addNew());
    rows.setField(QStringLiteral("Lastname"), lastName);
    if (!firstName.isEmpty())
        rows.setField(QStringLiteral("Firstname"), firstName);
    ASSERT_TRUE(rows.update()) << rows.lastError().description.toStdString();
}

// The field of the current row, or "<none>" when there is no current row.
inline QString fieldText(Recordset &rows, const char *name)
{
    return rows.field(QString::fromLatin1(name)).value_or(QStringLiteral("<none>"));
}

// One field of every row, first to last.
inline QStringList column(Recordset &rows, const char *name)
{
    QStringList values;
    for (rows.moveFirst(); rows.hasCurrentRow(); rows.moveNext())
        values << fieldText(rows, name);
    return values;
}

// A second connection to a file, as another program would hold it.
class OtherProgram
{
public:
    explicit OtherProgram(const QString &path)
    {
        EXPECT_EQ(sqlite3_open_v2(QFile::encodeName(path).constData(), &m_db, SQLITE_OPEN_READWRITE,
                                  nullptr),
                  SQLITE_OK);
    }
    ~OtherProgram() { sqlite3_close(m_db); }
    OtherProgram(const OtherProgram &) = delete;
    OtherProgram &operator=(const OtherProgram &) = delete;

    bool exec(const char *sql) { return sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr) == 0; }
    // The first column of the first row of a query, as text.
    QString value(const char *sql)
    {
        sqlite3_stmt *statement = nullptr;
        QString result;
        if (sqlite3_prepare_v2(m_db, sql, -1, &statement, nullptr) == SQLITE_OK
            && sqlite3_step(statement) == SQLITE_ROW)
            result = QString::fromUtf8(
                reinterpret_cast<const char *>(sqlite3_column_text(statement, 0)));
        sqlite3_finalize(statement);
        return result;
    }

private:
    sqlite3 *m_db = nullptr;
};
