#pragma once

#include <QString>

#include <functional>

class Recordset;

// The one way every reminder list is filled from a current recordset: one entry per row,
// the given field's text, in table order. Afterwards the cursor stands past the last row,
// so there is no current row until a selection or a new query.
namespace ListFill {

enum class Mode {
    Replace, // clear the list first
    Append,  // add after what the list holds (the monthly bills follow the one-time ones)
};

struct Target
{
    std::function<void()> clear;
    std::function<void(const QString &)> add;
    // After each row, with its number from 1: for count texts such as "3 Events Scheduled".
    std::function<void(int)> rowAdded;
};

// Returns the number of rows listed. With no row it returns 0 and touches neither the list
// nor the cursor: the caller's empty branch runs instead.
int fill(Recordset &rows, const QString &field, Mode mode, const Target &target);

} // namespace ListFill
