#pragma once

#include "clock/AlarmControls.h"
#include "clock/AlarmSchedule.h"
#include "platform/Services.h"

#include <QDateTime>
#include <QObject>

class ImageButton;
class QFrame;
class QLabel;
class QTimer;

// The ringing alarm: the panel picAlarmActive with its Snooze and Stop pictures, the ringing
// tick that sounds the source (TimerAlarm), the snooze and its end (TimerSnooze), Stop and the
// auto-stop (TimerAlarmCount).
class AlarmRinging : public QObject
{
    Q_OBJECT
public:
    AlarmRinging(Services &services, QFrame *panel, const AlarmControls &controls);

    // Load: no snooze, not snoozed, the sound silent.
    void resetAtLoad();
    // A slot's time was reached: sound again from the next ringing tick. A late alarm's
    // panel says how late instead of the usual line.
    void ring(int slot, const QDateTime &at, const QString &slotLabel,
              const QString &lateText = QString());
    void setSoundFile(const QString &file) { m_soundFile = file; }
    // Some sounds are longer than the default 700 ms between rings.
    void setRingInterval(int ms);
    // "&Exit": silence a ringing or snoozed alarm by its source and hide the panel.
    void silenceOnExit();

    void onTimerAlarm();
    void onTimerSnooze();
    void onTimerAlarmCount();
    // Release handlers of the two pictures, positions in twips.
    void onImgAlarmSnoozeReleased(int x, int y);
    void onImgAlarmStopReleased(int x, int y);

    // Ringing (sounding, or snoozed until its new time) until Stop or the auto-stop.
    bool ringing() const;
    bool snoozed() const { return m_snoozed; }
    bool silenced() const { return m_silenced; }
    bool sourcePending() const { return m_sourcePending; }
    int autoStopCount() const { return m_autoStopCount; }
    const QDateTime &ringTime() const { return m_ringTime; }
    const QString &soundFile() const { return m_soundFile; }

Q_SIGNALS:
    // The alarm began to sound, at first or again after a snooze.
    void rang(int slot, const QString &title, const QDateTime &at);
    // Snoozed or stopped: nothing sounds now.
    void quieted();

private:
    void placeLabels(bool late);
    void playAlarmSound();
    void silenceSound();
    void stopMusic();
    void rewindDisc();

    Services &m_services;
    AlarmControls m_controls;
    QFrame *m_panel;
    QLabel *m_desc, *m_desc2, *m_snoozeNotice, *m_snoozeTime, *m_keys;
    ImageButton *m_snooze, *m_stop;
    QTimer *m_timerAlarm, *m_timerSnooze, *m_timerAlarmCount;
    QString m_soundFile;
    QDateTime m_ringTime;
    int m_slot = 0;
    QString m_title;
    DueWindow m_snoozeWindow;
    bool m_silenced = true;
    bool m_sourcePending = false;
    bool m_snoozed = false;
    int m_autoStopCount = 0;
};
