#include "weather/WeatherFetch.h"

#include "weather/OpenMeteoSource.h"
#include "weather/WeatherFieldsView.h"

#include <QAction>

WeatherFetch::WeatherFetch(Services &services, WeatherFieldsView &fields, QObject *parent)
    : QObject(parent)
    , m_services(services)
    , m_fields(fields)
{
    setSource(WeatherSource::Kind::Live);
}

WeatherFetch::~WeatherFetch() = default;

void WeatherFetch::setSourceMenu(QAction *live, QAction *pages)
{
    m_live = live;
    m_pages = pages;
    connect(live, &QAction::triggered, this, [this] { chooseSource(WeatherSource::Kind::Live); });
    connect(pages, &QAction::triggered, this, [this] { chooseSource(WeatherSource::Kind::Pages); });
    setSource(m_kind);
}

void WeatherFetch::setSource(WeatherSource::Kind kind)
{
    m_kind = kind;
    const bool live = kind == WeatherSource::Kind::Live;
    if (live)
        m_source = std::make_unique<OpenMeteoSource>(m_services.network, m_services.clock);
    else
        m_source = std::make_unique<PageSource>(m_services.network, m_services.clock,
                                                m_services.settings);
    // The live data's licence asks for its source to be named where it is shown.
    m_fields.setTitleToolTip(live ? OpenMeteoSource::kAttribution : QString());
    if (m_live)
        m_live->setChecked(live);
    if (m_pages)
        m_pages->setChecked(!live);
}

void WeatherFetch::chooseSource(WeatherSource::Kind kind)
{
    WeatherSource::store(m_services.settings, kind);
    setSource(kind);
}

void WeatherFetch::start(const WeatherRequest &request)
{
    m_report = m_source->start(request, this);
    m_fields.setAddress(m_report->address());
    const ReportKind kind = request.kind;
    connect(m_report, &WeatherReport::finished, this, [this, kind] {
        if (!m_report)
            return;
        m_report->reading().applyTo(m_fields);
        m_report->deleteLater();
        m_report = nullptr;
        Q_EMIT finished(kind);
    });
}
