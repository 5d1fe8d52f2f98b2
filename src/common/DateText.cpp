#include "common/DateText.h"

#include <array>

namespace DateText {

namespace {

// Fixed tables: the caption reads the same on every desktop, whatever its language.
constexpr std::array<const char *, 7> WeekdayNames
    = {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"};
constexpr std::array<const char *, 12> MonthAbbreviations
    = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// The value of text[from, from + count), all ASCII digits; -1 otherwise.
int digitsAt(const QString &text, int from, int count)
{
    int value = 0;
    for (int i = from; i < from + count; ++i) {
        if (!isAsciiDigit(text[i]))
            return -1;
        value = value * 10 + (text[i].unicode() - u'0');
    }
    return value;
}

} // namespace

QString toText(const QDate &date)
{
    if (!date.isValid())
        return {};
    return QString::asprintf("%02d/%02d/%04d", date.month(), date.day(), date.year());
}

QDate fromText(const QString &text)
{
    if (text.size() != 10 || text[2] != u'/' || text[5] != u'/')
        return {};
    const int month = digitsAt(text, 0, 2);
    const int day = digitsAt(text, 3, 2);
    const int year = digitsAt(text, 6, 4);
    if (month < 0 || day < 0 || year < 0)
        return {};
    return QDate(year, month, day); // invalid for a month or day out of range
}

QString dayText(const QString &dateText)
{
    const qsizetype first = dateText.indexOf(u'/');
    const qsizetype second = first < 0 ? -1 : dateText.indexOf(u'/', first + 1);
    if (second < 0)
        return {};
    return dateText.mid(first + 1, second - first - 1);
}

QString dateCaption(const QDate &date)
{
    if (!date.isValid())
        return {};
    return QStringLiteral("%1, %2 %3 %4")
        .arg(QLatin1String(WeekdayNames[date.dayOfWeek() - 1]),
             QLatin1String(MonthAbbreviations[date.month() - 1]))
        .arg(date.day())
        .arg(date.year(), 4, 10, QLatin1Char('0'));
}

} // namespace DateText
