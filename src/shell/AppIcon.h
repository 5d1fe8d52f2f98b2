#pragma once

#include <QIcon>
#include <QPixmap>

// The program's icon (an alarm clock), drawn rather than loaded so it needs no image plugin.
QIcon orvaneIcon();
QPixmap orvanePixmap(int size);
