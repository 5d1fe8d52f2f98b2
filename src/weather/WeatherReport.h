#pragma once

#include "common/PageFetch.h"
#include "weather/ReportCutter.h"
#include "weather/WeatherReading.h"

#include <QObject>

class Clock;
class QNetworkAccessManager;
class QUrl;

// One report run: pages fetched one at a time and read into a reading. Created for one run
// and started once; `finished` tells the result (0 ended, -1 failed), always after the start
// has returned, and reading() then holds what the run read, for the panel to apply.
class WeatherReport : public QObject
{
    Q_OBJECT
public:
    WeatherReport(QNetworkAccessManager &network, const Clock &clock, QObject *parent = nullptr);

    bool running() const { return m_running; }
    PageFetch &fetch() const { return *m_fetch; }
    const WeatherReading &reading() const { return m_reading; }
    // The address of the first page the run asked for, known as soon as it started.
    const QString &address() const { return m_address; }

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

    ReportFields &fields() { return m_reading; }
    void setAddress(const QString &address) { m_address = address; }
    const Clock &clock() const { return m_clock; }

private:
    WeatherReading m_reading;
    QString m_address;
    const Clock &m_clock;
    PageFetch *m_fetch;
    ReportKind m_kind = ReportKind::Us;
    bool m_running = false;
};
