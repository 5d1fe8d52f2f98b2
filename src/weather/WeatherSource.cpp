#include "weather/WeatherSource.h"

#include "platform/SettingsStore.h"
#include "weather/WeatherHost.h"
#include "weather/clsWeather.h"

namespace {

const QString kSystem = QStringLiteral("System");
const QString kKey = QStringLiteral("WeatherSource");
const QString kPages = QStringLiteral("pages");

} // namespace

WeatherSource::Kind WeatherSource::stored(SettingsStore &settings)
{
    const QString value = settings.getSetting(kSystem, kKey).trimmed();
    return value.compare(kPages, Qt::CaseInsensitive) == 0 ? Kind::Pages : Kind::Live;
}

void WeatherSource::store(SettingsStore &settings, Kind kind)
{
    settings.saveSetting(kSystem, kKey, kind == Kind::Pages ? kPages : QStringLiteral("live"));
}

PageSource::PageSource(QNetworkAccessManager &network, const Clock &clock, SettingsStore &settings)
    : m_network(network)
    , m_clock(clock)
    , m_settings(settings)
{
}

WeatherReport *PageSource::start(const WeatherRequest &request, QObject *parent)
{
    if (request.kind == ReportKind::Searched) {
        auto *report = new clsWeatherWorldSearch(m_network, m_clock, parent);
        report->getQuoteWorldSearch(request.query);
        return report;
    }
    // The host is read for every report: the setting may have changed since the last one.
    auto *report = new clsWeather(m_network, m_clock, weatherHost(m_settings), parent);
    if (request.kind == ReportKind::Us)
        report->getQuote(request.query);
    else
        report->getQuoteWorld(request.query);
    return report;
}
