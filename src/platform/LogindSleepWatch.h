#pragma once

#include "platform/SleepWatch.h"

#include <QDBusConnection>

// The system's sleep manager (logind's PrepareForSleep on the system bus). Without a system
// bus, or without logind on it, it stays silent. DBUS_SYSTEM_BUS_ADDRESS points it at
// another bus.
class LogindSleepWatch final : public SleepWatch
{
    Q_OBJECT
public:
    explicit LogindSleepWatch(const QDBusConnection &bus = QDBusConnection::systemBus(),
                              QObject *parent = nullptr);
    bool listening() const { return m_listening; }

private Q_SLOTS:
    void onPrepareForSleep(bool sleeping);

private:
    bool m_listening = false;
};
