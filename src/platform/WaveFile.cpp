#include "platform/WaveFile.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>

namespace {

constexpr quint16 kFormatPcm = 1;
constexpr quint16 kFormatFloat = 3;
constexpr quint16 kFormatExtensible = 0xFFFE;

quint16 u16(const char *p)
{
    return qFromLittleEndian<quint16>(p);
}

quint32 u32(const char *p)
{
    return qFromLittleEndian<quint32>(p);
}

std::optional<WaveFile::Sample> sampleKind(quint16 format, quint16 bits)
{
    if (format == kFormatFloat)
        return bits == 32 ? std::optional(WaveFile::Sample::Float) : std::nullopt;
    if (format != kFormatPcm)
        return std::nullopt;
    switch (bits) {
    case 8:
        return WaveFile::Sample::UInt8;
    case 16:
        return WaveFile::Sample::Int16;
    case 32:
        return WaveFile::Sample::Int32;
    default:
        return std::nullopt;
    }
}

} // namespace

int WaveFile::bytesPerFrame() const
{
    const int bytes = sample == Sample::UInt8 ? 1 : sample == Sample::Int16 ? 2 : 4;
    return bytes * channels;
}

qint64 WaveFile::durationMs() const
{
    const qint64 perSecond = qint64(bytesPerFrame()) * sampleRate;
    return perSecond > 0 ? pcm.size() * 1000 / perSecond : 0;
}

std::optional<WaveFile> WaveFile::read(const QString &path, qint64 maxBytes)
{
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > maxBytes)
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return parse(file.read(maxBytes));
}

std::optional<WaveFile> WaveFile::parse(const QByteArray &bytes)
{
    const char *data = bytes.constData();
    const qsizetype size = bytes.size();
    if (size < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return std::nullopt;

    WaveFile wave;
    bool haveFormat = false;
    qsizetype at = 12;
    while (at + 8 <= size) {
        const QByteArray id = bytes.mid(at, 4);
        const qint64 length = u32(data + at + 4);
        const qsizetype body = at + 8;
        // A data chunk cut short by a truncated file still plays what is there.
        const qsizetype available = qsizetype(qMin<qint64>(length, size - body));
        if (id == "fmt " && available >= 16) {
            quint16 format = u16(data + body);
            const quint16 bits = u16(data + body + 14);
            if (format == kFormatExtensible && available >= 26)
                format = u16(data + body + 24); // the sub-format's first two bytes
            const auto kind = sampleKind(format, bits);
            wave.channels = u16(data + body + 2);
            wave.sampleRate = int(qMin<quint32>(u32(data + body + 4), 1'000'000));
            if (!kind || wave.channels < 1 || wave.channels > 8 || wave.sampleRate < 1000)
                return std::nullopt;
            wave.sample = *kind;
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat)
                return std::nullopt;
            const qsizetype whole = available - available % wave.bytesPerFrame();
            wave.pcm = bytes.mid(body, whole);
            return wave;
        }
        if (length > size - body)
            break;
        at = body + qsizetype(length) + (length & 1);
    }
    return std::nullopt;
}
