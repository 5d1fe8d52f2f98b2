#pragma once

#include <QByteArrayView>
#include <QString>

// Text as it may go into a document: control characters other than tab, line feed and the line
// separator are dropped, and a surrogate without its pair becomes U+FFFD.
QString rtfCleanText(const QString &text);

// Bytes that are not RTF, as text: UTF-8 when they are valid UTF-8, else Windows-1252.
QString rtfPlainText(QByteArrayView bytes);

// The address of a HYPERLINK field's instruction, or empty for other fields and for links to a
// place in the same document.
QString rtfHyperlinkTarget(const QString &instruction);
