#pragma once

#include <QString>

class SettingsStore;

// Where the report pages come from: the environment's ORVANE_WEATHER_HOST, else the setting
// "System"/"WeatherHost" (not shown in the interface), else the service itself. A host
// without a scheme is taken as http.
QString weatherHost(SettingsStore &settings);

// The page address of a report: the host, the forecast path and the query as it is.
QString reportAddress(const QString &host, const QString &query);

inline const QString kDefaultWeatherHost = QStringLiteral("http://www.wunderground.com");
