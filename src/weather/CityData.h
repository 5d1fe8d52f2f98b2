#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// A country data file of the world city search: fixed-length records without a header, each a
// blank-padded city name and station code. The file is read whole when the country is chosen.
class CityData
{
public:
    struct Match
    {
        int record = 0; // counted from 1
        QString code;   // blanks at both ends removed
    };

    // The file length over the record length, halves to the even neighbour, at least 1.
    static int recordCount(qint64 fileSize, int recordLength);

    // False when the file cannot be read; the data is then empty and finds nothing.
    bool load(const QString &path, int recordLength, int nameWidth);
    void setBytes(QByteArray bytes, int recordLength, int nameWidth);
    void close();

    bool isOpen() const { return m_open; }
    int count() const { return m_count; }

    // The first record whose name, trimmed and upper-cased, equals `upperName`. A last record
    // cut short is read as far as it goes; records past the end of the file are empty.
    std::optional<Match> find(const QString &upperName) const;

private:
    QByteArray m_bytes;
    int m_length = 0;
    int m_nameWidth = 0;
    int m_count = 0;
    bool m_open = false;
};

// The station page address of a code: host, "/global/stations/", code, ".html".
QString stationAddress(const QString &host, const QString &code);
