#include "platform/Clock.h"

#include <QElapsedTimer>

QDateTime RealClock::now() const
{
    return QDateTime::currentDateTime();
}

qint64 RealClock::monotonicMs() const
{
    static const QElapsedTimer started = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return started.elapsed();
}
