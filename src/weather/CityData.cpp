#include "weather/CityData.h"
#include "common/Cp1252.h"

#include "weather/CityFiles.h"

int CityData::recordCount(qint64 fileSize, int recordLength)
{
    if (recordLength <= 0 || fileSize <= 0)
        return 1;
    const qint64 whole = fileSize / recordLength;
    const qint64 rest = fileSize % recordLength;
    qint64 count = whole;
    if (2 * rest > recordLength || (2 * rest == recordLength && whole % 2 == 1))
        ++count;
    return int(qMax<qint64>(1, count));
}

bool CityData::load(const QString &path, int recordLength, int nameWidth)
{
    const std::optional<QByteArray> bytes = CityFiles::readSmallFile(path);
    setBytes(bytes.value_or(QByteArray()), recordLength, nameWidth);
    m_open = bytes.has_value();
    return m_open;
}

void CityData::setBytes(QByteArray bytes, int recordLength, int nameWidth)
{
    m_bytes = std::move(bytes);
    m_length = recordLength;
    m_nameWidth = nameWidth;
    m_count = recordCount(m_bytes.size(), recordLength);
    m_open = true;
}

void CityData::close()
{
    m_bytes.clear();
    m_count = 0;
    m_open = false;
}

std::optional<CityData::Match> CityData::find(const QString &upperName) const
{
    for (int n = 1; n <= m_count && m_length > 0; ++n) {
        const qsizetype start = qsizetype(n - 1) * m_length;
        if (start >= m_bytes.size())
            break; // nothing of this record is in the file
        const QByteArray record = m_bytes.mid(start, m_length);
        const QString name = fromCp1252(record.left(m_nameWidth));
        if (name.trimmed().toUpper() != upperName)
            continue;
        return Match{n, fromCp1252(record.mid(m_nameWidth)).trimmed()};
    }
    return std::nullopt;
}

QString stationAddress(const QString &host, const QString &code)
{
    return host + QStringLiteral("/global/stations/") + code + QStringLiteral(".html");
}
