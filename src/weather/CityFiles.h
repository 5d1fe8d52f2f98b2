#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// The shipped city lists and data files of the world city search: which files a country and a
// province or state use, and how their single-byte (Windows-1252) text is read.
namespace CityFiles {

// The countries of the search, in the order the list shows them.
const QStringList &countries();

struct CountryFiles
{
    QString listFile;      // in "TextFiles" of the application folder
    QString dataFile;      // in the application folder itself
    int recordLength = 0;  // bytes per record
    int nameWidth = 0;     // the city name's field; the station code takes the rest
    bool regional = false; // the list names provinces or states, not cities
};

CountryFiles forCountry(const QString &country);

// The city file of a province or state entry of a regional country; none for other entries.
std::optional<QString> regionFile(const QString &country, const QString &entry);

struct ListFile
{
    bool readable = false;
    QStringList lines;       // each line as written, without its line end
    bool noneListed = false; // stopped at a "NONE LISTED" line (when asked to)
};

// Reads a list file whole. `stopAtNoneListed`: the lines before a "NONE LISTED" line only.
ListFile readList(const QString &path, bool stopAtNoneListed);

// Files larger than this are taken as unreadable: the shipped ones are a few kilobytes.
constexpr qint64 kMaxFileSize = 4 * 1024 * 1024;

// The whole file, or nothing when it is missing, not a regular file, too large or unreadable.
std::optional<QByteArray> readSmallFile(const QString &path);

} // namespace CityFiles
