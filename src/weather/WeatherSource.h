#pragma once

#include "weather/ReportCutter.h"

#include <QString>

class Clock;
class QNetworkAccessManager;
class QObject;
class SettingsStore;
class WeatherReport;

// One report the panel asks for: its kind and what the panel prepared for it.
struct WeatherRequest
{
    ReportKind kind = ReportKind::Us;
    // The US or world query ("80917", "London+United+Kingdom"); for a searched report the
    // station address the city search wrote to the hidden address field.
    QString query;
    // A searched report: the city and the country picked in the city search.
    QString city;
    QString country;
};

// Where the panel's reports come from. Both sources read the same fields the same way; the
// panel's rules do not depend on which one runs.
class WeatherSource
{
public:
    enum class Kind { Live, Pages };

    virtual ~WeatherSource() = default;
    // A new report owned by `parent`, already started; it tells its end once, after this
    // has returned.
    virtual WeatherReport *start(const WeatherRequest &request, QObject *parent) = 0;

    // "System"/"WeatherSource": "pages" for the pages, anything else (a fresh profile) live.
    static Kind stored(SettingsStore &settings);
    static void store(SettingsStore &settings, Kind kind);
};

// The service's forecast pages, cut by markers (clsWeather, clsWeatherWorldSearch).
class PageSource final : public WeatherSource
{
public:
    PageSource(QNetworkAccessManager &network, const Clock &clock, SettingsStore &settings);
    WeatherReport *start(const WeatherRequest &request, QObject *parent) override;

private:
    QNetworkAccessManager &m_network;
    const Clock &m_clock;
    SettingsStore &m_settings;
};
