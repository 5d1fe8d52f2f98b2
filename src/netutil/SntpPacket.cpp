#include "netutil/SntpPacket.h"

#include <QtEndian>

namespace {

constexpr qint64 kEraSeconds = qint64(1) << 32;
constexpr qint64 kNtpTo1970Seconds = 2208988800; // 1900-01-01 to 1970-01-01

qint64 floorDivide(qint64 a, qint64 b)
{
    return a / b - (a % b != 0 && (a < 0) != (b < 0) ? 1 : 0);
}

quint64 stampAt(const QByteArray &packet, int offset)
{
    return qFromBigEndian<quint64>(packet.constData() + offset);
}

} // namespace

namespace Sntp {

quint64 fromUnixMs(qint64 unixMs)
{
    const qint64 ms1900 = unixMs + kNtpTo1970Seconds * 1000;
    const quint64 seconds = quint64(floorDivide(ms1900, 1000)) & 0xffffffffu;
    const quint64 fraction = (quint64(ms1900 - floorDivide(ms1900, 1000) * 1000) << 32) / 1000;
    return seconds << 32 | fraction;
}

qint64 toUnixMs(quint64 timestamp, qint64 nearUnixMs)
{
    const qint64 seconds = qint64(timestamp >> 32);
    const qint64 ms = qint64(((timestamp & 0xffffffffu) * 1000) >> 32);
    const qint64 near1900 = floorDivide(nearUnixMs, 1000) + kNtpTo1970Seconds;
    // The era whose time lies within half an era of the computer's clock.
    const qint64 era = floorDivide(near1900 - seconds + kEraSeconds / 2, kEraSeconds);
    return (seconds + era * kEraSeconds - kNtpTo1970Seconds) * 1000 + ms;
}

Request request(qint64 unixMs, quint16 noise)
{
    Request out;
    out.transmit = fromUnixMs(unixMs) | noise;
    out.bytes = QByteArray(kPacketSize, '\0');
    out.bytes[0] = char(0 << 6 | 4 << 3 | 3); // no leap warning, version 4, client
    qToBigEndian(out.transmit, out.bytes.data() + 40);
    return out;
}

std::optional<Reply> readReply(const QByteArray &datagram, quint64 sent, qint64 sentUnixMs,
                               qint64 arrivedUnixMs)
{
    if (datagram.size() < kPacketSize)
        return std::nullopt;
    const auto first = quint8(datagram[0]);
    const int leap = first >> 6, mode = first & 7;
    const int stratum = quint8(datagram[1]);
    const quint64 origin = stampAt(datagram, 24);
    const quint64 received = stampAt(datagram, 32);
    const quint64 transmit = stampAt(datagram, 40);
    if (mode != 4 || leap == 3 || stratum < 1 || stratum > 15 || transmit == 0 || origin != sent)
        return std::nullopt;
    const qint64 t2 = toUnixMs(received, sentUnixMs);
    const qint64 t3 = toUnixMs(transmit, arrivedUnixMs);
    // The two legs' differences, averaged: the time the answer spent on the way cancels out.
    return Reply{((t2 - sentUnixMs) + (t3 - arrivedUnixMs)) / 2, t3};
}

} // namespace Sntp
