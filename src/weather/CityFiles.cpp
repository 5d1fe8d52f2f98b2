#include "weather/CityFiles.h"

#include "common/RegularFile.h"

#include <QFile>

namespace CityFiles {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; 0 marks its five unused bytes.
constexpr char16_t kHigh[32]
    = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
       0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
       0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

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

QString fromWindows1252(const QByteArray &bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        const char16_t high = (b >= 0x80 && b < 0xA0) ? kHigh[b - 0x80] : 0;
        text += QChar(high ? high : char16_t(b));
    }
    return text;
}

QByteArray toWindows1252(const QString &text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (QChar c : text) {
        const char16_t u = c.unicode();
        char out = '?';
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            out = static_cast<char>(u);
        } else {
            for (int i = 0; i < 32; ++i) {
                if (kHigh[i] == u && u != 0)
                    out = static_cast<char>(0x80 + i);
            }
        }
        bytes += out;
    }
    return bytes;
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
        const QString text = fromWindows1252(line);
        if (stopAtNoneListed && text == QLatin1String("NONE LISTED")) {
            list.noneListed = true;
            break;
        }
        list.lines << text;
    }
    return list;
}

} // namespace CityFiles
