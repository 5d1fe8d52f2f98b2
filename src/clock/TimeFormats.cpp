#include "clock/TimeFormats.h"

namespace TimeFormats {

namespace {

QString twoDigits(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

int hour12(int hour)
{
    const int h = hour % 12;
    return h == 0 ? 12 : h;
}

QString designator(int hour)
{
    return hour < 12 ? QStringLiteral("AM") : QStringLiteral("PM");
}

} // namespace

QString shortTime(const QTime &t)
{
    return twoDigits(t.hour()) + u':' + twoDigits(t.minute());
}

QString mediumTime(const QTime &t)
{
    return twoDigits(hour12(t.hour())) + u':' + twoDigits(t.minute()) + u' ' + designator(t.hour());
}

QString longTime(const QTime &t)
{
    return QString::number(hour12(t.hour())) + u':' + twoDigits(t.minute()) + u':'
        + twoDigits(t.second()) + u' ' + designator(t.hour());
}

QString display(const QTime &t, int timeFormat, int showSeconds)
{
    if (timeFormat == 24)
        return shortTime(t);
    return showSeconds == 1 ? longTime(t) : mediumTime(t);
}

} // namespace TimeFormats
