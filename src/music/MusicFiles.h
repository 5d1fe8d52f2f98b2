#pragma once

#include <QString>
#include <QStringList>

// The music files the player takes, as the add-music window lists them.
namespace MusicFiles {

// The file pattern, matched without regard to case.
const QStringList &filter();
bool isMusic(const QString &path);
bool isPlaylist(const QString &path);
// The music files among `paths`, in the order given; a folder gives the music files under it
// and its subfolders, sorted by path. Anything else is left out.
QStringList collect(const QStringList &paths);

} // namespace MusicFiles
