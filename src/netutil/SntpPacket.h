#pragma once

#include <QByteArray>

#include <optional>

// The client's side of SNTP (RFC 4330, the client of RFC 5905): the 48-byte request and the
// checks a reply must pass. Times are milliseconds since 1970 (UTC); NTP's own are 64-bit
// fixed point seconds since 1900, whose 32-bit seconds wrap in 2036 and are read in the era
// nearest the computer's clock.
namespace Sntp {

inline constexpr int kPacketSize = 48;

struct Request
{
    QByteArray bytes;
    quint64 transmit; // as sent: the reply must carry it back as its origin
};

// A client request (version 4, mode 3) stamped with `unixMs`; `noise` fills the fraction's
// low bits, below a microsecond, so the stamp cannot be guessed by someone who only sees the
// time.
Request request(qint64 unixMs, quint16 noise);

struct Reply
{
    qint64 offsetMs;     // the server's clock minus ours
    qint64 serverUnixMs; // the server's time when it answered
};

// The reply read, when it answers `sent` (sent at sentUnixMs, arrived at arrivedUnixMs):
// nothing for a short packet, another mode than server, an unsynchronised leap indicator,
// a stratum outside 1 to 15 (0 is a kiss-o'-death), no transmit time, or another origin.
std::optional<Reply> readReply(const QByteArray &datagram, quint64 sent, qint64 sentUnixMs,
                               qint64 arrivedUnixMs);

quint64 fromUnixMs(qint64 unixMs);
qint64 toUnixMs(quint64 timestamp, qint64 nearUnixMs);

} // namespace Sntp
