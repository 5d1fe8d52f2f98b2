#include "webcam/CamPrint.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QPrinterInfo>

namespace CamPrint {

namespace {

int toDevice(int twips, int dpi)
{
    return qRound(double(twips) * dpi / 1440.0);
}

} // namespace

void draw(QPainter &painter, QSize page, int dpi, const QPixmap &picture, QSize shownTwips,
          const QString &title)
{
    const int w = toDevice(shownTwips.width(), dpi);
    const int h = toDevice(shownTwips.height(), dpi);
    painter.drawPixmap(QRect(page.width() / 2 - w / 2, page.height() / 2 - h / 2, w, h), picture);

    // Sized in device pixels from dpi, so the title has the same size on any device.
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(qMax(1, qRound(12.0 * dpi / 72.0)));
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QFontMetrics metrics = painter.fontMetrics();
    const int left = page.width() / 2 - metrics.horizontalAdvance(title) / 2;
    const int top = page.height() / 2 + h + toDevice(75, dpi);
    painter.drawText(QPoint(left, top + metrics.ascent()), title);
}

bool printOnDefaultPrinter(const QPixmap &picture, QSize shownTwips, const QString &title)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull() || picture.isNull())
        return false;
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setFromTo(1, 1);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    draw(painter, printer.pageRect(QPrinter::DevicePixel).size().toSize(), printer.resolution(),
         picture, shownTwips, title);
    return painter.end();
}

} // namespace CamPrint
