#include "platform/LinuxConnectivity.h"

#include <QByteArray>
#include <QFile>
#include <QList>

#include <functional>

namespace {

constexpr quint32 kRouteUp = 0x0001;     // RTF_UP
constexpr quint32 kRouteReject = 0x0200; // RTF_REJECT: an "unreachable" route leads nowhere
// A route table is a few dozen lines; anything far larger is not one.
constexpr int kMaxLines = 4096;
constexpr qint64 kMaxBytes = 1 << 20;

bool usable(const QByteArray &flagsHex, const QByteArray &device)
{
    bool ok = false;
    const quint32 flags = flagsHex.toUInt(&ok, 16);
    return ok && (flags & kRouteUp) && !(flags & kRouteReject) && !device.isEmpty()
        && device != "lo" && device != "*";
}

// Calls match on the whitespace-separated fields of each line until it returns true.
// Files under /proc report a size of 0, so read until the end rather than by size.
bool anyLine(const QString &path, const std::function<bool(const QList<QByteArray> &)> &match)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QList<QByteArray> lines = file.read(kMaxBytes).split('\n');
    for (int n = 0; n < lines.size() && n < kMaxLines; ++n) {
        if (match(lines[n].simplified().split(' ')))
            return true;
    }
    return false;
}

} // namespace

LinuxConnectivity::LinuxConnectivity(QString ipv4Routes, QString ipv6Routes)
    : m_ipv4Routes(std::move(ipv4Routes))
    , m_ipv6Routes(std::move(ipv6Routes))
{
}

bool LinuxConnectivity::hasIpv4DefaultRoute(const QString &routeFile)
{
    // Iface Destination Gateway Flags RefCnt Use Metric Mask ...
    return anyLine(routeFile, [](const QList<QByteArray> &f) {
        return f.size() >= 8 && f[1] == "00000000" && f[7] == "00000000" && usable(f[3], f[0]);
    });
}

bool LinuxConnectivity::hasIpv6DefaultRoute(const QString &routeFile)
{
    // Destination Prefix Source SourcePrefix NextHop Metric RefCnt Use Flags Device
    static const QByteArray anyAddress(32, '0');
    return anyLine(routeFile, [](const QList<QByteArray> &f) {
        return f.size() >= 10 && f[0] == anyAddress && f[1] == "00" && usable(f[8], f[9]);
    });
}

Connectivity::State LinuxConnectivity::check()
{
    if (hasIpv4DefaultRoute(m_ipv4Routes) || hasIpv6DefaultRoute(m_ipv6Routes))
        return {true, Lan | Configured};
    return {false, Offline};
}
