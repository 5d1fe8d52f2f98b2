#include "music/MusicFiles.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QRegularExpression>

namespace MusicFiles {

const QStringList &filter()
{
    static const QStringList patterns{QStringLiteral("*.mp3"),  QStringLiteral("*.mpg"),
                                      QStringLiteral("*.mpeg"), QStringLiteral("*.mpe"),
                                      QStringLiteral("*.wav"),  QStringLiteral("*.asf")};
    return patterns;
}

bool isMusic(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    for (const QString &pattern : filter())
        if (name.endsWith(pattern.mid(1), Qt::CaseInsensitive))
            return true;
    return false;
}

bool isPlaylist(const QString &path)
{
    static const QRegularExpression lists(QStringLiteral("\\.(m3u8?|pls)$"),
                                          QRegularExpression::CaseInsensitiveOption);
    return lists.match(path).hasMatch();
}

QStringList collect(const QStringList &paths)
{
    QStringList music;
    for (const QString &path : paths) {
        const QFileInfo info(path);
        if (info.isFile() && isMusic(path)) {
            music.append(info.absoluteFilePath());
        } else if (info.isDir()) {
            QStringList found;
            QDirIterator it(path, filter(), QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext())
                found.append(it.next());
            found.sort();
            music += found;
        }
    }
    return music;
}

} // namespace MusicFiles
