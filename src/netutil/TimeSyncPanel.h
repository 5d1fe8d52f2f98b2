#pragma once

#include "platform/Services.h"

#include <QObject>

class QWidget;

// Setting the computer clock from a time server; for now its place in the load only.
class TimeSyncPanel : public QObject
{
    Q_OBJECT
public:
    TimeSyncPanel(Services &services, QWidget *surface);
    void load();

private:
    Services &m_services;
    QWidget *m_surface;
};
