#pragma once

#include "platform/SoundPlayer.h"

#include <QAudioDevice>
#include <QElapsedTimer>
#include <QObject>

class QMediaDevices;
class QSoundEffect;

// Wave sounds through one reused QSoundEffect, started and left to play: with no sound server
// it never reports that it stopped, so nothing here ever waits on it. A new play replaces the
// one still sounding.
class QtSoundPlayer final : public QObject, public SoundPlayer
{
    Q_OBJECT

public:
    explicit QtSoundPlayer(QObject *parent = nullptr);
    ~QtSoundPlayer() override;

    bool hasWaveOutput() const override;
    void playWave(const QString &absolutePath, quint32 flags) override;
    void beep() override;

private:
    void refreshOutputs() const;
    bool canReplay(const QUrl &source, const QAudioDevice &device) const;

    QMediaDevices *m_devices;
    QSoundEffect *m_effect = nullptr; // made on the first play
    QAudioDevice m_loadedFor; // the output the effect's current sound was loaded for
    mutable QElapsedTimer m_sinceRead;
    mutable bool m_hasOutput = false;
};
