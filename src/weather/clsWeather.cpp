#include "weather/clsWeather.h"

#include "weather/ReportFields.h"
#include "weather/WeatherHost.h"

clsWeather::clsWeather(QNetworkAccessManager &network, const Clock &clock, const QString &host,
                       QObject *parent)
    : WeatherReport(network, clock, parent)
    , m_host(host)
{
}

void clsWeather::getQuote(const QString &query)
{
    start(ReportKind::Us, query);
}

void clsWeather::getQuoteWorld(const QString &query)
{
    start(ReportKind::World, query);
}

void clsWeather::start(ReportKind kind, const QString &query)
{
    if (running())
        return;
    const QString address = reportAddress(m_host, query);
    run(kind, address);
}
