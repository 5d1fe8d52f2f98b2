#pragma once

#include <QObject>

// Tells when the computer is about to sleep and when it woke. This base never tells (a
// system without a sleep manager); the clock's own jump still shows a sleep afterwards.
class SleepWatch : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

Q_SIGNALS:
    void aboutToSleep();
    void wokeUp();
};
