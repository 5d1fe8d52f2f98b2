#pragma once

#include "webcam/ViewerPrefs.h"
#include "webcam/WebcamFiles.h"
#include "webcam/WebcamWidgets.h"
#include "webcam/cInifile.h"

#include <QMainWindow>
#include <QPointer>

#include <memory>

class AddressBar;
class CamDownload;
class CamEditMenu;
class CamFetch;
class CamPicture;
class CamTree;
class CamViewer;
class CommandStates;
class RefreshSchedule;
class WindowLayout;
class cSplitter;
class frmAddModify;
class frmFullscreen;
class frmPrefs;
struct Services;

// The webcam window (frmMain): the cam tree and the image pane divided by a draggable bar,
// the cool bar with its toolbar and address bar, the status bar. Shows one cam at a time.
// It builds the controls and the menus and hands them to its parts, each with one job, which
// it wires together: the cam tree, its Edit menu, the address bar, the viewer with the
// download, the refresh schedule and the picture, the command states and the layout.
class frmMain : public QMainWindow
{
    Q_OBJECT
public:
    frmMain(Services &services, WebcamFiles files, QString commandLine, QWidget *parent = nullptr);
    ~frmMain() override;

    // The opening steps; false when the command line asked the program to end.
    bool open();

    void onMnuPreferencesClick();
    void onImgLogoMouseDown();

    // The parts, for the tests.
    CamTree &camTree() const { return *m_camTree; }
    CamEditMenu &editMenu() const { return *m_editMenu; }
    AddressBar &addressBar() const { return *m_addressBar; }
    CamViewer &viewer() const { return *m_viewer; }
    CamPicture &picture() const { return *m_picture; }
    RefreshSchedule &refreshSchedule() const { return *m_schedule; }
    WindowLayout &windowLayout() const { return *m_layout; }

    // State the tests read.
    const WebcamMenus &menus() const { return m_w.menus; }
    QAction *toolButton(int index) const { return m_w.button(index); }
    QString statusText(int panel) const;
    const QString &selectionMarker() const;
    const QString &currentTitle() const;
    int viewMode() const;
    int treeWidthTwips() const;
    frmAddModify *camDialog() const;
    frmPrefs *prefsDialog() const;
    frmFullscreen *fullscreenView() const;
    const ViewerPrefs &prefs() const { return m_prefs; }
    cSplitter &splitter() const;
    CamDownload &download() const;
    const QSize &naturalSizeTwips() const;

Q_SIGNALS:
    // The command line held "/updatenow": the program ends.
    void endProgramRequested();

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void wireParts();
    void wireCommands();

    Services &m_services;
    WebcamFiles m_files;
    QString m_commandLine;
    ViewerPrefs m_prefs;
    cInifile m_ini;
    WebcamWidgets m_w;
    // Children of the window, so its timers and dialogs are found under it, yet deleted with
    // its members, while the controls they drive still stand.
    std::unique_ptr<CommandStates> m_commands;
    std::unique_ptr<WindowLayout> m_layout;
    std::unique_ptr<CamFetch> m_fetch;
    std::unique_ptr<RefreshSchedule> m_schedule;
    std::unique_ptr<CamPicture> m_picture;
    std::unique_ptr<CamViewer> m_viewer;
    std::unique_ptr<CamTree> m_camTree;
    std::unique_ptr<CamEditMenu> m_editMenu;
    std::unique_ptr<AddressBar> m_addressBar;
    QPointer<frmPrefs> m_prefsDialog;
};
