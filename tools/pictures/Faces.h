#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QSize>

class QPainter;

// The one family every picture set belongs to: rounded faces lit from above, a 1 px
// outline, 2 px glyph strokes, and the same three looks.
enum class Look { Lit, Normal, Pressed };
enum class Tone { Steel, Red };

inline constexpr qreal kOutlineWidth = 1.0;
inline constexpr qreal kStrokeWidth = 2.0;

// A transparent picture of this size.
QImage blankPicture(QSize size);

// Paints a face filling the picture, with this corner radius (half the height for a pill).
// Returns where its contents go: pressed faces push them 1 px down and right.
QPoint paintFace(QPainter &p, QSize size, qreal radius, Look look, Tone tone = Tone::Steel);

// The colour of glyphs and labels on a face.
QColor inkColor(Look look, Tone tone = Tone::Steel);
// The colour of the 1 px light edge under glyphs that makes them read as pressed into the
// face (none on red faces, whose labels are light).
QColor engraveColor(Look look, Tone tone = Tone::Steel);

// Colours shared with the drawings that are not faces.
namespace Palette {
inline const QColor steelOutline{0x4f, 0x5e, 0x73};
inline const QColor steelInk{0x26, 0x34, 0x48};
inline const QColor amberOutline{0x9c, 0x62, 0x08};
inline const QColor amberLight{0xff, 0xe0, 0x7a};
inline const QColor amberDeep{0xe3, 0x9b, 0x12};
inline const QColor alarmRed{0xd2, 0x35, 0x2a};
inline const QColor redOutline{0x7a, 0x17, 0x12};
inline const QColor sleepBlue{0x2f, 0x6f, 0xc0};
} // namespace Palette
