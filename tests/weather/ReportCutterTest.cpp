#include "weather/ReportCutter.h"
#include "WeatherPages.h"
#include "support/RecordingFields.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace WeatherPages;
using F = WeatherField;

namespace {

const QChar kDeg(0xB0);

class ReportCutterTest : public ::testing::Test
{
protected:
    QDateTime now{QDate(2026, 12, 9), QTime(9, 30)}; // a Wednesday
    RecordingFields fields;
    Report report = withTomorrow({}, QStringLiteral("Thursday"));

    int run(ReportKind kind, const QString &page)
    {
        ReportCutter cutter(kind, fields, [this] { return now.date(); });
        return cutter.run(page);
    }
};

} // namespace

TEST_F(ReportCutterTest, UsPageWritesEveryFieldInItsOrder)
{
    EXPECT_EQ(run(ReportKind::Us, usPage(report)), 0);
    EXPECT_EQ(fields.text(F::Title), " Colorado Springs, Colorado");
    EXPECT_EQ(fields.text(F::CurTemp), "36" + QString(kDeg));
    EXPECT_EQ(fields.text(F::Celsius), "2" + QString(kDeg) + "c");
    EXPECT_EQ(fields.text(F::Humidity), "52%");
    EXPECT_EQ(fields.text(F::Dew), "21" + QString(kDeg) + "F");
    EXPECT_EQ(fields.text(F::Cond), "Partly Cloudy");
    EXPECT_EQ(fields.pictures.value(WeatherPicture::Cond), 10);
    EXPECT_EQ(fields.text(F::Sunrise), "6:58 AM "); // the first 8 characters
    EXPECT_EQ(fields.text(F::Sunset), "4:36 PM ");
    EXPECT_EQ(fields.text(F::Wind), "From the NW at 14 MPH");
    EXPECT_EQ(fields.text(F::WindChill), "30" + QString(kDeg));
    EXPECT_EQ(fields.text(F::WindGust), "22 MPH");
    EXPECT_EQ(fields.text(F::Today), "Mostly sunny. Highs in the upper 40s.");
    EXPECT_EQ(fields.text(F::Tomorrow), "Sunny. Highs in the lower 50s.");
    EXPECT_EQ(fields.text(F::TomNight), "Partly cloudy. Lows in the mid 20s."); // trimmed
    EXPECT_EQ(fields.pictures.value(WeatherPicture::Moon), 13);
    EXPECT_EQ(fields.order(),
              QList<F>({F::Title, F::CurTemp, F::Celsius, F::Humidity, F::Dew, F::Cond, F::Sunrise,
                        F::Sunset, F::Tonight, F::Wind, F::WindChill, F::WindGust, F::Today,
                        F::Tomorrow, F::TomNight}));
    EXPECT_EQ(fields.log.last(), "collecting hidden");
    EXPECT_TRUE(fields.log.contains("celsius shown"));
}

TEST_F(ReportCutterTest, WorldAndSearchedPagesKeepTheirOwnOrdersAndUnits)
{
    report.temperature = "46";
    report.celsius = "8";
    report.dewPoint = "5";
    report.windGust = "-";
    report.wind = "Calm";
    report.tonight = "Low: 4 &#176;C.";
    EXPECT_EQ(run(ReportKind::World, worldPage(report)), 0);
    EXPECT_EQ(fields.text(F::CurTemp), "46" + QString(kDeg));
    EXPECT_EQ(fields.text(F::Celsius), "8" + QString(kDeg) + "c");
    EXPECT_EQ(fields.text(F::Dew), "5" + QString(kDeg) + "C");
    EXPECT_EQ(fields.text(F::Sunrise), "6:58 AM MST"); // not shortened
    EXPECT_EQ(fields.text(F::Tonight), "Low: 4 " + QString(kDeg) + "C.");
    EXPECT_EQ(fields.text(F::Wind), "Calm");
    EXPECT_EQ(fields.text(F::WindGust), "N/A kph");
    EXPECT_FALSE(fields.log.contains("celsius shown"));
    const QList<F> worldTail{F::Wind,  F::WindChill, F::WindGust,
                             F::Today, F::Tomorrow,  F::TomNight};
    EXPECT_EQ(fields.order().mid(9), worldTail);
    // The moon comes between the gust and today.
    EXPECT_LT(fields.log.indexOf("picture 1=13"), fields.log.indexOf(QRegularExpression("12=.*")));

    fields = {};
    report.wind = "<b>19</b>";
    EXPECT_EQ(run(ReportKind::World, worldPage(report)), 0);
    EXPECT_EQ(fields.text(F::Wind), "19 kph");

    fields = {};
    report.wind = "<b>11</b>";
    EXPECT_EQ(run(ReportKind::Searched, searchedPage(report)), 0);
    EXPECT_EQ(fields.text(F::Wind), "11 kph");
    EXPECT_EQ(fields.text(F::Tomorrow), "Sunny. Highs in the lower 50s.");
    EXPECT_EQ(fields.order(),
              QList<F>({F::Title, F::CurTemp, F::Celsius, F::Humidity, F::Dew, F::Cond, F::Sunrise,
                        F::Sunset, F::Today, F::Tonight, F::TomNight, F::Tomorrow, F::Wind,
                        F::WindChill, F::WindGust}));
    EXPECT_EQ(fields.pictures.value(WeatherPicture::Moon), 13);
    EXPECT_TRUE(fields.collectingHidden);
}

TEST_F(ReportCutterTest, NotFoundTitlesEndTheRunWithoutTouchingTheFields)
{
    EXPECT_EQ(run(ReportKind::Us, notFoundPage()), 0);
    EXPECT_EQ(fields.log, QStringList({"collecting hidden", "0=CITY NOT FOUND"}));

    for (const QString &page :
         {searchForPage("London England"), shortPage("Welcome"), notFoundPage()}) {
        fields = {};
        EXPECT_EQ(run(ReportKind::World, page), 0);
        EXPECT_EQ(fields.searches, 1);
        EXPECT_TRUE(fields.log.isEmpty()) << fields.log.join(", ").toStdString();

        fields = {};
        EXPECT_EQ(run(ReportKind::Searched, page), 0);
        EXPECT_EQ(fields.log, QStringList("0=No Data Found"));
    }
    // "Search For" is a world page's title; to the US report it is a place like any other.
    fields = {};
    EXPECT_EQ(run(ReportKind::Us, searchForPage("x")), -1);
    EXPECT_EQ(fields.text(F::Title), " Search For x");
}

TEST_F(ReportCutterTest, AFailedStepEndsTheRunAndKeepsEarlierFields)
{
    // A page shorter than 7089: the title is written, the temperature cut fails.
    EXPECT_EQ(run(ReportKind::Us, shortPage("Pueblo, Colorado")), -1);
    EXPECT_EQ(fields.log, QStringList("0= Pueblo, Colorado"));

    fields = {};
    report.temperature = "abc";
    EXPECT_EQ(run(ReportKind::Us, usPage(report)), -1);
    EXPECT_EQ(
        fields.log,
        QStringList({"0= Colorado Springs, Colorado", "1=abc" + QString(kDeg), "celsius shown"}));

    fields = {};
    report.temperature = "36";
    report.moon = "moon31";
    EXPECT_EQ(run(ReportKind::Us, usPage(report)), -1);
    EXPECT_FALSE(fields.pictures.contains(WeatherPicture::Moon));
    EXPECT_FALSE(fields.collectingHidden);
    EXPECT_EQ(fields.text(F::TomNight), "Partly cloudy. Lows in the mid 20s.");

    fields = {};
    report.moon = "moon30";
    report.windChill = "abc";
    report.windGust = "abc";
    report.conditions = "sunny";
    EXPECT_EQ(run(ReportKind::Us, usPage(report)), 0);
    EXPECT_EQ(fields.pictures.value(WeatherPicture::Moon), 31);
    EXPECT_EQ(fields.text(F::WindChill), "N/A" + QString(kDeg));
    EXPECT_EQ(fields.text(F::WindGust), "N/A MPH");
    EXPECT_EQ(fields.pictures.value(WeatherPicture::Cond), 16);
}

TEST_F(ReportCutterTest, TodayRule)
{
    report.today = "ETA 5 PM";
    report.afternoon = "Afternoon showers.";
    run(ReportKind::Us, usPage(report));
    EXPECT_EQ(fields.text(F::Today), "Afternoon showers.");

    const struct
    {
        ReportKind kind;
        const char *today, *afternoon, *shown;
    } cases[] = {{ReportKind::Us, "EQUIV 30", "", "n/a"},
                 {ReportKind::Us, "TAKE CARE", "", "TAKE CARE"},
                 {ReportKind::Us, "ETA 5 PM", "EQUIV 3", "n/a"},
                 {ReportKind::World, "TA 2", "", "n/a"},
                 {ReportKind::World, "EQUIV 30", "", "EQUIV 30"},
                 {ReportKind::Searched, "ETA 1", "TA 3", "n/a"}};
    for (const auto &c : cases) {
        fields = {};
        report.today = c.today;
        report.afternoon = c.afternoon;
        const QString page = c.kind == ReportKind::Us ? usPage(report)
            : c.kind == ReportKind::World             ? worldPage(report)
                                                      : searchedPage(report);
        EXPECT_EQ(run(c.kind, page), 0) << c.today;
        EXPECT_EQ(fields.text(F::Today), c.shown) << c.today;
    }
    // "ETA" without an afternoon paragraph: its cut starts at position 26 of the page and
    // runs to the first row end there.
    fields = {};
    report.today = "ETA 5 PM";
    report.afternoon.clear();
    EXPECT_EQ(run(ReportKind::Us, usPage(report)), 0);
    EXPECT_TRUE(fields.text(F::Today).startsWith("r Underground: Colorado"));
}

TEST_F(ReportCutterTest, TomorrowIsTakenAtEachStep)
{
    report.days
        = {{"Thursday", "Thu day.", " Thu night. "}, {"Friday", "Fri day.", " Fri night. "}};
    now = QDateTime(QDate(2026, 12, 9), QTime(23, 59, 59));
    EXPECT_EQ(run(ReportKind::Us, usPage(report)), 0);
    EXPECT_EQ(fields.text(F::Tomorrow), "Thu day.");
    EXPECT_EQ(fields.text(F::TomNight), "Thu night.");

    // Midnight passes between the two steps: the night paragraph is Friday's.
    fields = {};
    fields.afterWrite = [this](F field) {
        if (field == F::Tomorrow)
            now = now.addSecs(2);
    };
    now = QDateTime(QDate(2026, 12, 9), QTime(23, 59, 59));
    EXPECT_EQ(run(ReportKind::Us, usPage(report)), 0);
    EXPECT_EQ(fields.text(F::Tomorrow), "Thu day.");
    EXPECT_EQ(fields.text(F::TomNight), "Fri night.");

    fields = {};
    now = QDateTime(QDate(2026, 12, 10), QTime(0, 0, 1));
    EXPECT_EQ(run(ReportKind::World, worldPage(report)), 0);
    EXPECT_EQ(fields.text(F::Tomorrow), "Fri day.");
    EXPECT_EQ(fields.text(F::TomNight), " Fri night. "); // blanks stay on world pages
}
