#pragma once

#include "weather/WeatherReport.h"

// The US and world reports of the weather panel (one new object per press).
class clsWeather : public WeatherReport
{
    Q_OBJECT
public:
    // `host` is where the pages come from (see weatherHost()).
    clsWeather(QNetworkAccessManager &network, const Clock &clock, const QString &host,
               QObject *parent = nullptr);

    // The query as the panel prepared it: a ZIP code, or words joined by "+".
    void getQuote(const QString &query);
    void getQuoteWorld(const QString &query);

private:
    void start(ReportKind kind, const QString &query);

    QString m_host;
};

// The report on a station page the world city search picked: the address is the one the
// search wrote to the hidden address field.
class clsWeatherWorldSearch : public WeatherReport
{
    Q_OBJECT
public:
    using WeatherReport::WeatherReport;

    void getQuoteWorldSearch(const QString &address) { run(ReportKind::Searched, address); }
};
