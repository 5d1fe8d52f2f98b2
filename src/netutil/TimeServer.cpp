#include "netutil/TimeServer.h"

TimeServer TimeServer::fromEnvironment()
{
    const QString text = qEnvironmentVariable("ORVANE_TIME_SERVER").trimmed();
    if (!text.isEmpty()) {
        const TimeServer server = parse(text);
        if (!server.host.isEmpty())
            return server;
    }
    return {kDefaultTimeServer, 37};
}

TimeServer TimeServer::parse(const QString &text)
{
    QString host = text.trimmed();
    QString port;
    if (host.startsWith(u'[')) {
        const qsizetype close = host.indexOf(u']');
        if (close < 0)
            return {};
        if (host.mid(close + 1).startsWith(u':'))
            port = host.mid(close + 2);
        else if (close + 1 != host.size())
            return {};
        host = host.mid(1, close - 1);
    } else if (host.count(u':') == 1) {
        port = host.section(u':', 1);
        host = host.section(u':', 0, 0);
    }
    if (port.isEmpty())
        return {host, 37};
    bool ok = false;
    const uint number = port.toUInt(&ok);
    if (!ok || number == 0 || number > 65535)
        return {};
    return {host, static_cast<quint16>(number)};
}
