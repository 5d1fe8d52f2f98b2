#pragma once

#include <QString>

// What a music file says about itself in its tags, read without playing it.
struct TrackTags
{
    QString title;       // the tag's title, else the file name without its suffix
    QString artist;      // empty when the file names none
    qint64 lengthMs = 0; // 0 when unknown

    static TrackTags read(const QString &path);
};
