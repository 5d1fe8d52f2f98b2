#include "reminders/ListWidgetFill.h"

#include <QListWidget>
#include <QStringList>

int fillListWidget(QListWidget &list, Recordset &rows, const QString &field, ListFill::Mode mode,
                   const std::function<void(int)> &rowAdded)
{
    QStringList entries;
    const int count
        = ListFill::fill(rows, field, mode,
                         {[&list] { list.clear(); },
                          [&entries](const QString &text) { entries.append(text); }, rowAdded});
    if (count > 0)
        list.addItems(entries);
    return count;
}
