#pragma once

#include "webcam/ViewerPrefs.h"
#include "webcam/WebcamFiles.h"
#include "webcam/cInifile.h"

#include <QMainWindow>
#include <QPointer>

#include <functional>

class CamDownload;
class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QMenu;
class QProgressBar;
class QStatusBar;
class QTimer;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;
class cSplitter;
class frmAddModify;
class frmFullscreen;
class frmPrefs;
struct Services;

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

// The webcam window (frmMain): the cam tree and the image pane divided by a draggable bar,
// the cool bar with its toolbar and address bar, the status bar. Shows one cam at a time.
class frmMain : public QMainWindow
{
    Q_OBJECT
public:
    frmMain(Services &services, WebcamFiles files, QString commandLine, QWidget *parent = nullptr);
    ~frmMain() override;

    // The opening steps; false when the command line asked the program to end.
    bool open();

    void ReloadCamList();
    void ReloadAddressCombo();
    // Shows a node of the cam tree, the selected one when none is given.
    void LoadCamFromNode(QTreeWidgetItem *Node = nullptr);
    // Downloads into the file, then runs `then`; false (nothing happens) while one runs.
    bool DownloadFile(const QString &strURL, const QString &strDestination,
                      std::function<void()> then);
    // The address bar's input: a cam title, a picture address or a web page.
    void ParseAddressChange();

    // Handlers, named after the control and its event; tests call them directly.
    void onTreeView1NodeClick(QTreeWidgetItem *node);
    void onTreeView1MouseDown(Qt::MouseButton button, QPoint at);
    void onImgCamMouseDown(Qt::MouseButton button, QPoint at);
    void PopupEditMnu(QPoint at);
    void PopupEditMnu2(QPoint at);
    void onMnuAddCamClick();
    void onMnuModifyCamClick();
    void onMnuRemoveCamClick();
    void onMnuRefreshClick();
    void onMnuViewCamClick();
    void onMnuViewModeClick(int mode);
    void onMnuFullscreenClick();
    void onMnuSaveAsClick();
    void onMnuCopyImageClick();
    void onMnuPrintClick();
    void onMnuPreferencesClick();
    void onImgLogoMouseDown();
    void onTimerRefreshTimer();
    void onImageCombo1Change();
    void onTbrStopClick();
    // True when it changed anything.
    bool layoutWindow();
    void onPicSplitMouseDown(int x);
    void onFormMouseMove(int x);
    void onFormMouseUp(int x);
    void m_cSplit_SplitComplete();

    // State the tests read.
    const WebcamMenus &menus() const { return m_menus; }
    QAction *toolButton(int index) const;
    QString statusText(int panel) const;
    const QString &selectionMarker() const { return m_marker; }
    const QString &currentTitle() const { return m_currentTitle; }
    int viewMode() const { return m_viewMode; }
    int treeWidthTwips() const { return m_treeWidth; }
    frmAddModify *camDialog() const;
    frmPrefs *prefsDialog() const;
    frmFullscreen *fullscreenView() const;
    const ViewerPrefs &prefs() const { return m_prefs; }
    cSplitter &splitter() const { return *m_cSplit; }
    CamDownload &download() const { return *m_download; }
    const QSize &naturalSizeTwips() const { return m_natural; }

Q_SIGNALS:
    // The command line held "/updatenow": the program ends.
    void endProgramRequested();

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // In frmMainBuild.cpp.
    void buildMenus();
    void buildCoolBar();
    void buildPanes();
    void buildStatusBar();
    // In frmMainCams.cpp.
    QTreeWidgetItem *camsNode() const;
    QTreeWidgetItem *selectedNode() const;
    void showWelcome();
    void setStatus(const QString &first, const QString &second);
    void openCamDialog(bool modify, const std::function<void()> &closed);
    void setMenuBarEditState();
    // In frmMainDownload.cpp.
    void lockCommands(bool locked);
    void showProgress(bool visible, qint64 value, qint64 maximum);
    bool loadPicture();
    void measurePicture();
    void afterCamDownload(const QString &camText);
    void afterRefreshDownload();
    void scheduleRefresh(const QString &rateText);
    void deleteTempWhenDone();
    // In frmMainAddress.cpp.
    void colourAddress(const QString &text);
    void downloadGraphic(const QString &address);
    // The full-screen view's share of a download: the indicator, then the new picture.
    void setFullscreenRefreshing(bool refreshing);

    // Only what changed, unless forced (the buttons were set wholesale meanwhile).
    bool setCommandsEnabled(bool on, bool force = false);
    // A change to what the layout places (the panels shown, the picture, the view mode, the
    // preferences) lays the window out again at once; a resize or a state change does it anyway.
    void relayout();
    // The cam commands follow the selected node (not while a download holds them), the View
    // entries the view mode.
    void updateCommands();
    void showViewMode();
    int formWidth() const;
    int formHeight() const;

    Services &m_services;
    WebcamFiles m_files;
    QString m_commandLine;
    ViewerPrefs m_prefs;
    cInifile m_ini;
    WebcamMenus m_menus{};
    QList<QAction *> m_buttons; // toolbar, by index from 1 (separators included)
    QWidget *m_surface = nullptr;
    QWidget *m_coolBar = nullptr;
    QToolBar *m_toolBar = nullptr;
    QWidget *m_addressBand = nullptr;
    QWidget *m_addressBox = nullptr; // the combo box's container
    QComboBox *m_cboAddress = nullptr;
    QTreeWidget *m_tree = nullptr;
    QFrame *m_picSplit = nullptr;
    QFrame *m_pane = nullptr;
    QLabel *m_imgCam = nullptr;
    QFrame *m_picWelcome = nullptr;
    QLabel *m_imgLogo = nullptr;
    QFrame *m_picProgress = nullptr;
    QLabel *m_lblProgress = nullptr;
    QStatusBar *m_statusBar = nullptr;
    QLabel *m_panel1 = nullptr, *m_panel2 = nullptr;
    QProgressBar *m_progressBar = nullptr;
    QTimer *m_timerRefresh = nullptr;
    CamDownload *m_download = nullptr;
    cSplitter *m_cSplit = nullptr;
    QPointer<frmAddModify> m_camDialog;
    QPointer<frmPrefs> m_prefsDialog;
    QPointer<frmFullscreen> m_fullscreen;

    QString m_marker;
    QString m_currentAddress, m_currentTitle;
    int m_viewMode = 1;
    int m_viewBeforeFullscreen = 1;
    QSize m_natural; // twips
    // The refresh schedule: seconds left and the cam's rate; -1 while none runs.
    int m_countdown = -1, m_interval = -1;
    std::function<void()> m_afterDownload;
    bool m_holdLayout = false; // a refresh keeps its progress panel under the picture
    int m_treeWidth = 2175;
    bool m_minimized = false;
    bool m_commandLock = false; // held while a download runs
    bool m_commandsOn = true;
    bool m_closing = false;
};
