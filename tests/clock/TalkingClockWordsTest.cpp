#include "clock/TimeAnnouncement.h"

#include <gtest/gtest.h>

using namespace TimeAnnouncement;

TEST(TalkingClockWords, StoredModeReadsOnlyOneToThree)
{
    EXPECT_EQ(modeFromText("1"), Every15);
    EXPECT_EQ(modeFromText(" 2 "), Every30);
    EXPECT_EQ(modeFromText("3"), EveryHour);
    for (const char *off : {"0", "4", "-1", "", "every hour", "1.5"})
        EXPECT_EQ(modeFromText(off), Off) << off;
}

TEST(TalkingClockWords, HourAndMinuteWords)
{
    EXPECT_EQ(hourWord(0), "\\Times\\12.wav");
    EXPECT_EQ(hourWord(12), "\\Times\\12.wav");
    EXPECT_EQ(hourWord(13), "\\Times\\1.wav");
    EXPECT_EQ(hourWord(23), "\\Times\\11.wav");
    EXPECT_EQ(hourWord(24), "\\Times\\1.wav");
    EXPECT_EQ(minuteWord(0), "\\Times\\OClock.wav");
    EXPECT_EQ(minuteWord(45), "\\Times\\45.wav");
    EXPECT_EQ(minuteWord(16), "");
    EXPECT_EQ(oClockWord(), "\\Times\\OClock.wav");
}

TEST(TalkingClockWords, EachMinuteIsSpokenOnce)
{
    AnnouncementSchedule schedule;
    const QDate day(2026, 12, 9);
    EXPECT_FALSE(schedule.due(Every15, QDateTime(day, QTime(7, 14, 59))));
    EXPECT_TRUE(schedule.due(Every15, QDateTime(day, QTime(7, 15, 0))));
    schedule.spoken(QDateTime(day, QTime(7, 15, 0)));
    EXPECT_FALSE(schedule.due(Every15, QDateTime(day, QTime(7, 15, 59))));
    // A clock that jumped past the quarter in between still speaks the next one.
    EXPECT_TRUE(schedule.due(Every15, QDateTime(day, QTime(7, 30, 0))));
    // The same time on another day is a new minute.
    EXPECT_TRUE(schedule.due(Every15, QDateTime(day.addDays(1), QTime(7, 15, 0))));
    schedule.reset();
    EXPECT_TRUE(schedule.due(Every15, QDateTime(day, QTime(7, 15, 30))));
}
