#pragma once

#include <QPoint>
#include <QSize>

// Buttons act on a release only when it lies strictly inside their own rectangle; another
// panel "presses" a button by calling its release handler at (10, 10).
bool releasedInside(QPoint position, QSize area);

inline constexpr QPoint kPressPoint{10, 10};
