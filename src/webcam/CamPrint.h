#pragma once

#include <QSize>
#include <QString>

class QPainter;
class QPixmap;

// Printing the cam picture: centred on the page at the size it is shown, its title under it.
namespace CamPrint {

// Draws one page. page is the printable area in device units, dpi the device's resolution;
// shownTwips the picture's size on screen (the zoom included), in twips.
void draw(QPainter &painter, QSize page, int dpi, const QPixmap &picture, QSize shownTwips,
          const QString &title);

// Prints one page on the default printer. False, printing nothing, when there is no default
// printer, the picture is empty or the printer cannot be started.
bool printOnDefaultPrinter(const QPixmap &picture, QSize shownTwips, const QString &title);

} // namespace CamPrint
