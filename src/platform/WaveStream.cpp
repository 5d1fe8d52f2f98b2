#include "platform/WaveStream.h"

#include <cstring>

WaveStream::WaveStream(QObject *parent)
    : QIODevice(parent)
{
    // Unbuffered: a replaced sound must not linger in a read-ahead buffer.
    open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

void WaveStream::start(const QByteArray &pcm, qint64 tailBytes, char quietByte)
{
    m_quiet = quietByte;
    m_pcm = pcm;
    m_pos = 0;
    m_tailLeft = qMax<qint64>(0, tailBytes);
    emit readyRead();
}

void WaveStream::silence()
{
    m_pos = m_pcm.size();
}

qint64 WaveStream::bytesAvailable() const
{
    return (m_pcm.size() - m_pos) + m_tailLeft + QIODevice::bytesAvailable();
}

qint64 WaveStream::readData(char *data, qint64 maxSize)
{
    qint64 done = 0;
    const qint64 sound = qMin(maxSize, m_pcm.size() - m_pos);
    if (sound > 0) {
        if (m_pos == 0)
            emit begun();
        std::memcpy(data, m_pcm.constData() + m_pos, size_t(sound));
        m_pos += sound;
        done = sound;
    }
    const qint64 quiet = qMin(maxSize - done, m_tailLeft);
    if (quiet > 0) {
        std::memset(data + done, m_quiet, size_t(quiet));
        m_tailLeft -= quiet;
        done += quiet;
    }
    return done;
}

qint64 WaveStream::writeData(const char *, qint64)
{
    return -1;
}
