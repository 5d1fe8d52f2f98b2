#include "RtfText.h"

#include "common/Cp1252.h"

#include <QStringDecoder>
#include <QStringList>

QString rtfCleanText(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            out += c;
            out += text[++i];
        } else if (c.isSurrogate()) {
            out += QChar::ReplacementCharacter;
        } else if (c.unicode() >= 0x20 || c == u'\t' || c == u'\n') {
            if (c.unicode() < 0x7F || c.unicode() >= 0xA0 || c == u'\t' || c == u'\n')
                out += c;
        }
    }
    return out;
}

QString rtfPlainText(QByteArrayView bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (utf8.hasError()) {
        text.clear();
        for (const char byte : bytes)
            text += fromCp1252(static_cast<unsigned char>(byte));
    }
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return rtfCleanText(text);
}

QString rtfHyperlinkTarget(const QString &instruction)
{
    const QString field = instruction.trimmed();
    static const QString keyword = QStringLiteral("HYPERLINK");
    if (!field.startsWith(keyword, Qt::CaseInsensitive))
        return {};
    const QString rest = field.mid(keyword.size());
    if (rest.contains(QStringLiteral("\\l")))
        return {};
    const qsizetype open = rest.indexOf(u'"');
    if (open >= 0) {
        const qsizetype close = rest.indexOf(u'"', open + 1);
        return rest.mid(open + 1, close < 0 ? -1 : close - open - 1).trimmed();
    }
    const QStringList words = rest.split(u' ', Qt::SkipEmptyParts);
    for (const QString &word : words) {
        if (!word.startsWith(u'\\'))
            return word;
    }
    return {};
}
