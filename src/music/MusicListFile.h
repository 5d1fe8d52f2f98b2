#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The two music list files, "List.txt" and "Album.txt": one quoted path per line, CR LF.
// A quote inside a path is written doubled and a doubled quote reads back as one; files
// written by older versions never hold one, so they read as before. A field without quotes
// ends at a comma or at the end of its line.
namespace MusicListFile {

inline constexpr int kMaxEntries = 32767;

QStringList parse(const QByteArray &content);
QByteArray serialize(const QStringList &entries);

// nullopt when the file exists but cannot be read; an absent file reads as an empty list.
std::optional<QStringList> read(const QString &path);
// Replaces the file atomically: a failure leaves the previous file whole.
bool write(const QString &path, const QStringList &entries);

} // namespace MusicListFile
