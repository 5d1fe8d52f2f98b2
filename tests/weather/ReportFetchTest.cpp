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
        clsWeather report(network, clock, server.host());
        QSignalSpy done(&report, &WeatherReport::finished);
        report.getQuote(query);
        if (!done.wait(10000))
            return 99;
        report.reading().applyTo(fields);
        lastAddress = report.address();
        return done.first().first().toInt();
    }

    FixtureServer server;
    QNetworkAccessManager network;
    RecordingFields fields;
    QString lastAddress;
    FakeClock clock;
};

} // namespace

TEST_F(ReportFetch, PageOfTheQueryIsFetchedAndCut)
{
    EXPECT_EQ(usReport("80917"), 0);
    EXPECT_EQ(lastAddress, server.host() + "/cgi-bin/findweather/getForecast?query=80917");
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

TEST_F(ReportFetch, BodiesThatAreNotWholeTextFailBeforeAnyField)
{
    server.setAnswer("gif", FixtureServer::Answer::Binary);
    server.setAnswer("huge", FixtureServer::Answer::Oversize);
    // A whole page, but 5000 bytes short of what its header promised: no part of it is read.
    server.setPage("cut", usPage(withTomorrow({}, "Thursday")));
    server.setAnswer("cut", FixtureServer::Answer::BrokenOff);
    for (const char *query : {"gif", "huge", "cut"}) {
        fields = {};
        EXPECT_EQ(usReport(query), -1) << query;
        EXPECT_TRUE(fields.log.isEmpty()) << query;
    }
}

TEST(PageText, TextIsReadInTheCharacterSetItIsWrittenIn)
{
    const QString cafe = QString("caf") + QChar(0xE9);
    const QString degrees = QString("20") + QChar(0xB0);
    const struct
    {
        QByteArray body, type;
        std::optional<QString> text;
    } cases[] = {
        {QByteArray("a\0b", 3), "text/html", std::nullopt},
        {"<p>", "application/octet-stream", std::nullopt},
        {"<p>", "", "<p>"},
        {"{}", "application/json; charset=utf-8", "{}"},
        // Undeclared: UTF-8 where it is UTF-8, a stray byte shown as U+FFFD and no more...
        {"caf\xc3\xa9 20\xc2\xb0", "text/html", cafe + " " + degrees},
        {"caf\xc3\xa9 \xfc 20\xc2\xb0", "text/html", cafe + " " + QChar(0xFFFD) + " " + degrees},
        // ... and the Windows code page where there is no UTF-8 at all.
        {"caf\xe9 \x80", "text/html", cafe + " " + QChar(0x20AC)},
        {"caf\xe9", "text/html; charset=ISO-8859-1", cafe},
        {"caf\xc3\xa9 \xfc", "text/html; charset=\"UTF-8\"", cafe + " " + QChar(0xFFFD)},
        {"caf\xc3\xa9", "text/html; charset=no-such-set", cafe},
    };
    for (const auto &c : cases)
        EXPECT_EQ(pageText(c.body, c.type), c.text) << c.body.toStdString();
}

TEST_F(ReportFetch, NobodyListeningFails)
{

    // Nobody listening.
    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost));
    const quint16 port = closed.serverPort();
    closed.close();
    clsWeather report(network, clock, QStringLiteral("http://127.0.0.1:%1").arg(port));
    QSignalSpy done(&report, &WeatherReport::finished);
    report.getQuote("80917");
    ASSERT_TRUE(done.wait(10000));
    EXPECT_EQ(done.first().first().toInt(), -1);
}

TEST_F(ReportFetch, SilentServerFailsAtTheTimeOutAndNothingWaitsForIt)
{
    // Silent from the start, or after the headers and half the page.
    server.setAnswer("80917", FixtureServer::Answer::Silent);
    server.setAnswer("80918", FixtureServer::Answer::Stall);
    server.setPage("80918", usPage(withTomorrow({}, "Thursday")));
    clsWeather report(network, clock, server.host());
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
    report.reading().applyTo(fields);
    EXPECT_TRUE(fields.log.isEmpty());
    EXPECT_EQ(server.requests(), 1);

    // Half a page in, then nothing: the time-out ends it and the half is never read.
    report.getQuote("80918");
    EXPECT_TRUE(QTest::qWaitFor([&] { return server.requests() == 2; }, 10000));
    QCoreApplication::processEvents(); // what was sent comes in
    report.fetch().onTimeout();
    ASSERT_EQ(done.count(), 2);
    EXPECT_EQ(done.last().first().toInt(), -1);
    report.reading().applyTo(fields);
    EXPECT_TRUE(fields.log.isEmpty());
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
