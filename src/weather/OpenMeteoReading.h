#pragma once

#include <QDate>
#include <QString>

#include <optional>

class ReportFields;

// The live source's forecast answer read into the report fields, with the texts and units
// the page reports show.
namespace OpenMeteoReading {

// The condition words of the condition pictures for a WMO weather code ("Rain Thunder" for
// 95); "Unknown" for codes the table does not have.
QString conditionWord(int code);

// The moon picture (1 to 31) of a date: the moon's age in days at noon UTC, rounded, plus one.
int moonPictureOn(const QDate &date);

// "NW" for 315 degrees: the nearest of the 16 compass points.
QString compassPoint(double degrees);

// One day of the daily answer, any value possibly missing.
struct Day
{
    std::optional<int> code;
    std::optional<double> high;
    std::optional<double> low;
    std::optional<double> wind;
    std::optional<double> windDirection;
};

// "Partly cloudy. High 45°F. Wind W 10 mph." from what the day has; empty when nothing.
QString daySentence(const Day &day, bool us);
// "Low 28°F." for the night before the day whose minimum it is.
QString nightSentence(const Day &day, bool us);

// Writes every field the answer has (°F and mph when `us`, else °C and km/h), and the moon
// of `today`; true when every field was written.
bool readForecast(const QString &json, bool us, const QDate &today, ReportFields &fields);

} // namespace OpenMeteoReading
