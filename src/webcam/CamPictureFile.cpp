#include "webcam/CamPictureFile.h"

#include <QDir>
#include <QFileDialog>
#include <QImage>
#include <QPixmap>
#include <QSaveFile>
#include <QStandardPaths>

namespace CamPictureFile {

namespace {

QString startFolder()
{
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return !pictures.isEmpty() && QDir(pictures).exists() ? pictures : QDir::homePath();
}

} // namespace

bool saveBitmap(const QImage &picture, const QString &path)
{
    if (picture.isNull() || path.isEmpty())
        return false;
    // A 24-bit format gives a 24-bit file: an indexed picture would be written with a palette,
    // one with alpha as 32 bits.
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (!rgb.save(&file, "BMP")) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool saveBitmap(const QPixmap &picture, const QString &path)
{
    return saveBitmap(picture.toImage(), path);
}

QFileDialog *askSavePath(QWidget *owner, std::function<void(const QString &path)> chosen)
{
    const QString bitmaps = QStringLiteral("24-bit Bitmap Format (*.bmp)");
    auto *dialog = new QFileDialog(owner, QStringLiteral("Save Webcam Image As..."), startFolder());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setOption(QFileDialog::DontConfirmOverwrite, false);
    dialog->setNameFilters({QStringLiteral("All Files (*.*)"), bitmaps});
    dialog->selectNameFilter(bitmaps);
    dialog->setDefaultSuffix(QStringLiteral("bmp"));
    dialog->selectFile(QStringLiteral("Untitled.bmp"));
    QObject::connect(dialog, &QFileDialog::fileSelected, dialog,
                     [chosen = std::move(chosen)](const QString &path) {
                         if (chosen && !path.isEmpty())
                             chosen(path);
                     });
    dialog->open();
    return dialog;
}

} // namespace CamPictureFile
