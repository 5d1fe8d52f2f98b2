#pragma once

#include "webcam/WebcamLayout.h"

#include <QObject>
#include <QSize>

class QMainWindow;
class cSplitter;
struct ViewerPrefs;
struct WebcamWidgets;

// Lays the webcam window out: the cool bar, the cam tree, the splitter bar and the image pane,
// the picture by view mode, the progress panel and the progress bar. The window lays it out on
// every resize and state change, and the parts after every change to what it places; nothing
// polls. Also follows the splitter bar the user drags.
class WindowLayout : public QObject
{
    Q_OBJECT
public:
    WindowLayout(QMainWindow *window, const WebcamWidgets &widgets, const ViewerPrefs &prefs);
    ~WindowLayout() override;

    // One pass; true when it changed anything. Only what differs is assigned, so an unchanged
    // window costs comparisons only.
    bool layoutWindow();
    // A pass after a change to what the layout places; none while minimized, while a refresh
    // holds the progress panel under the picture, while the full-screen view is open or once
    // the window is closing (each of those ends with a pass of its own).
    void relayout();
    void setHeld(bool held);
    void setClosing() { m_closing = true; }

    int viewMode() const { return m_viewMode; }
    void onMnuViewModeClick(int mode);
    // View mode 4 while the full-screen view is open; the mode before it comes back after.
    void enterFullscreen();
    void leaveFullscreen();
    // The picture's natural size in twips, measured when a cam or a picture is shown.
    const QSize &natural() const { return m_natural; }
    void setNatural(QSize twips) { m_natural = twips; }

    // The outer size the geometry settings keep, in twips.
    int formWidth() const;
    int formHeight() const;

    int treeWidthTwips() const { return m_treeWidth; }
    void initialiseSplitter();
    cSplitter &splitter() const { return *m_cSplit; }
    void onPicSplitMouseDown(int x);
    void onFormMouseMove(int x);
    void onFormMouseUp(int x);
    void m_cSplit_SplitComplete();

Q_SIGNALS:
    void viewModeChanged(int mode);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setViewMode(int mode);

    QMainWindow *m_window;
    const WebcamWidgets &m_w;
    const ViewerPrefs &m_prefs;
    cSplitter *m_cSplit = nullptr;
    int m_viewMode = WebcamLayout::Normal;
    int m_viewBeforeFullscreen = WebcamLayout::Normal;
    QSize m_natural; // twips
    int m_treeWidth = 2175;
    bool m_minimized = false;
    bool m_held = false;
    bool m_closing = false;
};
