#pragma once

#include <Qt>

// Key, mouse button and shift codes as the button events report them (the codes hosts
// have always compared against: 1 left, 2 right, 4 middle; 1 shift, 2 ctrl, 4 alt).
int vbKeyCode(int qtKey);
int mouseButtonCode(Qt::MouseButtons buttons);
int shiftCode(Qt::KeyboardModifiers modifiers);

// Whether the focus came with Tab or Shift+Tab: such focus must be free to pass on.
inline bool tabbedTo(Qt::FocusReason reason)
{
    return reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason;
}
