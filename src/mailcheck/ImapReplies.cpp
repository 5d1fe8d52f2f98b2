#include "mailcheck/ImapReplies.h"

#include <QRegularExpression>
#include <QStringList>

#include <algorithm>

#include <limits>

ImapReply imapReplyTo(const QString &line, const QString &tag)
{
    if (!line.startsWith(tag + u' '))
        return ImapReply::Other;
    const QString status = line.mid(tag.size() + 1).section(u' ', 0, 0).trimmed().toUpper();
    if (status == QLatin1String("OK"))
        return ImapReply::Ok;
    if (status == QLatin1String("NO") || status == QLatin1String("BAD"))
        return ImapReply::Refused;
    return ImapReply::Other;
}

std::optional<int> imapUnseenCount(const QString &line)
{
    static const QRegularExpression status(QStringLiteral("^\\* STATUS .*\\(([^)]*)\\)\\s*$"),
                                           QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = status.match(line);
    if (!match.hasMatch())
        return std::nullopt;
    const QStringList items = match.captured(1).split(u' ', Qt::SkipEmptyParts);
    for (qsizetype i = 0; i + 1 < items.size(); i += 2) {
        if (items[i].compare(QLatin1String("UNSEEN"), Qt::CaseInsensitive) != 0)
            continue;
        const QString &digits = items[i + 1];
        if (digits.isEmpty() || digits.size() > 5
            || !std::all_of(digits.begin(), digits.end(),
                            [](QChar c) { return c >= u'0' && c <= u'9'; }))
            return std::nullopt;
        const int count = digits.toInt();
        if (count > std::numeric_limits<qint16>::max())
            return std::nullopt;
        return count;
    }
    return std::nullopt;
}

QString imapQuoted(const QString &text)
{
    QString quoted = text;
    quoted.replace(u'\\', QStringLiteral("\\\\")).replace(u'"', QStringLiteral("\\\""));
    return u'"' + quoted + u'"';
}
