#pragma once

#include "common/PageFetch.h"
#include "weather/ReportCutter.h"

#include <QObject>

class Clock;
class QNetworkAccessManager;
class QUrl;
class ReportFields;

// One report run: pages fetched one at a time and read into the fields. Created for one run
// and started once; `finished` tells the result (0 ended, -1 failed), always after the start
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
    // A page report: the page at `address` cut by the rules of `kind`.
    void run(ReportKind kind, const QString &address);
    // For reports of their own: the run is marked running, then pages are asked for one at a
    // time; each arrives in onPage(), and finish() ends the run.
    bool begin();
    void fetchPage(const QUrl &address, int timeoutMs,
                   PageRequest::Answer answer = PageRequest::Answer::AnyStatus);
    void finish(int result);
    virtual void onPage(bool ok, const QString &page);

    ReportFields &fields() const { return m_fields; }
    const Clock &clock() const { return m_clock; }

private:
    ReportFields &m_fields;
    const Clock &m_clock;
    PageFetch *m_fetch;
    ReportKind m_kind = ReportKind::Us;
    bool m_running = false;
};
