#include "netutil/TimeServer.h"

#include "platform/SettingsStore.h"

namespace {
const QString kVariable = QStringLiteral("ORVANE_TIME_SERVER");
} // namespace

TimeServer TimeServer::fromSettings(SettingsStore &settings)
{
    const QString stored
        = settings.getSetting(QStringLiteral("System"), QStringLiteral("TimeProtocol"))
              .trimmed()
              .toLower();
    Protocol protocol
        = qEnvironmentVariableIsEmpty(qPrintable(kVariable)) ? Protocol::Ntp : Protocol::Time;
    if (stored == QLatin1String("ntp"))
        protocol = Protocol::Ntp;
    else if (stored == QLatin1String("time"))
        protocol = Protocol::Time;
    return fromEnvironment(protocol);
}

TimeServer TimeServer::fromEnvironment(Protocol protocol)
{
    const QString text = qEnvironmentVariable(qPrintable(kVariable)).trimmed();
    if (!text.isEmpty()) {
        const TimeServer server = parse(text, protocol);
        if (!server.host.isEmpty())
            return server;
    }
    return {protocol == Protocol::Ntp ? kDefaultNtpServer : kDefaultTimeServer,
            defaultPort(protocol), protocol};
}

TimeServer TimeServer::parse(const QString &text, Protocol protocol)
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
        return {host, defaultPort(protocol), protocol};
    bool ok = false;
    const uint number = port.toUInt(&ok);
    if (!ok || number == 0 || number > 65535)
        return {};
    return {host, static_cast<quint16>(number), protocol};
}
