// The weather panel over the live source, answered by the loopback fixture's recorded answers.
#include "FixtureServer.h"
#include "OpenMeteoAnswers.h"
#include "support/DashboardFixture.h"
#include "weather/OpenMeteoReading.h"
#include "weather/SearchFor.h"
#include "weather/WeatherFieldsView.h"
#include "weather/WeatherPanel.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace Answers = OpenMeteoAnswers;

namespace {

const QString kDeg(QChar(0xB0));

class LiveWeatherTest : public DashboardFixture
{
protected:
    LiveWeatherTest()
    {
        EXPECT_TRUE(server.start());
        qputenv("ORVANE_GEOCODING_HOST", server.host().toUtf8());
        qputenv("ORVANE_FORECAST_HOST", server.host().toUtf8());
        setSetting("System", "WeatherHost", server.host());
        setSetting("System", "AutoHide", "True");
        clock.current = QDateTime(QDate(2026, 12, 10), QTime(8, 0));
        server.setPlaces("80917", Answers::zip80917());
        server.setPlaces("Denver", Answers::denver());
        server.setPlaces("London", Answers::london());
        server.setPlaces("Paris", Answers::paris());
        server.setForecast(Answers::kColoradoSprings, Answers::coloradoSpringsForecast());
        server.setForecast(Answers::kDenver, Answers::denverForecast());
        server.setForecast(Answers::kLondon, Answers::londonForecast());
        server.setForecast(Answers::kParis, Answers::parisForecast());
    }
    ~LiveWeatherTest() override
    {
        qunsetenv("ORVANE_GEOCODING_HOST");
        qunsetenv("ORVANE_FORECAST_HOST");
    }

    WeatherPanel &panel()
    {
        if (!m_loaded)
            loaded();
        m_loaded = true;
        return dashboard().weather();
    }
    void press(const char *field, const QString &place)
    {
        find<QLineEdit>(field)->setText(place);
        if (QLatin1String(field) == QLatin1String("txtZip"))
            panel().onCmdGetUSWeatherReleased(10, 10);
        else
            panel().onCmdGetWorldWeatherReleased(10, 10);
        ASSERT_TRUE(QTest::qWaitFor([this] { return !panel().reportRunning(); }, 10000));
    }
    QString text(WeatherField f) { return panel().fields().text(f); }
    int picture(WeatherPicture p) { return panel().fields().pictureNumber(p); }
    bool collectingShown() { return find<QFrame>("picCollectData")->isVisibleTo(&dashboard()); }

    FixtureServer server;
    bool m_loaded = false;
};

} // namespace

TEST_F(LiveWeatherTest, FreshProfileShowsUsPlacesFromTheLiveSource)
{
    WeatherPanel &p = panel();
    EXPECT_EQ(p.source(), WeatherSource::Kind::Live);
    EXPECT_TRUE(dashboard().menus().sourceLive->isChecked());
    EXPECT_FALSE(dashboard().menus().sourcePages->isChecked());
    EXPECT_EQ(find<QLabel>("lblTitle")->toolTip(), "Weather data by Open-Meteo.com");

    press("txtZip", "80917");
    EXPECT_EQ(text(WeatherField::Title), " Colorado Springs, Colorado");
    const QList<QPair<WeatherField, QString>> expected{
        {WeatherField::CurTemp, "41" + kDeg},
        {WeatherField::Celsius, "5" + kDeg + "c"},
        {WeatherField::Humidity, "45%"},
        {WeatherField::Dew, "20" + kDeg + "F"},
        {WeatherField::Cond, "Partly Cloudy"},
        {WeatherField::Sunrise, "7:06 AM"},
        {WeatherField::Sunset, "4:36 PM"},
        {WeatherField::Wind, "From the NW at 14 MPH"},
        {WeatherField::WindChill, "35" + kDeg},
        {WeatherField::WindGust, "22 MPH"},
        {WeatherField::Today, "Partly cloudy. High 45°F. Wind W 10 mph."},
        {WeatherField::Tonight, "Low 28°F."},
        {WeatherField::Tomorrow, "Clear. High 50°F. Wind S 7 mph."},
        {WeatherField::TomNight, "Low 25°F."},
    };
    for (const auto &[field, value] : expected)
        EXPECT_EQ(text(field), value) << int(field);
    EXPECT_TRUE(find<QLabel>("lblCelcius")->isVisibleTo(&dashboard()));
    EXPECT_EQ(picture(WeatherPicture::Cond), 10);
    EXPECT_EQ(picture(WeatherPicture::Moon), OpenMeteoReading::moonPictureOn(clock.current.date()));
    EXPECT_FALSE(collectingShown());
    ASSERT_EQ(server.paths().size(), 2);
    EXPECT_TRUE(server.paths()[0].contains("name=80917&") && server.paths()[0].endsWith("=US"));
    EXPECT_TRUE(server.paths()[1].contains("temperature_unit=fahrenheit&wind_speed_unit=mph"));
    EXPECT_EQ(setting("System", "USA"), "80917");

    // A storm in the place of that name in the state asked for.
    press("txtZip", "Denver CO");
    EXPECT_EQ(text(WeatherField::Title), " Denver, Colorado");
    EXPECT_EQ(text(WeatherField::Cond), "Rain Thunder");
    EXPECT_EQ(picture(WeatherPicture::Cond), 11);
    EXPECT_EQ(text(WeatherField::Today), "Rain thunder. High 61°F. Wind SW 24 mph.");
}

TEST_F(LiveWeatherTest, WorldPlacesInCelsiusAndTheCitySearchForUnknownOnes)
{
    WeatherPanel &p = panel();
    press("txtZipWorld", "London England");
    EXPECT_EQ(text(WeatherField::Title), " London, United Kingdom");
    const QList<QPair<WeatherField, QString>> expected{
        {WeatherField::CurTemp, "47" + kDeg},
        {WeatherField::Celsius, "8" + kDeg + "c"},
        {WeatherField::Humidity, "87%"},
        {WeatherField::Dew, "6" + kDeg + "C"},
        {WeatherField::Cond, "Light Rain"},
        {WeatherField::Sunrise, "7:58 AM GMT"},
        {WeatherField::Sunset, "3:51 PM GMT"},
        {WeatherField::Wind, "From the SW at 19 kph"},
        {WeatherField::WindChill, "5" + kDeg},
        {WeatherField::WindGust, "39 kph"},
        {WeatherField::Today, "Light rain. High 9°C. Wind SW 25 km/h."},
        {WeatherField::Tonight, "Low 4°C."},
        {WeatherField::Tomorrow, "Overcast. High 10°C. Wind WSW 18 km/h."},
        {WeatherField::TomNight, "Low 4°C."},
    };
    for (const auto &[field, value] : expected)
        EXPECT_EQ(text(field), value) << int(field);
    EXPECT_EQ(picture(WeatherPicture::Cond), 5);
    EXPECT_TRUE(server.paths()[0].endsWith("&countryCode=GB"));
    EXPECT_FALSE(server.paths()[1].contains("unit"));

    // A place the geocoder does not know opens the city search; the city picked there is
    // asked for by its name and country.
    press("txtZipWorld", "Springfield");
    SearchFor *search = p.citySearch();
    ASSERT_TRUE(search);
    auto *countries = search->findChild<QComboBox *>("cboCountry");
    search->onCboCountryClick(countries->findText("France"));
    auto *cities = search->findChild<QComboBox *>("cboCBO2");
    search->onCboCBO2Click(cities->findText("Paris"));
    search->onCmdSearchReleased(10, 10);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !p.citySearch() && !p.reportRunning(); }, 10000));
    EXPECT_TRUE(server.paths().at(3).startsWith("/v1/search?name=PARIS&"));
    EXPECT_TRUE(server.paths().at(3).endsWith("&countryCode=FR"));
    EXPECT_EQ(text(WeatherField::Title), " Paris, France");
    EXPECT_EQ(text(WeatherField::Wind), "Calm");
    EXPECT_EQ(text(WeatherField::Sunrise), "8:36 AM GMT+1");
}

TEST_F(LiveWeatherTest, SourceChoiceIsStoredAndUsedForTheNextReport)
{
    dashboard().menus().sourcePages->trigger();
    EXPECT_EQ(setting("System", "WeatherSource"), "pages");
    EXPECT_TRUE(dashboard().menus().sourcePages->isChecked());
    EXPECT_FALSE(dashboard().menus().sourceLive->isChecked());
    EXPECT_EQ(find<QLabel>("lblTitle")->toolTip(), "");
    press("txtZip", "80917");
    EXPECT_TRUE(server.paths().last().startsWith("/cgi-bin/findweather/getForecast?query="));
    dashboard().menus().sourceLive->trigger();
    EXPECT_EQ(setting("System", "WeatherSource"), "live");
    press("txtZip", "80917");
    EXPECT_TRUE(server.paths().last().startsWith("/v1/forecast?"));
}

TEST_F(LiveWeatherTest, StoredPagesSourceIsLoaded)
{
    setSetting("System", "WeatherSource", "pages");
    EXPECT_EQ(panel().source(), WeatherSource::Kind::Pages);
    EXPECT_TRUE(dashboard().menus().sourcePages->isChecked());
}
