#pragma once

#include "platform/Connectivity.h"
#include "platform/Services.h"
#include "shell/DashboardMenus.h"

#include <QDate>
#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <memory>

struct AlarmControls;
class AlarmPanel;
class CdAudio;
class DashboardGroups;
class DesktopNotices;
class ClockPanel;
class MailPanel;
class MusicPanel;
class QFrame;
class QLabel;
class QTimer;
class ExchangeMenu;
class ReminderPanels;
class TalkingClock;
class PriceNotice;
class TimeSyncPanel;
class OfflineQuestion;
class TipPanel;
class TrayOptions;
class WeatherPanel;
class frmMain;

// The dashboard window (Form1): owns every panel, runs the load sequence in its fixed order,
// the first activation, the minute timer, the "&Exit" close sequence and the unload step.
class Dashboard : public QMainWindow
{
    Q_OBJECT
public:
    enum class LoadResult { Loaded, SecondInstance, Failed, Stopped };

    explicit Dashboard(Services &services, QWidget *parent = nullptr);
    ~Dashboard() override;

    // Asked before each load step and after the last: true ends the load there (Stopped),
    // as a termination request does.
    void setStopRequest(std::function<bool()> requested) { m_stopRequested = std::move(requested); }
    LoadResult load();
    // After a failed or stopped load: release what was taken and end, writing no file that
    // was not read.
    void closeAfterFailedLoad();
    // Windows closed by the unload step (the splash, later the dialogs).
    void addSecondaryWindow(QWidget *window);

    // Handlers, named after the control and its event; tests call them directly.
    void onFormActivate();
    // Each minute: the mail schedule, then the status line.
    void onMinute();
    // Alarms that will not ring: listed with the missed days, and a notice.
    void onAlarmsMissed(const QStringList &reports);
    void onMnuExitClick();
    void onMnuShowTipsClick();
    void onMnuAddToStartupClick();
    void onMnuRemoveFromStartupClick();
    void onMnuHelpClick();
    void onMnuAboutClick();
    // "Show WebCams" and the tray's "View WebCams": the webcam window, modeless, created on
    // first use and shown again while it is open.
    void onMnuShowWebCamsClick();
    void onPicCollectDataClick();
    void onFormDragDrop(QWidget *source, QPoint at);
    void checkConnectivity();
    // A new day seen by the clock: captions, then the reminder checks.
    void onDayChanged(const QDate &today);

    // State other panels read.
    const Connectivity::State &connectivity() const { return m_connectivity; }
    const QString &connectivityStatus() const { return m_status; }
    QDate currentDay() const;
    const QString &dateCaption() const { return m_dateCaption; }
    const QStringList &loadTrace() const { return m_loadTrace; }
    bool activatedOnce() const { return m_activatedOnce; }
    bool unloaded() const { return m_unloaded; }
    const DashboardMenus &menus() const { return m_menus; }
    TipPanel &tips() const { return *m_tips; }
    ReminderPanels &reminders() const { return *m_reminders; }
    ExchangeMenu &exchange() const { return *m_exchange; }
    MusicPanel &music() const { return *m_music; }
    WeatherPanel &weather() const { return *m_weather; }
    TimeSyncPanel &timeSync() const { return *m_timeSync; }
    PriceNotice &priceNotice() const { return *m_priceNotice; }
    MailPanel &mail() const { return *m_mail; }
    QFrame *subPanel(const QString &name) const;
    ClockPanel &clockPanel() const { return *m_clock; }
    AlarmPanel &alarmPanel() const { return *m_alarm; }
    TalkingClock &talkingClock() const { return *m_talkingClock; }
    DashboardGroups &groups() const { return *m_groups; }
    frmMain *webCams() const;
    DesktopNotices &notices() const { return *m_notices; }

Q_SIGNALS:
    // The unload step ends the process; main() connects this to the application's exit.
    void endProcessRequested(int status);

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Step
    {
        const char *name;
        void (Dashboard::*run)();
    };
    static const QList<Step> &loadSteps();

    void buildSurface();
    AlarmControls alarmControls();
    void startTimers();
    void wireMenus();
    void unload();

    void stepTray();
    void stepTrayBoxes();
    void stepCurrentDay();
    void stepConnectivity();
    void stepTips();
    void stepWeatherSwitch();
    void stepMailSwitch();
    void stepMailSettings();
    void stepCaptions();
    void stepAlarmReset();
    void stepPlaceSubPanels();
    void stepMissedDays();
    void stepAddressBook();
    void stepDateStartup();
    void stepWeatherFields();
    void stepMusic();
    void stepClock();
    void stepAlarms();
    void stepTalkingClock();
    void stepCdAudio();

    Services &m_services;
    DashboardMenus m_menus;
    QWidget *m_surface = nullptr;
    QLabel *m_lblStatus = nullptr;
    QFrame *m_picCollectData = nullptr;
    QList<QFrame *> m_subPanels;
    TipPanel *m_tips = nullptr;
    std::unique_ptr<OfflineQuestion> m_offline;
    DashboardGroups *m_groups = nullptr;
    TrayOptions *m_trayOptions = nullptr;
    ClockPanel *m_clock = nullptr;
    AlarmPanel *m_alarm = nullptr;
    TalkingClock *m_talkingClock = nullptr;
    ReminderPanels *m_reminders = nullptr;
    ExchangeMenu *m_exchange = nullptr;
    WeatherPanel *m_weather = nullptr;
    TimeSyncPanel *m_timeSync = nullptr;
    PriceNotice *m_priceNotice = nullptr;
    MailPanel *m_mail = nullptr;
    MusicPanel *m_music = nullptr;
    CdAudio *m_cd = nullptr;
    DesktopNotices *m_notices = nullptr;
    QList<QPointer<QWidget>> m_secondaryWindows;
    QPointer<frmMain> m_webCams;
    std::function<bool()> m_stopRequested;

    Connectivity::State m_connectivity; // read by the panels that play sounds
    QString m_status;
    QString m_dateCaption;
    QStringList m_loadTrace;
    bool m_loaded = false;
    bool m_activatedOnce = false;
    bool m_inFirstActivation = false;
    bool m_unloaded = false;
};
