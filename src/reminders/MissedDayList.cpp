#include "reminders/MissedDayList.h"

#include "common/DateText.h"

#include <limits>

namespace MissedDayList {

QStringList between(const QString &lastUsedText, const QDate &today)
{
    const QDate lastUsed = DateText::fromText(lastUsedText.trimmed());
    if (!lastUsed.isValid() || !today.isValid())
        return {};
    const qint64 gap = lastUsed.daysTo(today);
    if (gap > std::numeric_limits<qint16>::max())
        return {};
    QStringList days;
    if (gap > 1) {
        days.reserve(int(gap - 1));
        for (qint64 i = 1; i < gap; ++i)
            days.append(DateText::toText(today.addDays(-i)));
    }
    return days;
}

} // namespace MissedDayList
