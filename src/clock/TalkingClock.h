#pragma once

#include "platform/Services.h"

#include <QObject>

class QWidget;

// Speaks the time every quarter, half or whole hour (filled by the talking clock issue).
class TalkingClock : public QObject
{
    Q_OBJECT
public:
    TalkingClock(Services &services, QWidget *surface);

    // Load sequence step 20: the "Clock"/"Talk" mode and the interval check marks.
    void load();
protected:
    Services &m_services;
    QWidget *m_surface;
};
