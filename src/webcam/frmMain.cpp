#include "webcam/frmMain.h"

#include "common/TextValues.h"
#include "common/Twips.h"
#include "platform/Prompter.h"
#include "platform/Services.h"
#include "platform/Shell.h"
#include "webcam/CamDownload.h"
#include "webcam/CamList.h"
#include "webcam/CamNodes.h"
#include "webcam/WebcamLayout.h"
#include "webcam/WebcamTexts.h"
#include "webcam/cSplitter.h"
#include "webcam/frmAddModify.h"
#include "webcam/frmFullscreen.h"
#include "webcam/frmPrefs.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QProgressBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>

#include <utility>

namespace {

// "/updatenow" as a whole word; tabs, line ends and no-break spaces separate words too.
bool asksUpdateNow(const QString &commandLine)
{
    QString text = commandLine;
    for (QChar c : {QChar(u'\t'), QChar(u'\n'), QChar(u'\r'), QChar(0xA0)})
        text.replace(c, u' ');
    return text.split(u' ', Qt::SkipEmptyParts).contains(QLatin1String("/updatenow"));
}

// Layout assignments: only what differs, so an unchanged window costs comparisons only.
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

frmMain::frmMain(Services &services, WebcamFiles files, QString commandLine, QWidget *parent)
    : QMainWindow(parent)
    , m_services(services)
    , m_files(std::move(files))
    , m_commandLine(std::move(commandLine))
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(WebcamTexts::kCaption);
    m_surface = new QWidget(this);
    m_surface->setObjectName(QStringLiteral("picSurface"));
    m_surface->installEventFilter(this);
    setCentralWidget(m_surface);
    buildMenus();
    buildCoolBar();
    buildPanes();
    buildStatusBar();
    m_picSplit->setGeometry(twips(m_treeWidth), 0, kBarWidth, 10);
    m_pane->move(twips(m_treeWidth) + kBarWidth, 0);

    m_timerRefresh = new QTimer(this);
    m_timerRefresh->setObjectName(QStringLiteral("TimerRefresh"));
    m_timerRefresh->setInterval(1000);
    connect(m_timerRefresh, &QTimer::timeout, this, &frmMain::onTimerRefreshTimer);

    m_download = new CamDownload(services.network, this);
    connect(m_download, &CamDownload::progress, this, &frmMain::showProgress);
    connect(m_download, &CamDownload::message, this,
            [this](const Prompter::Message &message) { m_services.prompter.ask(message); });
    connect(m_download, &CamDownload::finished, this, [this] {
        lockCommands(false);
        if (auto then = std::exchange(m_afterDownload, {}))
            then();
    });
}

frmMain::~frmMain() = default;

bool frmMain::open()
{
    if (asksUpdateNow(m_commandLine)) {
        Q_EMIT endProgramRequested();
        close();
        return false;
    }
    m_viewMode = WebcamLayout::Normal;
    m_prefs = ViewerPrefs::load(m_services.settings);
    m_cSplit = new cSplitter(this);
    m_cSplit->Initialise(m_picSplit, m_surface);
    connect(m_cSplit, &cSplitter::SplitComplete, this, &frmMain::m_cSplit_SplitComplete);
    if (!m_prefs.ShowStatusBar)
        m_statusBar->hide();
    if (m_prefs.LoadWinPos) {
        const auto x = textToInt(m_prefs.X), y = textToInt(m_prefs.Y);
        if (!m_prefs.X.isEmpty() && !m_prefs.Y.isEmpty() && x && y)
            move(twips(*x), twips(*y));
        const int menu = menuBar()->sizeHint().height();
        const int h = textToInt(m_prefs.H).value_or(5850);
        const int w = textToInt(m_prefs.W).value_or(7695);
        resize(std::max(1, twips(w - WebcamLayout::kNonClientWidth)),
               std::max(1, twips(h - WebcamLayout::kNonClientHeight) + menu));
    }
    ReloadCamList();
    ReloadAddressCombo();
    layoutWindow();
    updateCommands();
    show();
    m_tree->setFocus(); // the address bar selects its text when it is given the focus
    return true;
}

int frmMain::formWidth() const
{
    return toTwips(width()) + WebcamLayout::kNonClientWidth;
}

int frmMain::formHeight() const
{
    return toTwips(height() - menuBar()->sizeHint().height()) + WebcamLayout::kNonClientHeight;
}

void frmMain::closeEvent(QCloseEvent *event)
{
    if (!(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)))
        ViewerPrefs::saveGeometry(m_services.settings, toTwips(x()), toTwips(y()), formHeight(),
                                  formWidth());
    m_closing = true;
    m_download->cancel();
    m_afterDownload = {};
    m_timerRefresh->stop();
    QMainWindow::closeEvent(event);
}

void frmMain::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    layoutWindow();
}

void frmMain::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        layoutWindow(); // sets or clears the minimized flag
}

bool frmMain::layoutWindow()
{
    m_minimized = isMinimized();
    bool changed = false;
    if (m_addressBand->isHidden() == m_prefs.ShowAddyBar) {
        m_addressBand->setVisible(m_prefs.ShowAddyBar);
        changed = true;
    }
    const int toolHeight = m_toolBar->height();
    const int coolPixels = toolHeight + (m_prefs.ShowAddyBar ? kAddressBandHeight : 0);
    changed |= place(m_coolBar, QRect(0, 0, m_surface->width(), coolPixels));
    changed |= place(m_toolBar, QRect(0, 0, m_surface->width(), toolHeight));
    changed |= place(m_addressBand, QRect(0, toolHeight, m_surface->width(), kAddressBandHeight));
    changed |= place(
        m_addressBox,
        QRect(kAddressLeft, 0, std::max(0, m_surface->width() - kAddressLeft), kAddressBandHeight));

    WebcamLayout::Input in;
    in.form = QSize(formWidth(), formHeight());
    in.coolBarHeight = toTwips(coolPixels);
    in.statusBarHeight = m_statusBar->isHidden() ? 0 : toTwips(m_statusBar->height());
    in.statusBarTop = toTwips(m_statusBar->y() - menuBar()->height());
    in.showStatusBar = m_prefs.ShowStatusBar;
    in.treeWidth = m_treeWidth;
    in.welcomeVisible = !m_picWelcome->isHidden();
    in.welcome = sizeInTwips(m_picWelcome);
    in.progressPanel = sizeInTwips(m_picProgress);
    in.natural = m_natural;
    in.viewMode = m_viewMode;
    in.picture = QRect(toTwips(m_imgCam->x()), toTwips(m_imgCam->y()), toTwips(m_imgCam->width()),
                       toTwips(m_imgCam->height()));
    in.progressBarWidth = toTwips(m_progressBar->width());
    in.clientWidth = toTwips(width());
    const WebcamLayout::Plan p = WebcamLayout::plan(in);

    const int top = twips(p.treeTop), height = twips(p.treeHeight);
    changed |= place(m_tree, QRect(0, top, twips(m_treeWidth), height));
    changed |= place(m_picSplit, QRect(m_picSplit->x(), top, m_picSplit->width(), height));
    changed |= place(m_pane, QRect(m_pane->x(), top, twips(p.paneWidth), twips(p.paneHeight)));
    if (in.welcomeVisible) {
        changed |= place(m_picWelcome, toPixels(p.welcome));
    } else if (m_viewMode != WebcamLayout::Fullscreen) {
        changed |= place(m_imgCam, toPixels(p.picture));
        if (m_imgCam->hasScaledContents() != p.stretch) {
            m_imgCam->setScaledContents(p.stretch);
            changed = true;
        }
    }
    const QPoint progress(twips(p.progressPanel.x()), twips(p.progressPanel.y()));
    if (m_picProgress->pos() != progress) {
        m_picProgress->move(progress);
        changed = true;
    }
    QRect bar = toPixels(p.progressBar);
    bar.translate(0, menuBar()->height());
    changed |= place(m_progressBar, bar);
    return changed;
}

void frmMain::relayout()
{
    if (!m_closing && !m_holdLayout && !m_fullscreen && !m_minimized)
        layoutWindow();
}

void frmMain::updateCommands()
{
    if (!m_commandLock) {
        const QTreeWidgetItem *node = m_tree->currentItem();
        setCommandsEnabled(node && CamList::isCamKey(CamNodes::keyOf(node)));
    }
    showViewMode();
}

// Checkable entries tick themselves when chosen; only the current mode's stays ticked.
void frmMain::showViewMode()
{
    QAction *const modes[]
        = {m_menus.normalSize, m_menus.halfSize, m_menus.doubleSize, m_menus.fullscreen};
    for (int mode = 1; mode <= 4; ++mode)
        modes[mode - 1]->setChecked(mode == m_viewMode);
}

bool frmMain::setCommandsEnabled(bool on, bool force)
{
    if (on == m_commandsOn && !force)
        return false;
    m_commandsOn = on;
    for (int index : {4, 5, 7, 8, 10})
        m_buttons[index - 1]->setEnabled(on);
    for (QAction *a :
         {m_menus.saveAs, m_menus.print, m_menus.removeCam, m_menus.modifyCam, m_menus.copyImage})
        a->setEnabled(on);
    m_menus.view->setEnabled(on);
    return true;
}

frmAddModify *frmMain::camDialog() const
{
    return m_camDialog;
}

frmPrefs *frmMain::prefsDialog() const
{
    return m_prefsDialog;
}

QAction *frmMain::toolButton(int index) const
{
    return index >= 1 && index <= m_buttons.size() ? m_buttons[index - 1] : nullptr;
}

QString frmMain::statusText(int panel) const
{
    return panel == 1 ? m_panel1->text() : m_panel2->text();
}

void frmMain::onMnuViewModeClick(int mode)
{
    m_viewMode = mode;
    showViewMode();
    relayout();
}

void frmMain::onMnuPreferencesClick()
{
    if (m_prefsDialog) {
        m_prefsDialog->raise();
        return;
    }
    m_prefsDialog = new frmPrefs(m_services, this);
    m_prefsDialog->setAttribute(Qt::WA_DeleteOnClose);
    m_prefsDialog->setWindowModality(Qt::ApplicationModal);
    connect(m_prefsDialog, &frmPrefs::saved, this, [this] {
        m_prefs = ViewerPrefs::load(m_services.settings);
        relayout();
    });
    m_prefsDialog->show();
}

void frmMain::onImgLogoMouseDown()
{
    m_services.shell.openAddress(WebcamTexts::kHomePage);
}

void frmMain::onPicSplitMouseDown(int x)
{
    m_cSplit->MouseDown(toTwips(x));
}

void frmMain::onFormMouseMove(int x)
{
    m_cSplit->MouseMove(toTwips(x));
}

void frmMain::onFormMouseUp(int x)
{
    m_cSplit->MouseUp(toTwips(x));
}

void frmMain::m_cSplit_SplitComplete()
{
    const int left = WebcamLayout::clampSplit(toTwips(m_picSplit->x()));
    m_picSplit->move(twips(left), m_picSplit->y());
    m_treeWidth = left;
    m_pane->move(twips(left) + m_picSplit->width(), m_pane->y());
    layoutWindow();
}

bool frmMain::eventFilter(QObject *watched, QEvent *event)
{
    const auto type = event->type();
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseMove
        || type == QEvent::MouseButtonRelease) {
        auto *mouse = static_cast<QMouseEvent *>(event);
        const QPoint at = mouse->position().toPoint();
        if (watched == m_picSplit && type == QEvent::MouseButtonPress) {
            onPicSplitMouseDown(at.x());
            return true;
        }
        if (watched == m_surface && type == QEvent::MouseMove)
            onFormMouseMove(at.x());
        if (watched == m_surface && type == QEvent::MouseButtonRelease)
            onFormMouseUp(at.x());
        if (watched == m_tree->viewport() && type == QEvent::MouseButtonPress
            && mouse->button() == Qt::RightButton) {
            onTreeView1MouseDown(mouse->button(), mouse->globalPosition().toPoint());
            return true;
        }
        if (watched == m_imgCam && type == QEvent::MouseButtonPress)
            onImgCamMouseDown(mouse->button(), mouse->globalPosition().toPoint());
        if (watched == m_imgLogo && type == QEvent::MouseButtonPress)
            onImgLogoMouseDown();
    } else if (type == QEvent::FocusIn
               && (watched == m_cboAddress || watched == m_cboAddress->lineEdit())) {
        // After the click that gave the focus, which would place the caret instead.
        QTimer::singleShot(0, m_cboAddress->lineEdit(), &QLineEdit::selectAll);
    } else if ((watched == m_statusBar || watched == menuBar())
               && (type == QEvent::Resize || type == QEvent::Move || type == QEvent::Show
                   || type == QEvent::Hide)) {
        // The main window's own layout places these after the resize, or later on its own.
        layoutWindow();
    } else if (type == QEvent::Resize && watched == m_addressBox) {
        const int width = std::max(40, m_addressBox->width() - twips(700));
        if (m_cboAddress->width() != width)
            m_cboAddress->resize(width, m_cboAddress->height());
    }
    return QMainWindow::eventFilter(watched, event);
}
