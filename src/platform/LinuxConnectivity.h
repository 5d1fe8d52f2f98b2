#pragma once

#include "platform/Connectivity.h"

#include <QString>

// Connected means the kernel has a usable default route through a real interface. Reading
// two small /proc files is cheap enough for a check once a minute and cannot hang.
class LinuxConnectivity final : public Connectivity
{
public:
    explicit LinuxConnectivity(QString ipv4Routes = QStringLiteral("/proc/net/route"),
                               QString ipv6Routes = QStringLiteral("/proc/net/ipv6_route"));

    State check() override;

    static bool hasIpv4DefaultRoute(const QString &routeFile);
    static bool hasIpv6DefaultRoute(const QString &routeFile);

private:
    QString m_ipv4Routes;
    QString m_ipv6Routes;
};
