#pragma once

#include <QImage>
#include <QList>
#include <QString>

struct NamedPicture
{
    QString name;
    QImage image;
};

// The music player's transport buttons, 29 x 18: for each button in the order the player
// numbers them (Delete, Delete All, End, Next, Previous, Pause, Play, Rewind, Stop) its lit,
// normal and pressed picture.
QList<NamedPicture> musicPictures();
