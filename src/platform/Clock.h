#pragma once

#include <QDateTime>

// The current date and time, and a monotonic count for measuring spans that must not jump
// when the wall clock is set or crosses midnight.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    virtual qint64 monotonicMs() const = 0;
};

class RealClock final : public Clock
{
public:
    QDateTime now() const override;
    qint64 monotonicMs() const override;
};
