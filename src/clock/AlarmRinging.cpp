#include "clock/AlarmRinging.h"

#include "clock/AlarmSettings.h"
#include "common/NamedTimer.h"
#include "contracts/AlarmSources.h"
#include "platform/AppFolder.h"
#include "platform/Clock.h"
#include "platform/MediaPlayer.h"
#include "platform/SettingsStore.h"
#include "platform/SoundPlayer.h"
#include "platform/Tray.h"
#include "widgets/ImageButton.h"
#include "widgets/PictureList.h"
#include "widgets/ReleaseRule.h"
#include "widgets/SmallControls.h"

#include <QFrame>
#include <QLabel>
#include <QShortcut>
#include <QTimer>

namespace {

const QSize kPictureArea{1530, 690}; // twips

QString activatedText(int slot)
{
    return QStringLiteral("Alarm %1 has been activated").arg(slot);
}

QLabel *label(QFrame *panel, const char *name, const QRect &place)
{
    QLabel *l = placedLabel(QString(), panel, place, name);
    l->setAlignment(Qt::AlignCenter);
    return l;
}

ImageButton *picture(QFrame *panel, const char *name, const QString &accessibleName,
                     const PictureList &pictures, int normal, int x)
{
    auto *button = new ImageButton(panel);
    button->setObjectName(QLatin1String(name));
    button->setAccessibleName(accessibleName);
    button->setToolTip(accessibleName);
    button->setPictures(pictures.at(normal), pictures.at(normal + 1), pictures.at(normal));
    button->setGeometry(x, 70, 102, 46);
    return button;
}

} // namespace

AlarmRinging::AlarmRinging(Services &services, QFrame *panel, const AlarmControls &controls)
    : QObject(panel)
    , m_services(services)
    , m_controls(controls)
    , m_panel(panel)
    , m_desc(label(panel, "lblAlarmDesc", {6, 4, 228, 18}))
    , m_desc2(label(panel, "lblAlarmDesc2", {6, 22, 228, 16}))
    , m_snoozeNotice(label(panel, "lblSnooze", {6, 38, 228, 14}))
    , m_snoozeTime(label(panel, "lblSnooze2", {6, 52, 228, 14}))
    , m_keys(label(panel, "lblAlarmKeys", {6, 44, 228, 14}))
    , m_timerAlarm(namedTimer(this, "TimerAlarm", 700))
    , m_timerSnooze(namedTimer(this, "TimerSnooze", 1000))
    , m_timerAlarmCount(namedTimer(this, "TimerAlarmCount", 60000))
{
    QFont bold = m_desc->font();
    bold.setBold(true);
    m_desc->setFont(bold);
    m_snoozeNotice->setText(QStringLiteral("Snooze is activated"));
    m_snoozeNotice->setStyleSheet(QStringLiteral("color: #b00000;"));
    m_snoozeNotice->hide();
    m_snoozeTime->hide();

    const PictureList pictures = PictureList::load(
        services.appFolder.path(QStringLiteral("\\resources\\pictures\\alarmactive")));
    m_snooze = picture(panel, "ImGAlarmSnooze", QStringLiteral("Snooze"), pictures, 1, 12);
    m_stop = picture(panel, "ImgAlarmStop", QStringLiteral("Stop the alarm"), pictures, 3, 126);
    connect(m_snooze, &ImageButton::MouseUp, this,
            [this](int, int, int x, int y) { onImgAlarmSnoozeReleased(x, y); });
    connect(m_stop, &ImageButton::MouseUp, this,
            [this](int, int, int x, int y) { onImgAlarmStopReleased(x, y); });

    // The keys work wherever the focus is in the program, as long as the panel is up.
    m_keys->setText(QStringLiteral("Keys: F6 Snooze, F7 Stop"));
    const auto key = [this](Qt::Key k, ImageButton *button) {
        auto *shortcut = new QShortcut(QKeySequence(k), m_panel);
        shortcut->setContext(Qt::ApplicationShortcut);
        connect(shortcut, &QShortcut::activated, button, [this, button] {
            if (m_panel->isVisible())
                button->click();
        });
    };
    key(Qt::Key_F6, m_snooze);
    key(Qt::Key_F7, m_stop);
    m_snooze->setAccessibleDescription(QStringLiteral("Key: F6"));
    m_stop->setAccessibleDescription(QStringLiteral("Key: F7"));

    connect(m_timerAlarm, &QTimer::timeout, this, &AlarmRinging::onTimerAlarm);
    connect(m_timerSnooze, &QTimer::timeout, this, &AlarmRinging::onTimerSnooze);
    connect(m_timerAlarmCount, &QTimer::timeout, this, &AlarmRinging::onTimerAlarmCount);
}

void AlarmRinging::resetAtLoad()
{
    m_timerSnooze->stop();
    m_snoozed = false;
    m_silenced = true;
}

void AlarmRinging::ring(int slot, const QDateTime &at, const QString &slotLabel,
                        const QString &lateText)
{
    m_timerAlarm->start();
    m_ringTime = at;
    m_silenced = false;
    m_sourcePending = true;
    if (AlarmSettings::alarmSource(m_services.settings) == QLatin1String("Alarm"))
        m_services.music.stop();
    m_panel->show();
    m_panel->raise();
    // Hidden in the tray counts too: on Wayland a window there no longer reads as minimized.
    if (m_panel->window()->isMinimized() || !m_panel->window()->isVisible())
        m_services.tray.restore();
    m_keys->setVisible(!m_snoozed);
    placeLabels(!lateText.isEmpty());
    m_desc->setText(lateText.isEmpty() ? activatedText(slot) : lateText);
    m_desc2->setText(slotLabel);
    m_slot = slot;
    m_title = slotLabel;
    Q_EMIT rang(slot, slotLabel, at);
}

bool AlarmRinging::ringing() const
{
    return m_timerAlarm->isActive();
}

void AlarmRinging::onTimerAlarm()
{
    if (!m_timerAlarmCount->isActive())
        m_timerAlarmCount->start();
    const QString source = AlarmSettings::alarmSource(m_services.settings);
    if (source == QLatin1String("Alarm")) {
        if (!m_silenced) {
            stopMusic();
            playAlarmSound();
        }
    } else if (source == QLatin1String("MP3") && m_sourcePending) {
        if (m_controls.music->playSelectedSong()) {
            m_sourcePending = false;
            return;
        }
        // The song is tried again on the next tick; meanwhile the sound rings.
        if (!m_silenced)
            playAlarmSound();
    } else if (source == QLatin1String("CD") && m_sourcePending) {
        m_services.music.stop();
        if (m_controls.disc->discPresent()) {
            m_controls.disc->play();
            m_sourcePending = false;
        } else if (!m_silenced) {
            playAlarmSound();
        }
    }
}

void AlarmRinging::onImgAlarmSnoozeReleased(int x, int y)
{
    m_snooze->setLook(ImageButton::Look::Normal);
    if (!releasedInside({x, y}, kPictureArea))
        return;
    m_controls.music->showStopped();
    const int minutes = AlarmSettings::snoozeMinutes(
        m_services.settings.getSetting(AlarmSettings::section(), QStringLiteral("Snooze")));
    m_timerSnooze->start();
    m_snoozeWindow.start(m_services.clock.now());
    m_ringTime = m_ringTime.addSecs(minutes * 60);
    m_snoozed = true;
    m_sourcePending = false;
    if (m_desc->wordWrap()) { // a late alarm's two lines make room for the notice
        placeLabels(false);
        m_desc->setText(activatedText(m_slot));
    }
    m_snoozeNotice->show();
    m_keys->hide();
    m_snoozeTime->show();
    m_snoozeTime->setText(QStringLiteral("New Time: ")
                          + AlarmSettings::timeText(m_ringTime.time()));

    const QString source = AlarmSettings::alarmSource(m_services.settings);
    if (source == QLatin1String("Alarm"))
        silenceSound();
    else if (source == QLatin1String("MP3"))
        stopMusic();
    else if (source == QLatin1String("CD"))
        rewindDisc();
    Q_EMIT quieted();
}

void AlarmRinging::onTimerSnooze()
{
    if (!m_snoozed)
        return;
    const QDateTime now = m_services.clock.now();
    if (m_snoozeWindow.reached(m_ringTime, now)) {
        if (AlarmSettings::alarmSource(m_services.settings) == QLatin1String("Alarm"))
            m_silenced = false;
        else
            m_sourcePending = true;
        Q_EMIT rang(m_slot, m_title, m_ringTime);
    }
    m_snoozeWindow.advance(now);
}

void AlarmRinging::onImgAlarmStopReleased(int x, int y)
{
    if (!releasedInside({x, y}, kPictureArea)) {
        m_stop->setLook(ImageButton::Look::Normal);
        return;
    }
    m_timerAlarmCount->stop();
    m_autoStopCount = 0;
    m_controls.music->showStopped();
    m_timerAlarm->stop();
    m_stop->setLook(ImageButton::Look::Normal);
    m_timerSnooze->stop();
    silenceSound();

    const QString source = AlarmSettings::alarmSource(m_services.settings);
    if (source == QLatin1String("CD"))
        rewindDisc();
    else if (source == QLatin1String("MP3"))
        stopMusic();

    m_snoozeNotice->hide();
    m_snoozeTime->hide();
    m_snoozeTime->clear();
    m_panel->hide();
    m_snoozed = false;
    Q_EMIT quieted();
}

void AlarmRinging::onTimerAlarmCount()
{
    const int before = m_autoStopCount++;
    if (before == 4) {
        onImgAlarmStopReleased(kPressPoint.x(), kPressPoint.y());
        m_timerAlarmCount->stop();
    }
}

void AlarmRinging::silenceOnExit()
{
    const bool ringing = m_timerAlarm->isActive() || m_panel->isVisible();
    if (ringing) {
        const QString source = AlarmSettings::alarmSource(m_services.settings);
        if (source == QLatin1String("Alarm"))
            silenceSound();
        else if (source == QLatin1String("CD"))
            rewindDisc();
    }
    m_timerAlarm->stop();
    m_panel->hide();
    m_snoozed = false;
    Q_EMIT quieted();
}

void AlarmRinging::playAlarmSound()
{
    playSound(m_services.sound, m_services.appFolder.path(m_soundFile),
              m_controls.connectivity ? m_controls.connectivity->flags : 0);
}

void AlarmRinging::silenceSound()
{
    // The sound of the last tick is cut off too: a long sound would ring on after the press.
    m_silenced = true;
    m_services.sound.stopWave();
}

void AlarmRinging::stopMusic()
{
    m_controls.music->stopSong();
}

void AlarmRinging::rewindDisc()
{
    m_controls.disc->rewind();
}

void AlarmRinging::placeLabels(bool late)
{
    // Saying how late takes two lines; the title and the keys move down to make room.
    m_desc->setWordWrap(late);
    m_desc->setGeometry(late ? QRect(6, 2, 228, 34) : QRect(6, 4, 228, 18));
    m_desc2->setGeometry(late ? QRect(6, 36, 228, 16) : QRect(6, 22, 228, 16));
    m_keys->setGeometry(late ? QRect(6, 53, 228, 14) : QRect(6, 44, 228, 14));
}

void AlarmRinging::setRingInterval(int ms)
{
    m_timerAlarm->setInterval(ms);
}
