#include "weather/OpenMeteoQuery.h"

#include "common/HostAddress.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QUrlQuery>

namespace OpenMeteoQuery {

namespace {

struct State
{
    const char *code;
    const char *name;
};

constexpr State kStates[] = {
    {"AL", "Alabama"},        {"AK", "Alaska"},         {"AZ", "Arizona"},
    {"AR", "Arkansas"},       {"CA", "California"},     {"CO", "Colorado"},
    {"CT", "Connecticut"},    {"DE", "Delaware"},       {"DC", "District of Columbia"},
    {"FL", "Florida"},        {"GA", "Georgia"},        {"HI", "Hawaii"},
    {"ID", "Idaho"},          {"IL", "Illinois"},       {"IN", "Indiana"},
    {"IA", "Iowa"},           {"KS", "Kansas"},         {"KY", "Kentucky"},
    {"LA", "Louisiana"},      {"ME", "Maine"},          {"MD", "Maryland"},
    {"MA", "Massachusetts"},  {"MI", "Michigan"},       {"MN", "Minnesota"},
    {"MS", "Mississippi"},    {"MO", "Missouri"},       {"MT", "Montana"},
    {"NE", "Nebraska"},       {"NV", "Nevada"},         {"NH", "New Hampshire"},
    {"NJ", "New Jersey"},     {"NM", "New Mexico"},     {"NY", "New York"},
    {"NC", "North Carolina"}, {"ND", "North Dakota"},   {"OH", "Ohio"},
    {"OK", "Oklahoma"},       {"OR", "Oregon"},         {"PA", "Pennsylvania"},
    {"RI", "Rhode Island"},   {"SC", "South Carolina"}, {"SD", "South Dakota"},
    {"TN", "Tennessee"},      {"TX", "Texas"},          {"UT", "Utah"},
    {"VT", "Vermont"},        {"VA", "Virginia"},       {"WA", "Washington"},
    {"WV", "West Virginia"},  {"WI", "Wisconsin"},      {"WY", "Wyoming"},
};

// The state a text names, by code or name in any letter case; empty when none.
QString stateName(const QString &text)
{
    for (const State &s : kStates) {
        if (text.compare(QLatin1String(s.code), Qt::CaseInsensitive) == 0
            || text.compare(QLatin1String(s.name), Qt::CaseInsensitive) == 0)
            return QString::fromLatin1(s.name);
    }
    return {};
}

QStringList words(const QString &query)
{
    QString text = query;
    text.replace(u'+', u' ');
    return text.simplified().split(u' ', Qt::SkipEmptyParts);
}

// The words after the first `count` are tried as a region name, longest first, leaving at
// least one word for the place. Returns the place's words and the match.
template<typename Match> QPair<QString, QString> splitTrailing(const QStringList &all, Match match)
{
    for (qsizetype tail = qMin<qsizetype>(4, all.size() - 1); tail >= 1; --tail) {
        const QString found = match(all.mid(all.size() - tail).join(u' '));
        if (!found.isEmpty())
            return {all.first(all.size() - tail).join(u' '), found};
    }
    return {all.join(u' '), QString()};
}

std::optional<Place> place(const QJsonObject &o)
{
    const QJsonValue lat = o.value(QLatin1String("latitude"));
    const QJsonValue lon = o.value(QLatin1String("longitude"));
    const QString name = o.value(QLatin1String("name")).toString();
    if (!lat.isDouble() || !lon.isDouble() || name.isEmpty())
        return std::nullopt;
    const double latitude = lat.toDouble();
    const double longitude = lon.toDouble();
    if (latitude < -90 || latitude > 90 || longitude < -180 || longitude > 180)
        return std::nullopt;
    return Place{name,
                 o.value(QLatin1String("admin1")).toString(),
                 o.value(QLatin1String("country")).toString(),
                 o.value(QLatin1String("country_code")).toString(),
                 latitude,
                 longitude};
}

} // namespace

QString countryCode(const QString &name)
{
    static const QHash<QString, QString> aliases{
        {QStringLiteral("usa"), QStringLiteral("US")},
        {QStringLiteral("uk"), QStringLiteral("GB")},
        {QStringLiteral("great britain"), QStringLiteral("GB")},
        {QStringLiteral("england"), QStringLiteral("GB")},
        {QStringLiteral("scotland"), QStringLiteral("GB")},
        {QStringLiteral("wales"), QStringLiteral("GB")},
        {QStringLiteral("holland"), QStringLiteral("NL")},
    };
    const QString key = name.simplified().toLower();
    if (aliases.contains(key))
        return aliases.value(key);
    for (int t = QLocale::AnyTerritory + 1; t <= QLocale::LastTerritory; ++t) {
        const auto territory = QLocale::Territory(t);
        if (QLocale::territoryToString(territory).toLower() == key)
            return QLocale::territoryToCode(territory);
    }
    return {};
}

PlaceQuery usPlace(const QString &query)
{
    const QStringList all = words(query);
    const auto [name, state] = splitTrailing(all, stateName);
    return {name, QStringLiteral("US"), state};
}

PlaceQuery worldPlace(const QString &query)
{
    const QStringList all = words(query);
    const auto [name, code] = splitTrailing(all, countryCode);
    return {name, code, QString()};
}

PlaceQuery searchedPlace(const QString &city, const QString &country)
{
    return {city.simplified(), countryCode(country), QString()};
}

QUrl geocodingAddress(const QString &host, const PlaceQuery &query)
{
    QUrl url(host + QStringLiteral("/v1/search"));
    QUrlQuery items;
    items.addQueryItem(QStringLiteral("name"), query.name);
    // Several answers, so that the state asked for can be chosen among places of one name.
    items.addQueryItem(QStringLiteral("count"), QStringLiteral("10"));
    items.addQueryItem(QStringLiteral("language"), QStringLiteral("en"));
    items.addQueryItem(QStringLiteral("format"), QStringLiteral("json"));
    if (!query.countryCode.isEmpty())
        items.addQueryItem(QStringLiteral("countryCode"), query.countryCode);
    url.setQuery(items);
    return url;
}

QUrl forecastAddress(const QString &host, const Place &place, bool us)
{
    QUrl url(host + QStringLiteral("/v1/forecast"));
    QUrlQuery items;
    items.addQueryItem(QStringLiteral("latitude"), QString::number(place.latitude, 'f', 4));
    items.addQueryItem(QStringLiteral("longitude"), QString::number(place.longitude, 'f', 4));
    items.addQueryItem(QStringLiteral("current"),
                       QStringLiteral("temperature_2m,relative_humidity_2m,dew_point_2m,"
                                      "apparent_temperature,weather_code,wind_speed_10m,"
                                      "wind_direction_10m,wind_gusts_10m"));
    items.addQueryItem(QStringLiteral("daily"),
                       QStringLiteral("weather_code,temperature_2m_max,temperature_2m_min,"
                                      "sunrise,sunset,wind_speed_10m_max,"
                                      "wind_direction_10m_dominant"));
    items.addQueryItem(QStringLiteral("timezone"), QStringLiteral("auto"));
    // Tomorrow night's low is the next day's minimum.
    items.addQueryItem(QStringLiteral("forecast_days"), QStringLiteral("3"));
    if (us) {
        items.addQueryItem(QStringLiteral("temperature_unit"), QStringLiteral("fahrenheit"));
        items.addQueryItem(QStringLiteral("wind_speed_unit"), QStringLiteral("mph"));
    }
    url.setQuery(items);
    return url;
}

PlaceAnswer readPlaces(const QString &json, const PlaceQuery &query)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json.toUtf8(), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return {};
    PlaceAnswer answer{true, std::nullopt};
    const QJsonArray results = document.object().value(QLatin1String("results")).toArray();
    for (const QJsonValue &value : results) {
        const std::optional<Place> p = place(value.toObject());
        if (!p)
            continue;
        if (query.region.isEmpty() || p->region.compare(query.region, Qt::CaseInsensitive) == 0)
            return {true, p};
        if (!answer.place)
            answer.place = p;
    }
    return answer;
}

QString title(const Place &place, bool us)
{
    const QString where = us && !place.region.isEmpty() ? place.region : place.country;
    return u' ' + place.name + (where.isEmpty() ? QString() : QStringLiteral(", ") + where);
}

QString geocodingHost()
{
    return resolveHost("ORVANE_GEOCODING_HOST", {}, kDefaultGeocodingHost);
}

QString forecastHost()
{
    return resolveHost("ORVANE_FORECAST_HOST", {}, kDefaultForecastHost);
}

} // namespace OpenMeteoQuery
