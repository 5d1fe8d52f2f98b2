// The dashboard after its load: activation, the minute timer, the menu items of the shell,
// the "&Exit" close sequence and the unload step.
#include "shell/Dashboard.h"

#include "clock/AlarmPanel.h"
#include "clock/ClockPanel.h"
#include "clock/TalkingClock.h"
#include "common/OrvaneError.h"
#include "common/TextValues.h"
#include "music/CdAudio.h"
#include "music/MusicPanel.h"
#include "netutil/MailPanel.h"
#include "netutil/PriceNotice.h"
#include "platform/AppFolder.h"
#include "platform/Autostart.h"
#include "platform/Prompter.h"
#include "platform/SettingsStore.h"
#include "platform/Shell.h"
#include "platform/Tray.h"
#include "reminders/MissedDays.h"
#include "reminders/ReminderPanels.h"
#include "shell/DesktopNotices.h"
#include "shell/ErrorReport.h"
#include "shell/ShellTexts.h"
#include "shell/TrayOptions.h"
#include "weather/WeatherPanel.h"
#include "webcam/WebcamFiles.h"
#include "webcam/frmMain.h"
#include "widgets/TipPanel.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QFrame>
#include <QTimer>

void Dashboard::wireMenus()
{
    connect(m_menus.exit, &QAction::triggered, this, &Dashboard::onMnuExitClick);
    connect(m_menus.showTips, &QAction::triggered, this, &Dashboard::onMnuShowTipsClick);
    connect(m_menus.trayOptions, &QAction::triggered, this, [this] {
        QFrame *panel = subPanel(QStringLiteral("picTray"));
        panel->show();
        panel->raise();
    });
    connect(m_menus.addToStartup, &QAction::triggered, this, &Dashboard::onMnuAddToStartupClick);
    connect(m_menus.removeFromStartup, &QAction::triggered, this,
            &Dashboard::onMnuRemoveFromStartupClick);
    connect(m_menus.help, &QAction::triggered, this, &Dashboard::onMnuHelpClick);
    connect(m_menus.about, &QAction::triggered, this, &Dashboard::onMnuAboutClick);
    connect(m_menus.currentPricing, &QAction::triggered, this,
            [this] { m_priceNotice->show(infoHost(ShellTexts::kMakerSite)); });
    connect(m_menus.restore, &QAction::triggered, this, [this] { m_services.tray.restore(); });
    auto open = [this](QAction *action, const QString &address) {
        connect(action, &QAction::triggered, this,
                [this, address] { m_services.shell.openAddress(address); });
    };
    open(m_menus.webCamsOfTheWorld, ShellTexts::kWebCamsOfTheWorld);
    open(m_menus.webCamSearch, ShellTexts::kWebCamSearch);
    open(m_menus.link1, ShellTexts::kSecondCamDirectory);
    open(m_menus.link2, ShellTexts::kMakerSite);
    connect(m_menus.showWebCams, &QAction::triggered, this, &Dashboard::onMnuShowWebCamsClick);
    connect(m_menus.viewWebCams, &QAction::triggered, this, &Dashboard::onMnuShowWebCamsClick);

    connect(m_menus.show24Hour, &QAction::triggered, m_clock, &ClockPanel::onMnuShow24HourClick);
    connect(m_menus.showSeconds, &QAction::triggered, m_clock, &ClockPanel::onMnuShowSecondsClick);
    connect(&m_clock->ticks(), &ClockTicks::dayChanged, this, &Dashboard::onDayChanged);
    connect(&m_clock->ticks(), &ClockTicks::second, m_talkingClock, &TalkingClock::onClockTick);
    const QAction *intervals[] = {m_menus.every15, m_menus.every30, m_menus.everyHour};
    for (int mode = 1; mode <= 3; ++mode)
        connect(intervals[mode - 1], &QAction::triggered, m_talkingClock,
                [this, mode] { m_talkingClock->onMnuIntervalClick(mode); });
}

void Dashboard::onDayChanged(const QDate &today)
{
    stepCaptions();
    // A failure here must not end a program that has run all day: report it and go on.
    try {
        m_reminders->dayChanged();
        m_notices->announceDay(m_reminders->stores(), today);
    } catch (const std::exception &error) {
        reportError(m_services.prompter, error);
    }
}

void Dashboard::onFormActivate()
{
    if (!m_activatedOnce && !m_inFirstActivation) {
        // The advice box below activates the window again when it closes; run once only.
        m_inFirstActivation = true;
        m_weather->firstActivation();
        const QString autoHide
            = m_services.settings.getSetting(QStringLiteral("System"), QStringLiteral("AutoHide"));
        if (!textToBool(autoHide).value_or(false)) {
            m_services.prompter.tell(ShellTexts::taskbarAdvice(), ShellTexts::kAdviceTitle,
                                     Prompter::Icon::Warning);
            m_services.settings.saveSetting(QStringLiteral("System"), QStringLiteral("AutoHide"),
                                            QStringLiteral("True"));
        }
        m_activatedOnce = true;
        m_inFirstActivation = false;
    }
    m_trayOptions->removeIconWhileShown();
}

void Dashboard::onMinute()
{
    if (m_mail->onMinute())
        checkConnectivity();
}

void Dashboard::onAlarmsMissed(const QStringList &reports)
{
    m_reminders->missedDays().addNotes(reports);
    m_notices->announceMissedAlarms(reports);
}

void Dashboard::onMnuShowTipsClick()
{
    m_tips->setTipsOn(!m_tips->tipsOn());
    m_menus.showTips->setChecked(m_tips->tipsOn());
    m_services.settings.saveSetting(QStringLiteral("System"), QStringLiteral("Tips"),
                                    boolToText(m_tips->tipsOn()));
}

void Dashboard::onMnuAddToStartupClick()
{
    m_services.prompter.tell(ShellTexts::kStartupWarning, ShellTexts::kStartupWarningTitle,
                             Prompter::Icon::Warning);
    m_services.autostart.addToStartup();
}

void Dashboard::onMnuRemoveFromStartupClick()
{
    m_services.autostart.removeFromStartup();
}

void Dashboard::onMnuHelpClick()
{
    // Like opening a document that is not there, a missing help program is silent.
    const QString help = m_services.appFolder.path(ShellTexts::kHelpProgram);
    const QFileInfo info(help);
    if (info.isFile() && info.isExecutable())
        m_services.shell.startProgram(help, {});
}

void Dashboard::onMnuAboutClick()
{
    m_services.prompter.tell(ShellTexts::aboutText(), QString(), Prompter::Icon::None);
}

frmMain *Dashboard::webCams() const
{
    return m_webCams;
}

void Dashboard::onMnuShowWebCamsClick()
{
    if (m_webCams) {
        // Raised as it is: a maximized window stays maximized; only a minimized one comes back.
        m_webCams->setWindowState(m_webCams->windowState() & ~Qt::WindowMinimized);
        m_webCams->show();
        m_webCams->raise();
        m_webCams->activateWindow();
        return;
    }
    // The webcam files live in the writable data folder, today the application folder.
    m_webCams = new frmMain(m_services, WebcamFiles(m_services.dataFolder.root()),
                            QCoreApplication::arguments().join(u' '));
    m_webCams->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_webCams, &frmMain::endProgramRequested, this,
            [this] { QTimer::singleShot(0, this, &Dashboard::onMnuExitClick); });
    m_webCams->open();
}

void Dashboard::onMnuExitClick()
{
    m_reminders->closeStores();
    m_alarm->silenceOnExit();
    close();
}

void Dashboard::closeAfterFailedLoad()
{
    unload();
}

void Dashboard::unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    if (m_loaded)
        m_alarm->recordWatched();
    for (QTimer *timer : findChildren<QTimer *>())
        timer->stop();
    m_music->unload();
    m_trayOptions->unload();
    m_music->closeWindows();
    for (const QPointer<QWidget> &window : std::as_const(m_secondaryWindows))
        if (window)
            window->close();
    if (m_loaded && m_alarm->alarmSource() == QLatin1String("CD"))
        m_cd->stopAndClose();
    m_mail->closeSetupDialog();
    // Ending the process ends the webcam window without its closing steps.
    delete m_webCams.data();
    Q_EMIT endProcessRequested(0);
}
