#include "webcam/CamClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>

namespace CamClipboard {

void copyImage(const QPixmap &picture)
{
    if (picture.isNull())
        return;
    if (QClipboard *clipboard = QGuiApplication::clipboard())
        clipboard->setImage(picture.toImage());
}

} // namespace CamClipboard
