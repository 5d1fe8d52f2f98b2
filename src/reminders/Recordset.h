#pragma once

#include "reminders/StoreError.h"
#include "reminders/TableSchema.h"

#include <QString>
#include <QStringList>
#include <QVariant>

#include <memory>
#include <optional>
#include <vector>

class SqliteConnection;
class SqliteStatement;

// The current recordset of a record database: the rows of a table or of a query, in table
// order, with a cursor that stands on one row or past the last one.
//
// Only the row ids are held; fields are read from the file when asked for, so a table of
// 100,000 rows opens quickly and always shows what is stored.
//
// Nothing here throws. An operation that cannot act (no current row, unknown field, a locked
// file, a closed database) returns false or nullopt and leaves its reason in lastError().
//
// Cursor rules:
// - after the recordset is made, the cursor is on the first row, if there is one;
// - moveNext() from the last row goes past the end, where there is no current row;
// - deleteCurrent() leaves no current row; moveNext() then goes to the row that followed;
// - addNew() + update() keeps the cursor where it was and appends the new row to this result.
class Recordset
{
public:
    // An empty recordset belonging to no database.
    Recordset() = default;
    Recordset(std::shared_ptr<SqliteConnection> connection,
              std::shared_ptr<const TableSchema> table, std::vector<qint64> rowIds);
    // An empty recordset that records why it could not be made.
    static Recordset failed(StoreError error);

    const QString &tableName() const;
    // The table has this column (the name ignores case).
    bool hasColumn(const QString &name) const { return m_table && m_table->columnIndex(name) >= 0; }
    // The number of rows; 0 exactly when there is none.
    int recordCount() const { return int(m_rows.size()); }
    bool hasCurrentRow() const { return !m_onDeletedRow && m_position < m_rows.size(); }
    bool isPastEnd() const { return m_position >= m_rows.size(); }

    // Moving abandons a pending addNew() or edit(), as the engine always did.
    void moveFirst();
    void moveLast();
    void moveNext();

    // The field of the current row as text (a number as its decimal text, NULL as empty text);
    // nullopt with no current row or no such field. Field names ignore case.
    std::optional<QString> field(const QString &name);
    // The field of the row at this place (0 for the first), wherever the cursor stands;
    // nullopt past the rows, for a deleted row or no such field. The cursor does not move.
    std::optional<QString> fieldAt(int index, const QString &name);
    // The field of every row, first to last, read under one lock of the file: what a list
    // fill shows. A row deleted meanwhile reads as empty text. The cursor does not move.
    QStringList columnValues(const QString &name);

    // Starts a new row; the fields not set are stored empty.
    bool addNew();
    // Starts changing the current row; false with no current row.
    bool edit();
    // Sets a field of the pending row; false without addNew()/edit() or for an unknown field.
    // Values are stored as given, whatever their length.
    bool setField(const QString &name, const QString &value);
    bool setField(const QString &name, qint64 value);
    // Stores the pending row in one statement, so a failure or a crash leaves no half row.
    // On failure the pending values are kept and nothing is written.
    bool update();
    void cancelUpdate();
    // Removes the current row from the file and from this result.
    bool deleteCurrent();

    const StoreError &lastError() const { return m_error; }
    bool hasError() const { return m_error.isError(); }

private:
    enum class Pending { None, Adding, Editing };

    bool usable(const char *what);
    int knownColumn(const QString &name);
    std::optional<QString> readRow(SqliteStatement &read, qint64 rowId);
    bool fail(int number, const QString &description);
    bool failFromEngine(const QString &what);
    QString fileName() const;
    bool insertPending();
    bool updatePending();

    std::shared_ptr<SqliteConnection> m_connection;
    std::shared_ptr<const TableSchema> m_table;
    std::vector<qint64> m_rows; // in table order
    std::size_t m_position = 0;
    bool m_onDeletedRow = false;
    Pending m_pending = Pending::None;
    std::vector<std::optional<QVariant>> m_values; // by column, for the pending row
    StoreError m_error;
};
