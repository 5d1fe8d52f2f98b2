#pragma once

#include <QList>

#include <functional>

class CdAudio;
class MusicPanel;
class QAction;
class QMenu;
class QTimer;

// What the alarm takes from the dashboard: its menu items, its timers, the music player it
// rings through and the audio CD.
struct AlarmControls
{
    QMenu *popUp = nullptr; // "AlarmPopUp"
    QAction *on = nullptr, *off = nullptr;
    QAction *mp3 = nullptr, *cd = nullptr, *snoozeTime = nullptr;
    QList<QAction *> sounds, tests; // the eight sounds, in menu order
    QAction *show24Hour = nullptr;  // checked in 24-hour mode

    QTimer *timerAlarmCheck = nullptr, *timerAlarm = nullptr;
    QTimer *timerSnooze = nullptr, *timerAlarmCount = nullptr;
    QTimer *timer1 = nullptr; // the music player's progress timer

    MusicPanel *music = nullptr;
    CdAudio *cdAudio = nullptr;
    // The flags word every sound play passes on.
    std::function<unsigned()> soundFlags;
};
