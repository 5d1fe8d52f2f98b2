#pragma once

#include "weather/OpenMeteoQuery.h"
#include "weather/WeatherReport.h"
#include "weather/WeatherSource.h"

#include <QElapsedTimer>

// The live source: the keyless Open-Meteo geocoding and forecast services. The data is
// licensed for use with attribution, which the panel's title and the About box give.
class OpenMeteoSource final : public WeatherSource
{
public:
    OpenMeteoSource(QNetworkAccessManager &network, const Clock &clock);
    WeatherReport *start(const WeatherRequest &request, QObject *parent) override;

    static const QString kAttribution;

private:
    QNetworkAccessManager &m_network;
    const Clock &m_clock;
};

// One live report: the place asked of the geocoder, then its forecast, with the same result
// convention and fields as a page report. The hosts are read when the report starts; both
// answers together get the one time-out a page report has.
class OpenMeteoReport : public WeatherReport
{
    Q_OBJECT
public:
    using WeatherReport::WeatherReport;

    void get(const WeatherRequest &request);

protected:
    void onPage(bool ok, const QString &page) override;

private:
    void onPlaces(const QString &page);
    void onForecast(const QString &page);

    enum class Stage { Places, Forecast } m_stage = Stage::Places;
    ReportKind m_kind = ReportKind::Us;
    OpenMeteoQuery::PlaceQuery m_query;
    QString m_forecastHost;
    QElapsedTimer m_started;
};
