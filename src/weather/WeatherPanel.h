#pragma once

#include "platform/Connectivity.h"
#include "platform/Services.h"
#include "weather/WeatherFetch.h"
#include "weather/WeatherQuery.h"
#include "weather/clsWeather.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>

class ForecastBox;
class LumoButton;
class OfflineQuestion;
class QAction;
class QFrame;
class QLineEdit;
class QTimer;
class SearchFor;
class TipPanel;
class WeatherFieldsView;

// The dashboard's weather panel: the US and world place fields with their hints, the three
// buttons, the report fields, the enlarged forecast, the collecting picture's timer, the
// 20-minute refresh and the "Disable Weather" switch. Reports run through WeatherFetch, one at a
// time; a press or a refresh while one runs is ignored.
class WeatherPanel : public QObject
{
    Q_OBJECT
public:
    // The pixel column the panel's controls start at, and their width.
    static constexpr int kLeft = 768;
    static constexpr int kTop = 14; // room for the group's heading above the fields
    static constexpr int kWidth = 262;

    WeatherPanel(Services &services, QWidget *surface, QAction *disableWeather,
                 QFrame *picCollectData, TipPanel &tips, OfflineQuestion &offline,
                 const Connectivity::State &connectivity);
    ~WeatherPanel() override;

    // The "Source" submenu's two items; checked as the source in use.
    void setSourceMenu(QAction *live, QAction *pages) { m_fetch->setSourceMenu(live, pages); }
    // The source of the next report (the running one finishes as it began).
    void setSource(WeatherSource::Kind kind) { m_fetch->setSource(kind); }
    WeatherSource::Kind source() const { return m_fetch->source(); }

    // "System"/"NoWeather" (default "1": off until the user turns it on) sets the switch.
    void loadSwitch();
    // The place fields, the report mode and the source from the settings; buttons off until
    // a field has the focus.
    void load();
    // The first activation of the dashboard: the last kind of report, when enabled and
    // connected.
    void firstActivation();
    bool weatherEnabled() const { return !m_disabled; }
    // What the world report does when the service does not know the place; by default the
    // world city search dialog opens.
    void setCitySearch(std::function<void()> search);
    void openCitySearch();
    SearchFor *citySearch() const;

    // Handlers, named after the control and its event.
    void onCmdGetUSWeatherReleased(int x, int y);
    void onCmdGetWorldWeatherReleased(int x, int y);
    void onCmdGetForecastReleased(int x, int y);
    void onTxtZipChange();
    void onTxtZipClick();
    void onTxtZipGotFocus();
    void onTxtZipWorldChange();
    void onTxtZipWorldClick();
    void onTxtZipWorldGotFocus();
    void onTimerWeather();
    // Each minute of the clock: the refresh comes every twentieth, when enabled.
    void onMinute();
    void onMnuDisableWeatherClick();

    bool reportRunning() const { return m_fetch->running(); }
    WeatherReport *report() const { return m_fetch->report(); }
    WeatherFieldsView &fields() const { return *m_fields; }
    ForecastBox &forecast() const { return *m_forecast; }
    const QString &reportMode() const { return m_mode; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLineEdit *placeField(const char *name, const QString &toolTip, int top);
    LumoButton *button(const QString &caption, const char *name, const QRect &place);
    void startCollecting(bool resetTicks);
    bool connectionConfirmed();
    bool refuseComma(QLineEdit *field, const char *example);
    void onReportFinished(ReportKind kind);
    void startSearchedReport(const QString &address);
    bool busy() const;
    void setButtons(bool us, bool world);

    Services &m_services;
    QAction *m_disableWeather;
    TipPanel &m_tips;
    OfflineQuestion &m_offline;
    const Connectivity::State &m_connectivity;
    WeatherFieldsView *m_fields;
    ForecastBox *m_forecast;
    QLineEdit *m_txtZip;
    QLineEdit *m_txtZipWorld;
    LumoButton *m_cmdUS;
    LumoButton *m_cmdWorld;
    LumoButton *m_cmdForecast;
    QTimer *m_timerWeather;
    WeatherFetch *m_fetch;
    QPointer<SearchFor> m_search;
    WeatherSchedule m_schedule;
    QString m_mode;
    bool m_disabled = true;
};
