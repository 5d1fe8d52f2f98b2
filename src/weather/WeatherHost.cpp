#include "weather/WeatherHost.h"

#include "platform/SettingsStore.h"

QString weatherHost(SettingsStore &settings)
{
    QString host = qEnvironmentVariable("ORVANE_WEATHER_HOST").trimmed();
    if (host.isEmpty())
        host = settings.getSetting(QStringLiteral("System"), QStringLiteral("WeatherHost"));
    return hostAddress(host, kDefaultWeatherHost);
}

QString hostAddress(const QString &text, const QString &fallback)
{
    QString host = text.trimmed();
    if (host.isEmpty())
        return fallback;
    if (!host.contains(QLatin1String("://")))
        host.prepend(QLatin1String("http://"));
    while (host.endsWith(u'/'))
        host.chop(1);
    return host;
}

QString reportAddress(const QString &host, const QString &query)
{
    return host + QStringLiteral("/cgi-bin/findweather/getForecast?query=") + query;
}
