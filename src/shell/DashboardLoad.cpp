// The dashboard's load sequence, in its fixed order. Each step names the panel that owns it.
#include "shell/Dashboard.h"
#include "shell/DashboardGroups.h"
#include "shell/DesktopNotices.h"

#include "clock/AlarmPanel.h"
#include "clock/ClockPanel.h"
#include "clock/TalkingClock.h"
#include "common/DateText.h"
#include "common/OrvaneError.h"
#include "common/TextValues.h"
#include "common/Twips.h"
#include "music/CdAudio.h"
#include "music/MusicPanel.h"
#include "netutil/MailPanel.h"
#include "netutil/TimeSyncPanel.h"
#include "platform/Clock.h"
#include "platform/Connectivity.h"
#include "platform/InstanceLock.h"
#include "platform/Prompter.h"
#include "platform/SettingsStore.h"
#include "platform/Tray.h"
#include "reminders/MissedDays.h"
#include "reminders/ReminderPanels.h"
#include "shell/ErrorReport.h"
#include "shell/ShellTexts.h"
#include "shell/SubPanels.h"
#include "shell/TrayOptions.h"
#include "weather/WeatherPanel.h"
#include "widgets/TipPanel.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QListWidget>

namespace {
constexpr int kExchangeWaitMs = 5000;
} // namespace

const QList<Dashboard::Step> &Dashboard::loadSteps()
{
    // Step 1, the single-instance check, comes before these and saves nothing.
    static const QList<Step> steps{
        {"tray", &Dashboard::stepTray},                     // 2  tray options
        {"trayBoxes", &Dashboard::stepTrayBoxes},           // 3  tray options
        {"currentDay", &Dashboard::stepCurrentDay},         // 4  dashboard
        {"connectivity", &Dashboard::stepConnectivity},     // 5  dashboard
        {"tips", &Dashboard::stepTips},                     // 6  tip panel
        {"weatherSwitch", &Dashboard::stepWeatherSwitch},   // 7 weather panel
        {"mailSwitch", &Dashboard::stepMailSwitch},         // 8  mail panel
        {"mailSettings", &Dashboard::stepMailSettings},     // 9  mail panel
        {"captions", &Dashboard::stepCaptions},             // 10 dashboard
        {"alarmReset", &Dashboard::stepAlarmReset},         // 11 alarm panel, CD audio
        {"placeSubPanels", &Dashboard::stepPlaceSubPanels}, // 12 dashboard
        {"missedDays", &Dashboard::stepMissedDays},         // 13 missed days
        {"addressBook", &Dashboard::stepAddressBook},       // 14 address book
        {"dateStartup", &Dashboard::stepDateStartup},       // 15 start-up date check
        {"weatherFields", &Dashboard::stepWeatherFields},   // 16 weather panel, time sync
        {"music", &Dashboard::stepMusic},                   // 17 music player
        {"clock", &Dashboard::stepClock},                   // 18 clock face
        {"alarms", &Dashboard::stepAlarms},                 // 19 alarm panel
        {"talkingClock", &Dashboard::stepTalkingClock},     // 20 talking clock
        {"cdAudio", &Dashboard::stepCdAudio},               // 21 CD audio
    };
    return steps;
}

Dashboard::LoadResult Dashboard::load()
{
    const auto stopRequested = [this] {
        return m_stopRequested && m_stopRequested();
    };
    try {
        InstanceLock &lock = m_services.instanceLock;
        if (!lock.tryLock()) {
            // Ending silently would look like nothing happened to someone whose dashboard
            // sits hidden in the tray. A holder that does not answer is a contacts or
            // reminders exchange, over within moments: this start waits for it.
            if (lock.requestShow(qEnvironmentVariable("XDG_ACTIVATION_TOKEN"))
                || !lock.waitForLock(kExchangeWaitMs))
                return LoadResult::SecondInstance;
        }
        m_services.instanceLock.listenForShowRequests([this](const QString &token) {
            if (!m_loaded)
                return;
            // Qt's Wayland window presents the token when it next asks to come forward.
            if (!token.isEmpty())
                qputenv("XDG_ACTIVATION_TOKEN", token.toUtf8());
            m_services.tray.restore();
        });
        m_loadTrace.append(QStringLiteral("instance"));
        for (const Step &step : loadSteps()) {
            if (stopRequested())
                return LoadResult::Stopped;
            m_loadTrace.append(QString::fromLatin1(step.name));
            (this->*step.run)();
        }
    } catch (const std::exception &error) {
        reportError(m_services.prompter, error);
        return LoadResult::Failed;
    }
    if (stopRequested())
        return LoadResult::Stopped;
    m_loaded = true;
    m_groups->place();
    startTimers();
    return LoadResult::Loaded;
}

void Dashboard::stepTray()
{
    Tray &tray = m_services.tray;
    tray.setOwner(this);
    tray.setPopupMenu(m_menus.popUp);
    tray.setIcon(windowIcon());
    tray.setToolTip(ShellTexts::kTrayToolTip);
}

void Dashboard::stepTrayBoxes()
{
    m_trayOptions->load();
    // Notices reach the user while the window hides in the tray: their switch loads with it.
    m_notices->load();
}

void Dashboard::stepCurrentDay()
{
    m_clock->setCurrentDay(m_services.clock.now().date());
}

QDate Dashboard::currentDay() const
{
    return m_clock->currentDay();
}

void Dashboard::stepConnectivity()
{
    checkConnectivity();
}

void Dashboard::checkConnectivity()
{
    m_connectivity = m_services.connectivity.check();
    m_status = m_connectivity.connected ? ShellTexts::kConnected : ShellTexts::kNotConnected;
    m_lblStatus->setText(QStringLiteral("Status: ") + m_status);
}

void Dashboard::stepTips()
{
    const QString stored
        = m_services.settings.getSetting(QStringLiteral("System"), QStringLiteral("Tips"));
    m_tips->setTipsOn(textToBool(stored).value_or(false));
    m_menus.showTips->setChecked(m_tips->tipsOn());
}

void Dashboard::stepWeatherSwitch()
{
    m_weather->loadSwitch();
}

void Dashboard::stepMailSwitch()
{
    m_mail->loadSwitch(m_status == ShellTexts::kConnected);
}

void Dashboard::stepMailSettings()
{
    m_mail->loadSettings();
}

void Dashboard::stepCaptions()
{
    m_dateCaption = DateText::dateCaption(currentDay());
    setWindowTitle(ShellTexts::kCaptionPrefix + m_dateCaption);
}

void Dashboard::stepAlarmReset()
{
    m_alarm->resetAtLoad();
    m_cd->closeAllQuietly();
}

void Dashboard::stepPlaceSubPanels()
{
    for (const SubPanelPlace &place : subPanelPlaces())
        subPanel(place.name)->move(twips(place.left), twips(place.top));
}

void Dashboard::stepMissedDays()
{
    const QListWidget *list = m_reminders->missedDays().list();
    const int before = list->count();
    m_reminders->checkMissedDays();
    QStringList found;
    for (int row = before; row < list->count(); ++row)
        found << list->item(row)->text();
    m_notices->announceMissedDays(found);
}

void Dashboard::stepAddressBook()
{
    m_reminders->loadAddressBook();
}

void Dashboard::stepDateStartup()
{
    m_reminders->dateStartup();
    m_notices->announceDay(m_reminders->stores(), currentDay());
}

void Dashboard::stepWeatherFields()
{
    m_weather->load();
    m_timeSync->load();
}

void Dashboard::stepMusic()
{
    m_music->load();
}

void Dashboard::stepClock()
{
    m_clock->load();
}

void Dashboard::stepAlarms()
{
    m_alarm->load();
}

void Dashboard::stepTalkingClock()
{
    m_talkingClock->load();
}

void Dashboard::stepCdAudio()
{
    m_cd->load(m_alarm->alarmSource());
}
