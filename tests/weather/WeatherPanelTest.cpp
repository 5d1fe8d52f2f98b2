#include "weather/WeatherPanel.h"
#include "FixtureServer.h"
#include "WeatherPages.h"
#include "common/PageFetch.h"
#include "support/DashboardFixture.h"
#include "support/FifoProbe.h"
#include "weather/ForecastBox.h"
#include "weather/WeatherFieldsView.h"
#include "widgets/LumoButton.h"

#include <QAction>
#include <QApplication>
#include <QFocusEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

using namespace WeatherPages;

namespace {

class WeatherPanelTest : public DashboardFixture
{
protected:
    WeatherPanelTest()
    {
        EXPECT_TRUE(server.start());
        setSetting("System", "WeatherHost", server.host());
        setSetting("System", "WeatherSource", "pages");
        setSetting("System", "AutoHide", "True"); // no advice box on first activation
        Report home = withTomorrow({}, "Thursday");
        server.setPage("80917", usPage(home));
        home.place = "Denver, Colorado";
        server.setPage("Denver+CO", usPage(home));
        home.place = "London, United Kingdom";
        server.setPage("London+United+Kingdom", worldPage(home));
        server.setPage("Springfield", searchForPage("Springfield"));
        server.setPage("Short", shortPage("Short"));
    }

    WeatherPanel &panel()
    {
        if (!m_loaded)
            loaded();
        m_loaded = true;
        return dashboard().weather();
    }
    QLineEdit *field(const char *name) { return find<QLineEdit>(name); }
    bool enabled(const char *button) { return find<LumoButton>(button)->isEnabled(); }
    QFrame *collecting() { return find<QFrame>("picCollectData"); }
    bool collectingShown() { return collecting()->isVisibleTo(&dashboard()); }
    QString title() { return find<QLabel>("lblTitle")->text(); }
    bool finished()
    {
        return QTest::qWaitFor([this] { return !panel().reportRunning(); }, 10000);
    }
    void focus(QLineEdit *f)
    {
        QFocusEvent in(QEvent::FocusIn);
        QApplication::sendEvent(f, &in);
    }
    int boxes(const QString &text)
    {
        int n = 0;
        for (const auto &m : prompter.shown)
            n += m.text == text;
        return n;
    }

    FixtureServer server;
    bool m_loaded = false;
};

} // namespace

TEST_F(WeatherPanelTest, FirstStartWithoutSettings)
{
    WeatherPanel &p = panel();
    EXPECT_EQ(field("txtZip")->text(), "1");
    EXPECT_EQ(field("txtZipWorld")->text(), "1");
    EXPECT_EQ(field("txtZip")->toolTip(), "Ex: 80917  or  Denver CO");
    EXPECT_EQ(field("txtZipWorld")->toolTip(), "Ex: London United Kingdom");
    EXPECT_FALSE(p.weatherEnabled());
    EXPECT_TRUE(dashboard().menus().disableWeather->isChecked());
    for (const char *name : {"lblCelcius"})
        for (QLabel *l : dashboard().findChildren<QLabel *>(name))
            EXPECT_FALSE(l->isVisibleTo(&dashboard()));

    dashboard().onFormActivate();
    for (int minute = 0; minute < 60; ++minute)
        p.onMinute();
    EXPECT_FALSE(p.reportRunning());
    EXPECT_EQ(server.requests(), 0);
    EXPECT_FALSE(collectingShown());

    EXPECT_FALSE(enabled("cmdGetUSWeather") || enabled("cmdGetWorldWeather")
                 || enabled("cmdGetForecast"));
    focus(field("txtZip"));
    EXPECT_TRUE(enabled("cmdGetUSWeather") && enabled("cmdGetForecast"));
    EXPECT_FALSE(enabled("cmdGetWorldWeather"));
    focus(field("txtZipWorld"));
    EXPECT_TRUE(enabled("cmdGetWorldWeather") && enabled("cmdGetForecast"));
    EXPECT_FALSE(enabled("cmdGetUSWeather"));
}

TEST_F(WeatherPanelTest, UsPressPreparesTheQueryAndRunsOneReportAtATime)
{
    WeatherPanel &p = panel();
    field("txtZip")->setText("Denver CO");
    p.onCmdGetUSWeatherReleased(86, 10); // on the edge: outside
    EXPECT_FALSE(p.reportRunning());

    p.onCmdGetUSWeatherReleased(10, 10);
    EXPECT_TRUE(p.reportRunning());
    EXPECT_TRUE(collectingShown());
    EXPECT_EQ(field("txtZip")->text(), "Denver+CO");
    EXPECT_EQ(setting("System", "USA"), "Denver+CO");
    EXPECT_EQ(setting("System", "USWorld"), "us");
    EXPECT_EQ(find<QLineEdit>("txtWebSite")->text(),
              server.host() + "/cgi-bin/findweather/getForecast?query=Denver+CO");
    // Pressed again, or refreshed, while the page is on its way: nothing more is asked.
    p.onCmdGetUSWeatherReleased(10, 10);
    p.onCmdGetWorldWeatherReleased(10, 10);
    ASSERT_TRUE(finished());
    EXPECT_EQ(server.requests(), 1);
    EXPECT_EQ(title(), " Denver, Colorado");
    EXPECT_EQ(find<QLabel>("lblCurTemp")->text(), QString("36") + QChar(0xB0));
    EXPECT_FALSE(collectingShown());

    // The clearing step empties the fields of the last report but keeps its title.
    p.onCmdGetUSWeatherReleased(10, 10);
    EXPECT_EQ(find<QLabel>("lblCurTemp")->text(), "");
    EXPECT_EQ(p.fields().pictureNumber(WeatherPicture::Moon), 0);
    EXPECT_EQ(title(), " Denver, Colorado");
    ASSERT_TRUE(finished());
    EXPECT_EQ(server.requests(), 2);

    field("txtZip")->setText("Denver, CO");
    EXPECT_EQ(field("txtZip")->text(), "");
    EXPECT_EQ(boxes("Do not enter any commas >,<\r\nEx: DENVER COLORADO"), 1);
}

TEST_F(WeatherPanelTest, WorldPressRulesAndTheCitySearch)
{
    WeatherPanel &p = panel();
    int searches = 0;
    p.setCitySearch([&searches] { ++searches; });

    field("txtZipWorld")->setText("80917");
    p.onCmdGetWorldWeatherReleased(10, 10);
    EXPECT_EQ(boxes("Please Enter a City and Country"), 1);
    EXPECT_EQ(field("txtZipWorld")->text(), "");
    EXPECT_FALSE(collectingShown());
    EXPECT_FALSE(p.reportRunning());

    field("txtZipWorld")->setText("London England");
    p.onCmdGetWorldWeatherReleased(10, 10);
    EXPECT_EQ(field("txtZipWorld")->text(), "London+United+Kingdom");
    ASSERT_TRUE(finished());
    EXPECT_EQ(setting("System", "World"), "London+United+Kingdom");
    EXPECT_EQ(setting("System", "USWorld"), "world");
    EXPECT_EQ(find<QLabel>("lblCelcius")->text(), QString("2") + QChar(0xB0) + "c");
    EXPECT_TRUE(find<QLabel>("lblCelcius")->isVisibleTo(&dashboard()));

    field("txtZipWorld")->setText("Springfield");
    p.onCmdGetWorldWeatherReleased(10, 10);
    ASSERT_TRUE(finished());
    EXPECT_EQ(searches, 1);
    EXPECT_EQ(title(), " London, United Kingdom"); // nothing written

    field("txtZipWorld")->setText("Paris, France");
    EXPECT_EQ(boxes("Do not enter any commas >,<\r\nEx: PARIS FRANCE"), 1);
    EXPECT_EQ(field("txtZipWorld")->text(), "");
}

TEST_F(WeatherPanelTest, AutomaticReportsEveryTwentyMinutesWhileEnabled)
{
    setSetting("System", "NoWeather", "False");
    setSetting("System", "USWorld", "us");
    setSetting("System", "USA", "80917");
    WeatherPanel &p = panel();
    dashboard().onFormActivate();
    ASSERT_TRUE(finished());
    EXPECT_EQ(server.requests(), 1);

    auto minutes = [&](int n) {
        for (int i = 0; i < n; ++i) {
            p.onMinute();
            ASSERT_TRUE(finished());
        }
    };
    minutes(19);
    EXPECT_EQ(server.requests(), 1);
    minutes(1);
    EXPECT_EQ(server.requests(), 2);

    minutes(5);
    dashboard().menus().disableWeather->trigger();
    EXPECT_EQ(setting("System", "NoWeather"), "True");
    EXPECT_TRUE(dashboard().menus().disableWeather->isChecked());
    minutes(25); // past the 40-minute mark
    EXPECT_EQ(server.requests(), 2);
    dashboard().menus().disableWeather->trigger();
    EXPECT_EQ(setting("System", "NoWeather"), "False");
    minutes(9);
    EXPECT_EQ(server.requests(), 2);
    minutes(1); // the 60-minute mark
    EXPECT_EQ(server.requests(), 3);
}

TEST_F(WeatherPanelTest, ConnectionPromptAndForecastBox)
{
    connectivity.state.connected = false;
    WeatherPanel &p = panel();
    field("txtZip")->setText("80917");
    prompter.setNextAnswer(Prompter::Answer::No);
    p.onCmdGetUSWeatherReleased(10, 10);
    ASSERT_FALSE(prompter.shown.isEmpty());
    EXPECT_EQ(prompter.shown.last().title, "Internet Connection?");
    EXPECT_EQ(prompter.shown.last().buttons, Prompter::Buttons::YesNo);
    EXPECT_FALSE(p.reportRunning());
    EXPECT_FALSE(collectingShown());
    // The twenty-minute refresh comes while the question is open: it is skipped, not stacked.
    dashboard().menus().disableWeather->trigger(); // enabled
    prompter.whileOpen = [&p] {
        for (int i = 0; i < 20; ++i)
            p.onMinute();
    };
    prompter.setNextAnswer(Prompter::Answer::Yes);
    const qsizetype asked = prompter.shown.size();
    p.onCmdGetUSWeatherReleased(10, 10);
    EXPECT_EQ(prompter.shown.size(), asked + 1);
    EXPECT_TRUE(p.reportRunning());
    ASSERT_TRUE(finished());
    EXPECT_EQ(server.requests(), 1);
    p.onCmdGetForecastReleased(10, 10);
    EXPECT_TRUE(p.forecast().forecast().startsWith("TODAY: Mostly sunny."));
}

TEST_F(WeatherPanelTest, MarkupFromAPageIsShownAsTextAndLoadsNothing)
{
    // A picture tag naming a FIFO: drawn as markup, the label would open it and hang the window.
    QTemporaryDir dir;
    FifoProbe fifo(dir.filePath("picture"));
    ASSERT_TRUE(fifo.made());
    Report odd = withTomorrow({}, "Thursday");
    odd.conditions = "<i>x</i><img src=\"" + dir.filePath("picture") + "\">";
    server.setPage("80917", usPage(odd));
    WeatherPanel &p = panel();
    field("txtZip")->setText("80917");
    p.onCmdGetUSWeatherReleased(10, 10);
    ASSERT_TRUE(finished());
    const QString shown = find<QLabel>("lblCond")->text();
    EXPECT_TRUE(shown.startsWith("<i>x</i><img src=")) << qPrintable(shown);
    dashboard().grab(); // every label drawn
    EXPECT_FALSE(fifo.opened());
}

TEST_F(WeatherPanelTest, ForecastBeforeAnyReportShowsTheHeadings)
{
    WeatherPanel &p = panel();
    p.onCmdGetForecastReleased(80, 10); // on the edge: outside
    QFrame *box = find<QFrame>("picEnlarge");
    EXPECT_FALSE(box->isVisibleTo(&dashboard()));
    p.onCmdGetForecastReleased(10, 10);
    EXPECT_EQ(p.forecast().forecast(),
              "TODAY: \r\n\r\nTONIGHT: \r\n\r\nTOMORROW: \r\n\r\nTOMORROW NIGHT: "
              "\r\n\r\n\r\n\r\nDouble-click to exit");
    EXPECT_TRUE(box->isVisibleTo(&dashboard()));
    EXPECT_EQ(box->pos(), QPoint(13, 21));
    QTest::mouseDClick(p.forecast().text()->viewport(), Qt::LeftButton);
    EXPECT_FALSE(box->isVisibleTo(&dashboard()));
}

TEST_F(WeatherPanelTest, CollectingPictureGoesTwoAndAHalfSecondsAfterAFailedReport)
{
    server.setAnswer("80917", FixtureServer::Answer::Silent);
    WeatherPanel &p = panel();
    field("txtZip")->setText("80917");
    p.onCmdGetUSWeatherReleased(10, 10);
    QTimer *ticks = timer("TimerWeather");
    EXPECT_TRUE(ticks->isActive());
    // The ticks do not count while the page is on its way.
    for (int i = 0; i < 10; ++i)
        p.onTimerWeather();
    EXPECT_TRUE(collectingShown());
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.requests() == 1; }, 10000));
    p.report()->fetch().onTimeout();
    EXPECT_FALSE(p.reportRunning());
    for (int i = 0; i < 4; ++i)
        p.onTimerWeather();
    EXPECT_TRUE(collectingShown());
    p.onTimerWeather();
    EXPECT_FALSE(collectingShown());
    EXPECT_FALSE(ticks->isActive());

    // A short page fails at the temperature with the title written.
    field("txtZip")->setText("Short");
    p.onCmdGetUSWeatherReleased(10, 10);
    ASSERT_TRUE(finished());
    EXPECT_EQ(title(), " Short");
    EXPECT_TRUE(collectingShown());
}
