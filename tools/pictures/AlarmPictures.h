#pragma once

#include "MusicGlyphs.h"

// The alarm slot buttons, 32 x 32: a quiet grey bell (off) and a ringing gold one (on).
QList<NamedPicture> alarmPictures();

// The buttons shown while an alarm rings, 102 x 46: Snooze and Stop, each also pressed.
QList<NamedPicture> alarmActivePictures();
