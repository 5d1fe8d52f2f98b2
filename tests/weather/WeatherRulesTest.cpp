#include "weather/WeatherRules.h"
#include "common/MarkerCut.h"
#include "weather/WeatherQuery.h"

#include <gtest/gtest.h>

using namespace WeatherRules;

namespace {

std::optional<QString> cut(const QString &page, int start, const char *marker, int skip,
                           const char *end)
{
    const auto value
        = markerCut(page, {start, QString::fromLatin1(marker), skip, QString::fromLatin1(end)});
    return value ? std::optional<QString>(value->toString()) : std::nullopt;
}

} // namespace

TEST(MarkerCut, PositionsCountFromOneAndAMissingMarkerStartsAtTheSkip)
{
    const QString page = QStringLiteral("ab[Temp]xx42|yy[Temp]zz7|");
    //                                   1234567890123
    EXPECT_EQ(cut(page, 1, "[Temp]", 8, "|"), "42");
    // The search starts at S: the second marker.
    EXPECT_EQ(cut(page, 4, "[Temp]", 8, "|"), "7");
    // Case matters; an absent marker is no failure: the value starts at position K.
    EXPECT_EQ(cut(page, 1, "[temp]", 11, "|"), "42");
    // S beyond the end finds no marker either.
    EXPECT_EQ(cut(page, 500, "[Temp]", 11, "|"), "42");
    EXPECT_EQ(cut(page, 1, "[Temp]", 8, "4"), "");
    // A missing end marker, or one only before the start, fails the step.
    EXPECT_EQ(cut(page, 1, "[Temp]", 8, "#"), std::nullopt);
    EXPECT_EQ(cut(page, 1, "[Temp]", 8, "ab"), std::nullopt);
    EXPECT_EQ(cut(QString(), 1, "x", 1, "y"), std::nullopt);
}

TEST(WeatherRules, CelsiusRoundsHalvesToEven)
{
    EXPECT_EQ(celsiusText("36"), QStringLiteral("2°c"));
    EXPECT_EQ(celsiusText("41"), QStringLiteral("5°c"));
    EXPECT_EQ(celsiusText("40.1"), QStringLiteral("4°c")); // 4.5 goes to 4
    EXPECT_EQ(celsiusText("41.9"), QStringLiteral("6°c")); // 5.5 goes to 6
    EXPECT_EQ(celsiusText("-4"), QStringLiteral("-20°c"));
    EXPECT_EQ(celsiusText("32"), QStringLiteral("0°c"));
    EXPECT_EQ(celsiusText("31.5"), QStringLiteral("0°c")); // -0.28: no "-0"
    EXPECT_EQ(celsiusText("abc"), std::nullopt);
    EXPECT_EQ(celsiusText(""), std::nullopt);
    EXPECT_EQ(celsiusText("1e300"), std::nullopt);
}

TEST(WeatherRules, ConditionAndMoonPictures)
{
    EXPECT_EQ(conditionPicture("sunny"), 16);
    EXPECT_EQ(conditionPicture("Sunny"), conditionPicture("Clear"));
    EXPECT_EQ(conditionPicture("Clear"), 15);
    EXPECT_EQ(conditionPicture("Patches of Fog"), conditionPicture("Fog"));
    EXPECT_EQ(conditionPicture("Light Drizzle"), 7);
    EXPECT_EQ(conditionPicture("Unknown"), 16);
    EXPECT_EQ(conditionPicture(""), 16);

    EXPECT_EQ(moonPicture("moon12"), 13);
    EXPECT_EQ(moonPicture("moon0"), 1);
    EXPECT_EQ(moonPicture("moon30"), 31);
    EXPECT_EQ(moonPicture("moon31"), std::nullopt);
    EXPECT_EQ(moonPicture("moonxx"), std::nullopt);
    EXPECT_EQ(moonPicture("moon"), std::nullopt);
    EXPECT_EQ(moonPicture("moon-1"), std::nullopt);
}

TEST(WeatherQuery, PlacesBecomeQueries)
{
    using namespace WeatherQuery;
    EXPECT_EQ(usQuery("80917"), "80917");
    EXPECT_EQ(usQuery("Denver CO"), "Denver+CO");
    EXPECT_EQ(worldQuery("London England"), "London+United+Kingdom");
    EXPECT_EQ(worldQuery("Glasgow Scotland"), "Glasgow+United+Kingdom");
    EXPECT_EQ(worldQuery("80917"), std::nullopt);
    EXPECT_EQ(worldQuery(""), "");
    EXPECT_TRUE(hasComma("Denver, CO"));
    EXPECT_EQ(tomorrowName(QDate(2026, 12, 9)), "Thursday");
    EXPECT_EQ(tomorrowName(QDate(2026, 12, 31)), "Friday");
}

TEST(WeatherSchedule, CollectingEndsOnTheFifthTickAndRefreshEveryTwentiethMinute)
{
    WeatherSchedule s;
    EXPECT_FALSE(s.collectTick());
    s.startCollecting();
    for (int i = 1; i < WeatherSchedule::kCollectTicks; ++i)
        EXPECT_FALSE(s.collectTick());
    EXPECT_TRUE(s.collectTick());
    EXPECT_FALSE(s.collecting());

    int due = 0;
    for (int minute = 1; minute <= 60; ++minute) {
        // Disabled during the second twenty minutes: that mark passes without a report.
        const bool disabled = minute > 20 && minute <= 40;
        if (s.refreshTick(disabled)) {
            ++due;
            EXPECT_TRUE(minute == 20 || minute == 60) << minute;
        }
    }
    EXPECT_EQ(due, 2);
}
