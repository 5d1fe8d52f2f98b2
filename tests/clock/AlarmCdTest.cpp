#include "clock/AlarmMenu.h"
#include "clock/AlarmPanel.h"
#include "clock/AlarmRinging.h"
#include "contracts/AlarmSources.h"
#include "support/FakeServices.h"
#include "widgets/TipPanel.h"

#include <QAction>
#include <QFrame>
#include <QMenu>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

// The disc as the alarm sees it: what it was asked, in order.
class FakeDisc final : public AlarmDisc
{
public:
    bool isOpen() const override { return opened; }
    bool open() override
    {
        calls << "open";
        opened = true;
        return true;
    }
    bool discPresent() override { return present; }
    void play() override { calls << "play"; }
    void rewind() override { calls << "rewind"; }

    bool opened = false;
    bool present = false;
    QStringList calls;
};

class FakeMusic final : public AlarmMusic
{
public:
    bool hasSongs() const override { return false; }
    bool playSelectedSong() override { return false; }
    void stopSong() override { calls << "stopSong"; }
    void showStopped() override { calls << "showStopped"; }
    QStringList calls;
};

// The alarm outside the dashboard, over a disc and a music player that record their calls.
class AlarmCd : public ::testing::Test
{
protected:
    AlarmCd()
    {
        for (const char *name : {"picAlarms", "picAlarmActive"})
            (new QFrame(&surface))->setObjectName(QLatin1String(name));
        c.popUp = &popUp;
        c.on = popUp.addAction("On");
        c.off = popUp.addAction("Off");
        mp3.setCheckable(true);
        cdItem.setCheckable(true);
        c.mp3 = &mp3;
        c.cd = &cdItem;
        c.snoozeTime = &snoozeTime;
        for (int i = 0; i < 8; ++i) {
            c.sounds << new QAction(&surface);
            c.tests << new QAction(&surface);
        }
        c.music = &music;
        c.disc = &disc;
        alarm = new AlarmPanel(fakes.services, &surface, *new TipPanel(&surface), c);
        fakes.settings.saveSetting("Clock", "AlarmTime1", "9:31:00 AM");
        fakes.settings.saveSetting("Clock", "Alarm1", "on");
        alarm->load();
    }

    QTemporaryDir dir;
    FakeServices fakes{dir.path() + "/app", dir.path() + "/settings/settings.ini"};
    QWidget surface;
    QMenu popUp;
    QAction mp3, cdItem, snoozeTime;
    FakeDisc disc;
    FakeMusic music;
    AlarmControls c;
    AlarmPanel *alarm = nullptr;
};

TEST_F(AlarmCd, ChoosingTheCdNeedsADisc)
{
    alarm->menu().onMnuCdClick();
    EXPECT_EQ(fakes.prompter.shown.last().text, "You need to put in a CD!");
    EXPECT_EQ(fakes.prompter.shown.last().title, "No CD in the Player");
    EXPECT_EQ(disc.calls, QStringList{"open"});
    EXPECT_FALSE(cdItem.isChecked());
    disc.present = true;
    alarm->menu().onMnuCdClick();
    EXPECT_EQ(fakes.settings.getSetting("Clock", "AlarmType"), "CD");
    EXPECT_TRUE(cdItem.isChecked());
    EXPECT_EQ(disc.calls, QStringList{"open"}); // already open: not opened again
}

TEST_F(AlarmCd, DiscPlaysRewindsOnSnoozeAndStops)
{
    fakes.settings.saveSetting("Clock", "AlarmType", "CD");
    fakes.clock.current = QDateTime(QDate(2026, 12, 9), QTime(9, 31, 0, 400));
    alarm->checkAlarms();
    alarm->ringing().onTimerAlarm(); // no disc: the sound rings instead, and the disc is sought
    EXPECT_EQ(fakes.sound.beeps, 1); // (this application folder has no sound files)
    EXPECT_TRUE(alarm->ringing().sourcePending());
    EXPECT_TRUE(disc.calls.isEmpty());

    disc.present = true;
    alarm->ringing().onTimerAlarm();
    EXPECT_EQ(disc.calls, QStringList{"play"});
    EXPECT_FALSE(alarm->ringing().sourcePending());
    alarm->ringing().onTimerAlarm(); // playing: not asked again
    EXPECT_EQ(disc.calls, QStringList{"play"});

    alarm->ringing().onImgAlarmSnoozeReleased(10, 10);
    EXPECT_EQ(disc.calls, QStringList({"play", "rewind"}));
    EXPECT_EQ(music.calls, QStringList{"showStopped"});

    fakes.clock.advanceMs(5 * 60 * 1000);
    alarm->ringing().onTimerSnooze();
    alarm->ringing().onTimerAlarm();
    EXPECT_EQ(disc.calls, QStringList({"play", "rewind", "play"}));

    alarm->ringing().onImgAlarmStopReleased(10, 10);
    EXPECT_EQ(disc.calls, QStringList({"play", "rewind", "play", "rewind"}));
    EXPECT_FALSE(surface.findChild<QTimer *>("TimerAlarm")->isActive());
    EXPECT_EQ(fakes.sound.beeps, 1);
    EXPECT_TRUE(fakes.prompter.shown.isEmpty());
}

} // namespace
