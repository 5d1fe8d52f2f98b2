#include "netutil/MinuteSchedule.h"

#include <gtest/gtest.h>

namespace {

TEST(MinuteSchedule, ChecksMailWhenTheCountReachesTheDelay)
{
    MinuteSchedule minutes;
    EXPECT_FALSE(minutes.tick("3", false).checkMail);
    EXPECT_FALSE(minutes.tick("3", false).checkMail);
    const auto third = minutes.tick(" 3 ", false);
    EXPECT_TRUE(third.checkMail);
    EXPECT_TRUE(third.checkConnectivity);
    EXPECT_EQ(minutes.counter(), 0);
}

TEST(MinuteSchedule, UnusableDelayStillRefreshesTheStatus)
{
    for (const char *delay : {"", "abc", "5 minutes", "99999999999"}) {
        MinuteSchedule minutes;
        for (int i = 0; i < 10; ++i) {
            const auto actions = minutes.tick(delay, false);
            EXPECT_FALSE(actions.checkMail) << delay;
            EXPECT_TRUE(actions.checkConnectivity) << delay;
        }
    }
}

TEST(MinuteSchedule, DisabledMailSkipsThatMinuteAndKeepsCounting)
{
    MinuteSchedule minutes;
    minutes.tick("2", true);
    const auto second = minutes.tick("2", true);
    EXPECT_FALSE(second.checkMail);
    EXPECT_FALSE(second.checkConnectivity);
    EXPECT_EQ(minutes.counter(), 2);
    EXPECT_TRUE(minutes.tick("2", true).checkConnectivity);
    EXPECT_EQ(minutes.counter(), 3);
}

TEST(MinuteSchedule, CountStopsAtItsLargestValueAndARestartCountsAfresh)
{
    MinuteSchedule minutes;
    for (int i = 0; i < 32767; ++i)
        minutes.tick("", true);
    EXPECT_EQ(minutes.counter(), 32767);
    EXPECT_TRUE(minutes.tick("", true).checkConnectivity);
    EXPECT_EQ(minutes.counter(), 32767);
    minutes.restart();
    EXPECT_FALSE(minutes.tick("2", false).checkMail);
    EXPECT_TRUE(minutes.tick("2", false).checkMail);
}

} // namespace
