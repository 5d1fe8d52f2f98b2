#pragma once

#include "platform/Services.h"

#include <QObject>

class QWidget;
class TipPanel;

// The eight alarms, ringing and snooze. The alarm issue fills the slots, the ringing panel
// and the timers; the dashboard already calls every hook it owns in the lifecycle.
class AlarmPanel : public QObject
{
    Q_OBJECT
public:
    AlarmPanel(Services &services, QWidget *surface, TipPanel &tips);

    // Load sequence step 11: snooze off, not snoozed, alarm sound silent.
    void resetAtLoad();
    // Load sequence step 19: the eight slots, snooze length, source and sound.
    void load();
    // "&Exit": silence a ringing or snoozed alarm according to its source, hide the
    // ringing panel, not snoozed.
    void silenceOnExit();
    // The alarm source as stored: "Alarm", "MP3" or "CD" (anything else reads as "Alarm").
    QString alarmSource();
    // True while an alarm is snoozed (the talking clock keeps quiet then).
    bool snoozed() const { return m_snoozed; }

private:
    Services &m_services;
    QWidget *m_surface;
    TipPanel &m_tips;
    bool m_snoozed = false;
};
