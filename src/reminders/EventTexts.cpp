#include "reminders/EventTexts.h"

QString EventTexts::countText(int rows)
{
    return QString::number(rows) + QStringLiteral(" Events Scheduled");
}

QString EventTexts::emptyDayText(const QString &dateText)
{
    return QStringLiteral("No Events for: ") + dateText;
}
