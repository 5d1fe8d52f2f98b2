#pragma once

#include <QList>
#include <QString>

class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QMainWindow;
class QMenu;
class QProgressBar;
class QStatusBar;
class QToolBar;
class QTreeWidget;
class QWidget;

// The webcam window's menu entries, by the names the window gives them.
struct WebcamMenus
{
    QAction *addWebCam, *saveAs, *print, *preferences, *exit;
    QMenu *edit;
    QAction *addCam, *sepAfterAdd, *refreshCam, *sepAfterRefreshCam, *refresh, *sepAfterRefresh,
        *removeCam, *modifyCam, *sepBeforeCopy, *copyImage;
    QMenu *view;
    QAction *normalSize, *halfSize, *doubleSize, *fullscreen;
};

// The webcam window's controls under the names the window gives them: the menus, the cool bar
// with its toolbar and address bar, the cam tree, the splitter bar and the image pane with its
// three overlapping children, the status bar and the progress bar over its right end. The parts
// of the window each drive some of them; the window owns them all.
struct WebcamWidgets
{
    // Builds them on the window, which takes the menu bar, the surface and the status bar.
    static WebcamWidgets build(QMainWindow *window);

    // Toolbar buttons by index from 1, separators included; none outside the bar.
    QAction *button(int index) const;
    void setStatus(const QString &first, const QString &second) const;

    WebcamMenus menus{};
    QList<QAction *> buttons;
    QWidget *surface = nullptr;
    QWidget *coolBar = nullptr;
    QToolBar *toolBar = nullptr;
    QWidget *addressBand = nullptr;
    QWidget *addressBox = nullptr; // the combo box's container
    QComboBox *cboAddress = nullptr;
    QTreeWidget *tree = nullptr;
    QFrame *picSplit = nullptr;
    QFrame *pane = nullptr;
    QLabel *imgCam = nullptr;
    QFrame *picWelcome = nullptr;
    QLabel *imgLogo = nullptr;
    QFrame *picProgress = nullptr;
    QLabel *lblProgress = nullptr;
    QStatusBar *statusBar = nullptr;
    QLabel *panel1 = nullptr, *panel2 = nullptr;
    QProgressBar *progressBar = nullptr;
};
