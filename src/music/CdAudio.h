#pragma once

#include "platform/Services.h"

#include <QObject>

class QWidget;

// The audio CD as an alarm source: the command interpreter, the disc poll and the device
// come with the music issue; the dashboard already calls its lifecycle hooks.
class CdAudio : public QObject
{
    Q_OBJECT
public:
    CdAudio(Services &services, QWidget *surface);

    // Load sequence step 11: "close all", errors not reported.
    void closeAllQuietly();
    // Load sequence step 21: TimerCD off, no disc seen; open the device when the alarm
    // source is "CD".
    void load(const QString &alarmSource);
    // Unload step 5, for the source "CD": "stop cd wait", then "close all".
    void stopAndClose();

private:
    Services &m_services;
    QWidget *m_surface;
};
