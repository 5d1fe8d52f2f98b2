#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>

// The two music list files, "List.txt" and "Album.txt": one quoted path per line, CR LF.
// A quote inside a path is written doubled and a doubled quote reads back as one; files
// written by older versions never hold one, so they read as before. A quoted field ends at
// its closing quote or at the end of its line; a field without quotes ends at a comma or at
// the end of its line. There is no limit on the number of entries.
//
// Each entry's encoding is decided on its own: UTF-8 when its bytes are valid UTF-8, else
// one character per byte (Latin-1). The second kind comes from legacy 8-bit lists and from
// file names that are not UTF-8; such entries are collected in EightBit so that writing the
// list gives back the same bytes.
namespace MusicListFile {

using EightBit = QSet<QString>;

// eightBit, when given, receives the entries read one character per byte.
QStringList parse(const QByteArray &content, EightBit *eightBit = nullptr);
// Entries in eightBit are written one byte per character, the rest as UTF-8.
QByteArray serialize(const QStringList &entries, const EightBit &eightBit = {});

// nullopt when the file exists but cannot be read; an absent file reads as an empty list.
std::optional<QStringList> read(const QString &path, EightBit *eightBit = nullptr);
// Replaces the file atomically: a failure leaves the previous file whole.
[[nodiscard]] bool write(const QString &path, const QStringList &entries,
                         const EightBit &eightBit = {});

} // namespace MusicListFile
