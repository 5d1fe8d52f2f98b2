#pragma once

#include "clock/AlarmControls.h"
#include "platform/Services.h"

#include <QObject>
#include <QPointer>

class AlarmRinging;
class SnoozeDialog;
class QWidget;

// The "Alarm" menu (the source: a built-in sound, "MP3" or "CD"; testing the sounds) and
// "Snooze Time" with its dialog.
class AlarmMenu : public QObject
{
    Q_OBJECT
public:
    AlarmMenu(Services &services, QWidget *window, const AlarmControls &controls,
              AlarmRinging &ringing);

    // Load: the snooze length and its caption, the source and sound, the repeat interval,
    // the check marks.
    void load();

    void onMnuAlarmSoundClick(int index);
    void onMnuMp3Click();
    void onMnuCdClick();
    void onMnuTestAlarmClick(int index);
    // Opens frmSnooze modally; its closing reads the length back.
    void onMnuSnoozeTimeClick();
    void readSnoozeLength();

    int snoozeLength() const { return m_snoozeLength; }
    const QString &source() const { return m_source; }
    SnoozeDialog *snoozeDialog() const;

private:
    void applyInterval(const QString &soundFile);
    void setCheckMarks();
    void storeSource(const QString &source);

    Services &m_services;
    QWidget *m_window;
    AlarmControls m_controls;
    AlarmRinging &m_ringing;
    QPointer<SnoozeDialog> m_dialog;
    QString m_source;
    int m_snoozeLength = 5;
};
