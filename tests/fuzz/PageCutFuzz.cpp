// Any bytes as a fetched page: the first byte picks the content type the server named, the
// rest is the body. Reading it as text and cutting it by each kind of report must return, and
// every picture number written must be one the panel has.
#include "CheckedFields.h"
#include "common/PageFetch.h"
#include "weather/ReportCutter.h"

#include <QDate>

#include <array>
#include <cstdint>
#include <cstdlib>

namespace {

const std::array<QByteArray, 4> kTypes
    = {"text/html", "text/html; charset=utf-8", "text/html; charset=iso-8859-1", ""};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const QByteArray body(reinterpret_cast<const char *>(data) + 1, qsizetype(size - 1));
    const std::optional<QString> page = pageText(body, kTypes[data[0] % kTypes.size()]);
    if (!page)
        return 0;
    for (ReportKind kind : {ReportKind::Us, ReportKind::World, ReportKind::Searched}) {
        CheckedFields fields;
        ReportCutter cutter(kind, fields, [] { return QDate(2026, 12, 10); });
        const int result = cutter.run(*page);
        if (result != 0 && result != -1)
            std::abort();
    }
    return 0;
}
