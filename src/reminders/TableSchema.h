#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// A table's name and columns as the database spells them. The program spells them in more
// than one way ("Title" and "title", "LastName" and "Lastname"), so lookups ignore case.
struct TableSchema
{
    QString name;
    QStringList columns;
    // "SELECT <column> FROM <table> WHERE rowid = ?1" for each column, made once: a list
    // fill reads a field per row.
    QList<QByteArray> columnReads;

    // The column's index, or -1 when the table has no such column.
    int columnIndex(const QString &column) const
    {
        for (int i = 0; i < columns.size(); ++i) {
            if (columns[i].compare(column, Qt::CaseInsensitive) == 0)
                return i;
        }
        return -1;
    }
};

// A name placed in SQL text: quoted, so a column called "Date" or "Type" is never a keyword.
inline QString quotedName(const QString &name)
{
    QString quoted = name;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}
