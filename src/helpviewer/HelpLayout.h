#pragma once

#include <QRect>

// Where the tree and the pane sit in a help window of the given inner size, all in twips: the
// pane keeps 3000 twips of width and 650 of height for the tree and the margins, the tree 950 of
// height; neither size goes below zero.
struct HelpLayout
{
    QRect tree;
    QRect pane;

    static HelpLayout forWindow(int widthTwips, int heightTwips);

    static constexpr int kStartWidth = 11250;
    static constexpr int kStartHeight = 6575; // the design's pane height plus its margin
};
