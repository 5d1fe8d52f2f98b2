#include "WebcamFixture.h"
#include "support/StagedPaths.h"
#include "webcam/WebcamFiles.h"
#include "webcam/cSplitter.h"
#include "webcam/frmAddModify.h"
#include "webcam/frmMain.h"
#include "webcam/frmPrefs.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>

namespace {

using WebcamWindowTest = WebcamFixture;

const QByteArray kThreeCams = "[b]\r\nAddress=http://cams/b.jpg\r\nUpdateInterval=30\r\n"
                              "[  A  ]\r\nAddress=http://cams/a.jpg\r\nUpdateInterval=x\r\n"
                              "[same]\r\nAddress=http://cams/b.jpg\r\n"
                              "[c]\r\nAddress=http://cams/c.jpg\r\n";

} // namespace

TEST_F(WebcamWindowTest, NoFavoritesFileGivesTheFixedNodesOnTheWelcomePanel)
{
    frmMain &w = opened();
    EXPECT_EQ(w.windowTitle(), "ORVANE WebCam");
    EXPECT_EQ(treeTexts(), QStringList({"Add a Cam", "Webcams"}));
    EXPECT_EQ(addressTexts(), QStringList({"Homepage", "Webcams"}));
    EXPECT_EQ(tree()->currentItem()->text(0), "Add a Cam");
    EXPECT_EQ(w.statusText(1), "Ready");
    EXPECT_EQ(w.statusText(2), "");
    EXPECT_FALSE(w.findChild<QFrame *>("picWelcome")->isHidden());
    EXPECT_FALSE(QFile::exists(favorites())); // reading creates nothing
    // The shipped list is empty too: no cam that only a test server answers.
    QFile shipped(sourceDir() + "/appfolder/favorites.dat");
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    EXPECT_EQ(shipped.readAll().trimmed(), "");
    w.onImgLogoMouseDown();
    EXPECT_EQ(shell.opened, QStringList{"https://orvane.example.org/"});
    const QStringList tips = [&] {
        QStringList t;
        for (int i = 1; i <= 10; ++i)
            t << (w.toolButton(i)->isSeparator() ? "-" : w.toolButton(i)->toolTip());
        return t;
    }();
    EXPECT_EQ(tips,
              QStringList({"Add ...", "Stop", "-", "Modify Cam", "Remove Cam", "-", "Copy Image",
                           "Save Image As ...", "-", "Print Image"}));
}

TEST_F(WebcamWindowTest, TreeSortsTitlesWhileTheAddressListKeepsFileOrder)
{
    favoritesFile(kThreeCams);
    opened();
    // "same" repeats b's address: left out of both lists. " A " is shown trimmed.
    EXPECT_EQ(treeTexts(), QStringList({"Add a Cam", "Webcams", "A", "b", "c"}));
    EXPECT_EQ(addressTexts(), QStringList({"Homepage", "Webcams", "b", "A", "c"}));
    // The cams are drawn indented under their heading.
    const QAbstractItemDelegate *drawn = addressList()->view()->itemDelegate();
    const QStyledItemDelegate plain;
    for (const auto &[row, indent] : {std::pair{1, 0}, std::pair{2, 20}}) {
        const QModelIndex index = addressList()->model()->index(row, 0);
        EXPECT_EQ(drawn->sizeHint({}, index).width() - plain.sizeHint({}, index).width(), indent);
    }
}

TEST_F(WebcamWindowTest, TreeClicksShowACamOnceAndSetTheMarker)
{
    favoritesFile(kThreeCams);
    frmMain &w = opened();
    select("b");
    EXPECT_EQ(w.selectionMarker(), "b");
    ASSERT_TRUE(downloaded());
    EXPECT_EQ(w.statusText(2), "Refresh Scheduled in 30 Seconds");
    EXPECT_EQ(addressList()->currentText(), "b");
    EXPECT_TRUE(w.findChild<QFrame *>("picWelcome")->isHidden());
    w.findChild<QLabel *>("Panel2")->setText("untouched");
    select("b"); // the cam on display: nothing happens
    EXPECT_EQ(w.statusText(2), "untouched");

    select("Webcams");
    EXPECT_EQ(w.selectionMarker(), "WebCamLST_____");
    EXPECT_FALSE(w.findChild<QFrame *>("picWelcome")->isHidden());
    select("Add a Cam");
    ASSERT_TRUE(w.camDialog());
    EXPECT_EQ(w.camDialog()->windowTitle(), "Add Cam");
    EXPECT_TRUE(w.camDialog()->isModal());
    w.camDialog()->onCmdCancelMouseUp(1, 0, 10, 10);
    EXPECT_EQ(w.selectionMarker(), "AddCam_____");
    EXPECT_EQ(tree()->currentItem()->text(0), "Add a Cam");
}

TEST_F(WebcamWindowTest, EditMenuInTheMenuBarAndAsTheTwoPopUps)
{
    favoritesFile(kThreeCams);
    frmMain &w = opened();
    QMenu *edit = w.menus().edit;
    const QStringList bar{"&Refresh", "-", "R&emove Cam", "&Modify Cam", "-", "&Copy Image"};
    EXPECT_EQ(shownEntries(edit), bar);

    tree()->setCurrentItem(node("c"));
    w.editMenu().onTreeView1MouseDown(Qt::RightButton, QPoint(10, 10));
    EXPECT_TRUE(edit->isVisible());
    EXPECT_EQ(shownEntries(edit), QStringList({"&View Cam", "-", "R&emove Cam", "&Modify Cam"}));
    edit->hide();
    QCoreApplication::processEvents();
    EXPECT_EQ(shownEntries(edit), bar);

    select("c");
    w.editMenu().onImgCamMouseDown(Qt::RightButton, QPoint(10, 10));
    EXPECT_EQ(shownEntries(edit),
              QStringList({"&Add Cam", "-", "&Refresh Cam", "-", "R&emove Cam", "&Modify Cam"}));
    EXPECT_EQ(edit->defaultAction(), w.menus().addCam);
    edit->hide();
    QCoreApplication::processEvents();
    EXPECT_EQ(shownEntries(edit), bar);
    EXPECT_EQ(edit->defaultAction(), nullptr);
}

TEST_F(WebcamWindowTest, CommandStatesAndViewTicksFollowTheirChangesAtOnce)
{
    favoritesFile(kThreeCams);
    frmMain &w = opened();
    // Nothing ticks while the window waits on its welcome panel.
    for (const QTimer *timer : w.findChildren<QTimer *>())
        EXPECT_FALSE(timer->isActive()) << timer->objectName().toStdString();
    const WebcamMenus &m = w.menus();
    auto states = [&] {
        QList<bool> on;
        for (int i : {4, 5, 7, 8, 10})
            on << w.toolButton(i)->isEnabled();
        for (QAction *a : {m.saveAs, m.print, m.removeCam, m.modifyCam, m.copyImage})
            on << a->isEnabled();
        on << m.view->isEnabled();
        return on;
    };
    EXPECT_EQ(states(), QList<bool>(11, false));
    select("A");
    // Selecting a cam offers its commands at once (a click selects on the press, before the
    // release starts the download); the download then offers only "Stop" on the toolbar, and a
    // node selected meanwhile leaves every command state as it is until the download ends.
    const QList<bool> menusOnly{false, false, false, false, false, true,
                                true,  true,  true,  true,  true};
    EXPECT_EQ(states(), menusOnly);
    tree()->setCurrentItem(node("Webcams"));
    EXPECT_EQ(states(), menusOnly);
    EXPECT_FALSE(w.toolButton(1)->isEnabled());
    EXPECT_TRUE(w.toolButton(2)->isEnabled());
    EXPECT_FALSE(tree()->isEnabled());
    ASSERT_TRUE(downloaded());
    EXPECT_FALSE(w.toolButton(2)->isEnabled());
    EXPECT_TRUE(tree()->isEnabled());
    EXPECT_EQ(states(), QList<bool>(11, false));
    EXPECT_TRUE(w.toolButton(1)->isEnabled());
    tree()->setCurrentItem(node("A"));
    EXPECT_EQ(states(), QList<bool>(11, true));

    m.halfSize->trigger();
    EXPECT_FALSE(m.normalSize->isChecked());
    EXPECT_TRUE(m.halfSize->isChecked());
    m.halfSize->trigger(); // chosen again: it stays ticked
    EXPECT_TRUE(m.halfSize->isChecked());
    EXPECT_EQ(w.viewMode(), 2);
}

TEST_F(WebcamWindowTest, EveryChangeLaysTheWindowOutAtOnce)
{
    favoritesFile(kThreeCams);
    frmMain &w = opened();
    // After each change a further pass finds nothing left to do.
    const auto settled = [&](const char *change) {
        QCoreApplication::processEvents();
        EXPECT_FALSE(w.windowLayout().layoutWindow()) << change;
    };
    w.resize(700, 450);
    settled("resized");
    select("b");
    ASSERT_TRUE(downloaded());
    settled("cam shown");
    w.menus().halfSize->trigger();
    settled("half size");
    w.showMaximized();
    settled("maximized");
    w.showNormal();
    settled("restored");
    w.windowLayout().onPicSplitMouseDown(1);
    w.windowLayout().onFormMouseUp(200);
    settled("split moved");
    select("Webcams");
    settled("welcome");
}

TEST_F(WebcamWindowTest, CamDialogAddsModifiesAndCancelsThroughTheWindow)
{
    favoritesFile(kThreeCams);
    frmMain &w = opened();
    w.camTree().onMnuAddCamClick();
    frmAddModify *d = w.camDialog();
    ASSERT_TRUE(d);
    EXPECT_EQ(in<QLineEdit>(d, "txtTitle")->text(), "Untitled Cam");
    EXPECT_EQ(in<QLineEdit>(d, "txtLocation")->text(), "http://");
    EXPECT_TRUE(in<QCheckBox>(d, "chkRate")->isChecked());
    in<QLineEdit>(d, "txtTitle")->setText("Dock");
    in<QComboBox>(d, "cboRate")->setEditText("0");
    apply(d);
    ASSERT_EQ(prompter.shown.size(), 1);
    EXPECT_EQ(prompter.shown[0].text, "Refresh Rate must be an integer between 1 and 3600.");
    EXPECT_TRUE(w.camDialog());
    d->onCmdApplyMouseUp(1, 0, 80, 10); // on the edge: not a release inside
    EXPECT_EQ(prompter.shown.size(), 1);
    in<QComboBox>(d, "cboRate")->setEditText("3600");
    apply(d);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(w.camDialog());
    EXPECT_TRUE(node("Dock"));
    EXPECT_TRUE(addressTexts().contains("Dock"));

    // A cam without a rate opens unticked with 60; Cancel writes nothing.
    tree()->setCurrentItem(node("A"));
    w.camTree().onMnuModifyCamClick();
    d = w.camDialog();
    ASSERT_TRUE(d);
    EXPECT_EQ(d->windowTitle(), "Modify Cam");
    EXPECT_EQ(in<QLineEdit>(d, "txtTitle")->text(), "A");
    EXPECT_FALSE(in<QCheckBox>(d, "chkRate")->isChecked());
    EXPECT_EQ(in<QComboBox>(d, "cboRate")->currentText(), "60");
    const QByteArray before = readFile(favorites());
    in<QLineEdit>(d, "txtTitle")->setText("Changed");
    d->onCmdCancelMouseUp(1, 0, 10, 10);
    QCoreApplication::processEvents();
    EXPECT_EQ(readFile(favorites()), before);
    ASSERT_TRUE(downloaded()); // the same cam is shown again
    EXPECT_EQ(w.currentTitle(), "A");
    EXPECT_EQ(server.requests().last().path, "/a.jpg");
}

TEST_F(WebcamWindowTest, RemovingACamAsksAndLeavesItsTitleInTheAddressList)
{
    favoritesFile(kThreeCams);
    frmMain &w = opened();
    tree()->setCurrentItem(node("c"));
    prompter.setNextAnswer(Prompter::Answer::No);
    w.camTree().onMnuRemoveCamClick();
    EXPECT_TRUE(node("c"));
    prompter.setNextAnswer(Prompter::Answer::Yes);
    w.camTree().onMnuRemoveCamClick();
    ASSERT_EQ(prompter.shown.size(), 2);
    EXPECT_EQ(prompter.shown[1].text, "Are you certain you wish to remove the cam, \"c\"?");
    EXPECT_EQ(prompter.shown[1].buttons, Prompter::Buttons::YesNo);
    EXPECT_FALSE(node("c"));
    EXPECT_FALSE(readFile(favorites()).contains("[c]"));
    EXPECT_TRUE(addressTexts().contains("c"));
}

TEST_F(WebcamWindowTest, GeometryIsStoredOnlyWhenClosedInTheNormalState)
{
    frmMain *w = &opened();
    w->setGeometry(40, 60, 600, 400);
    w->close();
    const QString h = setting("Position", "H"), wide = setting("Position", "W");
    EXPECT_EQ(setting("Position", "X"), QString::number(w->x() * 15));
    EXPECT_EQ(wide, QString::number(600 * 15 + 120));
    delete window;

    w = &opened();
    EXPECT_EQ(w->width(), 600);
    EXPECT_EQ(w->height(), 400);
    w->showMaximized();
    w->close();
    EXPECT_EQ(setting("Position", "H"), h);
    EXPECT_EQ(setting("Position", "W"), wide);
}

TEST_F(WebcamWindowTest, SplitterStopsAtBothLimitsAndNeedsAPress)
{
    frmMain &w = opened();
    w.resize(700, 450);
    QFrame *bar = w.findChild<QFrame *>("picSplit");
    EXPECT_FALSE(w.splitter().MouseUp(300));

    w.windowLayout().onPicSplitMouseDown(2);
    EXPECT_EQ(bar->width(), 4);
    w.windowLayout().onFormMouseMove(-3);
    ASSERT_TRUE(QGuiApplication::overrideCursor());
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::ForbiddenCursor);
    w.windowLayout().onFormMouseUp(-3);
    EXPECT_FALSE(QGuiApplication::overrideCursor());
    EXPECT_EQ(bar->x(), 78); // 1175 twips
    EXPECT_EQ(w.treeWidthTwips(), 1175);
    EXPECT_EQ(tree()->width(), 78);

    w.windowLayout().onPicSplitMouseDown(1);
    w.windowLayout().onFormMouseMove(650);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::SizeHorCursor);
    EXPECT_EQ(bar->x(), 650);
    w.windowLayout().onFormMouseUp(650);
    EXPECT_EQ(w.treeWidthTwips(), 3525);
    EXPECT_EQ(bar->x(), 235);
    EXPECT_EQ(bar->width(), 4);
    EXPECT_EQ(w.findChild<QFrame *>("picPane")->x(), 239);
}

TEST_F(WebcamWindowTest, UpdateNowEndsInsteadOfOpening)
{
    window = new frmMain(*services, WebcamFiles(appPath({})), "Orvane\t/updatenow\r");
    int ends = 0;
    QObject::connect(window, &frmMain::endProgramRequested, [&] { ++ends; });
    EXPECT_FALSE(window->open());
    EXPECT_EQ(ends, 1);
    delete window;
    window = new frmMain(*services, WebcamFiles(appPath({})), "Orvane /updatenowx");
    EXPECT_TRUE(window->open());
}

TEST_F(WebcamWindowTest, DashboardMenuAndTrayOpenOneModelessWindow)
{
    Dashboard &d = loaded();
    d.menus().showWebCams->trigger();
    frmMain *first = d.webCams();
    ASSERT_TRUE(first);
    EXPECT_TRUE(first->isVisible());
    EXPECT_FALSE(first->isModal());
    first->showMinimized();
    d.menus().viewWebCams->trigger();
    EXPECT_EQ(d.webCams(), first);
    EXPECT_FALSE(first->isMinimized());
    first->showMaximized();
    d.menus().showWebCams->trigger();
    EXPECT_TRUE(first->isMaximized()); // raised as it is
    first->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(d.webCams());
    d.menus().showWebCams->trigger();
    EXPECT_TRUE(d.webCams());
}

TEST_F(WebcamWindowTest, PreferencesDialogAppliesAndAsksBeforeLosingChanges)
{
    setSetting("Prefs", "ShowAddyBar", "yes please"); // neither True nor False: the default
    setSetting("Prefs", "DeleteTemps", "TRUE");
    frmMain &w = opened();
    EXPECT_TRUE(w.prefs().ShowAddyBar);
    w.onMnuPreferencesClick();
    frmPrefs *d = w.prefsDialog();
    ASSERT_TRUE(d);
    EXPECT_TRUE(d->isModal());
    auto *apply = in<QPushButton>(d, "cmdApply");
    auto *close = in<QPushButton>(d, "cmdClose");
    EXPECT_TRUE(in<QCheckBox>(d, "chkDeleteTemps")->isChecked());
    EXPECT_FALSE(in<QCheckBox>(d, "chkForceNull60Sec")->isChecked());
    EXPECT_FALSE(apply->isEnabled());
    EXPECT_EQ(close->text(), "&Close");

    in<QCheckBox>(d, "chkCheckModified")->click(); // both buttons follow at once
    EXPECT_TRUE(apply->isEnabled());
    EXPECT_EQ(close->text(), "&Cancel");
    prompter.setNextAnswer(Prompter::Answer::Cancel);
    d->onCmdCloseClick();
    ASSERT_EQ(prompter.shown.size(), 1);
    EXPECT_EQ(prompter.shown[0].buttons, Prompter::Buttons::YesNoCancel);
    EXPECT_EQ(prompter.shown[0].icon, Prompter::Icon::Question);
    EXPECT_TRUE(d->isVisible());

    in<QCheckBox>(d, "chkShowAddyBar")->click();
    d->onCmdApplyClick();
    EXPECT_EQ(close->text(), "&Close");
    EXPECT_EQ(setting("Prefs", "ShowAddyBar"), "False");
    EXPECT_EQ(setting("Prefs", "CheckModified"), "False");
    EXPECT_EQ(setting("Prefs", "HideErrors"), "True");
    EXPECT_FALSE(w.prefs().ShowAddyBar);
    EXPECT_TRUE(w.findChild<QWidget *>("picAddress")->isHidden());
    EXPECT_FALSE(apply->isEnabled());

    in<QCheckBox>(d, "chkLockLists")->click();
    prompter.setNextAnswer(Prompter::Answer::No);
    d->onCmdCloseClick();
    EXPECT_EQ(setting("Prefs", "LockLists"), "True");
    EXPECT_FALSE(d->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    w.onMnuPreferencesClick();
    w.prefsDialog()->onCmdCloseClick(); // no change: no question
    EXPECT_EQ(prompter.shown.size(), 2);
}
