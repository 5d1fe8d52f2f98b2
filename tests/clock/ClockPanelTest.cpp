#include "clock/ClockPanel.h"
#include "clock/TimeFormats.h"
#include "support/DashboardFixture.h"

#include <QAction>
#include <QLabel>
#include <QSignalSpy>
#include <QTimer>

namespace {

class ClockFace : public DashboardFixture
{
protected:
    ClockFace()
    {
        setSetting("System", "AutoHide", "True");
        clock.current = QDateTime(QDate(2026, 12, 9), QTime(17, 45, 12));
    }
    ClockPanel &face() { return dashboard().clockPanel(); }
    QAction *mnu24() { return dashboard().menus().show24Hour; }
    QAction *mnuSecs() { return dashboard().menus().showSeconds; }
    QStringList labels()
    {
        QStringList texts;
        for (QLabel *l : dashboard().findChildren<QLabel *>("lblClock"))
            texts << l->text();
        return texts;
    }
};

TEST(TimeFormats, NamedFormatsWithDesignators)
{
    EXPECT_EQ(TimeFormats::shortTime(QTime(17, 45)), "17:45");
    EXPECT_EQ(TimeFormats::mediumTime(QTime(17, 45)), "05:45 PM");
    EXPECT_EQ(TimeFormats::longTime(QTime(17, 45, 12)), "5:45:12 PM");
    EXPECT_EQ(TimeFormats::longTime(QTime(0, 5, 9)), "12:05:09 AM");
    EXPECT_EQ(TimeFormats::mediumTime(QTime(0, 5)), "12:05 AM");
    EXPECT_EQ(TimeFormats::shortTime(QTime(0, 5)), "00:05");
    EXPECT_EQ(TimeFormats::longTime(QTime(12, 0)), "12:00:00 PM");
    EXPECT_EQ(TimeFormats::display(QTime(9, 1, 2), 12, 0), "09:01 AM");
    EXPECT_EQ(TimeFormats::display(QTime(9, 1, 2), 24, 1), "09:01");
}

TEST_F(ClockFace, FreshProfileShowsLongTimeWithSeconds)
{
    loaded();
    EXPECT_EQ(labels(), QStringList({"5:45:12 PM", "5:45:12 PM"}));
    EXPECT_FALSE(mnu24()->isChecked());
    EXPECT_TRUE(mnuSecs()->isChecked());
    EXPECT_TRUE(mnuSecs()->isEnabled());
    // Both figures, the yellow one 45 twips left of and 75 above the black one.
    const auto faces = dashboard().findChildren<QLabel *>("lblClock");
    ASSERT_EQ(faces.size(), 2);
    EXPECT_EQ(faces[0]->pos() - faces[1]->pos(), QPoint(3, 5));
}

TEST_F(ClockFace, TickShowsTheCurrentTime)
{
    loaded();
    QSignalSpy seconds(&face().ticks(), &ClockTicks::second);
    QSignalSpy minutes(&face().ticks(), &ClockTicks::minute);
    clock.advanceMs(1000);
    face().onTimerClock2();
    EXPECT_EQ(labels().first(), "5:45:13 PM");
    EXPECT_EQ(seconds.count(), 1);
    EXPECT_EQ(timer("TimerClock2")->isActive(), true);
    // A minute is told once, on its first tick, however the ticks fall.
    for (int ms : {46000, 1000, 61500, 200})
        clock.advanceMs(ms), face().onTimerClock2();
    EXPECT_EQ(minutes.count(), 2);
}

TEST_F(ClockFace, TwentyFourHourModeAndBackKeepsTheSecondsChoice)
{
    loaded();
    mnuSecs()->trigger(); // seconds off
    EXPECT_EQ(setting("Clock", "ShowSecs"), "0");
    EXPECT_EQ(labels().first(), "05:45 PM");

    mnu24()->trigger();
    EXPECT_TRUE(mnu24()->isChecked());
    EXPECT_EQ(setting("clock", "timeformat"), "24");
    EXPECT_EQ(labels().first(), "17:45");
    EXPECT_FALSE(mnuSecs()->isChecked());
    EXPECT_FALSE(mnuSecs()->isEnabled());

    mnu24()->trigger();
    EXPECT_FALSE(mnu24()->isChecked());
    EXPECT_EQ(setting("Clock", "TimeFormat"), "12");
    EXPECT_EQ(labels().first(), "05:45 PM");
    EXPECT_TRUE(mnuSecs()->isEnabled());
    EXPECT_FALSE(mnuSecs()->isChecked()); // still off, as chosen before

    mnuSecs()->trigger();
    EXPECT_TRUE(mnuSecs()->isChecked());
    EXPECT_EQ(setting("Clock", "ShowSecs"), "1");
    face().onTimerClock2();
    EXPECT_EQ(labels().first(), "5:45:12 PM");
}

TEST_F(ClockFace, StoredChoicesAreRestoredAtLoad)
{
    setSetting("CLOCK", "TimeFormat", "24");
    setSetting("Clock", "ShowSecs", "0");
    loaded();
    EXPECT_EQ(labels().first(), "17:45");
    EXPECT_TRUE(mnu24()->isChecked());
    EXPECT_FALSE(mnuSecs()->isChecked());
    // In 24-hour mode the seconds item changes nothing.
    mnuSecs()->trigger();
    EXPECT_FALSE(mnuSecs()->isChecked());
    EXPECT_EQ(setting("Clock", "ShowSecs"), "0");
    EXPECT_EQ(labels().first(), "17:45");
}

TEST_F(ClockFace, UnusableStoredValuesReadAsDefaults)
{
    setSetting("Clock", "TimeFormat", "twenty-four");
    setSetting("Clock", "ShowSecs", "yes");
    loaded();
    EXPECT_EQ(labels().first(), "5:45:12 PM");
}

TEST_F(ClockFace, EachNewDayIsSeenOnceWhicheverWayTheDateMoves)
{
    clock.current = QDateTime(QDate(2026, 12, 9), QTime(23, 59, 59));
    Dashboard &d = loaded();
    QSignalSpy days(&face().ticks(), &ClockTicks::dayChanged);
    face().onTimerClock2();
    EXPECT_EQ(days.count(), 0);

    clock.advanceMs(2000); // past midnight
    face().onTimerClock2();
    face().onTimerClock2();
    EXPECT_EQ(days.count(), 1);
    EXPECT_EQ(d.windowTitle(), "Orvane    Thursday, Dec 10 2026");
    EXPECT_EQ(d.currentDay(), QDate(2026, 12, 10));

    clock.current = QDateTime(QDate(2026, 12, 8), QTime(12, 0)); // set back by hand
    face().onTimerClock2();
    EXPECT_EQ(days.count(), 2);
    EXPECT_EQ(d.windowTitle(), "Orvane    Tuesday, Dec 8 2026");

    clock.current = QDateTime(QDate(2026, 12, 14), QTime(7, 0)); // woke after days asleep
    face().onTimerClock2();
    face().onTimerClock2();
    EXPECT_EQ(days.count(), 3);
    EXPECT_EQ(days.last().first().toDate(), QDate(2026, 12, 14));
}

} // namespace
