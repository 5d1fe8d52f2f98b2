// The webcam window's controls: menus, cool bar, panes, status bar.
#include "common/Twips.h"
#include "webcam/IndentedItems.h"
#include "webcam/WebcamIcons.h"
#include "webcam/WebcamTexts.h"
#include "webcam/frmMain.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QTreeWidget>

namespace {

QAction *item(QMenu *menu, const QString &text, const char *name,
              const QKeySequence &keys = QKeySequence())
{
    QAction *action = menu->addAction(text);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(keys);
    return action;
}

QAction *separator(QMenu *menu)
{
    return menu->addSeparator();
}

QIcon standard(QStyle::StandardPixmap which)
{
    return QApplication::style()->standardIcon(which);
}

} // namespace

void frmMain::buildMenus()
{
    WebcamMenus &m = m_menus;
    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    m.addWebCam = item(file, QStringLiteral("&Add A WebCam"), "mnuAddWebCam",
                       QKeySequence(Qt::CTRL | Qt::Key_N));
    m.saveAs = item(file, QStringLiteral("&Save As..."), "mnuSaveAs",
                    QKeySequence(Qt::CTRL | Qt::Key_S));
    separator(file);
    m.print = item(file, QStringLiteral("&Print WebCam"), "mnuPrint",
                   QKeySequence(Qt::CTRL | Qt::Key_P));
    separator(file);
    m.preferences = item(file, QStringLiteral("&Preferences"), "mnuPreferences");
    separator(file);
    m.exit = item(file, QStringLiteral("&Exit"), "mnuExit");

    m.edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    m.edit->setObjectName(QStringLiteral("mnuEdit"));
    m.addCam = item(m.edit, QStringLiteral("&Add Cam"), "mnuAddCam");
    m.sepAfterAdd = separator(m.edit);
    m.refreshCam = item(m.edit, QStringLiteral("&Refresh Cam"), "mnuRefreshCam");
    m.sepAfterRefreshCam = separator(m.edit);
    m.refresh = item(m.edit, QStringLiteral("&Refresh"), "mnuRefresh", QKeySequence(Qt::Key_F5));
    m.sepAfterRefresh = separator(m.edit);
    m.removeCam = item(m.edit, QStringLiteral("&Remove Cam"), "mnuRemoveCam");
    m.modifyCam = item(m.edit, QStringLiteral("&Modify Cam"), "mnuModifyCam");
    m.sepBeforeCopy = separator(m.edit);
    m.copyImage = item(m.edit, QStringLiteral("&Copy Image"), "mnuCopyImage",
                       QKeySequence(Qt::CTRL | Qt::Key_C));
    setMenuBarEditState();

    m.view = menuBar()->addMenu(QStringLiteral("&View"));
    m.view->setObjectName(QStringLiteral("mnuView"));
    m.normalSize = item(m.view, QStringLiteral("&Normal Size"), "mnuNormalSize");
    m.halfSize = item(m.view, QStringLiteral("&1/2 Size"), "mnuHalfSize");
    m.doubleSize = item(m.view, QStringLiteral("&2x Size"), "mnuDoubleSize");
    separator(m.view);
    m.fullscreen
        = item(m.view, QStringLiteral("&Fullscreen"), "mnuFullscreen", QKeySequence(Qt::Key_F11));
    for (QAction *a : {m.normalSize, m.halfSize, m.doubleSize, m.fullscreen})
        a->setCheckable(true);
    m.normalSize->setChecked(true);

    connect(m.addWebCam, &QAction::triggered, this, &frmMain::onMnuAddCamClick);
    connect(m.addCam, &QAction::triggered, this, &frmMain::onMnuAddCamClick);
    connect(m.modifyCam, &QAction::triggered, this, &frmMain::onMnuModifyCamClick);
    connect(m.removeCam, &QAction::triggered, this, &frmMain::onMnuRemoveCamClick);
    connect(m.refresh, &QAction::triggered, this, &frmMain::onMnuRefreshClick);
    connect(m.refreshCam, &QAction::triggered, this, &frmMain::onMnuViewCamClick);
    connect(m.preferences, &QAction::triggered, this, &frmMain::onMnuPreferencesClick);
    connect(m.saveAs, &QAction::triggered, this, &frmMain::onMnuSaveAsClick);
    connect(m.copyImage, &QAction::triggered, this, &frmMain::onMnuCopyImageClick);
    connect(m.print, &QAction::triggered, this, &frmMain::onMnuPrintClick);
    connect(m.fullscreen, &QAction::triggered, this, &frmMain::onMnuFullscreenClick);
    connect(m.exit, &QAction::triggered, this, &QWidget::close);
    const QAction *modes[] = {m.normalSize, m.halfSize, m.doubleSize};
    for (int mode = 1; mode <= 3; ++mode)
        connect(modes[mode - 1], &QAction::triggered, this,
                [this, mode] { onMnuViewModeClick(mode); });
}

void frmMain::buildCoolBar()
{
    m_coolBar = new QWidget(m_surface);
    m_coolBar->setObjectName(QStringLiteral("CoolBar1"));
    m_toolBar = new QToolBar(m_coolBar);
    m_toolBar->setObjectName(QStringLiteral("Toolbar1"));
    m_toolBar->setIconSize(QSize(20, 20));
    auto button = [this](const QIcon &icon, const QString &tip, const char *name) {
        QAction *a = m_toolBar->addAction(icon, tip);
        a->setObjectName(QLatin1String(name));
        a->setToolTip(tip);
        m_buttons << a;
        return a;
    };
    QAction *add = button(WebcamIcons::add(), QStringLiteral("Add ..."), "tbrAdd");
    QAction *stop = button(standard(QStyle::SP_BrowserStop), QStringLiteral("Stop"), "tbrStop");
    stop->setEnabled(false); // offered while a download runs
    m_buttons << m_toolBar->addSeparator();
    QAction *modify = button(standard(QStyle::SP_FileDialogDetailedView),
                             QStringLiteral("Modify Cam"), "tbrModify");
    QAction *remove
        = button(standard(QStyle::SP_TrashIcon), QStringLiteral("Remove Cam"), "tbrRemove");
    m_buttons << m_toolBar->addSeparator();
    QAction *copy = button(standard(QStyle::SP_FileDialogContentsView),
                           QStringLiteral("Copy Image"), "tbrCopy");
    QAction *save = button(standard(QStyle::SP_DialogSaveButton),
                           QStringLiteral("Save Image As ..."), "tbrSave");
    m_buttons << m_toolBar->addSeparator();
    QAction *print
        = button(standard(QStyle::SP_FileIcon), QStringLiteral("Print Image"), "tbrPrint");
    connect(copy, &QAction::triggered, this, &frmMain::onMnuCopyImageClick);
    connect(save, &QAction::triggered, this, &frmMain::onMnuSaveAsClick);
    connect(print, &QAction::triggered, this, &frmMain::onMnuPrintClick);
    connect(add, &QAction::triggered, this, &frmMain::onMnuAddCamClick);
    connect(stop, &QAction::triggered, this, &frmMain::onTbrStopClick);
    connect(modify, &QAction::triggered, this, &frmMain::onMnuModifyCamClick);
    connect(remove, &QAction::triggered, this, &frmMain::onMnuRemoveCamClick);
    m_toolBar->adjustSize();

    m_addressBand = new QWidget(m_coolBar);
    m_addressBand->setObjectName(QStringLiteral("picAddress"));
    auto *label = new QLabel(QStringLiteral("Address:"), m_addressBand);
    label->setObjectName(QStringLiteral("lblAddress"));
    label->move(6, 5);
    m_addressBox = new QWidget(m_addressBand);
    m_addressBox->setObjectName(QStringLiteral("picAddy"));
    m_cboAddress = new QComboBox(m_addressBox);
    m_cboAddress->setObjectName(QStringLiteral("ImageCombo1"));
    m_cboAddress->setEditable(true);
    m_cboAddress->setInsertPolicy(QComboBox::NoInsert); // the address bar adds its own items
    m_cboAddress->setItemDelegate(new IndentedItems(m_cboAddress));
    m_cboAddress->move(0, 2);
    m_cboAddress->installEventFilter(this); // the focus arrives at the box, not its editor
    m_cboAddress->lineEdit()->installEventFilter(this);
    connect(m_cboAddress, &QComboBox::editTextChanged, this, &frmMain::onImageCombo1Change);
    connect(m_cboAddress, &QComboBox::activated, this, [this] { ParseAddressChange(); });
    connect(m_cboAddress->lineEdit(), &QLineEdit::returnPressed, this,
            &frmMain::ParseAddressChange);
    m_addressBox->installEventFilter(this);
}

void frmMain::buildPanes()
{
    m_tree = new QTreeWidget(m_surface);
    m_tree->setObjectName(QStringLiteral("TreeView1"));
    m_tree->setHeaderHidden(true);
    m_tree->viewport()->installEventFilter(this);
    connect(m_tree, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem *node) { onTreeView1NodeClick(node); });
    connect(m_tree, &QTreeWidget::currentItemChanged, this, &frmMain::updateCommands);

    m_picSplit = new QFrame(m_surface);
    m_picSplit->setObjectName(QStringLiteral("picSplit"));
    m_picSplit->installEventFilter(this);

    m_pane = new QFrame(m_surface);
    m_pane->setObjectName(QStringLiteral("picPane"));
    m_pane->setAutoFillBackground(true);
    m_pane->setBackgroundRole(QPalette::Base);

    m_imgCam = new QLabel(m_pane);
    m_imgCam->setObjectName(QStringLiteral("imgCam"));
    m_imgCam->hide();
    m_imgCam->installEventFilter(this);

    m_picWelcome = new QFrame(m_pane);
    m_picWelcome->setObjectName(QStringLiteral("picWelcome"));
    m_picWelcome->resize(220, 210);
    auto *title = new QLabel(QStringLiteral("WebCam"), m_picWelcome);
    title->setObjectName(QStringLiteral("lblWelcomeTitle"));
    QFont big = title->font();
    big.setPointSize(20);
    big.setBold(true);
    title->setFont(big);
    title->setAlignment(Qt::AlignCenter);
    title->setGeometry(0, 0, 220, 40);
    m_imgLogo = new QLabel(m_picWelcome);
    m_imgLogo->setObjectName(QStringLiteral("imgLogo"));
    m_imgLogo->setPixmap(WebcamIcons::logo(64));
    m_imgLogo->setToolTip(WebcamTexts::kLogoTip);
    m_imgLogo->setAccessibleName(WebcamTexts::kLogoTip.trimmed());
    m_imgLogo->setCursor(Qt::PointingHandCursor);
    m_imgLogo->setGeometry(78, 44, 64, 64);
    m_imgLogo->installEventFilter(this);
    auto *product = new QLabel(QStringLiteral("Orvane"), m_picWelcome);
    product->setObjectName(QStringLiteral("lblProduct"));
    product->setAlignment(Qt::AlignCenter);
    product->setGeometry(0, 114, 220, 30);
    // The list starts empty: the welcome says where cams come from.
    auto *hint = new QLabel(WebcamTexts::kWelcomeHint, m_picWelcome);
    hint->setObjectName(QStringLiteral("lblWelcomeHint"));
    hint->setWordWrap(true);
    hint->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    hint->setGeometry(0, 146, 220, 64);

    m_picProgress = new QFrame(m_pane);
    m_picProgress->setObjectName(QStringLiteral("picProgress"));
    m_picProgress->resize(200, 40);
    auto *small = new QLabel(m_picProgress);
    small->setPixmap(WebcamIcons::logo(24));
    small->setGeometry(4, 8, 24, 24);
    m_lblProgress = new QLabel(QStringLiteral("Downloading Webcam ..."), m_picProgress);
    m_lblProgress->setObjectName(QStringLiteral("lblProgress"));
    m_lblProgress->setGeometry(34, 8, 162, 24);
    m_picProgress->hide();
}

void frmMain::buildStatusBar()
{
    m_statusBar = new QStatusBar(this);
    m_statusBar->setObjectName(QStringLiteral("StatusBar1"));
    m_panel1 = new QLabel(m_statusBar);
    m_panel1->setObjectName(QStringLiteral("Panel1"));
    m_panel1->setMinimumWidth(60);
    m_panel2 = new QLabel(m_statusBar);
    m_panel2->setObjectName(QStringLiteral("Panel2"));
    // Cam titles, addresses and server messages are text, never markup.
    m_panel1->setTextFormat(Qt::PlainText);
    m_panel2->setTextFormat(Qt::PlainText);
    m_statusBar->addWidget(m_panel1);
    m_statusBar->addWidget(m_panel2, 1);
    setStatusBar(m_statusBar);
    m_statusBar->installEventFilter(this);
    menuBar()->installEventFilter(this);

    // Downloads show it; it sits over the right end of the status bar.
    m_progressBar = new QProgressBar(this);
    m_progressBar->setObjectName(QStringLiteral("ProgressBar1"));
    m_progressBar->setTextVisible(false);
    m_progressBar->resize(100, 17);
    m_progressBar->hide();
}
