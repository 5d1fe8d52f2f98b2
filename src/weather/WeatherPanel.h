#pragma once

#include "platform/Services.h"

#include <QObject>

class QAction;
class QWidget;

// The dashboard's weather panel. The switch is read here already; the fields, buttons and
// fetching come with the weather issues.
class WeatherPanel : public QObject
{
    Q_OBJECT
public:
    WeatherPanel(Services &services, QWidget *surface, QAction *disableWeather);

    // Load sequence step 7: "System"/"NoWeather" (default "1": off until the user turns it
    // on) sets the "Disable Weather" check mark.
    void loadSwitch();
    // Load sequence step 16: place fields from "System"/"USA", "World", "USWorld".
    void load();
    // First activation: fetch the last kind of report ("us" or "world").
    void fetchLastReport();
    bool weatherEnabled() const;

private:
    Services &m_services;
    QWidget *m_surface;
    QAction *m_disableWeather;
};
