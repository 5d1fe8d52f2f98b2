#pragma once

#include "clock/AlarmControls.h"
#include "clock/AlarmWatch.h"
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
    // After the load: the alarm check runs on every second of the clock, and the moment
    // watched is kept once a minute and before the computer sleeps.
    void start(ClockTicks &ticks);
    // The moment last watched, kept for the next start (at the end of the program).
    void recordWatched();
    // "&Exit": silence a ringing or snoozed alarm according to its source, hide the
    // ringing panel, not snoozed.
    void silenceOnExit();
    // The alarm source as stored: "Alarm", "MP3" or "CD" (anything else reads as "Alarm").
    QString alarmSource();
    // True while an alarm is snoozed (the talking clock keeps quiet then).
    bool snoozed() const;

    // Rings the slots whose time the second reached; with every slot off it reads nothing.
    // After a jump of the clock a slot a little late rings saying so, and one later is
    // reported missed.
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

Q_SIGNALS:
    // Alarms that will not ring: they fell while the program was not running or while the
    // computer slept too long. One line each, for the missed-days list.
    void alarmsMissed(const QStringList &reports);

private:
    bool anyAlarmOn() const;
    void reportMissed(const QList<AlarmMoment> &missed);

    Services &m_services;
    TipPanel &m_tips;
    AlarmControls m_controls;
    AlarmSlots *m_slots;
    AlarmSettingsPanel *m_settingsPanel;
    AlarmRinging *m_ringing;
    AlarmMenu *m_menu;
    AlarmWatch m_watch;
    int m_popupSlot = 1;
};
