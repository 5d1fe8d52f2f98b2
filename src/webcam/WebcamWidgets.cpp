#include "webcam/WebcamWidgets.h"

#include "webcam/IndentedItems.h"
#include "webcam/WebcamIcons.h"
#include "webcam/WebcamTexts.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QMainWindow>
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

void buildMenus(QMenuBar *bar, WebcamMenus &m)
{
    QMenu *file = bar->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    m.addWebCam = item(file, QStringLiteral("&Add A WebCam"), "mnuAddWebCam",
                       QKeySequence(Qt::CTRL | Qt::Key_N));
    m.saveAs = item(file, QStringLiteral("&Save As..."), "mnuSaveAs",
                    QKeySequence(Qt::CTRL | Qt::Key_S));
    separator(file);
    m.print = item(file, QStringLiteral("&Print WebCam"), "mnuPrint",
                   QKeySequence(Qt::CTRL | Qt::Key_P));
    separator(file);
    m.preferences = item(file, QStringLiteral("P&references"), "mnuPreferences");
    separator(file);
    m.exit = item(file, QStringLiteral("&Exit"), "mnuExit");

    m.edit = bar->addMenu(QStringLiteral("&Edit"));
    m.edit->setObjectName(QStringLiteral("mnuEdit"));
    m.addCam = item(m.edit, QStringLiteral("&Add Cam"), "mnuAddCam");
    m.sepAfterAdd = separator(m.edit);
    m.refreshCam = item(m.edit, QStringLiteral("&Refresh Cam"), "mnuRefreshCam");
    m.sepAfterRefreshCam = separator(m.edit);
    m.refresh = item(m.edit, QStringLiteral("&Refresh"), "mnuRefresh", QKeySequence(Qt::Key_F5));
    m.sepAfterRefresh = separator(m.edit);
    m.removeCam = item(m.edit, QStringLiteral("R&emove Cam"), "mnuRemoveCam");
    m.modifyCam = item(m.edit, QStringLiteral("&Modify Cam"), "mnuModifyCam");
    m.sepBeforeCopy = separator(m.edit);
    m.copyImage = item(m.edit, QStringLiteral("&Copy Image"), "mnuCopyImage",
                       QKeySequence(Qt::CTRL | Qt::Key_C));

    m.view = bar->addMenu(QStringLiteral("&View"));
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
}

void buildCoolBar(WebcamWidgets &w)
{
    w.coolBar = new QWidget(w.surface);
    w.coolBar->setObjectName(QStringLiteral("CoolBar1"));
    w.toolBar = new QToolBar(w.coolBar);
    w.toolBar->setObjectName(QStringLiteral("Toolbar1"));
    w.toolBar->setIconSize(QSize(20, 20));
    auto button = [&w](const QIcon &icon, const QString &tip, const char *name) {
        QAction *a = w.toolBar->addAction(icon, tip);
        a->setObjectName(QLatin1String(name));
        a->setToolTip(tip);
        w.buttons << a;
    };
    auto gap = [&w] {
        w.buttons << w.toolBar->addSeparator();
    };
    button(WebcamIcons::add(), QStringLiteral("Add ..."), "tbrAdd");
    button(standard(QStyle::SP_BrowserStop), QStringLiteral("Stop"), "tbrStop");
    w.buttons.back()->setEnabled(false); // offered while a download runs
    gap();
    button(standard(QStyle::SP_FileDialogDetailedView), QStringLiteral("Modify Cam"), "tbrModify");
    button(standard(QStyle::SP_TrashIcon), QStringLiteral("Remove Cam"), "tbrRemove");
    gap();
    button(standard(QStyle::SP_FileDialogContentsView), QStringLiteral("Copy Image"), "tbrCopy");
    button(standard(QStyle::SP_DialogSaveButton), QStringLiteral("Save Image As ..."), "tbrSave");
    gap();
    button(standard(QStyle::SP_FileIcon), QStringLiteral("Print Image"), "tbrPrint");
    w.toolBar->adjustSize();

    w.addressBand = new QWidget(w.coolBar);
    w.addressBand->setObjectName(QStringLiteral("picAddress"));
    auto *label = new QLabel(QStringLiteral("Address:"), w.addressBand);
    label->setObjectName(QStringLiteral("lblAddress"));
    label->move(6, 5);
    w.addressBox = new QWidget(w.addressBand);
    w.addressBox->setObjectName(QStringLiteral("picAddy"));
    w.cboAddress = new QComboBox(w.addressBox);
    w.cboAddress->setObjectName(QStringLiteral("ImageCombo1"));
    w.cboAddress->setEditable(true);
    w.cboAddress->setInsertPolicy(QComboBox::NoInsert); // the address bar adds its own items
    w.cboAddress->setItemDelegate(new IndentedItems(w.cboAddress));
    w.cboAddress->move(0, 2);
}

void buildPanes(WebcamWidgets &w)
{
    w.tree = new QTreeWidget(w.surface);
    w.tree->setObjectName(QStringLiteral("TreeView1"));
    w.tree->setAccessibleName(QStringLiteral("Cams"));
    w.tree->setHeaderHidden(true);

    w.picSplit = new QFrame(w.surface);
    w.picSplit->setObjectName(QStringLiteral("picSplit"));

    w.pane = new QFrame(w.surface);
    w.pane->setObjectName(QStringLiteral("picPane"));
    w.pane->setAutoFillBackground(true);
    w.pane->setBackgroundRole(QPalette::Base);

    w.imgCam = new QLabel(w.pane);
    w.imgCam->setObjectName(QStringLiteral("imgCam"));
    w.imgCam->hide();

    w.picWelcome = new QFrame(w.pane);
    w.picWelcome->setObjectName(QStringLiteral("picWelcome"));
    w.picWelcome->resize(220, 210);
    auto *title = new QLabel(QStringLiteral("WebCam"), w.picWelcome);
    title->setObjectName(QStringLiteral("lblWelcomeTitle"));
    QFont big = title->font();
    big.setPointSize(20);
    big.setBold(true);
    title->setFont(big);
    title->setAlignment(Qt::AlignCenter);
    title->setGeometry(0, 0, 220, 40);
    w.imgLogo = new QLabel(w.picWelcome);
    w.imgLogo->setObjectName(QStringLiteral("imgLogo"));
    w.imgLogo->setPixmap(WebcamIcons::logo(64));
    w.imgLogo->setToolTip(WebcamTexts::kLogoTip);
    w.imgLogo->setAccessibleName(WebcamTexts::kLogoTip.trimmed());
    w.imgLogo->setCursor(Qt::PointingHandCursor);
    w.imgLogo->setGeometry(78, 44, 64, 64);
    auto *product = new QLabel(QStringLiteral("Orvane"), w.picWelcome);
    product->setObjectName(QStringLiteral("lblProduct"));
    product->setAlignment(Qt::AlignCenter);
    product->setGeometry(0, 114, 220, 30);
    // The list starts empty: the welcome says where cams come from.
    auto *hint = new QLabel(WebcamTexts::kWelcomeHint, w.picWelcome);
    hint->setObjectName(QStringLiteral("lblWelcomeHint"));
    hint->setWordWrap(true);
    hint->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    hint->setGeometry(0, 146, 220, 64);

    w.picProgress = new QFrame(w.pane);
    w.picProgress->setObjectName(QStringLiteral("picProgress"));
    w.picProgress->resize(200, 40);
    auto *small = new QLabel(w.picProgress);
    small->setPixmap(WebcamIcons::logo(24));
    small->setGeometry(4, 8, 24, 24);
    w.lblProgress = new QLabel(QStringLiteral("Downloading Webcam ..."), w.picProgress);
    w.lblProgress->setObjectName(QStringLiteral("lblProgress"));
    w.lblProgress->setGeometry(34, 8, 162, 24);
    w.picProgress->hide();
}

void buildStatusBar(QMainWindow *window, WebcamWidgets &w)
{
    w.statusBar = new QStatusBar(window);
    w.statusBar->setObjectName(QStringLiteral("StatusBar1"));
    w.panel1 = new QLabel(w.statusBar);
    w.panel1->setObjectName(QStringLiteral("Panel1"));
    w.panel1->setMinimumWidth(60);
    w.panel2 = new QLabel(w.statusBar);
    w.panel2->setObjectName(QStringLiteral("Panel2"));
    // Cam titles, addresses and server messages are text, never markup.
    w.panel1->setTextFormat(Qt::PlainText);
    w.panel2->setTextFormat(Qt::PlainText);
    w.statusBar->addWidget(w.panel1);
    w.statusBar->addWidget(w.panel2, 1);
    window->setStatusBar(w.statusBar);

    // Downloads show it; it sits over the right end of the status bar.
    w.progressBar = new QProgressBar(window);
    w.progressBar->setObjectName(QStringLiteral("ProgressBar1"));
    w.progressBar->setTextVisible(false);
    w.progressBar->resize(100, 17);
    w.progressBar->hide();
}

} // namespace

WebcamWidgets WebcamWidgets::build(QMainWindow *window)
{
    WebcamWidgets w;
    w.surface = new QWidget(window);
    w.surface->setObjectName(QStringLiteral("picSurface"));
    window->setCentralWidget(w.surface);
    buildMenus(window->menuBar(), w.menus);
    buildCoolBar(w);
    buildPanes(w);
    buildStatusBar(window, w);
    return w;
}

QAction *WebcamWidgets::button(int index) const
{
    return index >= 1 && index <= buttons.size() ? buttons[index - 1] : nullptr;
}

void WebcamWidgets::setStatus(const QString &first, const QString &second) const
{
    panel1->setText(first);
    panel2->setText(second);
}
