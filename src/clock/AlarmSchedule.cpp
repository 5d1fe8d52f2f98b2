#include "clock/AlarmSchedule.h"

#include "clock/AlarmSettings.h"
#include "platform/SettingsStore.h"

#include <QTimeZone>

#include <algorithm>

namespace {

constexpr qint64 kLatestMs = 60 * 1000;
// No clock change on record skips more than this.
constexpr int kLongestGapMinutes = 180;

QDateTime sameKind(const QDate &date, const QTime &time, const QDateTime &like)
{
    switch (like.timeSpec()) {
    case Qt::TimeZone:
        return QDateTime(date, time, like.timeZone());
    case Qt::OffsetFromUTC:
        return QDateTime(date, time, Qt::OffsetFromUTC, like.offsetFromUtc());
    default:
        return QDateTime(date, time, like.timeSpec());
    }
}

QDateTime inKindOf(const QDateTime &t, const QDateTime &like)
{
    return like.timeSpec() == Qt::TimeZone ? t.toTimeZone(like.timeZone())
                                           : t.toTimeSpec(like.timeSpec());
}

} // namespace

void DueWindow::start(const QDateTime &now)
{
    m_last = now.addSecs(-1);
}

bool DueWindow::reached(const QDateTime &at, const QDateTime &now) const
{
    if (!at.isValid() || at > now || at.msecsTo(now) > kLatestMs)
        return false;
    return !m_last.isValid() || at > m_last;
}

void DueWindow::advance(const QDateTime &now)
{
    m_last = now;
}

QDateTime DueWindow::latest(const QTime &time, const QDateTime &now)
{
    QDateTime at = AlarmSchedule::onDay(now.date(), time, now);
    if (at > now)
        at = AlarmSchedule::onDay(now.date().addDays(-1), time, now);
    return at;
}

QDateTime AlarmSchedule::onDay(const QDate &date, const QTime &time, const QDateTime &like)
{
    QDateTime at = sameKind(date, time, like);
    for (int minute = 1; !at.isValid() && minute <= kLongestGapMinutes; ++minute) {
        const QTime later = time.addSecs(minute * 60);
        if (later < time)
            break; // the gap would run past midnight: no such time that day
        at = sameKind(date, later, like);
    }
    return at;
}

QList<AlarmMoment> AlarmSchedule::moments(SettingsStore &settings, const QStringList &states,
                                          const QDateTime &from, const QDateTime &to)
{
    QList<AlarmMoment> found;
    if (!from.isValid() || !to.isValid() || from >= to)
        return found;
    const QDate first = inKindOf(from, to).date();
    const QDate last = to.date();
    const QString section = AlarmSettings::section();
    for (int slot = 1; slot <= AlarmSettings::kSlots; ++slot) {
        if (states.value(slot - 1) != QLatin1String("on"))
            continue;
        const std::optional<QTime> time
            = AlarmSettings::parseTime(settings.getSetting(section, AlarmSettings::timeKey(slot)));
        if (!time)
            continue;
        for (QDate day = first; day <= last; day = day.addDays(1)) {
            const QDateTime at = onDay(day, *time, to);
            if (at.isValid() && at > from && at <= to)
                found.append({slot, at});
        }
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const AlarmMoment &a, const AlarmMoment &b) { return a.at < b.at; });
    return found;
}
