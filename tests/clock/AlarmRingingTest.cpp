#include "clock/AlarmFixture.h"
#include "clock/AlarmMenu.h"
#include "clock/ClockPanel.h"
#include "clock/ClockTicks.h"
#include "music/MusicPanel.h"
#include "reminders/MissedDays.h"
#include "reminders/ReminderPanels.h"

#include <QAction>
#include <QListWidget>

namespace {

using Alarms = AlarmFixture;

TEST_F(Alarms, OnSlotsRingAtTheirMinuteOffSlotsNeverAndTheHigherSlotIsNamed)
{
    setSlot(2, "7:30:00 AM", "on");
    setSlot(5, "7:30:00 AM", "on");
    setSlot(6, "7:30:00 AM", "off");
    setSlot(7, "7:31:00 AM", "1");
    setSetting("Clock", "A5Title", "7:30:00 AM: Wake up");
    loaded();
    alarm().checkAlarms();
    EXPECT_FALSE(ringingShown());

    check(); // 7:30:00.450
    EXPECT_TRUE(ringingShown());
    EXPECT_TRUE(timer("TimerAlarm")->isActive());
    EXPECT_EQ(text("lblAlarmDesc"), "Alarm 5 has been activated");
    EXPECT_EQ(text("lblAlarmDesc2"), "7:30:00 AM: Wake up");
    EXPECT_EQ(ringing().ringTime(), QDateTime(QDate(2026, 12, 9), QTime(7, 30)));

    ringing().onImgAlarmStopReleased(10, 10);
    EXPECT_FALSE(ringingShown());
    for (int i = 0; i < 70; ++i) // on through 7:31, where only an Off slot is set
        check();
    EXPECT_FALSE(ringingShown());
    EXPECT_FALSE(timer("TimerAlarm")->isActive());
}

TEST_F(Alarms, ALateTickStillRingsOnceAndAnAlarmSleptThroughStaysQuiet)
{
    setSlot(1, "7:30:00 AM", "on");
    setSlot(3, "8:00:00 AM", "on");
    loaded();
    check(3000); // the tick came three seconds late: 7:30:02.5
    EXPECT_TRUE(ringingShown());
    ringing().onImgAlarmStopReleased(10, 10);
    check(400);
    check(950);
    EXPECT_FALSE(ringingShown()); // never twice

    clock.current = QDateTime(QDate(2026, 12, 9), QTime(9, 15)); // woke from sleep
    check();
    EXPECT_FALSE(ringingShown());

    clock.current = QDateTime(QDate(2026, 12, 10), QTime(7, 29, 59, 900)); // the next day
    check();                                                               // 7:30:00.850
    EXPECT_TRUE(ringingShown());
}

TEST_F(Alarms, AlarmsSleptThroughRingLateOrAreListedAsMissedAndSoAreThoseWhileClosed)
{
    setSlot(1, "7:30:00 AM", "on");
    setSlot(2, "6:00:00 AM", "on");
    setSlot(3, "8:00:00 AM", "on");
    setSetting("Clock", "A2Title", "6:00:00 AM: *No Title*");
    setSetting("Clock", "A3Title", "8:00:00 AM: Dentist");
    // Last watched at 4:30; 6:00 fell while the program was closed.
    setSetting("Clock", "AlarmsWatched",
               QDateTime(QDate(2026, 12, 9), QTime(4, 30)).toUTC().toString(Qt::ISODate));
    loaded();
    auto *list = find<QListWidget>("List1");
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(list->item(0)->text(), "Alarm 2 at 6:00 AM on 12/09/2026 was missed");
    EXPECT_FALSE(find<QFrame>("picWarning")->isHidden());
    list->setCurrentRow(0);
    dashboard().reminders().missedDays().onList1Click(); // a note, not a date: nothing more

    clock.current = QDateTime(QDate(2026, 12, 9), QTime(7, 34)); // woke four minutes late
    Q_EMIT fakes.sleep.wokeUp();
    EXPECT_TRUE(ringingShown());
    EXPECT_EQ(text("lblAlarmDesc"), "Alarm 1 rang 4 minutes late: the computer was asleep");
    ringing().onImgAlarmStopReleased(10, 10);

    clock.current = QDateTime(QDate(2026, 12, 9), QTime(8, 45)); // asleep again, longer
    check();
    EXPECT_FALSE(ringingShown());
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(1)->text(), "Alarm 3 'Dentist' at 8:00 AM on 12/09/2026 was missed");
    const Notifier::Notice *notice = fakes.notifier.last("missed-alarms");
    ASSERT_TRUE(notice);
    EXPECT_EQ(notice->summary, "1 missed alarm");
    EXPECT_TRUE(notice->actions.isEmpty()); // the alarm is over: nothing to snooze
    EXPECT_EQ(setting("Clock", "AlarmsWatched"), clock.current.toUTC().toString(Qt::ISODate));
}

TEST_F(Alarms, RingingSoundsTheChosenSoundUntilSnoozedAndAgainAtTheNewTime)
{
    setSlot(1, "7:30:00 AM", "on");
    setSetting("Clock", "Snooze", "2");
    loaded();
    check();
    ringing().onTimerAlarm();
    ringing().onTimerAlarm();
    // A profile that never chose a source rings with the built-in sound.
    EXPECT_EQ(played(), QStringList({"Alarm.wav", "Alarm.wav"}));
    EXPECT_TRUE(timer("TimerAlarmCount")->isActive());

    ringing().onImgAlarmSnoozeReleased(10, 10);
    EXPECT_TRUE(ringing().snoozed());
    EXPECT_TRUE(alarm().snoozed());
    EXPECT_EQ(text("lblSnooze2"), "New Time: 7:32:00 AM");
    EXPECT_FALSE(find<QLabel>("lblSnooze")->isHidden());
    sound.plays.clear();
    for (int i = 0; i < 130; ++i) {
        clock.advanceMs(1000);
        ringing().onTimerSnooze();
        ringing().onTimerAlarm();
        if (!sound.plays.isEmpty())
            break;
    }
    EXPECT_EQ(clock.current.time().toString("h:mm:ss"), "7:32:00");
    EXPECT_TRUE(ringing().snoozed()); // the notice stays until Stop
}

TEST_F(Alarms, AutoStopEndsTheRingingFiveMinutesAfterItBeganSnoozedOrNot)
{
    setSlot(1, "7:30:00 AM", "on");
    setSetting("Clock", "Snooze", "6");
    loaded();
    for (bool snooze : {false, true}) {
        clock.current = QDateTime(QDate(2026, 12, snooze ? 10 : 9), QTime(7, 29, 59, 500));
        check();
        ringing().onTimerAlarm();
        if (snooze)
            ringing().onImgAlarmSnoozeReleased(10, 10);
        sound.plays.clear();
        for (int minute = 1; minute <= 5; ++minute) {
            EXPECT_TRUE(ringingShown()) << minute;
            for (int s = 0; s < 60; ++s) {
                clock.advanceMs(1000);
                ringing().onTimerSnooze();
            }
            ringing().onTimerAlarmCount();
        }
        EXPECT_FALSE(ringingShown());
        EXPECT_FALSE(timer("TimerAlarm")->isActive());
        EXPECT_FALSE(timer("TimerSnooze")->isActive());
        EXPECT_FALSE(timer("TimerAlarmCount")->isActive());
        EXPECT_EQ(ringing().autoStopCount(), 0);
        EXPECT_FALSE(ringing().snoozed());
        ringing().onTimerAlarm();
        if (snooze) {
            EXPECT_TRUE(sound.plays.isEmpty()); // a 6-minute snooze never sounds again
        }
    }
}

TEST_F(Alarms, Mp3SourcePlaysTheSelectedSongOrRingsTheSoundUntilItIsThere)
{
    setSlot(1, "7:30:00 AM", "on");
    Dashboard &d = loaded();
    const QString song = appPath("song.mp3");
    d.music().playList()->addItem(song);
    d.menus().mp3->trigger();
    EXPECT_EQ(setting("Clock", "AlarmType"), "MP3");
    EXPECT_TRUE(d.menus().mp3->isChecked());
    EXPECT_FALSE(d.menus().alarmSounds[0]->isChecked());

    check();
    ringing().onTimerAlarm();
    EXPECT_EQ(played(), QStringList{"Alarm.wav"});
    EXPECT_TRUE(ringing().sourcePending());
    EXPECT_TRUE(fakes.music.opened.isEmpty());

    writeFile(song, "ID3");
    ringing().onTimerAlarm();
    EXPECT_EQ(fakes.music.opened, song);
    EXPECT_TRUE(timer("Timer1")->isActive());
    EXPECT_FALSE(ringing().sourcePending());
    EXPECT_EQ(played().size(), 1);

    ringing().onImgAlarmSnoozeReleased(10, 10);
    EXPECT_EQ(fakes.music.calls.last(), "stop");
    EXPECT_FALSE(timer("Timer1")->isActive());
}

TEST_F(Alarms, TheWatchIsKeptEachMinuteOnlyWhileAnAlarmIsOnAndFromWhenOneIsSwitchedOn)
{
    setSlot(1, "7:00:00 AM", "off");
    Dashboard &d = loaded();
    const QString started = setting("Clock", "AlarmsWatched");
    const auto aMinuteOn = [&] {
        clock.advanceMs(60000);
        alarm().checkAlarms();
        Q_EMIT d.clockPanel().ticks().minute(clock.current);
        return setting("Clock", "AlarmsWatched");
    };
    EXPECT_EQ(aMinuteOn(), started);

    alarm().onCmdAlarmRightReleased(1);
    find<QAction>("mnuAlarmOn")->trigger();
    EXPECT_EQ(setting("Clock", "AlarmsWatched"), clock.current.toUTC().toString(Qt::ISODate));
    const QString kept = aMinuteOn();
    EXPECT_EQ(kept, clock.current.toUTC().toString(Qt::ISODate));
}

TEST_F(Alarms, RingingBringsBackAMinimizedOrHiddenDashboardAndLeavesAShownOneBe)
{
    Dashboard &d = loaded();
    const struct
    {
        bool minimized, hidden;
        int restores;
    } rows[] = {{false, false, 0}, {true, false, 1}, {false, true, 1}};
    for (const auto &row : rows) {
        d.showNormal();
        if (row.minimized)
            d.showMinimized();
        if (row.hidden) // in the tray, where Wayland no longer reads it as minimized
            d.hide();
        fakes.tray.restores = 0;
        ringing().ring(1, clock.current, QStringLiteral("Wake up"), {});
        EXPECT_EQ(fakes.tray.restores, row.restores) << row.minimized << row.hidden;
        ringing().onImgAlarmStopReleased(10, 10);
    }
}

TEST_F(Alarms, ExitSilencesARingingAlarm)
{
    setSlot(1, "7:30:00 AM", "on");
    Dashboard &d = loaded();
    check();
    ringing().onImgAlarmSnoozeReleased(10, 10);
    d.onMnuExitClick();
    EXPECT_TRUE(ringing().silenced());
    EXPECT_FALSE(ringing().snoozed());
    EXPECT_FALSE(ringingShown());
    EXPECT_EQ(endRequests, 1);
}

} // namespace
