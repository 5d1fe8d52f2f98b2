#include "clock/TalkingClock.h"
#include "clock/ClockPanel.h"
#include "music/MusicPanel.h"
#include "music/MusicPlayer.h"
#include "support/DashboardFixture.h"

#include <QAction>
#include <QFileInfo>
#include <QTimer>

namespace {

class TalkingClockTest : public DashboardFixture
{
protected:
    TalkingClockTest() { setSetting("System", "AutoHide", "True"); }

    TalkingClock &talking() { return dashboard().talkingClock(); }
    QList<QAction *> items()
    {
        const DashboardMenus &m = dashboard().menus();
        return {m.every15, m.every30, m.everyHour};
    }
    QList<bool> marks()
    {
        QList<bool> on;
        for (QAction *item : items())
            on << item->isChecked();
        return on;
    }
    // One second of the clock face at the given time, which runs the talking clock.
    void tickAt(int h, int m, int s = 0)
    {
        clock.current = QDateTime(QDate(2026, 12, 9), QTime(h, m, s));
        dashboard().clockPanel().onTimerClock2();
    }
    // The pause between the two words ends (a second later on the clock).
    void endGap()
    {
        QTimer *gap = talking().gapTimer();
        ASSERT_TRUE(gap->isActive());
        EXPECT_EQ(gap->interval(), 900);
        EXPECT_TRUE(gap->isSingleShot());
        clock.advanceMs(900);
        talking().onTimerTalkGap();
    }
    QStringList soundWords()
    {
        QStringList names;
        for (const auto &play : sound.plays)
            names << QFileInfo(play.path).fileName();
        return names;
    }
    QStringList voiceWords()
    {
        QStringList names;
        for (const QString &call : fakes.voice.calls)
            names << QFileInfo(call.mid(call.indexOf(':') + 1)).fileName();
        return names;
    }
};

TEST_F(TalkingClockTest, QuarterHourSaysTheHourThenTheQuarterAfterAPause)
{
    loaded(); // a fresh profile speaks every 15 minutes
    EXPECT_EQ(marks(), QList<bool>({true, false, false}));
    tickAt(7, 15);
    EXPECT_EQ(soundWords(), QStringList{"7.wav"}); // the second word waits for the pause
    EXPECT_TRUE(talking().speaking());
    endGap();
    EXPECT_EQ(soundWords(), QStringList({"7.wav", "15.wav"}));
    EXPECT_TRUE(fakes.voice.calls.isEmpty());
    EXPECT_TRUE(QFileInfo(sound.plays.first().path).isFile());
    EXPECT_NE(dashboard().connectivity().flags, 0u);
    EXPECT_EQ(sound.plays.first().flags, dashboard().connectivity().flags);
}

TEST_F(TalkingClockTest, HalfHourAndHourModes)
{
    setSetting("Clock", "Talk", "2");
    loaded();
    EXPECT_EQ(marks(), QList<bool>({false, true, false}));
    tickAt(19, 15);
    EXPECT_FALSE(talking().speaking());
    tickAt(19, 30);
    endGap();
    EXPECT_EQ(soundWords(), QStringList({"7.wav", "30.wav"}));

    // The stored mode is read on every tick.
    sound.plays.clear();
    setSetting("Clock", "Talk", "3");
    tickAt(23, 30);
    tickAt(0, 0);
    endGap();
    EXPECT_EQ(soundWords(), QStringList({"12.wav", "OClock.wav"}));
}

TEST_F(TalkingClockTest, EachAnnouncementMinuteSpeaksOnce)
{
    loaded();
    tickAt(7, 15, 0);
    tickAt(7, 15, 0); // a tick within the pause does not start another
    endGap();
    for (int s = 2; s < 60; ++s)
        tickAt(7, 15, s);
    for (int m = 16; m < 30; ++m)
        tickAt(7, m);
    EXPECT_EQ(soundWords(), QStringList({"7.wav", "15.wav"}));
    tickAt(7, 30);
    endGap();
    EXPECT_EQ(soundWords(), QStringList({"7.wav", "15.wav", "7.wav", "30.wav"}));
}

TEST_F(TalkingClockTest, SilentWhileSnoozedAndSpeaksOnTheNextTickAfterwards)
{
    loaded();
    bool snoozed = true;
    talking().setSnoozedCheck([&] { return snoozed; });
    tickAt(8, 45, 0);
    tickAt(8, 45, 1);
    EXPECT_TRUE(sound.plays.isEmpty());
    EXPECT_FALSE(talking().speaking());
    snoozed = false; // the alarm stopped while the minute still runs
    tickAt(8, 45, 2);
    endGap();
    EXPECT_EQ(soundWords(), QStringList({"8.wav", "45.wav"}));
}

TEST_F(TalkingClockTest, WhileMusicPlaysTheWordsGoToTheSecondPlayer)
{
    writeFile(appPath("song.mp3"), "x");
    writeFile(appPath("List.txt"), "\"" + appPath("song.mp3").toUtf8() + "\"\r\n");
    loaded();
    dashboard().music().player().playAction();
    ASSERT_EQ(fakes.music.opened, appPath("song.mp3"));

    tickAt(7, 15);
    endGap();
    EXPECT_EQ(voiceWords(), QStringList({"7.wav", "15.wav"}));
    EXPECT_TRUE(sound.plays.isEmpty());

    // Hourly, o'clock is a plain sound even with music on; with no output device, a beep.
    fakes.voice.calls.clear();
    setSetting("Clock", "Talk", "3");
    sound.device = false;
    tickAt(9, 0);
    endGap();
    EXPECT_EQ(voiceWords(), QStringList{"9.wav"});
    EXPECT_EQ(sound.beeps, 1);
}

TEST_F(TalkingClockTest, MenuMarksAndStoredModeSurviveAReload)
{
    loaded();
    items()[1]->trigger();
    EXPECT_EQ(marks(), QList<bool>({false, true, false}));
    EXPECT_EQ(setting("Clock", "Talk"), "2");
    items()[1]->trigger(); // the checked item switches the clock off
    EXPECT_EQ(marks(), QList<bool>({false, false, false}));
    EXPECT_EQ(setting("Clock", "Talk"), "0");
    tickAt(10, 0);
    EXPECT_TRUE(sound.plays.isEmpty());

    items()[2]->trigger();
    items()[0]->trigger();
    items()[2]->trigger();
    EXPECT_EQ(marks(), QList<bool>({false, false, true}));
    EXPECT_EQ(setting("Clock", "Talk"), "3");

    m_dashboard.reset();
    loaded();
    EXPECT_EQ(marks(), QList<bool>({false, false, true}));
}

} // namespace
