#include "clock/TimeAnnouncement.h"

#include "common/TextValues.h"

namespace TimeAnnouncement {

Mode modeFromText(const QString &stored)
{
    const int value = textToInt(stored).value_or(Off);
    return value >= Every15 && value <= EveryHour ? static_cast<Mode>(value) : Off;
}

bool speaksAt(Mode mode, int minute)
{
    switch (mode) {
    case Every15:
        return minute % 15 == 0;
    case Every30:
        return minute % 30 == 0;
    case EveryHour:
        return minute == 0;
    case Off:
        break;
    }
    return false;
}

QString hourWord(int hour)
{
    int spoken = 1;
    if (hour == 0)
        spoken = 12;
    else if (hour >= 1 && hour <= 12)
        spoken = hour;
    else if (hour >= 13 && hour <= 23)
        spoken = hour - 12;
    return QStringLiteral("\\Times\\%1.wav").arg(spoken);
}

QString minuteWord(int minute)
{
    switch (minute) {
    case 0:
        return oClockWord();
    case 15:
    case 30:
    case 45:
        return QStringLiteral("\\Times\\%1.wav").arg(minute);
    default:
        return {};
    }
}

QString oClockWord()
{
    return QStringLiteral("\\Times\\OClock.wav");
}

} // namespace TimeAnnouncement

namespace {

QDateTime minuteOf(const QDateTime &t)
{
    return QDateTime(t.date(), QTime(t.time().hour(), t.time().minute()));
}

} // namespace

bool AnnouncementSchedule::due(TimeAnnouncement::Mode mode, const QDateTime &now) const
{
    return TimeAnnouncement::speaksAt(mode, now.time().minute()) && minuteOf(now) != m_lastSpoken;
}

void AnnouncementSchedule::spoken(const QDateTime &at)
{
    m_lastSpoken = minuteOf(at);
}
