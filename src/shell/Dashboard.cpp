#include "shell/Dashboard.h"
#include "shell/DashboardGroups.h"
#include "shell/DesktopNotices.h"

#include "clock/AlarmPanel.h"
#include "clock/ClockPanel.h"
#include "clock/TalkingClock.h"
#include "common/Twips.h"
#include "music/CdAudio.h"
#include "music/MusicPanel.h"
#include "music/MusicPlayer.h"
#include "netutil/MailPanel.h"
#include "netutil/PriceNotice.h"
#include "netutil/TimeSyncPanel.h"
#include "reminders/ExchangeMenu.h"
#include "reminders/ReminderPanels.h"
#include "shell/AppIcon.h"
#include "shell/SubPanels.h"
#include "shell/TrayOptions.h"
#include "weather/WeatherPanel.h"
#include "widgets/OfflineQuestion.h"
#include "widgets/PanelFocus.h"
#include "widgets/TipPanel.h"

#include <QAction>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QMimeData>

Dashboard::Dashboard(Services &services, QWidget *parent)
    : QMainWindow(parent)
    , m_services(services)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Orvane"));
    setWindowIcon(orvaneIcon());
    m_menus = DashboardMenus::build(this);
    buildSurface();

    m_tips = new TipPanel(m_surface);
    m_trayOptions
        = new TrayOptions(services, subPanel(QStringLiteral("picTray")), this, m_menus.popUp);
    m_clock = new ClockPanel(services, m_surface, m_menus.show24Hour, m_menus.showSeconds);
    // The alarm rings through the music player and the CD, so those come first.
    m_music = new MusicPanel(services, m_surface);
    m_cd = new CdAudio(services, m_surface);
    m_cd->setAfterPoll([this] { m_trayOptions->removeIconWhileShown(); });
    m_alarm = new AlarmPanel(services, m_surface, *m_tips, alarmControls());
    m_notices
        = new DesktopNotices(services, m_menus.desktopNotifications, m_alarm->ringing(), this);
    m_talkingClock
        = new TalkingClock(services, m_surface, *m_alarm,
                           {m_menus.every15, m_menus.every30, m_menus.everyHour}, m_connectivity);
    m_talkingClock->setMusicPlayingCheck([this] { return m_music->player().musicPlaying(); });
    m_reminders = new ReminderPanels(services, m_surface, *m_tips, m_connectivity);
    connect(m_alarm, &AlarmPanel::alarmsMissed, this, &Dashboard::onAlarmsMissed);
    m_exchange = new ExchangeMenu(services, *m_reminders,
                                  {m_menus.exportContacts, m_menus.importContacts,
                                   m_menus.exportReminders, m_menus.importReminders},
                                  this);
    m_offline = std::make_unique<OfflineQuestion>(services.prompter, *m_tips);
    m_weather = new WeatherPanel(services, m_surface, m_menus.disableWeather, m_picCollectData,
                                 *m_tips, *m_offline, m_connectivity);
    m_weather->setSourceMenu(m_menus.sourceLive, m_menus.sourcePages);
    m_timeSync = new TimeSyncPanel(services, m_surface, *m_offline, m_connectivity);
    m_priceNotice = new PriceNotice(services.prompter, services.network, this);
    m_mail = new MailPanel(services, m_surface,
                           {m_menus.setupEmail, m_menus.checkPop3Email, m_menus.disableEmail},
                           *m_offline, m_connectivity);
    // The panels put their permanent controls on the surface; the sub-panels open over
    // them, and the tip over everything.
    for (QFrame *frame : std::as_const(m_subPanels))
        frame->raise();
    m_tips->panel()->raise();
    m_groups = new DashboardGroups(m_surface, m_subPanels);
    wireMenus();
}

Dashboard::~Dashboard() = default;

AlarmControls Dashboard::alarmControls()
{
    AlarmControls c;
    c.popUp = m_menus.alarmPopUp;
    c.on = m_menus.alarmOn;
    c.off = m_menus.alarmOff;
    c.mp3 = m_menus.mp3;
    c.cd = m_menus.cd;
    c.snoozeTime = m_menus.snoozeTime;
    c.sounds = m_menus.alarmSounds;
    c.tests = m_menus.testAlarms;
    c.show24Hour = m_menus.show24Hour;
    c.music = m_music;
    c.disc = m_cd;
    c.connectivity = &m_connectivity;
    return c;
}

void Dashboard::buildSurface()
{
    m_surface = new QWidget(this);
    m_surface->setObjectName(QStringLiteral("surface"));
    // The weather panel has its own column to the right of the others.
    m_surface->setFixedSize(WeatherPanel::kLeft + WeatherPanel::kWidth + 10, twips(8100));
    m_surface->setAutoFillBackground(true);
    m_surface->setAcceptDrops(true);
    m_surface->installEventFilter(this);
    setCentralWidget(m_surface);

    m_lblStatus = new QLabel(QStringLiteral("Status:"), m_surface);
    m_lblStatus->setObjectName(QStringLiteral("lblStatus"));
    m_lblStatus->setGeometry(twips(180), twips(7740), twips(5400), twips(285));

    for (const SubPanelPlace &place : subPanelPlaces()) {
        auto *frame = new QFrame(m_surface);
        frame->setObjectName(place.name);
        frame->setFrameShape(QFrame::Panel);
        frame->setFrameShadow(QFrame::Raised);
        frame->setAutoFillBackground(true);
        frame->resize(twips(place.width), twips(place.height));
        frame->hide();
        // The ringing alarm leaves the focus where the user was typing; F6 and F7 reach it.
        if (place.name != QLatin1String("picAlarmActive"))
            new PanelFocus(frame);
        m_subPanels.append(frame);
    }
    buildWarningClose(subPanel(QStringLiteral("picWarning")), m_services);

    m_picCollectData = new QFrame(m_surface);
    m_picCollectData->setObjectName(QStringLiteral("picCollectData"));
    m_picCollectData->setFrameShape(QFrame::Box);
    m_picCollectData->setAutoFillBackground(true);
    m_picCollectData->setGeometry(twips(3300), twips(3300), twips(3600), twips(900));
    auto *collecting = new QLabel(QStringLiteral("Collecting data..."), m_picCollectData);
    collecting->setAlignment(Qt::AlignCenter);
    collecting->setGeometry(m_picCollectData->rect());
    collecting->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_picCollectData->installEventFilter(this);
    m_picCollectData->hide();

    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

QFrame *Dashboard::subPanel(const QString &name) const
{
    for (QFrame *frame : m_subPanels)
        if (frame->objectName() == name)
            return frame;
    return nullptr;
}

void Dashboard::startTimers()
{
    ClockTicks &ticks = m_clock->ticks();
    connect(&ticks, &ClockTicks::minute, this, &Dashboard::onMinute);
    connect(&ticks, &ClockTicks::minute, m_weather, &WeatherPanel::onMinute);
    m_alarm->start(ticks);
    m_clock->start();
}

void Dashboard::addSecondaryWindow(QWidget *window)
{
    m_secondaryWindows.append(window);
}

void Dashboard::changeEvent(QEvent *event)
{
    // Run from the event loop, not from inside show(): the first activation may open a
    // message box, and the window should be painted behind it.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && m_loaded && !m_unloaded)
        QMetaObject::invokeMethod(this, &Dashboard::onFormActivate, Qt::QueuedConnection);
    QMainWindow::changeEvent(event);
}

void Dashboard::closeEvent(QCloseEvent *event)
{
    unload();
    event->accept();
}

bool Dashboard::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_picCollectData && event->type() == QEvent::MouseButtonRelease) {
        onPicCollectDataClick();
        return true;
    }
    if (watched == m_surface
        && (event->type() == QEvent::DragEnter || event->type() == QEvent::Drop)) {
        auto *drop = static_cast<QDropEvent *>(event);
        const QByteArray name = drop->mimeData()->data(QString::fromLatin1(kControlMimeType));
        QWidget *source
            = name.isEmpty() ? nullptr : m_surface->findChild<QWidget *>(QString::fromUtf8(name));
        if (!source)
            return false;
        drop->acceptProposedAction();
        if (event->type() == QEvent::Drop)
            onFormDragDrop(source, drop->position().toPoint());
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void Dashboard::onPicCollectDataClick()
{
    m_picCollectData->hide();
}

void Dashboard::onFormDragDrop(QWidget *source, QPoint at)
{
    if (source && source != m_surface && m_surface->isAncestorOf(source)) {
        source->move(source->parentWidget()->mapFrom(m_surface, at));
        m_groups->place();
    }
}
