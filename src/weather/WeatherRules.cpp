#include "weather/WeatherRules.h"

#include <QHash>
#include <QLocale>

#include <cmath>

namespace WeatherRules {

std::optional<double> number(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    bool ok = false;
    double value = QLocale().toDouble(trimmed, &ok);
    if (!ok)
        value = QLocale::c().toDouble(trimmed, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<QString> celsiusText(const QString &fahrenheit)
{
    const std::optional<double> f = number(fahrenheit);
    if (!f || std::fabs(*f) > 1e9)
        return std::nullopt;
    // Settle the last bits of binary arithmetic first, so that 40.1 °F (4.5000000000000009)
    // is the half it stands for and goes to the even 4.
    const double c = std::round((*f - 32) / 1.8 * 1e9) / 1e9;
    const double whole = std::nearbyint(c) + 0.0; // + 0.0: no "-0"
    return QString::number(static_cast<qint64>(whole)) + kDegree + u'c';
}

int conditionPicture(const QString &words)
{
    static const QHash<QString, int> pictures{
        {QStringLiteral("Cloudy"), 1},
        {QStringLiteral("Fair"), 2},
        {QStringLiteral("Fog"), 3},
        {QStringLiteral("Patches of Fog"), 3},
        {QStringLiteral("Haze"), 4},
        {QStringLiteral("Light Rain"), 5},
        {QStringLiteral("Light Snow"), 6},
        {QStringLiteral("Light Snow Drifting"), 6},
        {QStringLiteral("Low Drifting Snow"), 6},
        {QStringLiteral("Mist"), 7},
        {QStringLiteral("Light Drizzle"), 7},
        {QStringLiteral("Mostly Cloudy"), 8},
        {QStringLiteral("Overcast"), 9},
        {QStringLiteral("Partly Cloudy"), 10},
        {QStringLiteral("Rain Thunder"), 11},
        {QStringLiteral("Rain"), 12},
        {QStringLiteral("Scattered Clouds"), 13},
        {QStringLiteral("Snow"), 14},
        {QStringLiteral("Sunny"), 15},
        {QStringLiteral("Clear"), 15},
    };
    return pictures.value(words, 16);
}

std::optional<int> moonPicture(const QString &name)
{
    const QString digits = name.mid(4, 2).trimmed();
    bool ok = false;
    const int n = digits.toInt(&ok);
    if (!ok || n < 0 || n > 30)
        return std::nullopt;
    return n + 1;
}

QString withoutBold(QString text)
{
    return text.remove(QStringLiteral("<b>")).remove(QStringLiteral("</b>"));
}

QString withDegreeSigns(QString text)
{
    return text.replace(QStringLiteral("&#176;"), QString(kDegree));
}

QString tomorrowName(const QDate &today)
{
    return QLocale(QLocale::English, QLocale::UnitedStates)
        .toString(today.addDays(1), QStringLiteral("dddd"));
}

} // namespace WeatherRules
