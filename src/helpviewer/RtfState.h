#pragma once

#include <QColor>
#include <QHash>
#include <QList>
#include <QString>
#include <QTextBlockFormat>
#include <QTextCharFormat>

#include <array>

// Character properties of an RTF group. Sizes are kept as written (half-points), bounded on
// entry so no later sum overflows.
struct RtfCharState
{
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    bool hidden = false;
    int vertical = 0; // 1 superscript, -1 subscript
    int halfPoints = 24;
    int font = -1; // -1: the document's default font
    int color = 0; // 0: the automatic colour
};

// Paragraph properties, in twips.
struct RtfParaState
{
    enum class Align : char { Left, Center, Right, Justify };
    int left = 0;
    int right = 0;
    int first = 0;
    int before = 0;
    int after = 0;
    Align align = Align::Left;
    std::array<int, 16> tabs{};
    int tabCount = 0;
    bool inTable = false;

    bool operator==(const RtfParaState &) const = default;
};

// The document's font and colour tables.
struct RtfTables
{
    QHash<int, QString> fonts;
    QList<QColor> colors; // entry 0 is the automatic colour (invalid)
    int defaultFont = 0;
};

QTextCharFormat rtfCharFormat(const RtfCharState &state, const QString &href,
                              const RtfTables &tables);
QTextBlockFormat rtfBlockFormat(const RtfParaState &state);
