#pragma once

#include <QString>

#include <functional>

class QObject;

// Setting the computer's clock. Asynchronous: the desktop may ask the user to authorise it.
class SystemClock
{
public:
    // Empty on success, else why the clock was not set.
    using Done = std::function<void(const QString &failure)>;

    virtual ~SystemClock() = default;
    // Moves the clock by `seconds` (a relative step, so a slow authorisation does not skew it).
    // `done` runs once, later or at once, and never after `context` is destroyed.
    virtual void adjust(qint64 seconds, QObject *context, Done done) = 0;
    // Whether the system keeps the clock by itself (NTP through the desktop's time service);
    // stepping it then would only fight that. `answer` runs once, as `done` does.
    virtual void keepsItself(QObject *context, std::function<void(bool)> answer) = 0;
};
