#pragma once

#include "platform/SystemClock.h"

#include <QObject>

// clock_settime when the process may set the clock itself (CAP_SYS_TIME); otherwise the
// desktop's time service, systemd-timedated, over the system bus, which may ask the user to
// authorise the change.
class LinuxSystemClock final : public QObject, public SystemClock
{
    Q_OBJECT
public:
    void adjust(qint64 seconds, QObject *context, Done done) override;

    // How long the time service may take, a password prompt included.
    static constexpr int kServiceTimeoutMs = 120000;

private:
    void adjustThroughService(qint64 seconds, QObject *context, Done done);
};
