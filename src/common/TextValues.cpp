#include "common/TextValues.h"

#include <limits>

namespace {

struct WholeNumber
{
    bool negative = false;
    QStringView digits;
};

// Splits "  -042 " into sign and digits; nullopt unless it is exactly that shape.
std::optional<WholeNumber> splitWholeNumber(const QString &text)
{
    QStringView rest = QStringView(text).trimmed();
    WholeNumber number;
    if (rest.startsWith(u'-') || rest.startsWith(u'+')) {
        number.negative = rest.front() == u'-';
        rest = rest.mid(1);
    }
    if (rest.isEmpty())
        return std::nullopt;
    for (QChar c : rest) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
    }
    number.digits = rest;
    return number;
}

} // namespace

std::optional<bool> textToBool(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (trimmed.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    // Any size of number counts: only whether it is zero matters.
    const auto number = splitWholeNumber(text);
    if (!number)
        return std::nullopt;
    for (QChar c : number->digits) {
        if (c != u'0')
            return true;
    }
    return false;
}

std::optional<int> textToInt(const QString &text)
{
    const auto number = splitWholeNumber(text);
    if (!number)
        return std::nullopt;
    const long long limit = number->negative
        ? -static_cast<long long>(std::numeric_limits<int>::min())
        : std::numeric_limits<int>::max();
    long long magnitude = 0;
    for (QChar c : number->digits) {
        magnitude = magnitude * 10 + (c.unicode() - u'0');
        if (magnitude > limit)
            return std::nullopt;
    }
    return static_cast<int>(number->negative ? -magnitude : magnitude);
}

QString boolToText(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}
