#pragma once

#include "weather/ReportCutter.h"

#include <QObject>

class Clock;
class PageFetch;
class QNetworkAccessManager;
class ReportFields;

// One report run: the page fetched, then cut into the fields. Created for one run and
// started once; `finished` tells the result (0 ended, -1 failed), always after the start
// has returned.
class WeatherReport : public QObject
{
    Q_OBJECT
public:
    WeatherReport(QNetworkAccessManager &network, ReportFields &fields, const Clock &clock,
                  QObject *parent = nullptr);

    bool running() const { return m_running; }
    PageFetch &fetch() const { return *m_fetch; }

Q_SIGNALS:
    void finished(int result);

protected:
    void run(ReportKind kind, const QString &address);
    ReportFields &fields() const { return m_fields; }

private:
    void onPage(bool ok, const QString &page);

    ReportFields &m_fields;
    const Clock &m_clock;
    PageFetch *m_fetch;
    ReportKind m_kind = ReportKind::Us;
    bool m_running = false;
};
