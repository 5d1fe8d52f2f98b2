#pragma once

#include <QIcon>
#include <QPixmap>

class QPainter;

// The program's icon (an alarm clock), drawn rather than loaded so it needs no image plugin.
QIcon orvaneIcon();
QPixmap orvanePixmap(int size);
// The drawing itself, on a square of this size: the picture tool paints the installed icons
// (PNG and SVG) with it, so the desktop shows the same clock as the window.
void paintOrvaneIcon(QPainter &p, qreal size);
