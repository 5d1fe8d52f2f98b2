#include "mailcheck/PopReplies.h"

#include <limits>

std::optional<QString> PopLineBuffer::takeLine()
{
    qsizetype end = m_pending.indexOf('\n');
    if (end < 0) {
        if (m_pending.size() < kMaxLine)
            return std::nullopt;
        end = kMaxLine - 1;
    }
    // Replies are ASCII; Latin-1 keeps any stray byte as one character instead of failing.
    const QString line = QString::fromLatin1(m_pending.left(end + 1));
    m_pending.remove(0, end + 1);
    return line;
}

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
