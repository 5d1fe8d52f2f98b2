#include "weather/CityFiles.h"

#include "common/Cp1252.h"
#include "common/RegularFile.h"

#include <QFile>

namespace CityFiles {

namespace {

struct Region
{
    const char *country;
    const char *entry;
    const char *file;
};

constexpr Region kRegions[] = {
    {"Canada", "Quebec", "2quebec.txt"},
    {"Canada", "Alberta", "2alberta.txt"},
    {"Canada", "BC", "2BC.txt"},
    {"Canada", "New Brunswick", "2New Brunswick.txt"},
    {"Canada", "Nova Scotia", "2nova scotia.txt"},
    {"Canada", "Manitoba", "2manitoba.txt"},
    {"Canada", "Yukon", "2yukon.txt"},
    {"Canada", "New Foundland", "2New Foundland.txt"},
    {"Canada", "Ontario", "2Ontario.txt"},
    {"Canada", "Saskatchewan", "2Saskatchewan.txt"},
    {"Canada", "Northwest Territory", "2Northwest Territory.txt"},
    {"Australia", "NSW", "2NSW.txt"},
    {"Australia", "Queensland", "2Queensland.txt"},
    {"Australia", "South Australia", "2South Australia.txt"},
    {"Australia", "Tasmania", "2Tasmania.txt"},
    {"Australia", "Victoria", "2Victoria.txt"},
    {"Australia", "West Australia", "2West Australia.txt"},
};

} // namespace

const QStringList &countries()
{
    static const QStringList list
        = {"Australia", "Austria", "Bahamas",     "Belgium",       "Bermuda",     "Canada",
           "Denmark",   "France",  "Germany",     "Iceland",       "India",       "Ireland",
           "Italy",     "Japan",   "Mexico",      "Netherlands",   "New Zealand", "Norway",
           "Spain",     "Sweden",  "Switzerland", "United Kingdom"};
    return list;
}

CountryFiles forCountry(const QString &country)
{
    if (country == QLatin1String("Canada"))
        return {QStringLiteral("Canada.txt"), QStringLiteral("Canada.dat"), 25, 20, true};
    if (country == QLatin1String("Australia"))
        return {QStringLiteral("Australia.txt"), QStringLiteral("Australia.dat"), 30, 25, true};
    return {u'2' + country + QStringLiteral(".txt"), QStringLiteral("Country.dat"), 30, 25, false};
}

std::optional<QString> regionFile(const QString &country, const QString &entry)
{
    for (const Region &r : kRegions) {
        if (country == QLatin1String(r.country) && entry == QLatin1String(r.entry))
            return QString::fromLatin1(r.file);
    }
    return std::nullopt;
}

std::optional<QByteArray> readSmallFile(const QString &path)
{
    if (isNonRegularFile(path))
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxFileSize)
        return std::nullopt;
    QByteArray bytes = file.read(kMaxFileSize + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > kMaxFileSize)
        return std::nullopt;
    return bytes;
}

ListFile readList(const QString &path, bool stopAtNoneListed)
{
    ListFile list;
    const std::optional<QByteArray> bytes = readSmallFile(path);
    if (!bytes)
        return list;
    list.readable = true;
    QList<QByteArray> lines = bytes->split('\n');
    // The newline that ends the last line starts no further line.
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QByteArray &line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
        const QString text = fromCp1252(line);
        if (stopAtNoneListed && text == QLatin1String("NONE LISTED")) {
            list.noneListed = true;
            break;
        }
        list.lines << text;
    }
    return list;
}

} // namespace CityFiles
