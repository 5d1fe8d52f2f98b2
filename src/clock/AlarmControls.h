#pragma once

#include "platform/Connectivity.h"

#include <QList>

class AlarmDisc;
class AlarmMusic;
class QAction;
class QMenu;

// What the alarm takes from the dashboard: its menu items, the music player and the audio CD
// it rings through, and the connectivity state whose flags word every sound play passes on.
struct AlarmControls
{
    QMenu *popUp = nullptr; // "AlarmPopUp"
    QAction *on = nullptr, *off = nullptr;
    QAction *mp3 = nullptr, *cd = nullptr, *snoozeTime = nullptr;
    QList<QAction *> sounds, tests; // the eight sounds, in menu order
    QAction *show24Hour = nullptr;  // checked in 24-hour mode

    AlarmMusic *music = nullptr;
    AlarmDisc *disc = nullptr;
    const Connectivity::State *connectivity = nullptr;
};
