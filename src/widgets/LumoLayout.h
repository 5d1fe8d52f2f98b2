#pragma once

#include <QRect>
#include <QSize>

// Where the picture and the caption of a styled button go. Pure geometry, so it can be
// checked without a display.
struct LumoLayout
{
    enum Position { Above = 0, Left = 1, Right = 2, Below = 3 };

    QRect inner;   // the button less 4 pixels left and top, 3 right and bottom
    QRect picture; // empty without a picture
    QRect caption;
    QRect focus; // the button inset by 3 pixels

    // captionSize: the space the wrapped caption needs (ignored when it is empty).
    static LumoLayout compute(QSize button, QSize pictureSize, bool hasPicture, QSize captionSize,
                              bool hasCaption, int position);
};
