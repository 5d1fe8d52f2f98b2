// Any bytes as a help topic: the reader must return, and the document it made must be whole
// enough to be written out again as plain text and as HTML.
#include "helpviewer/RtfReader.h"

#include <QTextDocument>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QTextDocument document;
    RtfReader::read(QByteArrayView(data, qsizetype(size)), document);
    volatile qsizetype written = document.toPlainText().size() + document.toHtml().size();
    (void)written;
    return 0;
}
