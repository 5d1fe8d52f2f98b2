#include "widgets/LumoLayout.h"

#include <algorithm>

LumoLayout LumoLayout::compute(QSize button, QSize pictureSize, bool hasPicture, QSize captionSize,
                               bool hasCaption, int position)
{
    constexpr int gap = 4;
    LumoLayout l;
    l.inner = QRect(4, 4, std::max(0, button.width() - 7), std::max(0, button.height() - 7));
    l.focus = QRect(3, 3, std::max(0, button.width() - 6), std::max(0, button.height() - 6));
    if (!hasPicture) {
        l.caption = l.inner;
        return l;
    }
    const QPoint c = l.inner.center();
    if (!hasCaption) {
        l.picture = QRect(QPoint(), pictureSize);
        l.picture.moveCenter(c);
        return l;
    }
    const bool sideBySide = position == Left || position == Right;
    if (sideBySide) {
        const int capW = std::min(captionSize.width(),
                                  std::max(0, l.inner.width() - pictureSize.width() - gap));
        const int total = pictureSize.width() + gap + capW;
        const int left = l.inner.left() + (l.inner.width() - total) / 2;
        const int picLeft = position == Left ? left : left + capW + gap;
        const int capLeft = position == Left ? left + pictureSize.width() + gap : left;
        l.picture = QRect(picLeft, c.y() - pictureSize.height() / 2, pictureSize.width(),
                          pictureSize.height());
        l.caption = QRect(capLeft, l.inner.top(), capW, l.inner.height());
    } else {
        const int capH = std::min(captionSize.height(),
                                  std::max(0, l.inner.height() - pictureSize.height() - gap));
        const int total = pictureSize.height() + gap + capH;
        const int top = l.inner.top() + (l.inner.height() - total) / 2;
        const int picTop = position == Above ? top : top + capH + gap;
        const int capTop = position == Above ? top + pictureSize.height() + gap : top;
        l.picture = QRect(c.x() - pictureSize.width() / 2, picTop, pictureSize.width(),
                          pictureSize.height());
        l.caption = QRect(l.inner.left(), capTop, l.inner.width(), capH);
    }
    return l;
}
