#include "clock/TalkingClock.h"

#include <QWidget>

TalkingClock::TalkingClock(Services &services, QWidget *surface)
    : QObject(surface)
    , m_services(services)
    , m_surface(surface)
{
}

void TalkingClock::load()
{
    // Filled by the talking clock: reads "Clock"/"Talk".
}
