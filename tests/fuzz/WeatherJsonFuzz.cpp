// Any bytes as an answer of the live weather source: the geocoder's reading and the forecast's
// reading, in both units, must return; every field they write must be a short text.
#include "CheckedFields.h"
#include "weather/OpenMeteoQuery.h"
#include "weather/OpenMeteoReading.h"

#include <QDate>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString answer = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const OpenMeteoQuery::PlaceQuery query{QStringLiteral("Denver"), QStringLiteral("US"),
                                           QStringLiteral("Colorado")};
    const OpenMeteoQuery::PlaceAnswer places = OpenMeteoQuery::readPlaces(answer, query);
    if (places.place) {
        volatile qsizetype written = OpenMeteoQuery::title(*places.place, true).size()
            + OpenMeteoQuery::forecastAddress(QStringLiteral("http://h"), *places.place, false)
                  .toString()
                  .size();
        (void)written;
    }
    CheckedFields fields(200);
    OpenMeteoReading::readForecast(answer, true, QDate(2026, 12, 10), fields);
    OpenMeteoReading::readForecast(answer, false, QDate(2026, 12, 10), fields);
    return 0;
}
