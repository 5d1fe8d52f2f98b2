#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// Playlists other players read and write: M3U and M3U8 (#EXTM3U with #EXTINF lines, or bare
// paths) and PLS version 2. Entries are local files: a relative entry is resolved against
// the list's folder, a file: URL is read as its path; a list is written with paths relative
// to its folder where the file lies under it, absolute otherwise. Other URLs (streams) are
// not music files this player can keep, so they count as missing.
namespace PlaylistFile {

enum class Format { M3u, Pls };

// By the file name: ".pls" is PLS, anything else M3U.
Format formatFor(const QString &path);

struct Contents
{
    QStringList found;   // absolute paths that exist, in list order
    QStringList missing; // entries as written that name no file here
};

// The entries of `content`, a list that lived in `folder`. An M3U whose bytes are not UTF-8
// is read one character per byte, as lists from older players are.
Contents parse(const QByteArray &content, Format format, const QString &folder);
// `titles` gives each entry's title line (#EXTINF or TitleN); empty titles are left out.
QByteArray serialize(const QStringList &entries, const QStringList &titles, Format format,
                     const QString &folder);

// nullopt with `error` set when the file cannot be read or is not a playlist.
std::optional<Contents> read(const QString &path, QString *error);
// Replaces the file atomically.
[[nodiscard]] bool write(const QString &path, const QStringList &entries,
                         const QStringList &titles);

} // namespace PlaylistFile
