#pragma once

#include "clock/AlarmTimePicker.h"
#include "platform/Services.h"

#include <QList>
#include <QObject>

class AlarmSlots;
class LumoButton;
class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QScrollBar;
class TipPanel;

// The alarm settings panel picAlarms: the hour and minute sliders with their paired labels,
// the title box, "Set Alarm" and "Cancel", for the slot whose button was clicked last.
class AlarmSettingsPanel : public QObject
{
    Q_OBJECT
public:
    // show24Hour is checked while the clock runs in 24-hour mode.
    AlarmSettingsPanel(Services &services, QFrame *panel, AlarmSlots &alarmSlots, TipPanel &tips,
                       QAction *show24Hour);

    // A slot button was clicked: this slot's panel opens.
    void open(int slot);
    void onHsbHourChange();
    void onHsbMinChange();
    void onCmdSetAlarmReleased(int x, int y);
    void onCmdCancelReleased(int x, int y);

    int selectedSlot() const { return m_slot; }
    QScrollBar *hour() const { return m_hour; }
    QScrollBar *minute() const { return m_minute; }
    QLineEdit *title() const { return m_title; }
    QString timeText() const;

private:
    static void setPair(const QList<QLabel *> &pair, const QString &text);
    void showPicked();

    Services &m_services;
    QFrame *m_panel;
    AlarmSlots &m_slots;
    TipPanel &m_tips;
    QAction *m_show24Hour;
    AlarmTimePicker m_picker;
    QList<QLabel *> m_header, m_hourLabels, m_minuteLabels, m_timeLabels;
    QScrollBar *m_hour, *m_minute;
    QLineEdit *m_title;
    LumoButton *m_set, *m_cancel;
    int m_slot = 1;
};
