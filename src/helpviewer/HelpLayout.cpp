#include "HelpLayout.h"

#include <QtGlobal>

HelpLayout HelpLayout::forWindow(int widthTwips, int heightTwips)
{
    // Widened before subtracting so the far ends of int cannot overflow; capped where QRect is
    // safe.
    const auto less = [](int size, int margin) {
        return int(qBound(qint64(0), qint64(size) - margin, qint64(1) << 24));
    };
    HelpLayout layout;
    layout.tree = QRect(75, 390, 2655, less(heightTwips, 950));
    layout.pane = QRect(2835, 90, less(widthTwips, 3000), less(heightTwips, 650));
    return layout;
}
