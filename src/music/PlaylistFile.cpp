#include "music/PlaylistFile.h"

#include <QDir>
#include <QFileInfo>
#include <QMap>
#include <QSaveFile>
#include <QStringDecoder>
#include <QUrl>

namespace PlaylistFile {

namespace {

// A playlist is a few hundred bytes a song; past this it is not a playlist.
constexpr qint64 kLargestList = 64 * 1024 * 1024;

QString decoded(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes) : text;
}

// One entry as written, to a path here, or empty when it names no local file.
QString localPath(QString entry, const QString &folder)
{
    entry = entry.trimmed();
    if (entry.isEmpty())
        return {};
    if (entry.startsWith(QLatin1String("file:"), Qt::CaseInsensitive))
        return QUrl(entry).toLocalFile();
    if (entry.contains(QLatin1String("://")))
        return {};
    // Lists from other systems separate folders with backslashes.
    if (!QFileInfo::exists(QDir(folder).absoluteFilePath(entry)))
        entry.replace(u'\\', u'/');
    return QDir::cleanPath(QDir(folder).absoluteFilePath(entry));
}

void add(Contents &contents, const QString &entry, const QString &folder)
{
    const QString path = localPath(entry, folder);
    if (!path.isEmpty() && QFileInfo(path).isFile())
        contents.found.append(path);
    else
        contents.missing.append(entry.trimmed());
}

QString written(const QString &path, const QDir &folder)
{
    const QString relative = folder.relativeFilePath(path);
    return relative.startsWith(QLatin1String("../")) || QDir::isAbsolutePath(relative)
        ? QDir::cleanPath(path)
        : relative;
}

} // namespace

Format formatFor(const QString &path)
{
    return path.endsWith(QLatin1String(".pls"), Qt::CaseInsensitive) ? Format::Pls : Format::M3u;
}

Contents parse(const QByteArray &content, Format format, const QString &folder)
{
    QByteArray bytes = content;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    Contents contents;
    const QList<QByteArray> lines = bytes.split('\n');
    if (format == Format::M3u) {
        for (const QByteArray &line : lines) {
            const QByteArray trimmed = line.trimmed();
            if (!trimmed.isEmpty() && !trimmed.startsWith('#'))
                add(contents, decoded(trimmed), folder);
        }
        return contents;
    }
    // PLS: FileN=... in any order; the numbers give the order.
    QMap<int, QString> files;
    for (const QByteArray &line : lines) {
        const QByteArray trimmed = line.trimmed();
        if (!trimmed.toLower().startsWith("file"))
            continue;
        const qsizetype equals = trimmed.indexOf('=');
        bool numbered = false;
        const int number = trimmed.mid(4, equals - 4).toInt(&numbered);
        if (equals > 4 && numbered)
            files.insert(number, decoded(trimmed.mid(equals + 1)));
    }
    for (const QString &entry : std::as_const(files))
        add(contents, entry, folder);
    return contents;
}

QByteArray serialize(const QStringList &entries, const QStringList &titles, Format format,
                     const QString &folder)
{
    const QDir dir(folder);
    QByteArray out;
    if (format == Format::M3u) {
        out = "#EXTM3U\n";
        for (qsizetype i = 0; i < entries.size(); ++i) {
            const QString title = titles.value(i).simplified();
            if (!title.isEmpty())
                out += "#EXTINF:-1," + title.toUtf8() + '\n';
            out += written(entries[i], dir).toUtf8() + '\n';
        }
        return out;
    }
    out = "[playlist]\n";
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const QByteArray n = QByteArray::number(i + 1);
        out += "File" + n + '=' + written(entries[i], dir).toUtf8() + '\n';
        const QString title = titles.value(i).simplified();
        if (!title.isEmpty())
            out += "Title" + n + '=' + title.toUtf8() + '\n';
        out += "Length" + n + "=-1\n";
    }
    out += "NumberOfEntries=" + QByteArray::number(entries.size()) + "\nVersion=2\n";
    return out;
}

std::optional<Contents> read(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("%1 cannot be read: %2").arg(path, file.errorString());
        return std::nullopt;
    }
    if (file.size() > kLargestList) {
        *error = QStringLiteral("%1 is too large to be a playlist.").arg(path);
        return std::nullopt;
    }
    const QByteArray content = file.readAll();
    const Format format = formatFor(path);
    if (format == Format::Pls && !content.toLower().contains("[playlist]")) {
        *error = QStringLiteral("%1 is not a PLS playlist.").arg(path);
        return std::nullopt;
    }
    if (content.contains('\0')) {
        *error = QStringLiteral("%1 is not a playlist.").arg(path);
        return std::nullopt;
    }
    return parse(content, format, QFileInfo(path).absolutePath());
}

bool write(const QString &path, const QStringList &entries, const QStringList &titles)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray content
        = serialize(entries, titles, formatFor(path), QFileInfo(path).absolutePath());
    return file.write(content) == content.size() && file.commit();
}

} // namespace PlaylistFile
