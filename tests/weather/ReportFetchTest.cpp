#include "FixtureServer.h"
#include "WeatherPages.h"
#include "common/PageFetch.h"
#include "platform/IniSettingsStore.h"
#include "support/Fakes.h"
#include "support/RecordingFields.h"
#include "weather/WeatherHost.h"
#include "weather/clsWeather.h"

#include <QNetworkAccessManager>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace WeatherPages;

namespace {

class ReportFetch : public ::testing::Test
{
protected:
    ReportFetch()
    {
        EXPECT_TRUE(server.start());
        server.setPage("80917", usPage(withTomorrow({}, "Thursday")));
    }

    // Starts a US report and waits for its end; the result, or 99 when none came.
    int usReport(const QString &query)
    {
        clsWeather report(network, fields, clock, server.host());
        QSignalSpy done(&report, &WeatherReport::finished);
        report.getQuote(query);
        EXPECT_TRUE(fields.log.isEmpty()); // nothing is cut before the page is in
        if (!done.wait(10000))
            return 99;
        return done.first().first().toInt();
    }

    FixtureServer server;
    QNetworkAccessManager network;
    RecordingFields fields;
    FakeClock clock;
};

} // namespace

TEST_F(ReportFetch, PageOfTheQueryIsFetchedAndCut)
{
    EXPECT_EQ(usReport("80917"), 0);
    EXPECT_EQ(fields.address, server.host() + "/cgi-bin/findweather/getForecast?query=80917");
    EXPECT_EQ(server.paths(), QStringList("/cgi-bin/findweather/getForecast?query=80917"));
    EXPECT_EQ(fields.text(WeatherField::Tomorrow), "Sunny. Highs in the lower 50s.");
    EXPECT_TRUE(fields.collectingHidden);

    // An error status is no failure: the service's not-found page comes with a 404.
    fields = {};
    EXPECT_EQ(usReport("Nowhere"), 0);
    EXPECT_EQ(fields.text(WeatherField::Title), "CITY NOT FOUND");

    // A redirect is followed.
    fields = {};
    server.setAnswer("Moved", FixtureServer::Answer::Redirect,
                     server.host() + "/cgi-bin/findweather/getForecast?query=80917");
    EXPECT_EQ(usReport("Moved"), 0);
    EXPECT_EQ(fields.text(WeatherField::CurTemp), QString("36") + QChar(0xB0));
}

TEST_F(ReportFetch, BodiesThatAreNotTextFailBeforeAnyField)
{
    server.setAnswer("gif", FixtureServer::Answer::Binary);
    server.setAnswer("huge", FixtureServer::Answer::Oversize);
    for (const char *query : {"gif", "huge"}) {
        fields = {};
        EXPECT_EQ(usReport(query), -1) << query;
        EXPECT_TRUE(fields.log.isEmpty()) << query;
    }
    EXPECT_EQ(pageText(QByteArray("a\0b", 3), "text/html"), std::nullopt);
    EXPECT_EQ(pageText("caf\xe9", "text/html"), QString("caf") + QChar(0xE9)); // Latin-1 page
    EXPECT_EQ(pageText("<p>", ""), "<p>");
    EXPECT_EQ(pageText("<p>", "application/octet-stream"), std::nullopt);
    EXPECT_EQ(pageText("{}", "application/json; charset=utf-8"), "{}"); // the live source's

    // Nobody listening.
    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost));
    const quint16 port = closed.serverPort();
    closed.close();
    clsWeather report(network, fields, clock, QStringLiteral("http://127.0.0.1:%1").arg(port));
    QSignalSpy done(&report, &WeatherReport::finished);
    report.getQuote("80917");
    ASSERT_TRUE(done.wait(10000));
    EXPECT_EQ(done.first().first().toInt(), -1);
}

TEST_F(ReportFetch, SilentServerFailsAtTheTimeOutAndNothingWaitsForIt)
{
    server.setAnswer("80917", FixtureServer::Answer::Silent);
    clsWeather report(network, fields, clock, server.host());
    QSignalSpy done(&report, &WeatherReport::finished);
    report.getQuote("80917");
    auto *timeout = report.findChild<QTimer *>("timFetchTimeout");
    ASSERT_NE(timeout, nullptr);
    EXPECT_EQ(timeout->interval(), 20000);
    EXPECT_TRUE(timeout->isActive());

    // The event loop goes on while the request hangs: other events are served.
    bool served = false;
    QTimer::singleShot(0, [&served] { served = true; });
    EXPECT_TRUE(QTest::qWaitFor([&] { return served && server.requests() == 1; }, 10000));
    EXPECT_TRUE(report.running());

    // A second start while one runs asks for nothing.
    report.getQuote("80917");
    report.getQuoteWorld("London");
    QCoreApplication::processEvents();
    EXPECT_EQ(done.count(), 0);

    report.fetch().onTimeout();
    ASSERT_EQ(done.count(), 1);
    EXPECT_EQ(done.first().first().toInt(), -1);
    EXPECT_FALSE(report.running());
    EXPECT_TRUE(fields.log.isEmpty());
    EXPECT_EQ(server.requests(), 1);
}

TEST(WeatherHost, EnvironmentOverSettingOverTheService)
{
    QTemporaryDir dir;
    IniSettingsStore settings(dir.filePath("settings.ini"));
    qunsetenv("ORVANE_WEATHER_HOST");
    EXPECT_EQ(weatherHost(settings), kDefaultWeatherHost);
    settings.saveSetting("System", "WeatherHost", "127.0.0.1:8089/");
    EXPECT_EQ(weatherHost(settings), "http://127.0.0.1:8089");
    qputenv("ORVANE_WEATHER_HOST", "https://example.test");
    EXPECT_EQ(weatherHost(settings), "https://example.test");
    qunsetenv("ORVANE_WEATHER_HOST");
    EXPECT_EQ(reportAddress("http://h", "Denver+CO"),
              "http://h/cgi-bin/findweather/getForecast?query=Denver+CO");
}
