#pragma once

#include <QTcpServer>

// A loopback port free a moment ago, for a private server a test starts. Another process may
// take it before the server binds: callers retry with a new one.
inline quint16 freeLoopbackPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}
