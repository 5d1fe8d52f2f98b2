#include "clock/AlarmMenu.h"
#include "clock/AlarmPanel.h"
#include "clock/AlarmRinging.h"
#include "music/CdAudio.h"
#include "music/MusicPanel.h"
#include "music/SimulatedCdDrive.h"
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

// The alarm over a simulated drive, outside the dashboard, so the disc can be watched.
class AlarmCd : public ::testing::Test
{
protected:
    AlarmCd()
    {
        for (const char *name : {"picAlarms", "picAlarmActive"})
            (new QFrame(&surface))->setObjectName(QLatin1String(name));
        auto owned = std::make_unique<SimulatedCdDrive>();
        drive = owned.get();
        cd = new CdAudio(fakes.services, &surface, &timerCD, std::move(owned));
        music = new MusicPanel(fakes.services, &surface, &timer1);
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
        c.timerAlarmCheck = &check;
        c.timerAlarm = &ring;
        c.timerSnooze = &snooze;
        c.timerAlarmCount = &count;
        c.timer1 = &timer1;
        c.music = music;
        c.cdAudio = cd;
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
    QTimer timerCD, timer1, check, ring, snooze, count;
    SimulatedCdDrive *drive = nullptr;
    CdAudio *cd = nullptr;
    MusicPanel *music = nullptr;
    AlarmControls c;
    AlarmPanel *alarm = nullptr;
};

TEST_F(AlarmCd, ChoosingTheCdNeedsADisc)
{
    alarm->menu().onMnuCdClick();
    EXPECT_EQ(fakes.prompter.shown.last().text, "You need to put in a CD!");
    EXPECT_EQ(fakes.prompter.shown.last().title, "No CD in the Player");
    EXPECT_TRUE(cd->deviceOpen());
    EXPECT_FALSE(cdItem.isChecked());
    drive->insertDisc({240, 240, 240});
    alarm->menu().onMnuCdClick();
    EXPECT_EQ(fakes.settings.getSetting("Clock", "AlarmType"), "CD");
    EXPECT_TRUE(cdItem.isChecked());
}

TEST_F(AlarmCd, DiscPlaysRewindsOnSnoozeAndStops)
{
    alarm->menu().onMnuCdClick(); // no disc yet: the source stays the sound
    fakes.settings.saveSetting("Clock", "AlarmType", "CD");
    fakes.clock.current = QDateTime(QDate(2026, 12, 9), QTime(9, 31, 0, 400));
    alarm->onTimerAlarmCheck();
    alarm->ringing().onTimerAlarm(); // no disc: the sound rings instead, and the disc is sought
    EXPECT_EQ(fakes.sound.beeps, 1); // (this application folder has no sound files)
    EXPECT_TRUE(alarm->ringing().sourcePending());

    drive->insertDisc({240, 240, 240});
    cd->onTimerCD(); // the disc poll sees it
    alarm->ringing().onTimerAlarm();
    EXPECT_TRUE(drive->playing());
    EXPECT_FALSE(alarm->ringing().sourcePending());
    drive->advance(75 * 250); // into track 2
    cd->refreshDisc();
    ASSERT_EQ(cd->currentTrack(), 2);

    alarm->ringing().onImgAlarmSnoozeReleased(10, 10);
    EXPECT_FALSE(drive->playing());
    EXPECT_EQ(drive->seeks().last(), 2);
    EXPECT_TRUE(fakes.prompter.shown.size() == 1); // only the "put in a CD" message

    fakes.clock.advanceMs(5 * 60 * 1000);
    alarm->ringing().onTimerSnooze();
    alarm->ringing().onTimerAlarm();
    EXPECT_TRUE(drive->playing());

    alarm->ringing().onImgAlarmStopReleased(10, 10);
    EXPECT_FALSE(drive->playing());
    EXPECT_FALSE(ring.isActive());
    EXPECT_EQ(fakes.sound.beeps, 1);
}

} // namespace
