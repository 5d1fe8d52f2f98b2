#include "shell/AppIcon.h"

#include <QPainter>
#include <QPixmap>

void paintOrvaneIcon(QPainter &p, qreal size)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);
    const QColor ink(0x5a, 0x3b, 0x08);
    p.setPen(QPen(ink, 2));
    p.setBrush(QColor(0xc8, 0x37, 0x2d));
    p.drawEllipse(QPointF(14, 11), 7, 7);
    p.drawEllipse(QPointF(50, 11), 7, 7);
    QRadialGradient face(QPointF(26, 26), 34);
    face.setColorAt(0, QColor(0xff, 0xf7, 0xd6));
    face.setColorAt(1, QColor(0xf0, 0xb4, 0x3c));
    p.setPen(QPen(ink, 3));
    p.setBrush(face);
    p.drawEllipse(QPointF(32, 35), 25, 25);
    p.setPen(QPen(QColor(0x1f, 0x2a, 0x44), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(32, 35), QPointF(32, 18));
    p.setPen(QPen(QColor(0x1f, 0x2a, 0x44), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(32, 35), QPointF(44, 41));
    p.restore();
}

QPixmap orvanePixmap(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    paintOrvaneIcon(p, size);
    return pixmap;
}

QIcon orvaneIcon()
{
    QIcon icon;
    for (int size : {16, 22, 32, 48, 64})
        icon.addPixmap(orvanePixmap(size));
    return icon;
}
