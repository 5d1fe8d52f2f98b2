#include "clock/AlarmWatch.h"
#include "clock/AlarmSettings.h"
#include "platform/IniSettingsStore.h"

#include <QTemporaryDir>
#include <QTimeZone>

#include <gtest/gtest.h>

namespace {

const QDate kDay(2026, 12, 9);

// Slots 1 to 3 at 7:30, 8:00 and 9:00; slot 4 at 5:00; all on but slot 3.
class Watch : public ::testing::Test
{
protected:
    Watch()
    {
        const QStringList times{"7:30:00 AM", "8:00:00 AM", "9:00:00 AM", "5:00:00 AM"};
        for (int slot = 1; slot <= times.size(); ++slot)
            settings.saveSetting("Clock", AlarmSettings::timeKey(slot), times[slot - 1]);
    }
    static std::string shown(const QList<AlarmMoment> &moments)
    {
        QStringList out;
        for (const AlarmMoment &m : moments)
            out << QStringLiteral("%1@%2").arg(m.slot).arg(m.at.toString("MM-dd hh:mm"));
        return out.join(" ").toStdString();
    }
    QTemporaryDir dir;
    IniSettingsStore settings{dir.filePath("settings.ini")};
    AlarmWatch watch{settings};
    QStringList states{"on", "on", "off", "on", "off", "off", "off", "off"};
};

TEST_F(Watch, AJumpOverAnAlarmRingsItLateOrReportsItMissed)
{
    struct Case
    {
        const char *what;
        QTime before, after;
        const char *due, *late, *missed;
    };
    const Case cases[] = {
        {"a tick over 7:30", {7, 29, 59}, {7, 30, 0, 500}, "1@12-09 07:30", "", ""},
        {"asleep, 4 minutes past", {7, 20}, {7, 34}, "", "1@12-09 07:30", ""},
        {"asleep, 40 and 10 minutes past", {7, 20}, {8, 10}, "", "2@12-09 08:00", "1@12-09 07:30"},
        {"asleep past an alarm that is off", {8, 50}, {9, 5}, "", "", ""},
        {"the clock set back over alarms", {8, 10}, {7, 0}, "", "", ""},
    };
    for (const Case &c : cases) {
        AlarmWatch fresh(settings);
        fresh.check(states, QDateTime(kDay, c.before));
        const AlarmWatch::Found found = fresh.check(states, QDateTime(kDay, c.after));
        EXPECT_EQ(shown(found.due), c.due) << c.what;
        EXPECT_EQ(shown(found.late), c.late) << c.what;
        EXPECT_EQ(shown(found.missed), c.missed) << c.what;
    }
}

TEST_F(Watch, AStartReportsTheAlarmsThatFellSinceTheLastRunOnce)
{
    // A first start has no moment to look back to.
    EXPECT_EQ(shown(watch.startWatching(states, QDateTime(kDay, QTime(5, 15)))), "");
    watch.record(); // the program ends at once

    AlarmWatch later(settings); // three hours later: 5:00 and 9:00 lie outside
    EXPECT_EQ(shown(later.startWatching(states, QDateTime(kDay, QTime(8, 15)))),
              "1@12-09 07:30 2@12-09 08:00");
    AlarmWatch again(settings);
    EXPECT_EQ(shown(again.startWatching(states, QDateTime(kDay, QTime(8, 20)))), "");

    // However long the program was away, it looks back a month.
    AlarmWatch away(settings);
    EXPECT_EQ(away.startWatching(states, QDateTime(kDay.addDays(60), QTime(4, 0))).size(),
              3 * AlarmWatch::kLookBackDays);
}

TEST_F(Watch, ClockChangesNeitherInventNorLoseAnAlarm)
{
    const QTimeZone berlin("Europe/Berlin");
    ASSERT_TRUE(berlin.isValid());
    settings.saveSetting("Clock", AlarmSettings::timeKey(1), "2:30:00 AM"); // inside the change
    settings.saveSetting("Clock", AlarmSettings::timeKey(2), "7:00:00 AM");
    const QStringList twoOn{"on", "on"};
    // The last Sundays of March (2:00 to 3:00 is skipped) and October (2:00 to 3:00 twice).
    for (const QDate sunday : {QDate(2026, 3, 29), QDate(2026, 10, 25)}) {
        const QDateTime saturday(sunday.addDays(-1), QTime(22, 0), berlin);
        const QDateTime morning(sunday, QTime(9, 0), berlin);

        AlarmWatch closed(settings);
        closed.check(twoOn, saturday);
        closed.record();
        const QList<AlarmMoment> missed = AlarmWatch(settings).startWatching(twoOn, morning);
        ASSERT_EQ(missed.size(), 2) << shown(missed);
        EXPECT_EQ(missed[0].slot, 1);
        EXPECT_EQ(missed[1].at, QDateTime(sunday, QTime(7, 0), berlin));

        AlarmWatch running(settings); // ticks through the night, 20 s apart
        QList<AlarmMoment> rung;
        for (QDateTime t = saturday; t <= morning; t = t.addSecs(20)) {
            const AlarmWatch::Found found = running.check(twoOn, t);
            EXPECT_TRUE(found.late.isEmpty() && found.missed.isEmpty());
            rung << found.due;
        }
        EXPECT_EQ(shown(rung), shown(missed)) << sunday.toString().toStdString();
    }
}

} // namespace
