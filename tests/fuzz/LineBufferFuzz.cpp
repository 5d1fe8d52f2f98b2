// Any bytes, delivered in pieces whose sizes the input picks, cut into lines: every line is at
// most the longest allowed, ends with LF unless it was cut at that length, and the lines
// joined give back exactly what was delivered up to the last line handed over.
#include "common/LineClient.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    const qsizetype longest = 1 + data[0] % 64;
    const QByteArray input(reinterpret_cast<const char *>(data) + 1, qsizetype(size - 1));
    LineBuffer lines(longest);
    QByteArray joined;
    for (qsizetype at = 0; at < input.size();) {
        const qsizetype piece = 1 + static_cast<unsigned char>(input[at]) % 17;
        lines.append(input.mid(at, piece));
        at += piece;
        while (const std::optional<QByteArray> line = lines.takeLine()) {
            if (line->isEmpty() || line->size() > longest)
                std::abort();
            if (!line->endsWith('\n') && line->size() != longest)
                std::abort();
            joined += *line;
        }
    }
    if (!input.startsWith(joined))
        std::abort();
    return 0;
}
