#pragma once

#include "platform/Services.h"

#include <QObject>

class QAction;
class QWidget;

// The dashboard's weather panel: for now the "Disable Weather" switch only; placing the
// fields and fetching a report do nothing yet.
class WeatherPanel : public QObject
{
    Q_OBJECT
public:
    WeatherPanel(Services &services, QWidget *surface, QAction *disableWeather);

    // "System"/"NoWeather" (default "1": off until the user turns it
    // on) sets the "Disable Weather" check mark.
    void loadSwitch();
    void load();
    void fetchLastReport();
    bool weatherEnabled() const;

private:
    Services &m_services;
    QWidget *m_surface;
    QAction *m_disableWeather;
};
