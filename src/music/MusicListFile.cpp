#include "music/MusicListFile.h"

#include "common/RegularFile.h"

#include <QFile>
#include <QSaveFile>

namespace MusicListFile {

namespace {

QString decode(const QByteArray &bytes)
{
    // Lists written on other systems may be in a legacy 8-bit encoding.
    QString text = QString::fromUtf8(bytes);
    if (text.contains(QChar::ReplacementCharacter))
        text = QString::fromLatin1(bytes);
    return text;
}

} // namespace

QStringList parse(const QByteArray &content)
{
    const QString text = decode(content);
    QStringList entries;
    qsizetype i = 0;
    const qsizetype n = text.size();
    auto atLineEnd = [&](qsizetype k) { return text[k] == u'\n' || text[k] == u'\r'; };
    auto skipLineEnd = [&] {
        if (i < n && text[i] == u'\r')
            ++i;
        if (i < n && text[i] == u'\n')
            ++i;
    };
    while (i < n && entries.size() < kMaxEntries) {
        while (i < n && (text[i] == u' ' || text[i] == u'\t'))
            ++i;
        if (i >= n)
            break;
        if (atLineEnd(i)) { // a blank line holds no entry
            skipLineEnd();
            continue;
        }
        QString field;
        if (text[i] == u'"') {
            ++i;
            while (i < n) {
                if (text[i] == u'"') {
                    if (i + 1 < n && text[i + 1] == u'"') {
                        field += u'"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                field += text[i++];
            }
            // Anything after the closing quote up to the delimiter is not part of the path.
            while (i < n && text[i] != u',' && !atLineEnd(i))
                ++i;
        } else {
            const qsizetype start = i;
            while (i < n && text[i] != u',' && !atLineEnd(i))
                ++i;
            field = text.mid(start, i - start).trimmed();
        }
        if (i < n && text[i] == u',')
            ++i;
        else
            skipLineEnd();
        entries.append(field);
    }
    return entries;
}

QByteArray serialize(const QStringList &entries)
{
    QByteArray out;
    for (const QString &entry : entries) {
        QString quoted = entry;
        quoted.replace(u'"', QStringLiteral("\"\""));
        out += '"' + quoted.toUtf8() + "\"\r\n";
    }
    return out;
}

std::optional<QStringList> read(const QString &path)
{
    QFile file(path);
    if (!file.exists())
        return QStringList();
    if (isNonRegularFile(path) || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return parse(file.readAll());
}

bool write(const QString &path, const QStringList &entries)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(serialize(entries));
    return file.commit();
}

} // namespace MusicListFile
