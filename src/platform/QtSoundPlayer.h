#pragma once

#include "platform/SoundPlayer.h"
#include "platform/WaveFile.h"

#include <QAudio>
#include <QAudioDevice>
#include <QDateTime>
#include <QElapsedTimer>
#include <QHash>
#include <QObject>

class QAudioSink;
class QMediaDevices;
class WaveStream;

// Wave sounds through one audio output that this player feeds itself. A new play replaces the
// sound still playing at once, however fast plays follow each other (a ringing alarm restarts
// its sound every 700 ms), and the output stays open for a moment after each sound so the
// next one needs no new stream. Nothing here waits on the sound server.
class QtSoundPlayer final : public QObject, public SoundPlayer
{
    Q_OBJECT

public:
    explicit QtSoundPlayer(QObject *parent = nullptr);
    ~QtSoundPlayer() override;

    bool hasWaveOutput() const override;
    void playWave(const QString &absolutePath, quint32 flags) override;
    void stopWave() override;
    void beep() override;
    void whenStarted(QObject *context, std::function<void()> then) override;

private:
    struct Cached
    {
        QDateTime modified;
        qint64 size = 0;
        WaveFile wave;
    };

    void refreshOutputs() const;
    const WaveFile *load(const QString &path);
    bool outputFits(const WaveFile &wave, const QAudioDevice &device) const;
    void openOutput(const WaveFile &wave, const QAudioDevice &device);
    void closeOutput();
    void onOutputState(QAudio::State state);

    QMediaDevices *m_devices;
    WaveStream *m_stream;
    QAudioSink *m_sink = nullptr;
    WaveFile m_sinkFormat; // the format the open output plays; its samples stay empty
    QAudioDevice m_sinkDevice;
    QHash<QString, Cached> m_cache;
    mutable QElapsedTimer m_sinceRead;
    mutable bool m_hasOutput = false;
};
