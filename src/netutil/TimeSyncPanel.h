#pragma once

#include "platform/Services.h"

#include <QObject>

class QWidget;

// Setting the computer clock from a time server (filled by the time synchronisation issue).
class TimeSyncPanel : public QObject
{
    Q_OBJECT
public:
    TimeSyncPanel(Services &services, QWidget *surface);
    // Load sequence step 16: the default time server.
    void load();

private:
    Services &m_services;
    QWidget *m_surface;
};
