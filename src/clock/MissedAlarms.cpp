#include "clock/MissedAlarms.h"

#include "common/DateText.h"

#include <QLocale>

namespace MissedAlarms {

QString titleOf(const QString &labelLine)
{
    const qsizetype colon = labelLine.indexOf(QLatin1String(": "));
    const QString title = (colon < 0 ? labelLine : labelLine.mid(colon + 2)).trimmed();
    return title == QLatin1String("*No Title*") ? QString() : title;
}

QString missedText(int slot, const QString &labelLine, const QDateTime &at)
{
    const QString title = titleOf(labelLine);
    const QString named = title.isEmpty() ? QStringLiteral("Alarm %1").arg(slot)
                                          : QStringLiteral("Alarm %1 '%2'").arg(slot).arg(title);
    return QStringLiteral("%1 at %2 on %3 was missed")
        .arg(named, QLocale::c().toString(at.time(), QStringLiteral("h:mm AP")),
             DateText::toText(at.date()));
}

QString lateText(int slot, const QDateTime &at, const QDateTime &now)
{
    const qint64 minutes = qMax<qint64>(1, at.secsTo(now) / 60);
    return QStringLiteral("Alarm %1 rang %2 %3 late: the computer was asleep")
        .arg(slot)
        .arg(minutes)
        .arg(minutes == 1 ? QStringLiteral("minute") : QStringLiteral("minutes"));
}

} // namespace MissedAlarms
