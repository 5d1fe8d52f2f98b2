#include "common/Cp1252.h"

#include <array>

namespace {

// 0x80..0x9F; the rest of the page is Latin-1.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

} // namespace

QChar fromCp1252(unsigned char byte)
{
    return QChar(byte >= 0x80 && byte < 0xA0 ? kHigh[byte - 0x80] : char16_t(byte));
}

QString fromCp1252(const QByteArray &bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i)
        text[i] = fromCp1252(static_cast<unsigned char>(bytes[i]));
    return text;
}

QByteArray toCp1252(const QString &text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            bytes += char(u);
            continue;
        }
        char out = '?';
        for (int i = 0; i < int(kHigh.size()); ++i) {
            if (kHigh[i] == u) {
                out = char(0x80 + i);
                break;
            }
        }
        bytes += out;
    }
    return bytes;
}
