#pragma once

#include "clock/AlarmPanel.h"
#include "clock/AlarmRinging.h"
#include "clock/AlarmSettingsPanel.h"
#include "clock/AlarmSlots.h"
#include "support/DashboardFixture.h"

#include <QFrame>
#include <QLabel>
#include <QTimer>

// A loaded dashboard with the clock just before 7:30 and helpers to drive the alarm.
class AlarmFixture : public DashboardFixture
{
protected:
    AlarmFixture()
    {
        setSetting("System", "AutoHide", "True");
        clock.current = QDateTime(QDate(2026, 12, 9), QTime(7, 29, 59, 500));
    }
    AlarmPanel &alarm() { return dashboard().alarmPanel(); }
    AlarmRinging &ringing() { return alarm().ringing(); }
    void setSlot(int slot, const QString &time, const QString &state)
    {
        setSetting("Clock", QStringLiteral("AlarmTime%1").arg(slot), time);
        setSetting("Clock", QStringLiteral("Alarm%1").arg(slot), state);
    }
    // One alarm-check tick after `ms` milliseconds.
    void check(int ms = 950)
    {
        clock.advanceMs(ms);
        alarm().checkAlarms();
    }
    bool ringingShown() { return !find<QFrame>("picAlarmActive")->isHidden(); }
    QString text(const char *name) { return find<QLabel>(QLatin1String(name))->text(); }
    QStringList played() const
    {
        QStringList names;
        for (const auto &play : sound.plays)
            names << play.path.section(u'/', -1);
        return names;
    }
};
