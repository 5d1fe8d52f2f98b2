#include "music/TrackTags.h"

#include <taglib/fileref.h>
#include <taglib/tag.h>

#include <QFile>
#include <QFileInfo>

TrackTags TrackTags::read(const QString &path)
{
    TrackTags tags;
    tags.title = QFileInfo(path).completeBaseName();
    const QByteArray name = QFile::encodeName(path);
    const TagLib::FileRef file(name.constData(), true, TagLib::AudioProperties::Fast);
    if (file.isNull())
        return tags;
    if (const TagLib::Tag *tag = file.tag()) {
        const QString title = QString::fromStdString(tag->title().to8Bit(true)).trimmed();
        if (!title.isEmpty())
            tags.title = title;
        tags.artist = QString::fromStdString(tag->artist().to8Bit(true)).trimmed();
    }
    if (const TagLib::AudioProperties *audio = file.audioProperties())
        tags.lengthMs = audio->lengthInMilliseconds();
    return tags;
}
