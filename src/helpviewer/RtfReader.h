#pragma once

#include <QByteArrayView>

class QTextDocument;

// Turns an RTF document into a QTextDocument: groups and destinations, the font and colour
// tables, Windows-1252 text with \'hh and \uN, paragraph and character formatting, HYPERLINK
// fields as anchors, and simple tables. Whatever the bytes, it returns with what could be read:
// bytes that do not start as RTF are shown as plain text, unless they hold a NUL (binary).
namespace RtfReader {

void read(QByteArrayView data, QTextDocument &document);

// Groups nested deeper than this are dropped with their content.
constexpr int kMaxDepth = 1000;

} // namespace RtfReader
