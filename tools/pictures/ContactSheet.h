#pragma once

#include "MusicGlyphs.h"

// One set on the contact sheet. With stacked > 0 the pictures run down columns of that many
// (the looks of one button under each other); otherwise across rows of `columns`.
struct SheetSet
{
    QString title;
    QList<NamedPicture> pictures;
    int columns = 4;
    int stacked = 0;
};

// Every picture at 4x, each pixel a square (nearest neighbour), with its 1x original and
// its file name beneath: for looking at the sets side by side.
QImage contactSheet(const QList<SheetSet> &sets);
