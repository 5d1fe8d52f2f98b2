#include "clock/AlarmWatch.h"

#include "clock/AlarmSettings.h"
#include "platform/SettingsStore.h"

namespace {

const QString kWatchedKey = QStringLiteral("AlarmsWatched");

} // namespace

AlarmWatch::AlarmWatch(SettingsStore &settings)
    : m_settings(settings)
{
}

QList<AlarmMoment> AlarmWatch::startWatching(const QStringList &states, const QDateTime &now)
{
    QDateTime since = QDateTime::fromString(
        m_settings.getSetting(AlarmSettings::section(), kWatchedKey), Qt::ISODate);
    QList<AlarmMoment> missed;
    if (since.isValid()) {
        since = qMax(since, now.addDays(-kLookBackDays));
        missed = AlarmSchedule::moments(m_settings, states, since, now);
    }
    // The second before now is where the first tick starts, so an alarm due this very
    // second is rung rather than reported.
    m_last = now.addSecs(-1);
    missed.removeIf([this](const AlarmMoment &m) { return m.at > m_last; });
    record();
    return missed;
}

AlarmWatch::Found AlarmWatch::check(const QStringList &states, const QDateTime &now)
{
    Found found;
    // A clock set back starts the span afresh rather than waiting to pass the old time.
    if (!m_last.isValid() || m_last > now)
        m_last = now.addSecs(-1);
    const bool jumped = m_last.msecsTo(now) > kJumpMs;
    for (const AlarmMoment &moment : AlarmSchedule::moments(m_settings, states, m_last, now)) {
        const qint64 late = moment.at.secsTo(now);
        if (!jumped || late < 60)
            found.due.append(moment);
        else if (late <= kRingLateSecs)
            found.late.append(moment);
        else
            found.missed.append(moment);
    }
    m_last = now;
    return found;
}

void AlarmWatch::pass(const QDateTime &now)
{
    m_last = now;
}

void AlarmWatch::record()
{
    if (m_last.isValid())
        m_settings.saveSetting(AlarmSettings::section(), kWatchedKey,
                               m_last.toUTC().toString(Qt::ISODate));
}
