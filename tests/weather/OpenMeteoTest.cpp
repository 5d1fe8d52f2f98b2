// The live source without the panel: its questions, its reading of the answers, and a run over
// the loopback fixture's recorded answers, bad ones included.
#include "FixtureServer.h"
#include "OpenMeteoAnswers.h"
#include "common/PageFetch.h"
#include "support/Fakes.h"
#include "support/RecordingFields.h"
#include "weather/OpenMeteoReading.h"
#include "weather/OpenMeteoSource.h"
#include "weather/WeatherRules.h"

#include <QNetworkAccessManager>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <ctime>

using namespace OpenMeteoQuery;
using namespace OpenMeteoReading;
namespace Answers = OpenMeteoAnswers;

namespace {

const QString kDeg(QChar(0xB0));

} // namespace

TEST(OpenMeteoReading, MoonPictureFollowsPublishedPhases)
{
    // January 2024: new moon on the 11th (11:57 UTC), first quarter on the 18th (03:53),
    // full moon on the 25th (17:54). Pictures 1 and 31 are both the new moon.
    EXPECT_TRUE(QList<int>({1, 31}).contains(moonPictureOn(QDate(2024, 1, 11))));
    EXPECT_EQ(moonPictureOn(QDate(2024, 1, 18)), 8);
    EXPECT_EQ(moonPictureOn(QDate(2024, 1, 25)), 15);
    for (QDate d(1990, 1, 1); d < QDate(2040, 1, 1); d = d.addDays(13)) {
        const int picture = moonPictureOn(d);
        ASSERT_TRUE(picture >= 1 && picture <= 31) << qPrintable(d.toString());
    }
}

TEST(OpenMeteoReading, WeatherCodesShowTheConditionPictures)
{
    const QList<QPair<int, int>> pictures{{0, 15},  {1, 2},   {2, 10},  {3, 9},   {45, 3},
                                          {53, 7},  {61, 5},  {63, 12}, {71, 6},  {75, 14},
                                          {82, 12}, {95, 11}, {99, 11}, {-1, 16}, {1234, 16}};
    for (const auto &[code, picture] : pictures)
        EXPECT_EQ(WeatherRules::conditionPicture(conditionWord(code)), picture) << code;
    EXPECT_EQ(compassPoint(312), "NW");
    EXPECT_EQ(compassPoint(-10), "N");
    EXPECT_EQ(compassPoint(1e6), compassPoint(std::fmod(1e6, 360.0)));
    EXPECT_EQ(daySentence({2, 45.3, {}, 10.2, 268}, true),
              "Partly cloudy. High 45°F. Wind W 10 mph.");
    EXPECT_EQ(daySentence({1234, {}, {}, 0.2, {}}, false), "Wind calm.");
    EXPECT_EQ(daySentence({}, true), "");
}

TEST(OpenMeteoReading, MissingNullAndUnreadableValuesLeaveOnlyTheirFieldsEmpty)
{
    const QDate day(2026, 12, 10);
    QString answer = Answers::coloradoSpringsForecast();
    answer.replace(R"("wind_gusts_10m":22.1)", R"("wind_gusts_10m":null)");
    answer.replace(R"("relative_humidity_2m":45,)", "");
    answer.replace(R"("temperature_2m_min":[21.2,27.6,24.9])",
                   R"("temperature_2m_min":[21.2,"x"])");
    RecordingFields fields;
    EXPECT_FALSE(readForecast(answer, true, day, fields));
    EXPECT_EQ(fields.text(WeatherField::WindGust), "N/A MPH");
    EXPECT_EQ(fields.text(WeatherField::CurTemp), "41" + kDeg);
    EXPECT_FALSE(fields.texts.contains(WeatherField::Humidity));
    EXPECT_FALSE(fields.texts.contains(WeatherField::Tonight));
    EXPECT_FALSE(fields.texts.contains(WeatherField::TomNight));
    EXPECT_EQ(fields.text(WeatherField::Tomorrow), "Clear. High 50°F. Wind S 7 mph.");

    // Not JSON, the wrong shape, absurd numbers: nothing but the moon, which needs no answer.
    for (const QString &bad :
         {QString("<html>Service Unavailable</html>"), QString("[1,2]"), QString("{}"),
          QString(R"({"current":7,"daily":{"sunrise":[null],"weather_code":{}}})")}) {
        RecordingFields none;
        EXPECT_FALSE(readForecast(bad, false, day, none)) << qPrintable(bad);
        EXPECT_TRUE(none.texts.isEmpty()) << qPrintable(bad);
        EXPECT_EQ(none.pictures.value(WeatherPicture::Moon), moonPictureOn(day));
    }
    // Numbers past reason or of the wrong type are no numbers: only what has its "N/A" shows.
    RecordingFields odd;
    readForecast(R"({"current":{"temperature_2m":1e308,"weather_code":"2","wind_gusts_10m":-1e9}})",
                 false, day, odd);
    EXPECT_EQ(odd.texts.size(), 2);
    EXPECT_EQ(odd.text(WeatherField::WindChill), "N/A" + kDeg);
    EXPECT_EQ(odd.text(WeatherField::WindGust), "N/A kph");
}

TEST(OpenMeteoReading, SunTimesAreThePlacesOwnWhateverTheUsersZone)
{
    // 2:30 on 8 March 2026 does not exist in New York; the place's sunrise must still show.
    const QByteArray saved = qgetenv("TZ");
    qputenv("TZ", "America/New_York");
    tzset();
    QString answer = Answers::coloradoSpringsForecast();
    answer.replace("2026-12-10T07:06", "2026-03-08T02:30");
    RecordingFields fields;
    readForecast(answer, true, QDate(2026, 3, 8), fields);
    saved.isNull() ? qunsetenv("TZ") : qputenv("TZ", saved);
    tzset();
    EXPECT_EQ(fields.text(WeatherField::Sunrise), "2:30 AM");
    EXPECT_TRUE(fields.text(WeatherField::Sunset).endsWith(" PM"));
}

TEST(OpenMeteoQuery, PlacesAreAskedAsTypedAndChosenByState)
{
    const PlaceQuery denver = usPlace("Denver+CO");
    EXPECT_EQ(denver.name, "Denver");
    EXPECT_EQ(denver.countryCode, "US");
    EXPECT_EQ(denver.region, "Colorado");
    EXPECT_EQ(usPlace("Colorado+Springs+Colorado").name, "Colorado Springs");
    EXPECT_EQ(usPlace("New+York").name, "New York"); // a state's name alone is the place
    EXPECT_EQ(usPlace("New+York+New+York").region, "New York");
    EXPECT_EQ(usPlace("80917").name, "80917");
    const PlaceQuery london = worldPlace("London+United+Kingdom");
    EXPECT_EQ(london.name, "London");
    EXPECT_EQ(london.countryCode, "GB");
    EXPECT_EQ(worldPlace("Rio+de+Janeiro+Brazil").name, "Rio de Janeiro");
    EXPECT_EQ(worldPlace("Springfield").countryCode, "");
    EXPECT_EQ(searchedPlace("PARIS", "France").countryCode, "FR");

    const QString asked = geocodingAddress("http://h", denver).toString();
    EXPECT_TRUE(asked.startsWith("http://h/v1/search?name=Denver&")) << qPrintable(asked);
    EXPECT_TRUE(asked.endsWith("&countryCode=US")) << qPrintable(asked);
    const PlaceAnswer colorado = readPlaces(Answers::denver(), denver);
    ASSERT_TRUE(colorado.place);
    EXPECT_EQ(title(*colorado.place, true), " Denver, Colorado");
    EXPECT_EQ(readPlaces(Answers::denver(), usPlace("Denver+TX")).place->region, "Iowa");
    EXPECT_EQ(title(*readPlaces(Answers::london(), london).place, false),
              " London, United Kingdom");
    EXPECT_TRUE(readPlaces(Answers::noPlaces(), denver).readable);
    EXPECT_FALSE(readPlaces(Answers::noPlaces(), denver).place);
    EXPECT_FALSE(readPlaces("<html>", denver).readable);
    EXPECT_FALSE(readPlaces(R"({"results":[{"name":"X","latitude":"1"},{"name":"Y","latitude":)"
                            R"(95,"longitude":0}]})",
                            denver)
                     .place);
}

namespace {

class LiveReport : public ::testing::Test
{
protected:
    LiveReport()
    {
        EXPECT_TRUE(server.start());
        qputenv("ORVANE_GEOCODING_HOST", server.host().toUtf8());
        qputenv("ORVANE_FORECAST_HOST", server.host().toUtf8());
        server.setPlaces("80917", Answers::zip80917());
        server.setPlaces("Denver", Answers::denver());
        server.setPlaces("garbage", "<html>not json</html>");
        server.setPlaces("broken", "", FixtureServer::Answer::Error);
    }
    ~LiveReport() override
    {
        qunsetenv("ORVANE_GEOCODING_HOST");
        qunsetenv("ORVANE_FORECAST_HOST");
    }

    // Runs one report to its end; its result, or 99 when none came.
    int report(ReportKind kind, const QString &query, const QString &country = {},
               const std::function<void(OpenMeteoReport &)> &whileRunning = {})
    {
        OpenMeteoReport r(network, clock);
        QSignalSpy done(&r, &WeatherReport::finished);
        r.get({kind, query, query, country});
        if (whileRunning)
            whileRunning(r);
        if (done.isEmpty() && !done.wait(10000))
            return 99;
        r.reading().applyTo(fields);
        fields.address = r.address();
        return done.first().first().toInt();
    }

    FixtureServer server;
    QNetworkAccessManager network;
    RecordingFields fields;
    FakeClock clock;
};

} // namespace

TEST_F(LiveReport, UnknownPlacesAreNotFoundAsThePagesSayIt)
{
    EXPECT_EQ(report(ReportKind::Us, "Nowhere+KS"), 0);
    EXPECT_EQ(fields.text(WeatherField::Title), "CITY NOT FOUND");
    EXPECT_TRUE(fields.collectingHidden);
    EXPECT_EQ(fields.address,
              server.host()
                  + "/v1/search?name=Nowhere&count=10&language=en"
                    "&format=json&countryCode=US");
    fields = {};
    EXPECT_EQ(report(ReportKind::World, "Atlantis+Greece"), 0);
    EXPECT_EQ(fields.searches, 1);
    EXPECT_TRUE(fields.log.isEmpty());
    EXPECT_EQ(report(ReportKind::Searched, "ATLANTIS", "Greece"), 0);
    EXPECT_EQ(fields.text(WeatherField::Title), "No Data Found");
    EXPECT_EQ(server.requests(), 3); // no forecast asked for
}

TEST_F(LiveReport, FailedAnswersKeepWhatWasFilledAndNothingWaitsForever)
{
    // The geocoder: not JSON, or an HTTP error: nothing is written, the search does not open.
    for (const char *name : {"garbage", "broken"}) {
        fields = {};
        EXPECT_EQ(report(ReportKind::World, name), -1) << name;
        EXPECT_TRUE(fields.log.isEmpty()) << name;
        EXPECT_EQ(fields.searches, 0);
    }
    // The forecast: the service's error answer, a body past the limit, a stall.
    fields = {};
    EXPECT_EQ(report(ReportKind::Us, "Denver+CO"), -1); // no forecast set: HTTP 400
    EXPECT_EQ(fields.text(WeatherField::Title), " Denver, Colorado");
    EXPECT_EQ(fields.log.size(), 1);
    fields = {};
    server.setForecast(Answers::kColoradoSprings, {}, FixtureServer::Answer::Oversize);
    EXPECT_EQ(report(ReportKind::Us, "80917"), -1);
    EXPECT_EQ(fields.log, QStringList{"0= Colorado Springs, Colorado"});
    server.setForecast(Answers::kDenver, {}, FixtureServer::Answer::Silent);
    fields = {};
    const int stalled = report(ReportKind::Us, "Denver+CO", {}, [this](OpenMeteoReport &r) {
        ASSERT_TRUE(QTest::qWaitFor([this] { return server.requests() == 8; }, 10000));
        EXPECT_TRUE(r.running());
        r.fetch().onTimeout();
    });
    EXPECT_EQ(stalled, -1);
    EXPECT_FALSE(fields.collectingHidden);
    EXPECT_EQ(server.paths().last().left(25), "/v1/forecast?latitude=39.");
}
