#include "music/MusicListFile.h"

#include "common/RegularFile.h"

#include <QByteArrayView>
#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

#include <algorithm>

namespace MusicListFile {

namespace {

const QByteArrayView kUtf8Bom("\xEF\xBB\xBF");

bool isLineEnd(char c)
{
    return c == '\n' || c == '\r';
}

bool fitsOneBytePerChar(const QString &text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() <= 0xFF; });
}

// The syntax characters are ASCII, and no byte of a UTF-8 multi-byte sequence is ASCII, so
// the fields are cut on the bytes and each is decoded on its own.
class Reader
{
public:
    explicit Reader(QByteArrayView data)
        : m_data(data)
    {
        if (m_data.startsWith(kUtf8Bom)) // an editor's mark, not part of the first path
            m_pos = kUtf8Bom.size();
    }

    // False at the end of the data; otherwise the next field's bytes, valid until the next call.
    bool next(QByteArrayView &field)
    {
        const qsizetype n = m_data.size();
        while (m_pos < n) {
            while (m_pos < n && (m_data[m_pos] == ' ' || m_data[m_pos] == '\t'))
                ++m_pos;
            if (m_pos < n && isLineEnd(m_data[m_pos])) { // a blank line holds no entry
                skipLineEnd();
                continue;
            }
            if (m_pos >= n)
                break;
            if (m_data[m_pos] == '"')
                field = quoted();
            else
                field = unquoted();
            if (m_pos < n && m_data[m_pos] == ',')
                ++m_pos;
            else
                skipLineEnd();
            return true;
        }
        return false;
    }

private:
    QByteArrayView quoted()
    {
        const qsizetype n = m_data.size();
        qsizetype start = ++m_pos;
        bool doubled = false;
        while (m_pos < n && !isLineEnd(m_data[m_pos])) {
            if (m_data[m_pos] == '"') {
                if (m_pos + 1 < n && m_data[m_pos + 1] == '"') { // a doubled quote is one quote
                    if (!doubled)
                        m_unquoted.clear();
                    doubled = true;
                    m_unquoted += m_data.sliced(start, m_pos + 1 - start);
                    m_pos += 2;
                    start = m_pos;
                    continue;
                }
                break;
            }
            ++m_pos;
        }
        QByteArrayView field = m_data.sliced(start, m_pos - start);
        if (doubled) {
            m_unquoted += field;
            field = m_unquoted;
        }
        // Anything after the closing quote up to the delimiter is not part of the path.
        while (m_pos < n && m_data[m_pos] != ',' && !isLineEnd(m_data[m_pos]))
            ++m_pos;
        return field;
    }

    QByteArrayView unquoted()
    {
        const qsizetype n = m_data.size();
        const qsizetype start = m_pos;
        while (m_pos < n && m_data[m_pos] != ',' && !isLineEnd(m_data[m_pos]))
            ++m_pos;
        return m_data.sliced(start, m_pos - start).trimmed();
    }

    void skipLineEnd()
    {
        if (m_pos < m_data.size() && m_data[m_pos] == '\r')
            ++m_pos;
        if (m_pos < m_data.size() && m_data[m_pos] == '\n')
            ++m_pos;
    }

    QByteArrayView m_data;
    qsizetype m_pos = 0;
    QByteArray m_unquoted; // a field whose doubled quotes were made single
};

} // namespace

QStringList parse(const QByteArray &content, EightBit *eightBit)
{
    QStringList entries;
    Reader reader(content);
    QByteArrayView field;
    while (reader.next(field)) {
        // A byte order mark inside a field is part of the name, not to be dropped.
        QStringDecoder utf8(QStringConverter::Utf8,
                            QStringConverter::Flag::Stateless
                                | QStringConverter::Flag::ConvertInitialBom);
        QString text = utf8(field);
        if (!utf8.hasError()) {
            entries.append(std::move(text));
        } else {
            entries.append(QString::fromLatin1(field));
            if (eightBit)
                eightBit->insert(entries.constLast());
        }
    }
    return entries;
}

QByteArray serialize(const QStringList &entries, const EightBit &eightBit)
{
    QByteArray out;
    for (const QString &entry : entries) {
        const bool oneBytePerChar
            = !eightBit.isEmpty() && eightBit.contains(entry) && fitsOneBytePerChar(entry);
        QByteArray bytes = oneBytePerChar ? entry.toLatin1() : entry.toUtf8();
        if (bytes.contains('"'))
            bytes.replace('"', "\"\"");
        out += '"';
        out += bytes;
        out += "\"\r\n";
    }
    return out;
}

std::optional<QStringList> read(const QString &path, EightBit *eightBit)
{
    QFile file(path);
    if (!file.exists())
        return QStringList();
    if (isNonRegularFile(path) || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return parse(file.readAll(), eightBit);
}

bool write(const QString &path, const QStringList &entries, const EightBit &eightBit)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(serialize(entries, eightBit)); // a failed write makes commit() discard it
    return file.commit();
}

} // namespace MusicListFile
