#include "clock/AlarmSchedule.h"

#include "clock/AlarmSettings.h"
#include "platform/SettingsStore.h"

namespace {

constexpr qint64 kLatestMs = 60 * 1000;

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
    QDateTime at(now.date(), time, now.timeSpec());
    if (at > now)
        at = at.addDays(-1);
    return at;
}

QList<DueSlot> dueSlots(SettingsStore &settings, const QStringList &states, DueWindow &window,
                        const QDateTime &now)
{
    // A clock set back starts the span afresh rather than waiting to pass the old time.
    if (window.last().isValid() && window.last() > now)
        window.start(now);
    QList<DueSlot> due;
    const QString section = AlarmSettings::section();
    for (int slot = 1; slot <= AlarmSettings::kSlots; ++slot) {
        const QString stored = settings.getSetting(section, AlarmSettings::timeKey(slot));
        if (stored.isEmpty())
            continue;
        const std::optional<QTime> time = AlarmSettings::parseTime(stored);
        if (!time)
            continue;
        const QDateTime at = DueWindow::latest(*time, now);
        if (window.reached(at, now) && states.value(slot - 1) == QLatin1String("on"))
            due.append({slot, at});
    }
    window.advance(now);
    return due;
}
