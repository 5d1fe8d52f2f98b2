#pragma once

#include "reminders/ListFill.h"

class QListWidget;
class Recordset;

// The list fill into one of the panels' list boxes. Entries are added in one go after the
// rows are read, which keeps a list of 100,000 rows quick; rowAdded still runs after each row.
int fillListWidget(QListWidget &list, Recordset &rows, const QString &field, ListFill::Mode mode,
                   const std::function<void(int)> &rowAdded = {});
