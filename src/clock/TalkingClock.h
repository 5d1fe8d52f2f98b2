#pragma once

#include "platform/Services.h"

#include <QObject>

class AlarmPanel;
class QWidget;

// Speaks the time every quarter, half or whole hour (filled by the talking clock issue).
class TalkingClock : public QObject
{
    Q_OBJECT
public:
    TalkingClock(Services &services, QWidget *surface, const AlarmPanel &alarm);

    // Load sequence step 20: the "Clock"/"Talk" mode and the interval check marks.
    void load();
private:
    Services &m_services;
    QWidget *m_surface;
    const AlarmPanel &m_alarm;
};
