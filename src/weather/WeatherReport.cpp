#include "weather/WeatherReport.h"

#include "platform/Clock.h"

#include <QUrl>

WeatherReport::WeatherReport(QNetworkAccessManager &network, const Clock &clock, QObject *parent)
    : QObject(parent)
    , m_clock(clock)
    , m_fetch(new PageFetch(network, this))
{
    connect(m_fetch, &PageFetch::finished, this,
            [this](bool ok, const QString &page) { onPage(ok, page); });
}

bool WeatherReport::begin()
{
    if (m_running)
        return false;
    m_running = true;
    m_reading = {};
    return true;
}

void WeatherReport::fetchPage(const QUrl &address, int timeoutMs, PageRequest::Answer answer)
{
    m_fetch->start(PageRequest{address, timeoutMs, answer});
}

void WeatherReport::finish(int result)
{
    m_running = false;
    Q_EMIT finished(result);
}

void WeatherReport::run(ReportKind kind, const QString &address)
{
    if (!begin())
        return;
    m_kind = kind;
    m_address = address;
    fetchPage(QUrl(address, QUrl::TolerantMode), PageFetch::kTimeoutMs);
}

void WeatherReport::onPage(bool ok, const QString &page)
{
    int result = -1;
    if (ok) {
        ReportCutter cutter(m_kind, m_reading, [this] { return m_clock.now().date(); });
        result = cutter.run(page);
    }
    finish(result);
}
