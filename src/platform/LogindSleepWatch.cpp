#include "platform/LogindSleepWatch.h"

LogindSleepWatch::LogindSleepWatch(const QDBusConnection &bus, QObject *parent)
    : SleepWatch(parent)
{
    QDBusConnection connection(bus);
    if (!connection.isConnected())
        return;
    // Only the sleep manager's own name may say so; anyone else on the bus is not heard.
    m_listening = connection.connect(
        QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
        QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PrepareForSleep"), this,
        SLOT(onPrepareForSleep(bool)));
}

void LogindSleepWatch::onPrepareForSleep(bool sleeping)
{
    if (sleeping)
        Q_EMIT aboutToSleep();
    else
        Q_EMIT wokeUp();
}
