#include "clock/ClockPanel.h"

#include <QWidget>

ClockPanel::ClockPanel(Services &services, QWidget *surface)
    : QObject(surface)
    , m_services(services)
    , m_surface(surface)
{
}

void ClockPanel::load()
{
    // Filled by the clock face: reads "Clock"/"TimeFormat" and "Clock"/"ShowSecs".
}
