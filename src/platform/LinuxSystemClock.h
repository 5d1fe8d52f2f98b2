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
    // timedated's NTP property; no system bus or no service means no.
    void keepsItself(QObject *context, std::function<void(bool)> answer) override;

    // A refusal of the time service, said plainly: one that needs an administrator's
    // authorisation says so; others as the service put them.
    static QString refusalText(const QString &errorName, const QString &message);

    // How long the time service may take, a password prompt included.
    static constexpr int kServiceTimeoutMs = 120000;
    static constexpr int kQuestionTimeoutMs = 3000;

private:
    void adjustThroughService(qint64 seconds, QObject *context, Done done);
};
