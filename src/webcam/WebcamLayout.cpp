#include "webcam/WebcamLayout.h"

#include <algorithm>

namespace WebcamLayout {

namespace {

QPoint centred(QSize inner, QSize item)
{
    return {inner.width() / 2 - item.width() / 2, inner.height() / 2 - item.height() / 2};
}

} // namespace

Plan plan(const Input &in)
{
    Plan p;
    p.treeTop = in.coolBarHeight;
    p.treeHeight
        = std::max(0, in.form.height() - in.coolBarHeight - in.statusBarHeight - kNonClientHeight);
    p.paneTop = p.treeTop;
    p.paneHeight = std::max(0, p.treeHeight - 100);
    p.paneWidth = std::max(0, in.form.width() - in.treeWidth - 190);
    const QSize pane(p.paneWidth, p.paneHeight);

    if (in.welcomeVisible) {
        p.welcome = QRect(centred(pane, in.welcome), in.welcome);
        p.picture = in.picture;
    } else if (in.viewMode == Fullscreen) {
        p.picture = in.picture;
        p.stretch = true;
    } else {
        QSize size = in.natural;
        if (in.viewMode == Half)
            size = in.natural / 2;
        else if (in.viewMode == Double)
            size = in.natural * 2;
        p.picture = QRect(centred(pane, size), size);
        p.stretch = in.viewMode != Normal;
    }
    p.progressPanel = centred(pane, in.progressPanel);

    const int barHeight = 17 * 15;
    if (in.showStatusBar)
        p.progressBar = QRect(in.form.width() - in.progressBarWidth - 400, in.statusBarTop + 50,
                              in.progressBarWidth, barHeight);
    else
        p.progressBar = QRect(0, in.form.height() - 890, in.clientWidth, barHeight);
    return p;
}

int clampSplit(int left)
{
    return std::clamp(left, kSplitMin, kSplitMax);
}

} // namespace WebcamLayout
