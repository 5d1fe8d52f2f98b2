#include "webcam/WindowLayout.h"

#include "common/Twips.h"
#include "webcam/ViewerPrefs.h"
#include "webcam/WebcamWidgets.h"
#include "webcam/cSplitter.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QMouseEvent>
#include <QProgressBar>
#include <QStatusBar>
#include <QToolBar>
#include <QTreeWidget>

#include <algorithm>

namespace {

bool place(QWidget *widget, const QRect &pixels)
{
    if (widget->geometry() == pixels)
        return false;
    widget->setGeometry(pixels);
    return true;
}

QRect toPixels(const QRect &tw)
{
    return QRect(twips(tw.x()), twips(tw.y()), twips(tw.width()), twips(tw.height()));
}

QSize sizeInTwips(const QWidget *widget)
{
    return QSize(toTwips(widget->width()), toTwips(widget->height()));
}

constexpr int kAddressBandHeight = 28;
constexpr int kAddressLeft = 60;
constexpr int kBarWidth = 5;

} // namespace

WindowLayout::WindowLayout(QMainWindow *window, const WebcamWidgets &widgets,
                           const ViewerPrefs &prefs)
    : QObject(window)
    , m_window(window)
    , m_w(widgets)
    , m_prefs(prefs)
{
    m_w.picSplit->setGeometry(twips(m_treeWidth), 0, kBarWidth, 10);
    m_w.pane->move(twips(m_treeWidth) + kBarWidth, 0);
    const QList<QWidget *> watched{m_w.picSplit, m_w.surface, m_w.statusBar, m_window->menuBar()};
    for (QWidget *widget : watched)
        widget->installEventFilter(this);
}

WindowLayout::~WindowLayout() = default;

int WindowLayout::formWidth() const
{
    return toTwips(m_window->width()) + WebcamLayout::kNonClientWidth;
}

int WindowLayout::formHeight() const
{
    return toTwips(m_window->height() - m_window->menuBar()->sizeHint().height())
        + WebcamLayout::kNonClientHeight;
}

bool WindowLayout::layoutWindow()
{
    m_minimized = m_window->isMinimized();
    bool changed = false;
    if (m_w.addressBand->isHidden() == m_prefs.ShowAddyBar) {
        m_w.addressBand->setVisible(m_prefs.ShowAddyBar);
        changed = true;
    }
    const int width = m_w.surface->width();
    const int toolHeight = m_w.toolBar->height();
    const int coolPixels = toolHeight + (m_prefs.ShowAddyBar ? kAddressBandHeight : 0);
    changed |= place(m_w.coolBar, QRect(0, 0, width, coolPixels));
    changed |= place(m_w.toolBar, QRect(0, 0, width, toolHeight));
    changed |= place(m_w.addressBand, QRect(0, toolHeight, width, kAddressBandHeight));
    changed |= place(m_w.addressBox,
                     QRect(kAddressLeft, 0, std::max(0, width - kAddressLeft), kAddressBandHeight));

    QMenuBar *menuBar = m_window->menuBar();
    WebcamLayout::Input in;
    in.form = QSize(formWidth(), formHeight());
    in.coolBarHeight = toTwips(coolPixels);
    in.statusBarHeight = m_w.statusBar->isHidden() ? 0 : toTwips(m_w.statusBar->height());
    in.statusBarTop = toTwips(m_w.statusBar->y() - menuBar->height());
    in.showStatusBar = m_prefs.ShowStatusBar;
    in.treeWidth = m_treeWidth;
    in.welcomeVisible = !m_w.picWelcome->isHidden();
    in.welcome = sizeInTwips(m_w.picWelcome);
    in.progressPanel = sizeInTwips(m_w.picProgress);
    in.natural = m_natural;
    in.viewMode = m_viewMode;
    const QLabel *picture = m_w.imgCam;
    in.picture = QRect(toTwips(picture->x()), toTwips(picture->y()), toTwips(picture->width()),
                       toTwips(picture->height()));
    in.progressBarWidth = toTwips(m_w.progressBar->width());
    in.clientWidth = toTwips(m_window->width());
    const WebcamLayout::Plan p = WebcamLayout::plan(in);

    const int top = twips(p.treeTop), height = twips(p.treeHeight);
    QFrame *bar = m_w.picSplit;
    changed |= place(m_w.tree, QRect(0, top, twips(m_treeWidth), height));
    changed |= place(bar, QRect(bar->x(), top, bar->width(), height));
    changed |= place(m_w.pane, QRect(m_w.pane->x(), top, twips(p.paneWidth), twips(p.paneHeight)));
    if (in.welcomeVisible) {
        changed |= place(m_w.picWelcome, toPixels(p.welcome));
    } else if (m_viewMode != WebcamLayout::Fullscreen) {
        changed |= place(m_w.imgCam, toPixels(p.picture));
        if (m_w.imgCam->hasScaledContents() != p.stretch) {
            m_w.imgCam->setScaledContents(p.stretch);
            changed = true;
        }
    }
    const QPoint progress(twips(p.progressPanel.x()), twips(p.progressPanel.y()));
    if (m_w.picProgress->pos() != progress) {
        m_w.picProgress->move(progress);
        changed = true;
    }
    QRect progressBar = toPixels(p.progressBar);
    progressBar.translate(0, menuBar->height());
    changed |= place(m_w.progressBar, progressBar);
    return changed;
}

void WindowLayout::relayout()
{
    if (!m_closing && !m_held && !m_minimized && m_viewMode != WebcamLayout::Fullscreen)
        layoutWindow();
}

void WindowLayout::setHeld(bool held)
{
    m_held = held;
    relayout();
}

void WindowLayout::setViewMode(int mode)
{
    m_viewMode = mode;
    Q_EMIT viewModeChanged(mode);
}

void WindowLayout::onMnuViewModeClick(int mode)
{
    setViewMode(mode);
    relayout();
}

void WindowLayout::enterFullscreen()
{
    m_viewBeforeFullscreen = m_viewMode;
    setViewMode(WebcamLayout::Fullscreen);
}

void WindowLayout::leaveFullscreen()
{
    setViewMode(m_viewBeforeFullscreen);
    relayout();
}

void WindowLayout::initialiseSplitter()
{
    m_cSplit = new cSplitter(this);
    m_cSplit->Initialise(m_w.picSplit, m_w.surface);
    connect(m_cSplit, &cSplitter::SplitComplete, this, &WindowLayout::m_cSplit_SplitComplete);
}

void WindowLayout::onPicSplitMouseDown(int x)
{
    m_cSplit->MouseDown(toTwips(x));
}

void WindowLayout::onFormMouseMove(int x)
{
    m_cSplit->MouseMove(toTwips(x));
}

void WindowLayout::onFormMouseUp(int x)
{
    m_cSplit->MouseUp(toTwips(x));
}

void WindowLayout::m_cSplit_SplitComplete()
{
    QFrame *bar = m_w.picSplit;
    const int left = WebcamLayout::clampSplit(toTwips(bar->x()));
    bar->move(twips(left), bar->y());
    m_treeWidth = left;
    m_w.pane->move(twips(left) + bar->width(), m_w.pane->y());
    layoutWindow();
}

bool WindowLayout::eventFilter(QObject *watched, QEvent *event)
{
    const auto type = event->type();
    const bool mouseEvent = type == QEvent::MouseButtonPress || type == QEvent::MouseMove
        || type == QEvent::MouseButtonRelease;
    if (watched == m_w.picSplit || watched == m_w.surface) {
        if (!mouseEvent)
            return QObject::eventFilter(watched, event);
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (watched == m_w.picSplit && type == QEvent::MouseButtonPress) {
            onPicSplitMouseDown(mouse->position().toPoint().x());
            return true;
        }
        if (watched == m_w.surface && type == QEvent::MouseMove)
            onFormMouseMove(mouse->position().toPoint().x());
        if (watched == m_w.surface && type == QEvent::MouseButtonRelease)
            onFormMouseUp(mouse->position().toPoint().x());
    } else if (type == QEvent::Resize || type == QEvent::Move || type == QEvent::Show
               || type == QEvent::Hide) {
        // The status bar and the menu bar: the main window's own layout places them after the
        // window's resize, or later on its own.
        layoutWindow();
    }
    return QObject::eventFilter(watched, event);
}
