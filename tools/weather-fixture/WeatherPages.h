#pragma once

#include <QList>
#include <QString>

// Forecast pages laid out the way the weather service writes them, to the character offsets
// the reports cut at: for the loopback fixture and the tests.
namespace WeatherPages {

struct DayForecast
{
    QString name; // "Thursday"
    QString day;
    QString night;
};

struct Report
{
    QString place = QStringLiteral("Colorado Springs, Colorado");
    QString temperature = QStringLiteral("36");
    QString celsius = QStringLiteral("2"); // world pages only
    QString humidity = QStringLiteral("52");
    QString dewPoint = QStringLiteral("21"); // °F on US pages, °C on world pages
    QString conditions = QStringLiteral("Partly Cloudy");
    QString sunrise = QStringLiteral("6:58 AM MST");
    QString sunset = QStringLiteral("4:36 PM MST");
    QString wind = QStringLiteral("From the <b>NW</b> at <b>14</b> MPH");
    QString windChill = QStringLiteral("30");
    QString windGust = QStringLiteral("22");
    QString today = QStringLiteral("Mostly sunny. Highs in the upper 40s.");
    QString afternoon; // a "This Afternoon" paragraph when not empty
    QString tonight = QStringLiteral("Clear. Lows around 20.");
    QList<DayForecast> days; // tomorrow's paragraphs, the first day first
    QString moon = QStringLiteral("moon12");
};

// One day's paragraphs under tomorrow's name.
Report withTomorrow(Report report, const QString &name);

QString usPage(const Report &report);
QString worldPage(const Report &report);
QString searchedPage(const Report &report);
// Pages whose titles the reports take for an unknown place.
QString notFoundPage();
QString searchForPage(const QString &words);
// A title and little else: shorter than where the fields are searched from.
QString shortPage(const QString &place);

} // namespace WeatherPages
