#include "Faces.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

struct FaceColours
{
    QColor top, bottom, outline;
};

FaceColours coloursFor(Look look, Tone tone)
{
    if (tone == Tone::Red) {
        switch (look) {
        case Look::Pressed:
            return {{0x9c, 0x22, 0x1b}, {0xc4, 0x44, 0x38}, {0x5a, 0x10, 0x0c}};
        case Look::Lit:
            return {{0xff, 0x9a, 0x84}, {0xe0, 0x3a, 0x2c}, Palette::redOutline};
        case Look::Normal:
            break;
        }
        return {{0xf0, 0x7a, 0x6a}, {0xc2, 0x2e, 0x25}, Palette::redOutline};
    }
    switch (look) {
    case Look::Pressed:
        return {{0x98, 0xa4, 0xb4}, {0xbf, 0xc8, 0xd4}, {0x3a, 0x47, 0x59}};
    case Look::Lit:
        return {Palette::amberLight, Palette::amberDeep, Palette::amberOutline};
    case Look::Normal:
        break;
    }
    return {{0xf6, 0xf8, 0xfb}, {0xbc, 0xc6, 0xd3}, Palette::steelOutline};
}

QPainterPath facePath(QSize size, qreal radius, qreal inset)
{
    QPainterPath path;
    const QRectF r = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(inset, inset, -inset, -inset);
    path.addRoundedRect(r, radius - inset, radius - inset);
    return path;
}

} // namespace

QImage blankPicture(QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QPoint paintFace(QPainter &p, QSize size, qreal radius, Look look, Tone tone)
{
    const FaceColours c = coloursFor(look, tone);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);

    // Body: light from above, so the top is brighter (a pressed face is the other way round,
    // hollowed into the panel).
    const QPainterPath body = facePath(size, radius, 0.5);
    QLinearGradient fill(0, 0, 0, size.height());
    fill.setColorAt(0, c.top);
    fill.setColorAt(1, c.bottom);
    p.fillPath(body, fill);
    p.setClipPath(body);

    if (look == Look::Lit) {
        // The glow: a warm, nearly white core behind the glyph.
        QRadialGradient glow(QPointF(size.width() / 2.0, size.height() / 2.0), size.height() * 0.9);
        glow.setColorAt(0, QColor(255, 252, 230, 230));
        glow.setColorAt(0.55, QColor(255, 230, 140, 90));
        glow.setColorAt(1, QColor(255, 210, 90, 0));
        p.fillPath(body, glow);
    }
    // The upper rim catches the light on a raised face and casts a shadow into a pressed one:
    // the outline again, 1 px lower, clipped to the face, leaves just that rim.
    const QColor rim = look == Look::Pressed ? QColor(0, 0, 0, 85) : QColor(255, 255, 255, 170);
    p.strokePath(body.translated(0, 1), QPen(rim, kOutlineWidth));
    p.setClipping(false);
    p.strokePath(body, QPen(c.outline, kOutlineWidth));
    p.restore();
    return look == Look::Pressed ? QPoint(1, 1) : QPoint(0, 0);
}

QColor inkColor(Look look, Tone tone)
{
    if (tone == Tone::Red)
        return look == Look::Pressed ? QColor(0xf4, 0xd8, 0xd4) : QColor(Qt::white);
    switch (look) {
    case Look::Lit:
        return {0x5c, 0x30, 0x00};
    case Look::Pressed:
        return {0x17, 0x21, 0x2e};
    case Look::Normal:
        break;
    }
    return Palette::steelInk;
}

QColor engraveColor(Look look, Tone tone)
{
    if (tone == Tone::Red)
        return QColor(0x5a, 0x10, 0x0c, 110); // a dark edge under light labels
    return look == Look::Pressed ? QColor(255, 255, 255, 60) : QColor(255, 255, 255, 150);
}
