#include "netutil/TimeSyncPanel.h"

#include <QWidget>

TimeSyncPanel::TimeSyncPanel(Services &services, QWidget *surface)
    : QObject(surface)
    , m_services(services)
    , m_surface(surface)
{
}

void TimeSyncPanel::load() { }
