// The load sequence: its order, what a fresh or prepared profile shows, a second instance,
// and a failed step.
#include "common/Twips.h"
#include "music/MusicPanel.h"
#include "support/DashboardFixture.h"
#include "widgets/TipPanel.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QTimer>

namespace {

class DashboardLoad : public DashboardFixture
{
};

TEST_F(DashboardLoad, StepsRunInTheirFixedOrder)
{
    // What each step asks of the desktop first, in the order the steps must ask it; a step
    // wired to another step's work moves its mark out of place.
    const QStringList marks{
        "instanceLock.tryLock",          // the single-instance check
        "tray.setOwner",                 // tray
        "settings.get System/Tray",      // trayBoxes
        "connectivity.check",            // connectivity
        "settings.get System/Tips",      // tips
        "settings.get System/NoWeather", // weatherSwitch
        "settings.get System/NoEmail",   // mailSwitch
        "settings.get Settings/Delay",   // mailSettings
        "settings.get system/LastUsed",  // missedDays
        "settings.get Clock/TimeFormat", // clock
        "settings.get Clock/Alarm1",     // alarms
        "settings.get Clock/Talk",       // talkingClock
    };
    loaded();
    const CallLog &log = fakes.calls;
    qsizetype previous = -1;
    for (const QString &mark : marks) {
        const qsizetype at = log.indexOf(mark);
        ASSERT_GT(at, previous) << mark.toStdString() << " in\n" << log.join(u'\n').toStdString();
        previous = at;
    }
}

TEST_F(DashboardLoad, FreshProfileShowsDefaults)
{
    clock.current = QDateTime(QDate(2026, 12, 9), QTime(8, 0));
    Dashboard &d = loaded();
    EXPECT_EQ(d.windowTitle(), "Orvane    Wednesday, Dec 9 2026");
    EXPECT_EQ(find<QLabel>("lblStatus")->text(), "Status: Connected to the Internet");
    EXPECT_EQ(d.currentDay(), QDate(2026, 12, 9));
    // Weather and mail stay off until the user turns them on; tips are off.
    EXPECT_TRUE(d.menus().disableWeather->isChecked());
    EXPECT_TRUE(d.menus().disableEmail->isChecked());
    EXPECT_FALSE(d.menus().showTips->isChecked());
    EXPECT_FALSE(find<QCheckBox>("Check1")->isChecked());
    EXPECT_FALSE(find<QCheckBox>("Check2")->isChecked());
    EXPECT_EQ(tray.toolTip, "Orvane: Double-click to restore");
    EXPECT_FALSE(tray.shown);
    EXPECT_TRUE(prompter.shown.isEmpty());
    EXPECT_EQ(find<QLabel>("lblPlayListCount")->text(), "0");
    EXPECT_EQ(find<QLabel>("lblAlbumCount")->text(), "Songs in Album: 0");
}

TEST_F(DashboardLoad, NoConnectionIsAStatusNotAnError)
{
    connectivity.state = {false, Connectivity::Offline};
    Dashboard &d = loaded();
    EXPECT_EQ(find<QLabel>("lblStatus")->text(), "Status: Not Connected to the Internet");
    EXPECT_EQ(d.connectivity().flags, quint32(Connectivity::Offline));
    EXPECT_FALSE(d.connectivity().connected);
}

TEST_F(DashboardLoad, StoredSwitchesAndTrayBoxesAreApplied)
{
    setSetting("system", "tray", "1");
    setSetting("SYSTEM", "Minimize", "1");
    setSetting("System", "Tips", "True");
    setSetting("System", "NoWeather", "False");
    setSetting("System", "NoEmail", "False");
    Dashboard &d = loaded();
    EXPECT_TRUE(find<QCheckBox>("Check1")->isChecked());
    EXPECT_TRUE(find<QCheckBox>("Check2")->isChecked());
    // A box set from its stored value acts as a click: the icon shows, minimizing hides.
    EXPECT_TRUE(tray.shown);
    EXPECT_EQ(tray.minimizeMode, 3);
    EXPECT_EQ(tray.owner, &d);
    EXPECT_EQ(tray.popup, d.menus().popUp);
    EXPECT_TRUE(d.menus().showTips->isChecked());
    EXPECT_FALSE(d.menus().disableWeather->isChecked());
    EXPECT_FALSE(d.menus().disableEmail->isChecked());
}

TEST_F(DashboardLoad, MailIsSwitchedOnOnlyWhileConnected)
{
    setSetting("System", "NoEmail", "False");
    connectivity.state = {false, Connectivity::Offline};
    EXPECT_TRUE(loaded().menus().disableEmail->isChecked());
}

TEST_F(DashboardLoad, SubPanelsArePlacedAndHidden)
{
    loaded();
    const struct
    {
        const char *name;
        int left, top;
    } places[]
        = {{"picTray", 1245, 60},       {"PicAddress1", 525, 1050},     {"picAddress2", 525, 3840},
           {"picCalEvents", 7230, 270}, {"PicBMBills", 6120, 420},      {"PicBM", 5520, 1830},
           {"PicCal", 6030, 2955},      {"picAlarmActive", 1950, 1140}, {"picAlarms", 7065, 1005},
           {"picWarning", 735, 705}};
    for (const auto &p : places) {
        QFrame *frame = find<QFrame>(p.name);
        ASSERT_NE(frame, nullptr) << p.name;
        EXPECT_EQ(frame->pos(), QPoint(twips(p.left), twips(p.top))) << p.name;
        EXPECT_FALSE(frame->isVisibleTo(&dashboard())) << p.name;
    }
}

TEST_F(DashboardLoad, TimersHaveTheirNamesIntervalsAndStartState)
{
    loaded();
    const struct
    {
        const char *name;
        int interval;
        bool active;
    } timers[] = {{"TimerClock2", 1000, true},       {"TimerAlarm", 700, false},
                  {"TimerAlarmCount", 60000, false}, {"TimerSnooze", 1000, false},
                  {"TimerCD", 1000, false},          {"Timer1", 1000, false},
                  {"TimerWeather", 500, false}};
    for (const auto &t : timers) {
        QTimer *timer = find<QTimer>(t.name);
        ASSERT_NE(timer, nullptr) << t.name;
        EXPECT_EQ(timer->interval(), t.interval) << t.name;
        EXPECT_EQ(timer->isActive(), t.active) << t.name;
    }
    // Nothing else wakes the idle program: the clock's second drives everything that waits
    // for a time.
    QStringList running;
    for (const QTimer *timer : dashboard().findChildren<QTimer *>())
        if (timer->isActive())
            running << timer->objectName();
    running.sort();
    EXPECT_EQ(running, QStringList({"TimerClock2"}));
}

TEST_F(DashboardLoad, ListFilesFillBothListsAndCounts)
{
    writeFile(appPath("List.txt"), "\"/music/a.mp3\"\r\n\"/music/b.mp3\"\r\n");
    writeFile(appPath("Album.txt"), "\"/music/c.mp3\"\n");
    Dashboard &d = loaded();
    EXPECT_EQ(d.music().playList()->count(), 2);
    EXPECT_EQ(d.music().playList()->item(1)->text(), "/music/b.mp3");
    EXPECT_EQ(find<QLabel>("lblPlayListCount")->text(), "2");
    EXPECT_EQ(find<QLabel>("lblAlbumCount")->text(), "Songs in Album: 1");
}

// The running dashboard comes forward when asked, but not before it has loaded.
TEST_F(DashboardLoad, TheHolderShowsItsDashboardWhenALaterStartAsks)
{
    dashboard().setStopRequest([this] {
        lock.onShow({}); // asked while still loading
        return false;
    });
    loaded();
    EXPECT_EQ(tray.restores, 0);
    lock.onShow("launcher-token");
    EXPECT_EQ(tray.restores, 1);
    EXPECT_EQ(qEnvironmentVariable("XDG_ACTIVATION_TOKEN"), "launcher-token");
    qunsetenv("XDG_ACTIVATION_TOKEN");
    EXPECT_EQ(lock.showRequests, 0);
}

TEST_F(DashboardLoad, SecondInstanceAsksTheFirstToShowAndTouchesNothing)
{
    lock.free = false;
    EXPECT_EQ(dashboard().load(), Dashboard::LoadResult::SecondInstance);
    EXPECT_EQ(lock.showRequests, 1);
    EXPECT_FALSE(QFile::exists(settingsPath()));
    EXPECT_FALSE(QFile::exists(appPath("List.txt")));
    EXPECT_EQ(connectivity.checks, 0);
    EXPECT_TRUE(tray.toolTip.isEmpty());
    EXPECT_TRUE(prompter.shown.isEmpty());
    EXPECT_EQ(endRequests, 0);

    lock.answers = false; // an exchange held the lock, and let go
    EXPECT_EQ(dashboard().load(), Dashboard::LoadResult::Loaded);
}

TEST_F(DashboardLoad, FailedStepIsReportedAndLaterStepsSkipped)
{
    // A list file that cannot be read (a folder in its place fails even for root).
    QDir().mkpath(appPath("List.txt"));
    writeFile(appPath("Album.txt"), "\"/music/kept.mp3\"\r\n");
    EXPECT_EQ(dashboard().load(), Dashboard::LoadResult::Failed);
    ASSERT_EQ(prompter.shown.size(), 1);
    EXPECT_EQ(prompter.shown[0].title, "Orvane Error");
    EXPECT_EQ(prompter.shown[0].icon, Prompter::Icon::Critical);
    EXPECT_TRUE(prompter.shown[0].text.endsWith(" (70)")) << prompter.shown[0].text.toStdString();
    EXPECT_TRUE(prompter.shown[0].text.contains("List.txt"));
    EXPECT_EQ(dashboard().loadTrace().last(), "music");
    EXPECT_FALSE(find<QTimer>("TimerClock2")->isActive());

    // Closing after the failure must not replace lists it never read.
    dashboard().closeAfterFailedLoad();
    EXPECT_EQ(readFile(appPath("Album.txt")), "\"/music/kept.mp3\"\r\n");
    EXPECT_TRUE(QFileInfo(appPath("List.txt")).isDir());
    EXPECT_EQ(endRequests, 1);
}

} // namespace

TEST_F(DashboardLoad, SubPanelsOpenOverThePermanentControlsAndTheTipOverThem)
{
    Dashboard &d = loaded();
    QWidget *surface = d.findChild<QWidget *>("surface");
    QFrame *warning = find<QFrame>("picWarning");
    warning->show();
    // The clock face lies under the warning panel's top edge.
    const QPoint overClock = warning->geometry().topLeft() + QPoint(twips(1500), 5);
    QWidget *top = surface->childAt(overClock);
    EXPECT_TRUE(top == warning || warning->isAncestorOf(top));

    d.tips().setTipsOn(true);
    d.tips().show("A tip", QPoint(1000, 800));
    top = surface->childAt(d.tips().panel()->geometry().center());
    EXPECT_TRUE(top == d.tips().panel() || d.tips().panel()->isAncestorOf(top));
}
