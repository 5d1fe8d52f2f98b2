#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The samples of a PCM wave file and how to play them. Only what the sound player can hand
// to an audio output as it stands is accepted: integer PCM of 8, 16 or 32 bits and 32-bit
// float, any rate and channel count.
struct WaveFile
{
    enum class Sample { UInt8, Int16, Int32, Float };

    int sampleRate = 0;
    int channels = 0;
    Sample sample = Sample::Int16;
    QByteArray pcm; // whole frames only

    int bytesPerFrame() const;
    qint64 durationMs() const;
    bool sameFormat(const WaveFile &other) const
    {
        return sampleRate == other.sampleRate && channels == other.channels
            && sample == other.sample;
    }

    // Nothing for a file that is missing, not a regular file, larger than maxBytes, or not a
    // wave file of that kind; never blocks on a pipe or device in place of the file.
    static std::optional<WaveFile> read(const QString &path, qint64 maxBytes = 32 << 20);
    static std::optional<WaveFile> parse(const QByteArray &bytes);
};
