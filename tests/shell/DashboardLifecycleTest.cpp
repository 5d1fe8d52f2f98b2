// After the load: first activation, the minute timer, and the close sequence.
#include "music/MusicPanel.h"
#include "support/DashboardFixture.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QListWidget>

namespace {

class DashboardLifecycle : public DashboardFixture
{
};

TEST_F(DashboardLifecycle, TaskbarAdviceIsShownOncePerUser)
{
    Dashboard &d = loaded();
    d.onFormActivate();
    ASSERT_EQ(prompter.shown.size(), 1);
    EXPECT_EQ(prompter.shown[0].title, "AutoHide Taskbar");
    EXPECT_EQ(prompter.shown[0].icon, Prompter::Icon::Warning);
    EXPECT_EQ(prompter.shown[0].buttons, Prompter::Buttons::Ok);
    // Lines joined by single carriage returns, an empty line as two in a row.
    EXPECT_TRUE(prompter.shown[0].text.contains("\r\r1) "));
    EXPECT_FALSE(prompter.shown[0].text.contains('\n'));
    EXPECT_EQ(setting("System", "AutoHide"), "True");
    EXPECT_TRUE(d.activatedOnce());

    d.onFormActivate();
    EXPECT_EQ(prompter.shown.size(), 1);
}

TEST_F(DashboardLifecycle, NoAdviceOnceItWasShownInAnEarlierRun)
{
    setSetting("SYSTEM", "autohide", "True");
    loaded().onFormActivate();
    EXPECT_TRUE(prompter.shown.isEmpty());
}

TEST_F(DashboardLifecycle, EveryActivationTakesTheIconAwayWhileTheWindowIsUp)
{
    setSetting("System", "AutoHide", "True");
    setSetting("System", "Tray", "1");
    Dashboard &d = loaded();
    EXPECT_TRUE(tray.shown);
    d.onFormActivate();
    EXPECT_FALSE(tray.shown);
    tray.shown = true;
    d.onFormActivate();
    EXPECT_FALSE(tray.shown);
}

TEST_F(DashboardLifecycle, StatusRefreshesEveryMinuteWithoutASavedMailSetup)
{
    Dashboard &d = loaded();
    const int atLoad = connectivity.checks;
    connectivity.state = {false, Connectivity::Offline};
    d.onMinute();
    EXPECT_EQ(connectivity.checks, atLoad + 1);
    EXPECT_EQ(d.connectivityStatus(), "Not Connected to the Internet");
    connectivity.state = {true, Connectivity::Lan};
    d.onMinute();
    EXPECT_EQ(d.connectivityStatus(), "Connected to the Internet");
}

TEST_F(DashboardLifecycle, DisabledMailSkipsTheRefreshOfItsMinuteOnly)
{
    setSetting("Settings", "Delay", "2");
    Dashboard &d = loaded(); // mail disabled: the fresh-profile default
    const int atLoad = connectivity.checks;
    d.onMinute(); // minute 1
    d.onMinute(); // minute 2 = delay: skipped
    EXPECT_EQ(connectivity.checks, atLoad + 1);
    d.onMinute(); // minute 3
    EXPECT_EQ(connectivity.checks, atLoad + 2);
}

TEST_F(DashboardLifecycle, ExitWritesBothListsAndEndsTheProcessOnce)
{
    Dashboard &d = loaded();
    d.music().playList()->addItems({"/m/one.mp3", "/m/two, three.mp3"});
    d.music().album()->addItem("/m/say \"hi\".mp3");
    d.onMnuExitClick();
    EXPECT_EQ(readFile(appPath("List.txt")), "\"/m/one.mp3\"\r\n\"/m/two, three.mp3\"\r\n");
    EXPECT_EQ(readFile(appPath("Album.txt")), "\"/m/say \"\"hi\"\".mp3\"\r\n");
    EXPECT_TRUE(d.unloaded());
    EXPECT_EQ(endRequests, 1);
    d.close(); // a second close (a late signal) runs nothing again
    EXPECT_EQ(endRequests, 1);
}

TEST_F(DashboardLifecycle, EmptyListsGiveEmptyFiles)
{
    writeFile(appPath("List.txt"), "\"/m/gone.mp3\"\r\n");
    Dashboard &d = loaded();
    d.music().playList()->clear();
    d.close();
    EXPECT_TRUE(QFile::exists(appPath("List.txt")));
    EXPECT_TRUE(QFile::exists(appPath("Album.txt")));
    EXPECT_EQ(readFile(appPath("List.txt")), QByteArray());
    EXPECT_EQ(readFile(appPath("Album.txt")), QByteArray());
}

TEST_F(DashboardLifecycle, AListThatCannotBeWrittenIsReportedAndTheOtherIsStillWritten)
{
    Dashboard &d = loaded();
    d.music().album()->addItem("/m/a.mp3");
    QDir().mkpath(appPath("List.txt")); // a folder where the file should go
    d.onMnuExitClick();
    ASSERT_EQ(prompter.shown.size(), 1);
    EXPECT_TRUE(prompter.shown[0].text.contains("List.txt"))
        << prompter.shown[0].text.toStdString();
    EXPECT_EQ(prompter.shown[0].icon, Prompter::Icon::Critical);
    EXPECT_EQ(readFile(appPath("Album.txt")), "\"/m/a.mp3\"\r\n");
    EXPECT_EQ(endRequests, 1);
}

TEST_F(DashboardLifecycle, ClosingWithTheIconShownLeavesNoIconBehind)
{
    setSetting("System", "Tray", "1");
    Dashboard &d = loaded();
    ASSERT_TRUE(tray.shown);
    tray.calls.clear();
    d.close();
    EXPECT_EQ(tray.calls, QStringList({"restore", "inTray:off"}));
}

TEST_F(DashboardLifecycle, UnloadClosesSecondaryWindows)
{
    Dashboard &d = loaded();
    QWidget other;
    other.show();
    d.addSecondaryWindow(&other);
    d.close();
    EXPECT_FALSE(other.isVisible());
}

} // namespace
