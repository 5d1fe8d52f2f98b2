#pragma once

#include "platform/Services.h"
#include "weather/WeatherSource.h"

#include <QObject>
#include <QPointer>

#include <memory>

class QAction;
class WeatherFieldsView;

// The fetching side of the weather panel: the source in use (live data or pages, as the
// "Source" menu chose and the settings keep) and the one report running. The fields show a
// report's address when it starts and its reading when it ends.
class WeatherFetch : public QObject
{
    Q_OBJECT
public:
    WeatherFetch(Services &services, WeatherFieldsView &fields, QObject *parent);
    ~WeatherFetch() override;

    // The "Source" submenu's two items; checked as the source in use.
    void setSourceMenu(QAction *live, QAction *pages);
    // The source of the next report (the running one finishes as it began).
    void setSource(WeatherSource::Kind kind);
    // The user's choice: used from the next report on, and stored.
    void chooseSource(WeatherSource::Kind kind);
    WeatherSource::Kind source() const { return m_kind; }

    void start(const WeatherRequest &request);
    bool running() const { return m_report != nullptr; }
    WeatherReport *report() const { return m_report; }

Q_SIGNALS:
    // The reading is on the fields and the report is over.
    void finished(ReportKind kind);

private:
    Services &m_services;
    WeatherFieldsView &m_fields;
    QPointer<WeatherReport> m_report;
    std::unique_ptr<WeatherSource> m_source;
    WeatherSource::Kind m_kind = WeatherSource::Kind::Live;
    QAction *m_live = nullptr;
    QAction *m_pages = nullptr;
};
