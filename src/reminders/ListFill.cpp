#include "reminders/ListFill.h"

#include "reminders/Recordset.h"

#include <QStringList>

namespace ListFill {

int fill(Recordset &rows, const QString &field, Mode mode, const Target &target)
{
    if (rows.recordCount() == 0)
        return 0;
    // The count is only sure after visiting the last row, as the engine always required.
    rows.moveLast();
    rows.moveFirst();
    const int count = rows.recordCount();
    rows.moveFirst();
    // Read in one go: row by row, each read would take and release the file's lock.
    const QStringList values = rows.columnValues(field);
    if (mode == Mode::Replace && target.clear)
        target.clear();
    for (int i = 1; i <= count; ++i) {
        target.add(i <= values.size() ? values[i - 1] : QString());
        rows.moveNext();
        if (target.rowAdded)
            target.rowAdded(i);
    }
    return count;
}

} // namespace ListFill
