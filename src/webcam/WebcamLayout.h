#pragma once

#include <QRect>
#include <QSize>

// The webcam window's layout arithmetic, in twips. The form's outer size counts the frame
// and menu allowance the formulas subtract (660 high, 120 wide) on top of the client area.
namespace WebcamLayout {

inline constexpr int kNonClientHeight = 660;
inline constexpr int kNonClientWidth = 120;
inline constexpr int kSplitMin = 1175;
inline constexpr int kSplitMax = 3525;

enum ViewMode { Normal = 1, Half = 2, Double = 3, Fullscreen = 4 };

struct Input
{
    QSize form; // outer size as above
    int coolBarHeight = 0;
    int statusBarHeight = 0;
    int statusBarTop = 0;
    bool showStatusBar = true;
    int treeWidth = 0;
    bool welcomeVisible = true;
    QSize welcome, progressPanel, natural;
    int viewMode = Normal;
    QRect picture; // current, kept in view mode 4
    int progressBarWidth = 0;
    int clientWidth = 0;
};

struct Plan
{
    int treeTop = 0, treeHeight = 0; // the splitter bar takes the same height
    int paneTop = 0, paneHeight = 0, paneWidth = 0;
    QRect welcome; // valid only when the welcome panel shows
    QRect picture;
    bool stretch = false;
    QPoint progressPanel;
    QRect progressBar;
};

Plan plan(const Input &in);
// Where the splitter bar may rest after a drag.
int clampSplit(int left);

} // namespace WebcamLayout
