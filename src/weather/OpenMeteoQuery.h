#pragma once

#include <QString>
#include <QUrl>

#include <optional>

// The live source's questions to the geocoding and forecast services, and the place it takes
// from the geocoder's answer.
namespace OpenMeteoQuery {

// What is asked of the geocoder: a name (or a postal code), and the country and region the
// answer should lie in when the user said them.
struct PlaceQuery
{
    QString name;
    QString countryCode; // ISO 3166-1 alpha-2; empty: anywhere
    QString region;      // a US state's name, preferred among the answers
};

struct Place
{
    QString name;
    QString region; // admin1: state, province
    QString country;
    QString countryCode;
    double latitude = 0;
    double longitude = 0;
};

// The geocoder's answer: readable or not, and the place chosen from it (none: unknown).
struct PlaceAnswer
{
    bool readable = false;
    std::optional<Place> place;
};

// "80917" or "Denver+CO": a ZIP code or a place, with a state's code or name at the end.
PlaceQuery usPlace(const QString &query);
// "London+United+Kingdom": the place and, at the end, the name of its country.
PlaceQuery worldPlace(const QString &query);
// A city and country picked in the world city search.
PlaceQuery searchedPlace(const QString &city, const QString &country);

// The ISO code of a country's English name ("United Kingdom" -> "GB"); empty when unknown.
QString countryCode(const QString &name);

QUrl geocodingAddress(const QString &host, const PlaceQuery &query);
// The forecast of the place, in °F and mph (`us`) or in °C and km/h.
QUrl forecastAddress(const QString &host, const Place &place, bool us);

// The first answer in the region asked for, else the first answer.
PlaceAnswer readPlaces(const QString &json, const PlaceQuery &query);

// The title the panel shows: " Denver, Colorado" (US) or " London, United Kingdom".
QString title(const Place &place, bool us);

// The hosts: ORVANE_GEOCODING_HOST and ORVANE_FORECAST_HOST, else the services. A host
// without a scheme is taken as http.
QString geocodingHost();
QString forecastHost();

inline const QString kDefaultGeocodingHost = QStringLiteral("https://geocoding-api.open-meteo.com");
inline const QString kDefaultForecastHost = QStringLiteral("https://api.open-meteo.com");

} // namespace OpenMeteoQuery
