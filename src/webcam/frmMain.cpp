#include "webcam/frmMain.h"

#include "common/TextValues.h"
#include "common/Twips.h"
#include "platform/Services.h"
#include "platform/Shell.h"
#include "webcam/AddressBar.h"
#include "webcam/CamEditMenu.h"
#include "webcam/CamFetch.h"
#include "webcam/CamPicture.h"
#include "webcam/CamTree.h"
#include "webcam/CamViewer.h"
#include "webcam/CommandStates.h"
#include "webcam/RefreshSchedule.h"
#include "webcam/WebcamTexts.h"
#include "webcam/WindowLayout.h"
#include "webcam/frmPrefs.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
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

} // namespace

frmMain::frmMain(Services &services, WebcamFiles files, QString commandLine, QWidget *parent)
    : QMainWindow(parent)
    , m_services(services)
    , m_files(std::move(files))
    , m_commandLine(std::move(commandLine))
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(WebcamTexts::kCaption);
    m_w = WebcamWidgets::build(this);
    m_w.imgLogo->installEventFilter(this);

    m_commands = std::make_unique<CommandStates>(m_w, m_prefs, this);
    m_layout = std::make_unique<WindowLayout>(this, m_w, m_prefs);
    m_fetch = std::make_unique<CamFetch>(services, m_prefs, m_w.progressBar, this);
    m_schedule = std::make_unique<RefreshSchedule>(m_w.panel2, m_prefs, this);
    m_picture = std::make_unique<CamPicture>(services, m_w.imgCam, this);
    m_viewer
        = std::make_unique<CamViewer>(m_w, m_files, m_ini, *m_fetch, *m_picture, *m_schedule, this);
    m_camTree = std::make_unique<CamTree>(services, m_files, m_ini, m_w, *m_viewer, this);
    m_editMenu = std::make_unique<CamEditMenu>(m_w, *m_camTree, this);
    m_addressBar = std::make_unique<AddressBar>(services, m_w, *m_camTree, *m_viewer, this);
    wireParts();
    wireCommands();
}

frmMain::~frmMain() = default;

// Every change lays the window out and sets the command states as it happens.
void frmMain::wireParts()
{
    connect(m_w.tree, &QTreeWidget::currentItemChanged, this,
            [this] { m_commands->followSelection(); });
    connect(m_fetch.get(), &CamFetch::busyChanged, this,
            [this](bool busy) { m_commands->setLocked(busy); });
    connect(m_layout.get(), &WindowLayout::viewModeChanged, this,
            [this](int mode) { m_commands->showViewMode(mode); });

    WindowLayout *layout = m_layout.get();
    connect(m_viewer.get(), &CamViewer::layoutChanged, layout, &WindowLayout::relayout);
    connect(m_viewer.get(), &CamViewer::measured, layout, &WindowLayout::setNatural);
    connect(m_viewer.get(), &CamViewer::layoutHeld, layout, &WindowLayout::setHeld);
    connect(m_picture.get(), &CamPicture::fullscreenOpened, layout, &WindowLayout::enterFullscreen);
    connect(m_picture.get(), &CamPicture::fullscreenClosed, layout, &WindowLayout::leaveFullscreen);

    CamTree *tree = m_camTree.get();
    connect(m_viewer.get(), &CamViewer::graphicShown, tree, &CamTree::selectAddCam);
    connect(tree, &CamTree::camClicked, m_addressBar.get(), &AddressBar::showCam);
    connect(tree, &CamTree::camsEdited, m_addressBar.get(), &AddressBar::ReloadAddressCombo);
}

void frmMain::wireCommands()
{
    const WebcamMenus &m = m_w.menus;
    CamTree *tree = m_camTree.get();
    CamPicture *picture = m_picture.get();
    const auto print = [this] {
        const QTreeWidgetItem *node = m_camTree->selectedNode();
        m_picture->onMnuPrintClick(node ? node->text(0) : QString());
    };
    for (QAction *add : {m.addWebCam, m.addCam, m_w.button(1)})
        connect(add, &QAction::triggered, tree, &CamTree::onMnuAddCamClick);
    for (QAction *modify : {m.modifyCam, m_w.button(4)})
        connect(modify, &QAction::triggered, tree, &CamTree::onMnuModifyCamClick);
    for (QAction *remove : {m.removeCam, m_w.button(5)})
        connect(remove, &QAction::triggered, tree, &CamTree::onMnuRemoveCamClick);
    for (QAction *copy : {m.copyImage, m_w.button(7)})
        connect(copy, &QAction::triggered, picture, &CamPicture::onMnuCopyImageClick);
    for (QAction *save : {m.saveAs, m_w.button(8)})
        connect(save, &QAction::triggered, picture, &CamPicture::onMnuSaveAsClick);
    for (QAction *printing : {m.print, m_w.button(10)})
        connect(printing, &QAction::triggered, picture, print);
    connect(m_w.button(2), &QAction::triggered, m_fetch.get(), &CamFetch::onTbrStopClick);
    connect(m.refresh, &QAction::triggered, tree, &CamTree::onMnuRefreshClick);
    connect(m.refreshCam, &QAction::triggered, tree, &CamTree::onMnuViewCamClick);
    connect(m.preferences, &QAction::triggered, this, &frmMain::onMnuPreferencesClick);
    connect(m.fullscreen, &QAction::triggered, picture, &CamPicture::onMnuFullscreenClick);
    connect(m.exit, &QAction::triggered, this, &QWidget::close);
    const QAction *modes[] = {m.normalSize, m.halfSize, m.doubleSize};
    for (int mode = 1; mode <= 3; ++mode)
        connect(modes[mode - 1], &QAction::triggered, m_layout.get(),
                [this, mode] { m_layout->onMnuViewModeClick(mode); });
}

bool frmMain::open()
{
    if (asksUpdateNow(m_commandLine)) {
        Q_EMIT endProgramRequested();
        close();
        return false;
    }
    m_prefs = ViewerPrefs::load(m_services.settings);
    m_layout->initialiseSplitter();
    if (!m_prefs.ShowStatusBar)
        m_w.statusBar->hide();
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
    m_camTree->ReloadCamList();
    m_addressBar->ReloadAddressCombo();
    m_layout->layoutWindow();
    m_commands->followSelection();
    m_commands->showViewMode(m_layout->viewMode());
    show();
    m_w.tree->setFocus(); // the address bar selects its text when it is given the focus
    return true;
}

void frmMain::closeEvent(QCloseEvent *event)
{
    // A Wayland session never tells a window where it is: the place kept stays as it was.
    const bool placed = QGuiApplication::platformName() != QLatin1String("wayland");
    const int left = placed ? toTwips(x()) : textToInt(m_prefs.X).value_or(toTwips(x()));
    const int top = placed ? toTwips(y()) : textToInt(m_prefs.Y).value_or(toTwips(y()));
    if (!(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)))
        ViewerPrefs::saveGeometry(m_services.settings, left, top, m_layout->formHeight(),
                                  m_layout->formWidth());
    m_layout->setClosing();
    m_fetch->cancel();
    m_schedule->stop();
    QMainWindow::closeEvent(event);
}

void frmMain::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    m_layout->layoutWindow();
}

void frmMain::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        m_layout->layoutWindow(); // sets or clears the minimized flag
}

bool frmMain::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_w.imgLogo && event->type() == QEvent::MouseButtonPress)
        onImgLogoMouseDown();
    return QMainWindow::eventFilter(watched, event);
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
        m_layout->relayout();
    });
    m_prefsDialog->show();
}

void frmMain::onImgLogoMouseDown()
{
    m_services.shell.openAddress(WebcamTexts::kHomePage);
}

QString frmMain::statusText(int panel) const
{
    return panel == 1 ? m_w.panel1->text() : m_w.panel2->text();
}

const QString &frmMain::selectionMarker() const
{
    return m_camTree->selectionMarker();
}

const QString &frmMain::currentTitle() const
{
    return m_viewer->currentTitle();
}

int frmMain::viewMode() const
{
    return m_layout->viewMode();
}

int frmMain::treeWidthTwips() const
{
    return m_layout->treeWidthTwips();
}

frmAddModify *frmMain::camDialog() const
{
    return m_camTree->camDialog();
}

frmPrefs *frmMain::prefsDialog() const
{
    return m_prefsDialog;
}

frmFullscreen *frmMain::fullscreenView() const
{
    return m_picture->fullscreenView();
}

cSplitter &frmMain::splitter() const
{
    return m_layout->splitter();
}

CamDownload &frmMain::download() const
{
    return m_fetch->download();
}

const QSize &frmMain::naturalSizeTwips() const
{
    return m_layout->natural();
}
