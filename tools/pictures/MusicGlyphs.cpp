#include "MusicGlyphs.h"

#include "Faces.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace {

const QSize kSize(29, 18);

// Glyphs are drawn on whole pixels in a box 8 px high (rows 5 to 12), centred on the face,
// so that straight edges stay crisp at 1x.
QPainterPath triangle(QPointF a, QPointF b, QPointF c)
{
    QPainterPath path;
    path.addPolygon(QPolygonF({a, b, c, a}));
    return path;
}

QPainterPath rightward(qreal left, qreal width)
{
    return triangle({left, 5}, {left, 13}, {left + width, 9});
}

QPainterPath leftward(qreal left, qreal width)
{
    return triangle({left + width, 5}, {left + width, 13}, {left, 9});
}

QPainterPath bar(qreal left, qreal width)
{
    QPainterPath path;
    path.addRect(QRectF(left, 5, width, 8));
    return path;
}

// A diagonal cross of 2 px steps, one pixel a row: crisper at this size than a smoothed
// stroke.
QPainterPath cross(int left, int top, int rows)
{
    QPainterPath path;
    path.setFillRule(Qt::WindingFill); // the strokes overlap in the middle
    for (int i = 0; i < rows; ++i) {
        path.addRect(left + i, top + i, 2, 1);
        path.addRect(left + rows - 1 - i, top + i, 2, 1);
    }
    return path.simplified();
}

QPainterPath glyph(const QString &button)
{
    if (button == u"delete")
        return cross(10, 5, 8);
    if (button == u"deleteall")
        return cross(7, 6, 6) + cross(15, 6, 6);
    if (button == u"end")
        return rightward(10, 6) + bar(17, 2);
    if (button == u"next")
        return rightward(8, 5) + rightward(13, 5) + bar(19, 2);
    if (button == u"previous")
        return bar(8, 2) + leftward(10, 5) + leftward(15, 5);
    if (button == u"pause")
        return bar(10, 3) + bar(16, 3);
    if (button == u"play")
        return rightward(11, 7);
    if (button == u"rewind")
        return leftward(9, 5) + leftward(14, 5);
    QPainterPath square; // stop
    square.addRect(11, 5, 7, 7);
    return square;
}

QImage paint(const QString &button, Look look)
{
    QImage image = blankPicture(kSize);
    QPainter p(&image);
    const QPoint offset = paintFace(p, kSize, kSize.height() / 2.0, look);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(offset);
    const QPainterPath path = glyph(button);
    p.fillPath(path.translated(0, 1), engraveColor(look));
    p.fillPath(path, inkColor(look));
    return image;
}

} // namespace

QList<NamedPicture> musicPictures()
{
    const QStringList buttons = QStringLiteral("delete deleteall end next previous pause play "
                                               "rewind stop")
                                    .split(u' ');
    const QList<QPair<Look, QString>> looks{{Look::Lit, QStringLiteral("lit")},
                                            {Look::Normal, QStringLiteral("normal")},
                                            {Look::Pressed, QStringLiteral("pressed")}};
    QList<NamedPicture> pictures;
    for (const QString &button : buttons) {
        for (const auto &[look, lookName] : looks) {
            const QString name = QStringLiteral("%1-%2-%3.png")
                                     .arg(pictures.size() + 1, 2, 10, QLatin1Char('0'))
                                     .arg(button, lookName);
            pictures.append({name, paint(button, look)});
        }
    }
    return pictures;
}
