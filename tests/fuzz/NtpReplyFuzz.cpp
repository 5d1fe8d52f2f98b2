// Any bytes as an NTP reply to a request of ours: reading never fails or hangs, a reply taken
// is one that answers our request as a synchronised server, and its offset stays within what
// two clocks an era apart at most can differ by.
#include "FuzzCheck.h"
#include "netutil/SntpPacket.h"

#include <QtEndian>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray datagram(reinterpret_cast<const char *>(data), qsizetype(size));
    // The request's stamp is the reply's own origin field where it has one, so that matching
    // replies are explored too; the clock runs from the stamp's time.
    const qint64 sentMs = 1796961414000;
    const quint64 sent = size >= 32 ? qFromBigEndian<quint64>(data + 24) : Sntp::fromUnixMs(sentMs);
    const std::optional<Sntp::Reply> reply = Sntp::readReply(datagram, sent, sentMs, sentMs + 20);
    if (!reply)
        return 0;
    check(size >= 48);
    check((data[0] & 7) == 4 && (data[0] >> 6) != 3 && data[1] >= 1 && data[1] <= 15);
    check(qAbs(reply->offsetMs) <= (qint64(1) << 32) * 1000);
    return 0;
}
