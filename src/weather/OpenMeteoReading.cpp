#include "weather/OpenMeteoReading.h"

#include "weather/ReportFields.h"
#include "weather/WeatherRules.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QTimeZone>

#include <cmath>

namespace OpenMeteoReading {

namespace {

using WeatherRules::kDegree;

// Anything past this is no temperature, speed or angle: it is not shown.
constexpr double kLimit = 1e6;

std::optional<double> number(const QJsonValue &value)
{
    if (!value.isDouble())
        return std::nullopt;
    const double d = value.toDouble();
    if (!std::isfinite(d) || std::fabs(d) > kLimit)
        return std::nullopt;
    return d;
}

std::optional<double> dailyNumber(const QJsonObject &daily, const char *key, int day)
{
    const QJsonArray values = daily.value(QLatin1String(key)).toArray();
    return day < values.size() ? number(values.at(day)) : std::nullopt;
}

QString whole(double value)
{
    return QString::number(static_cast<qint64>(std::llround(value)));
}

QString unitText(bool us)
{
    return us ? QStringLiteral("°F") : QStringLiteral("°C");
}

Day dayOf(const QJsonObject &daily, int day)
{
    Day d;
    if (const auto code = dailyNumber(daily, "weather_code", day))
        d.code = int(*code);
    d.high = dailyNumber(daily, "temperature_2m_max", day);
    d.low = dailyNumber(daily, "temperature_2m_min", day);
    d.wind = dailyNumber(daily, "wind_speed_10m_max", day);
    d.windDirection = dailyNumber(daily, "wind_direction_10m_dominant", day);
    return d;
}

// "7:06 AM" from "2026-12-10T07:06", with the zone's abbreviation after it when given. The
// time is the place's own: read as a date and a clock time, never through the user's time zone,
// which may lack that hour (a spring-forward gap) or shift it.
std::optional<QString> clockTime(const QJsonObject &daily, const char *key, const QString &zone)
{
    const QString text = daily.value(QLatin1String(key)).toArray().at(0).toString();
    const qsizetype t = text.indexOf(u'T');
    const QDate date = QDate::fromString(text.left(t), Qt::ISODate);
    const QTime at = QTime::fromString(text.mid(t + 1), Qt::ISODate);
    if (t < 0 || !date.isValid() || !at.isValid())
        return std::nullopt;
    const QString time
        = QLocale(QLocale::English, QLocale::UnitedStates).toString(at, QStringLiteral("h:mm AP"));
    return zone.isEmpty() ? time : time + u' ' + zone;
}

// Writes what it is given and remembers whether anything was left out.
class Writer
{
public:
    explicit Writer(ReportFields &fields)
        : m_fields(fields)
    {
    }
    void text(WeatherField field, const std::optional<QString> &value)
    {
        if (value && !value->isEmpty())
            m_fields.setText(field, *value);
        else
            m_complete = false;
    }
    ReportFields &fields() { return m_fields; }
    bool complete() const { return m_complete; }
    void missed() { m_complete = false; }

private:
    ReportFields &m_fields;
    bool m_complete = true;
};

void writeCurrent(Writer &w, const QJsonObject &current, bool us)
{
    if (const auto t = number(current.value(QLatin1String("temperature_2m")))) {
        if (us) {
            w.text(WeatherField::CurTemp, whole(*t) + kDegree);
            w.fields().showCelsius();
            w.text(WeatherField::Celsius, WeatherRules::celsiusText(whole(*t)));
        } else {
            w.text(WeatherField::CurTemp, whole(*t * 1.8 + 32) + kDegree);
            w.text(WeatherField::Celsius, whole(*t) + kDegree + u'c');
        }
    } else {
        w.missed();
    }
    const auto humidity = number(current.value(QLatin1String("relative_humidity_2m")));
    w.text(WeatherField::Humidity,
           humidity ? std::optional(whole(*humidity) + u'%') : std::nullopt);
    const auto dew = number(current.value(QLatin1String("dew_point_2m")));
    w.text(WeatherField::Dew, dew ? std::optional(whole(*dew) + unitText(us)) : std::nullopt);
    if (const auto code = number(current.value(QLatin1String("weather_code")))) {
        const QString word = conditionWord(int(*code));
        w.text(WeatherField::Cond, word);
        w.fields().setPicture(WeatherPicture::Cond, WeatherRules::conditionPicture(word));
    } else {
        w.missed();
    }
}

void writeWind(Writer &w, const QJsonObject &current, bool us)
{
    const QString unit = us ? QStringLiteral(" MPH") : QStringLiteral(" kph");
    const auto speed = number(current.value(QLatin1String("wind_speed_10m")));
    const auto direction = number(current.value(QLatin1String("wind_direction_10m")));
    std::optional<QString> wind;
    if (speed && whole(*speed) == QLatin1String("0"))
        wind = QStringLiteral("Calm");
    else if (speed && direction)
        wind = QStringLiteral("From the ") + compassPoint(*direction) + QStringLiteral(" at ")
            + whole(*speed) + unit;
    else if (speed)
        wind = whole(*speed) + unit;
    w.text(WeatherField::Wind, wind);
    // A value the service has no number for shows as the pages show it: "N/A".
    const auto feels = number(current.value(QLatin1String("apparent_temperature")));
    w.text(WeatherField::WindChill, (feels ? whole(*feels) : QStringLiteral("N/A")) + kDegree);
    const auto gust = number(current.value(QLatin1String("wind_gusts_10m")));
    w.text(WeatherField::WindGust, (gust ? whole(*gust) : QStringLiteral("N/A")) + unit);
}

} // namespace

QString conditionWord(int code)
{
    switch (code) {
    case 0:
        return QStringLiteral("Clear");
    case 1:
        return QStringLiteral("Fair");
    case 2:
        return QStringLiteral("Partly Cloudy");
    case 3:
        return QStringLiteral("Overcast");
    case 45:
    case 48:
        return QStringLiteral("Fog");
    case 51:
    case 53:
    case 55:
    case 56:
    case 57:
        return QStringLiteral("Light Drizzle");
    case 61:
    case 66:
    case 80:
        return QStringLiteral("Light Rain");
    case 63:
    case 65:
    case 67:
    case 81:
    case 82:
        return QStringLiteral("Rain");
    case 71:
    case 77:
    case 85:
        return QStringLiteral("Light Snow");
    case 73:
    case 75:
    case 86:
        return QStringLiteral("Snow");
    case 95:
    case 96:
    case 99:
        return QStringLiteral("Rain Thunder");
    default:
        return QStringLiteral("Unknown");
    }
}

int moonPictureOn(const QDate &date)
{
    if (!date.isValid())
        return 1;
    // A new moon of record (2000-01-06 18:14 UTC) and the mean synodic month.
    constexpr double kSynodicDays = 29.530588853;
    static const QDateTime newMoon(QDate(2000, 1, 6), QTime(18, 14), QTimeZone::utc());
    const QDateTime noon(date, QTime(12, 0), QTimeZone::utc());
    const double days = double(newMoon.msecsTo(noon)) / 86400000.0;
    double age = std::fmod(days, kSynodicDays);
    if (age < 0)
        age += kSynodicDays;
    return int(std::lround(age)) + 1;
}

QString compassPoint(double degrees)
{
    static const char *const points[] = {"N", "NNE", "NE", "ENE", "E", "ESE", "SE", "SSE",
                                         "S", "SSW", "SW", "WSW", "W", "WNW", "NW", "NNW"};
    double d = std::fmod(degrees, 360.0);
    if (d < 0)
        d += 360.0;
    return QString::fromLatin1(points[int(std::lround(d / 22.5)) % 16]);
}

QString daySentence(const Day &day, bool us)
{
    QStringList parts;
    if (day.code) {
        const QString word = conditionWord(*day.code);
        if (word != QLatin1String("Unknown"))
            parts << word.left(1) + word.mid(1).toLower() + u'.';
    }
    if (day.high)
        parts << QStringLiteral("High ") + whole(*day.high) + unitText(us) + u'.';
    if (day.wind) {
        const QString speed = whole(*day.wind);
        if (speed == QLatin1String("0"))
            parts << QStringLiteral("Wind calm.");
        else
            parts << QStringLiteral("Wind ")
                    + (day.windDirection ? compassPoint(*day.windDirection) + u' ' : QString())
                    + speed + (us ? QStringLiteral(" mph.") : QStringLiteral(" km/h."));
    }
    return parts.join(u' ');
}

QString nightSentence(const Day &day, bool us)
{
    return day.low ? QStringLiteral("Low ") + whole(*day.low) + unitText(us) + u'.' : QString();
}

bool readForecast(const QString &json, bool us, const QDate &today, ReportFields &fields)
{
    Writer w(fields);
    const QJsonObject answer = QJsonDocument::fromJson(json.toUtf8()).object();
    const QJsonValue current = answer.value(QLatin1String("current"));
    if (current.isObject()) {
        writeCurrent(w, current.toObject(), us);
    } else {
        w.missed();
    }
    const QJsonObject daily = answer.value(QLatin1String("daily")).toObject();
    // A zone's abbreviation is a few letters ("GMT", "GMT+1"); more is not one.
    QString zone = answer.value(QLatin1String("timezone_abbreviation")).toString();
    if (us || zone.size() > 8)
        zone.clear();
    w.text(WeatherField::Sunrise, clockTime(daily, "sunrise", zone));
    w.text(WeatherField::Sunset, clockTime(daily, "sunset", zone));
    w.text(WeatherField::Tonight, nightSentence(dayOf(daily, 1), us));
    if (current.isObject())
        writeWind(w, current.toObject(), us);
    w.text(WeatherField::Today, daySentence(dayOf(daily, 0), us));
    w.text(WeatherField::Tomorrow, daySentence(dayOf(daily, 1), us));
    w.text(WeatherField::TomNight, nightSentence(dayOf(daily, 2), us));
    fields.setPicture(WeatherPicture::Moon, moonPictureOn(today));
    return w.complete();
}

} // namespace OpenMeteoReading
