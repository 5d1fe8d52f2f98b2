#include "weather/WeatherReport.h"

#include "common/PageFetch.h"
#include "platform/Clock.h"

#include <QUrl>

WeatherReport::WeatherReport(QNetworkAccessManager &network, ReportFields &fields,
                             const Clock &clock, QObject *parent)
    : QObject(parent)
    , m_fields(fields)
    , m_clock(clock)
    , m_fetch(new PageFetch(network, this))
{
    connect(m_fetch, &PageFetch::finished, this, &WeatherReport::onPage);
}

void WeatherReport::run(ReportKind kind, const QString &address)
{
    if (m_running)
        return;
    m_running = true;
    m_kind = kind;
    m_fetch->start(QUrl(address, QUrl::TolerantMode));
}

void WeatherReport::onPage(bool ok, const QString &page)
{
    int result = -1;
    if (ok) {
        ReportCutter cutter(m_kind, m_fields, [this] { return m_clock.now().date(); });
        result = cutter.run(page);
    }
    m_running = false;
    Q_EMIT finished(result);
}
