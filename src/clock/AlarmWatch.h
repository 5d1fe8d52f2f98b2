#pragma once

#include "clock/AlarmSchedule.h"

#include <QDateTime>
#include <QList>
#include <QStringList>

class SettingsStore;

// Watches the alarm times go by. Each check covers the time since the one before, so no
// alarm is caught twice or stepped over; when the clock jumped (the computer slept), the
// alarms inside the jump ring late if they are only a little late and are reported missed if
// later. The moment last watched is kept in the settings, so a start can tell which alarms
// fell while the program was not running.
class AlarmWatch
{
public:
    // More time than this between two checks, a second apart, is a jump.
    static constexpr qint64 kJumpMs = 31 * 1000;
    // An alarm found this late or less still rings.
    static constexpr qint64 kRingLateSecs = 10 * 60;
    // A start looks back this far for missed alarms, however long the program was away.
    static constexpr int kLookBackDays = 31;

    struct Found
    {
        QList<AlarmMoment> due;    // ring now
        QList<AlarmMoment> late;   // ring now, saying how late
        QList<AlarmMoment> missed; // too late to ring: report
    };

    explicit AlarmWatch(SettingsStore &settings);

    // At start-up: every alarm that is on and whose time fell since the moment last recorded
    // (none on a first start); then watching starts from now, which is recorded.
    QList<AlarmMoment> startWatching(const QStringList &states, const QDateTime &now);
    // One check: the alarms reached since the last check.
    Found check(const QStringList &states, const QDateTime &now);
    // Moves on without looking (no alarm is on), so an alarm switched on later does not
    // catch a moment that passed while it was off.
    void pass(const QDateTime &now);
    // Keeps the moment last watched in the settings.
    void record();

    const QDateTime &last() const { return m_last; }

private:
    SettingsStore &m_settings;
    QDateTime m_last;
};
