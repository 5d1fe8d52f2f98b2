#pragma once

#include "clock/AlarmControls.h"
#include "clock/AlarmSchedule.h"
#include "platform/Services.h"

#include <QObject>

class AlarmMenu;
class AlarmRinging;
class AlarmSettingsPanel;
class AlarmSlots;
class ClockTicks;
class QWidget;
class TipPanel;

// The eight alarms: the slot buttons and their popup, the check that finds a slot's time
// reached, and the settings panel, ringing panel and menus that serve them.
class AlarmPanel : public QObject
{
    Q_OBJECT
public:
    AlarmPanel(Services &services, QWidget *surface, TipPanel &tips, const AlarmControls &controls);

    // Snooze off, not snoozed, alarm sound silent.
    void resetAtLoad();
    // The eight slots, snooze length, source and sound.
    void load();
    // After the load: the alarm check runs on every second of the clock.
    void start(ClockTicks &ticks);
    // "&Exit": silence a ringing or snoozed alarm according to its source, hide the
    // ringing panel, not snoozed.
    void silenceOnExit();
    // The alarm source as stored: "Alarm", "MP3" or "CD" (anything else reads as "Alarm").
    QString alarmSource();
    // True while an alarm is snoozed (the talking clock keeps quiet then).
    bool snoozed() const;

    // Rings the slots whose time the second reached; with every slot off it reads nothing.
    void checkAlarms();
    void onCmdAlarmClick(int slot);
    // Right button released over a slot button: the popup opens for that slot.
    void onCmdAlarmRightReleased(int slot);
    void onMnuAlarmOnClick();
    void onMnuAlarmOffClick();

    int popupSlot() const { return m_popupSlot; }
    AlarmSlots &alarmSlots() const { return *m_slots; }
    AlarmSettingsPanel &settingsPanel() const { return *m_settingsPanel; }
    AlarmRinging &ringing() const { return *m_ringing; }
    AlarmMenu &menu() const { return *m_menu; }

private:
    Services &m_services;
    TipPanel &m_tips;
    AlarmControls m_controls;
    AlarmSlots *m_slots;
    AlarmSettingsPanel *m_settingsPanel;
    AlarmRinging *m_ringing;
    AlarmMenu *m_menu;
    DueWindow m_window;
    int m_popupSlot = 1;
};
