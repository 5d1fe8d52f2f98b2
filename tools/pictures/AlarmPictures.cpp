#include "AlarmPictures.h"

#include "Faces.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace {

const QSize kSlotSize(32, 32);
const QSize kActiveSize(102, 46);

QPainterPath bellBody()
{
    // Dome from the shoulders down to a flared lip, drawn on a 32 x 32 face.
    QPainterPath path;
    path.moveTo(16, 6.5);
    path.cubicTo(21.5, 6.5, 22.5, 11, 22.5, 15);
    path.cubicTo(22.5, 19, 23.5, 21, 25.5, 22.5);
    path.lineTo(25.5, 24.5);
    path.lineTo(6.5, 24.5);
    path.lineTo(6.5, 22.5);
    path.cubicTo(8.5, 21, 9.5, 19, 9.5, 15);
    path.cubicTo(9.5, 11, 10.5, 6.5, 16, 6.5);
    path.closeSubpath();
    return path;
}

QImage slot(bool on)
{
    QImage image = blankPicture(kSlotSize);
    QPainter p(&image);
    paintFace(p, kSlotSize, 7, Look::Normal);
    p.setRenderHint(QPainter::Antialiasing);

    const QColor outline = on ? Palette::amberOutline : Palette::steelOutline;
    QLinearGradient metal(0, 6, 0, 25);
    metal.setColorAt(0, on ? Palette::amberLight : QColor(0xc9, 0xcf, 0xd8));
    metal.setColorAt(1, on ? Palette::amberDeep : QColor(0x8d, 0x97, 0xa5));
    const QColor clapper = on ? Palette::alarmRed : QColor(0x6c, 0x77, 0x87);

    p.setPen(QPen(outline, kOutlineWidth));
    p.setBrush(clapper);
    p.drawEllipse(QPointF(16, 25.5), 2.5, 2.5);
    p.setBrush(outline);
    p.drawEllipse(QPointF(16, 5.5), 1.5, 1.5); // the knob it hangs from
    p.setBrush(metal);
    p.drawPath(bellBody());
    // Sheen on the left of the dome: light from the upper left, as on every face.
    p.setPen(QPen(QColor(255, 255, 255, on ? 190 : 120), 1.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(12.5, 12), QPointF(12, 18));

    if (on) {
        // Ringing: two arcs either side of the bell, round the dome's middle.
        p.setPen(QPen(Palette::alarmRed, kStrokeWidth, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        for (qreal radius : {10.5, 13.0}) {
            const QRectF ring(16 - radius, 15 - radius, 2 * radius, 2 * radius);
            p.drawArc(ring, -25 * 16, 50 * 16);
            p.drawArc(ring, 155 * 16, 50 * 16);
        }
    }
    return image;
}

QFont labelFont(int pixels, bool italic = false)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixels);
    font.setBold(true);
    font.setItalic(italic);
    return font;
}

// Draws a label with the engraved edge every glyph of the family has.
void label(QPainter &p, const QRectF &box, const QString &text, const QColor &ink,
           const QColor &edge)
{
    p.setPen(edge);
    p.drawText(box.translated(0, 1), Qt::AlignCenter, text);
    p.setPen(ink);
    p.drawText(box, Qt::AlignCenter, text);
}

// Where a group of this width starts when centred on the face, on a whole pixel.
qreal centredLeft(qreal width)
{
    return std::round((kActiveSize.width() - width) / 2);
}

QImage snooze(Look look)
{
    QImage image = blankPicture(kActiveSize);
    QPainter p(&image);
    const QPoint at = paintFace(p, kActiveSize, kActiveSize.height() / 2.0, look);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.translate(at);
    const QFont word = labelFont(16), sleep = labelFont(10, true);
    const QString text = QStringLiteral("Snooze"), zz = QStringLiteral("Zz");
    const qreal wordWidth = QFontMetricsF(word).horizontalAdvance(text);
    const qreal zzWidth = QFontMetricsF(sleep).horizontalAdvance(zz);
    const qreal left = centredLeft(wordWidth + 1 + zzWidth);
    p.setFont(word);
    label(p, QRectF(left, 10, wordWidth, 27), text, inkColor(look), engraveColor(look));
    // The "Zz" floats up off the end of the word.
    p.setFont(sleep);
    const QColor blue = look == Look::Pressed ? Palette::sleepBlue.darker(125) : Palette::sleepBlue;
    label(p, QRectF(left + wordWidth + 1, 8, zzWidth, 14), zz, blue, engraveColor(look));
    return image;
}

QImage stop(Look look)
{
    QImage image = blankPicture(kActiveSize);
    QPainter p(&image);
    const QPoint at = paintFace(p, kActiveSize, kActiveSize.height() / 2.0, look, Tone::Red);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.translate(at);
    const QColor ink = inkColor(look, Tone::Red);
    const QColor edge = engraveColor(look, Tone::Red);
    const QFont font = labelFont(17);
    const QString text = QStringLiteral("Stop");
    const qreal textWidth = QFontMetricsF(font).horizontalAdvance(text);
    // The stop square of the music player, before the word.
    const qreal left = centredLeft(10 + 5 + textWidth);
    const QRectF square(left, 18, 10, 10);
    p.fillRect(square.translated(0, 1), edge);
    p.fillRect(square, ink);
    p.setFont(font);
    label(p, QRectF(left + 15, 10, textWidth, 27), text, ink, edge);
    return image;
}

} // namespace

QList<NamedPicture> alarmPictures()
{
    return {{QStringLiteral("1-off.png"), slot(false)}, {QStringLiteral("2-on.png"), slot(true)}};
}

QList<NamedPicture> alarmActivePictures()
{
    return {{QStringLiteral("1-snooze.png"), snooze(Look::Normal)},
            {QStringLiteral("2-snooze-pressed.png"), snooze(Look::Pressed)},
            {QStringLiteral("3-stop.png"), stop(Look::Normal)},
            {QStringLiteral("4-stop-pressed.png"), stop(Look::Pressed)}};
}
