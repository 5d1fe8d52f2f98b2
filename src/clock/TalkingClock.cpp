#include "clock/TalkingClock.h"

#include <QWidget>

TalkingClock::TalkingClock(Services &services, QWidget *surface, const AlarmPanel &alarm)
    : QObject(surface)
    , m_services(services)
    , m_surface(surface)
    , m_alarm(alarm)
{
}

void TalkingClock::load()
{
    // Filled by the talking clock: reads "Clock"/"Talk".
}
