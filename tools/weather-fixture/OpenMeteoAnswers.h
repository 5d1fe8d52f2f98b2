#pragma once

#include <QString>

// Answers of the keyless geocoding and forecast services, recorded in the shape the services
// document: for the loopback fixture and the tests.
namespace OpenMeteoAnswers {

// Geocoder answers ("/v1/search?name=..."), by what was asked.
QString zip80917(); // Colorado Springs, Colorado
QString denver();   // Denver, Colorado, and Denver, Iowa
QString london();   // London, United Kingdom, and London, Ontario
QString paris();    // Paris, France
QString noPlaces(); // a name the geocoder does not know

// Forecast answers ("/v1/forecast?latitude=..."), each for one of the places above.
inline constexpr double kColoradoSprings = 38.83388;
inline constexpr double kDenver = 39.73915;
inline constexpr double kLondon = 51.50853;
inline constexpr double kParis = 48.85341;
QString coloradoSpringsForecast(); // °F and mph: 41 °F, partly cloudy, gusts 22
QString denverForecast();          // °F and mph: a thunderstorm (code 95)
QString londonForecast();          // °C and km/h: 8 °C, light rain
QString parisForecast();           // °C and km/h: overcast, calm
QString forecastError();           // the error the service gives for a bad question

} // namespace OpenMeteoAnswers
