#pragma once

#include <QDateTime>
#include <QList>
#include <QStringList>

class SettingsStore;

// When a moment counts as reached by a tick. A tick covers the time since the tick before
// it, so a late tick (a busy machine, a blocking sound) still catches a moment it stepped
// over, and no moment is caught by two ticks. A moment more than a minute old when its tick
// finally comes (a machine woken from sleep) is let go rather than acted on late.
class DueWindow
{
public:
    // The first tick after this covers the second before `now` onwards.
    void start(const QDateTime &now);
    // Whether `at` lies in the current tick's span: after the previous tick, at or before
    // now, and at most a minute ago.
    bool reached(const QDateTime &at, const QDateTime &now) const;
    // Ends the tick: the next one covers the time after now.
    void advance(const QDateTime &now);
    const QDateTime &last() const { return m_last; }

    // The latest moment at or before now whose time of day is `time`.
    static QDateTime latest(const QTime &time, const QDateTime &now);

private:
    QDateTime m_last;
};

struct AlarmMoment
{
    int slot;     // 1 to 8
    QDateTime at; // when its time of day came
};

namespace AlarmSchedule {

// `time` on `date`, kept in the same kind of time as `like` (its zone, or local time). A time
// the clocks skip when they spring forward comes when they land after the gap; a time they
// pass twice when they fall back comes once, as Qt places it.
QDateTime onDay(const QDate &date, const QTime &time, const QDateTime &like);

// Every moment in (from, to] at which a slot whose in-memory state is "on" reached its stored
// time, one per slot and day, in time order (slot order within a moment). Reads the times
// from the store, so a time just set counts from the next check.
QList<AlarmMoment> moments(SettingsStore &settings, const QStringList &states,
                           const QDateTime &from, const QDateTime &to);

} // namespace AlarmSchedule
