#include "webcam/WebcamIcons.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>

namespace WebcamIcons {

namespace {

QPixmap camPixmap(int size, const QColor &body)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size / 16.0;
    p.setPen(QPen(Qt::black, s));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(2 * s, 4 * s, 12 * s, 8 * s), 2 * s, 2 * s);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(8 * s, 8 * s), 2.6 * s, 2.6 * s);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(8 * s, 8 * s), 1.1 * s, 1.1 * s);
    p.setBrush(Qt::red);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(12 * s, 5.8 * s), 0.9 * s, 0.9 * s);
    return pixmap;
}

QIcon standard(QStyle::StandardPixmap which)
{
    return QApplication::style()->standardIcon(which);
}

} // namespace

QIcon cam()
{
    QIcon icon;
    icon.addPixmap(camPixmap(16, QColor(0x70, 0x80, 0x90)), QIcon::Normal);
    icon.addPixmap(camPixmap(16, QColor(0x30, 0x90, 0xE0)), QIcon::Selected);
    return icon;
}

QIcon add()
{
    return standard(QStyle::SP_FileDialogNewFolder);
}

QIcon folder()
{
    return standard(QStyle::SP_DirIcon);
}

QIcon home()
{
    return standard(QStyle::SP_DirHomeIcon);
}

QIcon webPages()
{
    return standard(QStyle::SP_DriveNetIcon);
}

QIcon webAddress()
{
    return standard(QStyle::SP_FileLinkIcon);
}

QPixmap logo(int size)
{
    return camPixmap(size, QColor(0x30, 0x90, 0xE0));
}

} // namespace WebcamIcons
