#include "common/HostAddress.h"

QString hostAddress(const QString &text, const QString &fallback)
{
    QString host = text.trimmed();
    if (host.isEmpty())
        return fallback;
    if (!host.contains(QLatin1String("://")))
        host.prepend(QLatin1String("http://"));
    while (host.endsWith(u'/'))
        host.chop(1);
    return host;
}

QString resolveHost(const char *variable, const QString &setting, const QString &builtIn)
{
    const QString fromEnvironment = qEnvironmentVariable(variable).trimmed();
    return hostAddress(fromEnvironment.isEmpty() ? setting : fromEnvironment,
                       hostAddress(builtIn, builtIn));
}
