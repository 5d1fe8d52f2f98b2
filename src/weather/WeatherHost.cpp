#include "weather/WeatherHost.h"

#include "common/HostAddress.h"
#include "platform/SettingsStore.h"

QString weatherHost(SettingsStore &settings)
{
    return resolveHost("ORVANE_WEATHER_HOST",
                       settings.getSetting(QStringLiteral("System"), QStringLiteral("WeatherHost")),
                       kDefaultWeatherHost);
}

QString reportAddress(const QString &host, const QString &query)
{
    return host + QStringLiteral("/cgi-bin/findweather/getForecast?query=") + query;
}
