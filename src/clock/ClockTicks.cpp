#include "clock/ClockTicks.h"

void ClockTicks::tick(const QDateTime &now)
{
    Q_EMIT second(now);
    const QDateTime thisMinute(now.date(), QTime(now.time().hour(), now.time().minute()),
                               now.timeSpec());
    if (m_minute.isValid() && thisMinute != m_minute)
        Q_EMIT minute(now);
    m_minute = thisMinute;
    const QDate today = now.date();
    if (today != m_day) {
        m_day = today;
        Q_EMIT dayChanged(today);
    }
}
