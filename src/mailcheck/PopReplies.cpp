#include "mailcheck/PopReplies.h"

#include <limits>

std::optional<int> statMessageCount(const QString &reply)
{
    constexpr qsizetype kFirst = 4; // the fifth character
    const qsizetype blank = reply.indexOf(u' ', kFirst);
    if (blank < 0)
        return std::nullopt;
    const QString digits = reply.mid(kFirst, blank - kFirst);
    if (digits.isEmpty() || digits.size() > 5)
        return std::nullopt;
    int count = 0;
    for (const QChar c : digits) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        count = count * 10 + (c.unicode() - u'0');
    }
    if (count > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return count;
}
