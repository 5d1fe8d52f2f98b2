#include "webcam/CamPictureFile.h"
#include "webcam/CamPrint.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QPainter>
#include <QPixmap>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A different colour in every pixel, so a shifted or flipped row shows.
QImage pattern(QImage::Format format)
{
    QImage image(37, 23, format);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixelColor(x, y, QColor(x * 6, y * 10, (x + y) * 4));
    return image;
}

TEST(CamPictureFile, SavesEveryPictureAsA24BitBitmap)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("cam.bmp");
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    pattern(QImage::Format_RGB32).save(&buffer, "JPG");
    // A GIF loads with a palette, which would otherwise be written with it.
    const QImage indexed = pattern(QImage::Format_RGB32).convertToFormat(QImage::Format_Indexed8);
    for (const QImage &picture :
         {QImage::fromData(jpeg, "JPG"), pattern(QImage::Format_ARGB32), indexed}) {
        ASSERT_TRUE(CamPictureFile::saveBitmap(picture, path));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bmp = file.readAll();
        EXPECT_EQ(bmp.mid(28, 2), QByteArray("\x18\0", 2)) << picture.format(); // bits per pixel
        EXPECT_EQ(QImage::fromData(bmp, "BMP"), picture.convertToFormat(QImage::Format_RGB32));
    }
    EXPECT_FALSE(CamPictureFile::saveBitmap(QPixmap(), path));
    EXPECT_FALSE(CamPictureFile::saveBitmap(QPixmap(4, 4), dir.filePath("no/folder.bmp")));
}

TEST(CamPictureFile, SaveDialogProposesABitmapInThePicturesFolder)
{
    QTemporaryDir target;
    QWidget owner;
    QStringList chosen;
    const auto record = [&](const QString &path) {
        chosen << path;
    };
    CamPictureFile::askSavePath(&owner, record);
    auto *dialog = owner.findChild<QFileDialog *>();
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->windowTitle(), "Save Webcam Image As...");
    EXPECT_EQ(dialog->nameFilters(),
              QStringList({"All Files (*.*)", "24-bit Bitmap Format (*.bmp)"}));
    EXPECT_EQ(dialog->selectedNameFilter(), "24-bit Bitmap Format (*.bmp)");
    EXPECT_EQ(dialog->selectedFiles(), QStringList(QDir::home().filePath("Untitled.bmp")));
    dialog->reject();
    delete dialog;

    ASSERT_TRUE(QDir::home().mkdir("Pictures"));
    dialog = CamPictureFile::askSavePath(&owner, record);
    QDir::home().rmdir("Pictures");
    EXPECT_EQ(dialog->directory(), QDir::home().filePath("Pictures"));
    dialog->selectFile(target.filePath("shot"));
    static_cast<QDialog *>(dialog)->accept(); // public there
    EXPECT_EQ(chosen, QStringList(target.filePath("shot.bmp")));
}

// Shown at 100 x 50 pixels (1500 x 750 twips) on a 1000 x 800 page at 96 dpi.
TEST(CamPrint, PictureCentredAtItsShownSizeTitleUnderIt)
{
    QPixmap picture(50, 25);
    picture.fill(Qt::red);
    QImage page(1000, 800, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    CamPrint::draw(painter, page.size(), 96, picture, QSize(1500, 750), "Harbour Cam");
    painter.end();

    QRect red, ink;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (page.pixelColor(x, y) == Qt::red)
                red |= QRect(x, y, 1, 1);
            else if (qGray(page.pixel(x, y)) < 128)
                ink |= QRect(x, y, 1, 1);
    EXPECT_EQ(red, QRect(450, 375, 100, 50));
    // The title's top at 400 + 50 + 5, centred on the page.
    EXPECT_GE(ink.top(), 455);
    EXPECT_LE(ink.top(), 465);
    EXPECT_LE(ink.bottom(), 490);
    EXPECT_NEAR(ink.center().x(), 500, 4);
    EXPECT_GT(ink.width(), 60);
}

} // namespace
