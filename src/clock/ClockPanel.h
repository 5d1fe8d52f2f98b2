#pragma once

#include "platform/Services.h"

#include <QObject>

class QWidget;

// The clock face. Its widgets, timers and load step come with the clock issue; the
// dashboard already calls its load step (load sequence step 18).
class ClockPanel : public QObject
{
    Q_OBJECT
public:
    ClockPanel(Services &services, QWidget *surface);

    // Load sequence step 18: time format and seconds from the settings.
    void load();
protected:
    Services &m_services;
    QWidget *m_surface;
};
