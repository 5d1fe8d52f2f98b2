#pragma once

#include <QObject>
#include <QTimer>

// A stopped timer with the name tests and the design know it by.
inline QTimer *namedTimer(QObject *owner, const char *name, int interval)
{
    auto *timer = new QTimer(owner);
    timer->setObjectName(QLatin1String(name));
    timer->setInterval(interval);
    return timer;
}
