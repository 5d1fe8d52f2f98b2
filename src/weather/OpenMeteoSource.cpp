#include "weather/OpenMeteoSource.h"

#include "common/PageFetch.h"
#include "platform/Clock.h"
#include "weather/OpenMeteoReading.h"
#include "weather/ReportFields.h"

using namespace OpenMeteoQuery;

const QString OpenMeteoSource::kAttribution = QStringLiteral("Weather data by Open-Meteo.com");

OpenMeteoSource::OpenMeteoSource(QNetworkAccessManager &network, const Clock &clock)
    : m_network(network)
    , m_clock(clock)
{
}

WeatherReport *OpenMeteoSource::start(const WeatherRequest &request, QObject *parent)
{
    auto *report = new OpenMeteoReport(m_network, m_clock, parent);
    report->get(request);
    return report;
}

void OpenMeteoReport::get(const WeatherRequest &request)
{
    if (!begin())
        return;
    m_kind = request.kind;
    switch (m_kind) {
    case ReportKind::Us:
        m_query = usPlace(request.query);
        break;
    case ReportKind::World:
        m_query = worldPlace(request.query);
        break;
    case ReportKind::Searched:
        m_query = searchedPlace(request.city, request.country);
        break;
    }
    m_forecastHost = forecastHost();
    m_stage = Stage::Places;
    const QUrl address = geocodingAddress(geocodingHost(), m_query);
    setAddress(address.toString());
    m_started.start();
    // An error status carries a reason, not data: the fields keep what they have.
    fetchPage(address, PageFetch::kTimeoutMs, PageRequest::Answer::Success);
}

void OpenMeteoReport::onPage(bool ok, const QString &page)
{
    if (!ok) {
        finish(-1);
        return;
    }
    if (m_stage == Stage::Places)
        onPlaces(page);
    else
        onForecast(page);
}

void OpenMeteoReport::onPlaces(const QString &page)
{
    const PlaceAnswer answer = readPlaces(page, m_query);
    if (!answer.readable) {
        finish(-1);
        return;
    }
    if (!answer.place) {
        showNotFound(m_kind, fields());
        finish(0);
        return;
    }
    const bool us = m_kind == ReportKind::Us;
    fields().setText(WeatherField::Title, title(*answer.place, us));
    m_stage = Stage::Forecast;
    fetchPage(forecastAddress(m_forecastHost, *answer.place, us),
              int(PageFetch::kTimeoutMs - m_started.elapsed()), PageRequest::Answer::Success);
}

void OpenMeteoReport::onForecast(const QString &page)
{
    const bool complete = OpenMeteoReading::readForecast(page, m_kind == ReportKind::Us,
                                                         clock().now().date(), fields());
    if (complete)
        fields().hideCollecting();
    finish(complete ? 0 : -1);
}
