// Serves forecast pages and the live source's answers on 127.0.0.1 for trying the weather
// panel offline:
//   weather-fixture [PORT]        then   ORVANE_WEATHER_HOST=http://127.0.0.1:PORT ./run
//   (live source: ORVANE_GEOCODING_HOST and ORVANE_FORECAST_HOST set to the same address)
// It also serves the maker's information page:  ORVANE_INFO_HOST=http://127.0.0.1:PORT
#include "FixtureServer.h"
#include "OpenMeteoAnswers.h"
#include "WeatherPages.h"

#include <QCoreApplication>
#include <QDate>
#include <QLocale>
#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    const quint16 port = args.isEmpty() ? 8089 : args.first().toUShort();
    FixtureServer server;
    if (!server.start(port)) {
        std::fprintf(stderr, "cannot listen on 127.0.0.1:%u\n", unsigned(port));
        return 1;
    }
    // Tomorrow as the program will look for it; a run past midnight needs a restart.
    const QString tomorrow = QLocale(QLocale::English, QLocale::UnitedStates)
                                 .toString(QDate::currentDate().addDays(1), QStringLiteral("dddd"));
    using namespace WeatherPages;
    Report zip = withTomorrow({}, tomorrow);
    server.setPage(QStringLiteral("80917"), usPage(zip));
    Report denver = zip;
    denver.place = QStringLiteral("Denver, Colorado");
    denver.temperature = QStringLiteral("41");
    denver.conditions = QStringLiteral("Sunny");
    denver.moon = QStringLiteral("moon30");
    server.setPage(QStringLiteral("Denver+CO"), usPage(denver));
    Report london = zip;
    london.place = QStringLiteral("London, United Kingdom");
    london.temperature = QStringLiteral("46");
    london.celsius = QStringLiteral("8");
    london.dewPoint = QStringLiteral("5");
    london.conditions = QStringLiteral("Light Rain");
    london.sunrise = QStringLiteral("7:58 AM GMT");
    london.sunset = QStringLiteral("3:51 PM GMT");
    london.wind = QStringLiteral("From the SW at <b>19</b>");
    london.windGust = QStringLiteral("-");
    london.tonight = QStringLiteral("Showers. Low: 4 &#176;C.");
    london.moon = QStringLiteral("moon05");
    server.setPage(QStringLiteral("London+United+Kingdom"), worldPage(london));
    server.setPage(QStringLiteral("Springfield"), searchForPage(QStringLiteral("Springfield")));
    server.setPage(QStringLiteral("Short+Page"), shortPage(QStringLiteral("Short Page")));
    Report odd = zip;
    odd.place = QStringLiteral("Nowhere, Kansas");
    odd.temperature = QStringLiteral("abc");
    server.setPage(QStringLiteral("Nowhere+KS"), usPage(odd));
    // Every world station has a page, named after its code; two are named after their city.
    Report station = london;
    station.place = QStringLiteral("Toronto, Ontario");
    server.setStationPage(QStringLiteral("CYTZ"), searchedPage(station));
    station.place = QStringLiteral("Zurich, Switzerland");
    server.setStationPage(QStringLiteral("LSZH"), searchedPage(station));
    server.setStationFallback([station](const QString &code) {
        Report named = station;
        named.place = QStringLiteral("Station ") + code;
        return searchedPage(named);
    });
    // The live source's places and their forecasts.
    namespace Live = OpenMeteoAnswers;
    server.setPlaces(QStringLiteral("80917"), Live::zip80917());
    server.setPlaces(QStringLiteral("Denver"), Live::denver());
    server.setPlaces(QStringLiteral("London"), Live::london());
    server.setPlaces(QStringLiteral("Paris"), Live::paris());
    server.setForecast(Live::kColoradoSprings, Live::coloradoSpringsForecast());
    server.setForecast(Live::kDenver, Live::denverForecast());
    server.setForecast(Live::kLondon, Live::londonForecast());
    server.setForecast(Live::kParis, Live::parisForecast());
    // The maker's information page, for "Current Pricing" with ORVANE_INFO_HOST set here.
    server.setFile(QStringLiteral("/PROGINFO.txt"),
                   QStringLiteral("1)Version 2.4.1<$0.00: Dec 2026!\r\n"
                                  "1)Orvane is free software: thank you for using it.%\r\n"));
    std::printf("weather pages on %s: 80917, Denver+CO, London+United+Kingdom, Springfield "
                "(search page), Short+Page, Nowhere+KS (temperature not a number), "
                "/global/stations/CODE.html for any station, /PROGINFO.txt; anything else is "
                "not found. Live source: 80917, Denver CO, London United Kingdom, Paris France\n",
                qPrintable(server.host()));
    std::fflush(stdout);
    return app.exec();
}
