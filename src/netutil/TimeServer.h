#pragma once

#include <QString>

class SettingsStore;

// Where the time comes from and how it is asked: NTP (SNTP over UDP port 123, what public
// servers answer today) or the time protocol of RFC 868 (TCP port 37). ORVANE_TIME_SERVER
// ("host", "host:port" or "[v6-address]:port") names another server to try.
struct TimeServer
{
    enum class Protocol { Ntp, Time };

    QString host;
    quint16 port = 37;
    Protocol protocol = Protocol::Time;

    // "System"/"TimeProtocol": "ntp" or "time". Unset, it is NTP unless ORVANE_TIME_SERVER
    // names a server, which keeps the time protocol it was always asked with.
    static TimeServer fromSettings(SettingsStore &settings);
    static TimeServer fromEnvironment(Protocol protocol = Protocol::Time);
    // nullopt-like: an empty host when the text names no usable server.
    static TimeServer parse(const QString &text, Protocol protocol = Protocol::Time);
    static quint16 defaultPort(Protocol protocol) { return protocol == Protocol::Ntp ? 123 : 37; }
};

inline const QString kDefaultTimeServer = QStringLiteral("time.nist.gov");
inline const QString kDefaultNtpServer = QStringLiteral("pool.ntp.org");
