#pragma once

#include <QByteArray>
#include <QIODevice>

// What the audio output reads: the sound now playing, then silence for a while, then the end.
// The silence keeps the output open, so a sound that follows soon starts at once instead of
// waiting for a new stream to the sound server. A new sound replaces the rest of the old one.
class WaveStream final : public QIODevice
{
    Q_OBJECT

public:
    explicit WaveStream(QObject *parent = nullptr);

    // Replaces whatever still sounds; tailBytes of silence follow the sound.
    // quietByte is the sample byte of silence (0x80 for unsigned 8-bit sound).
    void start(const QByteArray &pcm, qint64 tailBytes, char quietByte = 0);
    // Cuts the sound off; what is left of its silence still follows.
    void silence();
    // True once everything has been read: the sound and its silence.
    bool finished() const { return m_pos >= m_pcm.size() && m_tailLeft <= 0; }
    // True while a sound waits for the output to read its first bytes.
    bool waiting() const { return m_pos == 0 && !m_pcm.isEmpty(); }

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override;

Q_SIGNALS:
    // The output read the first bytes of a sound: it is being heard.
    void begun();

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *data, qint64 maxSize) override;

private:
    QByteArray m_pcm;
    qint64 m_pos = 0;
    qint64 m_tailLeft = 0;
    char m_quiet = 0;
};
