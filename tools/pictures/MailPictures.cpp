#include "MailPictures.h"

#include "Faces.h"

#include <QPainter>
#include <QPainterPath>

namespace {

const QSize kSize(32, 32);

QImage envelope(bool newMail)
{
    QImage image = blankPicture(kSize);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF body(3.5, 9.5, 25, 17);
    const QColor outline = newMail ? Palette::amberOutline : Palette::steelOutline;
    const QColor paper = newMail ? QColor(0xff, 0xf6, 0xdc) : QColor(0xe4, 0xe8, 0xee);
    p.setPen(QPen(outline, kOutlineWidth));
    if (!newMail) {
        // The open flap stands up behind the envelope.
        QPainterPath flap;
        flap.moveTo(body.topLeft());
        flap.lineTo(body.center().x(), 2.5);
        flap.lineTo(body.topRight());
        p.setBrush(QColor(0xc9, 0xcf, 0xd8));
        p.drawPath(flap);
    }
    p.setBrush(paper);
    p.drawRoundedRect(body, 2, 2);
    QPainterPath fold;
    fold.moveTo(body.bottomLeft());
    fold.lineTo(body.center().x(), body.center().y() + 1);
    fold.lineTo(body.bottomRight());
    p.setBrush(Qt::NoBrush);
    p.drawPath(fold);
    if (newMail) {
        QPainterPath flap;
        flap.moveTo(body.topLeft());
        flap.lineTo(body.center().x(), body.center().y() + 2);
        flap.lineTo(body.topRight());
        p.setPen(QPen(outline, kStrokeWidth / 2 + 0.2));
        p.drawPath(flap);
        p.setPen(QPen(Palette::redOutline, kOutlineWidth));
        p.setBrush(Palette::alarmRed);
        p.drawEllipse(QPointF(25, 8), 5.5, 5.5);
        p.setPen(QPen(Qt::white, kStrokeWidth, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(25, 5.5), QPointF(25, 8.5));
        p.drawPoint(QPointF(25, 11));
    }
    return image;
}

} // namespace

QList<NamedPicture> mailPictures()
{
    return {{QStringLiteral("1-newmail.png"), envelope(true)},
            {QStringLiteral("2-nomail.png"), envelope(false)}};
}
