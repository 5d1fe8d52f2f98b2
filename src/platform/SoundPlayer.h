#pragma once

#include <QString>

#include <functional>

class QObject;

// Wave sounds and the beep. Every play is asynchronous: nothing here may hold up the clock.
// The flags word of the connectivity check is handed on with each play, as the dashboard
// always did; the adapter does not let it change the playback mode.
class SoundPlayer
{
public:
    virtual ~SoundPlayer() = default;
    virtual bool hasWaveOutput() const = 0;
    virtual void playWave(const QString &absolutePath, quint32 flags) = 0;
    // Cuts off the wave sound still playing, if any.
    virtual void stopWave() = 0;
    virtual void beep() = 0;
    // Runs `then` (while `context` lives) once the sound just asked for begins to be heard:
    // the first sound may wait for the output to open. At once where that cannot be told.
    virtual void whenStarted(QObject *context, std::function<void()> then);
};

// The shared "sound play": the wave when an output device exists and the file is there,
// otherwise the beep.
void playSound(SoundPlayer &player, const QString &absolutePath, quint32 flags);
