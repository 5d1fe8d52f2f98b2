#pragma once

#include <QString>

// Where the time comes from: a public RFC 868 server, or ORVANE_TIME_SERVER ("host",
// "host:port" or "[v6-address]:port") to try another.
struct TimeServer
{
    QString host;
    quint16 port = 37;

    static TimeServer fromEnvironment();
    // nullopt-like: an empty host when the text names no usable server.
    static TimeServer parse(const QString &text);
};

inline const QString kDefaultTimeServer = QStringLiteral("time.nist.gov");
