#pragma once

#include <QString>

#include <functional>

class QFileDialog;
class QImage;
class QPixmap;
class QWidget;

// Saving the cam picture: always as a 24-bit bitmap file, whatever format it was fetched in.
namespace CamPictureFile {

// Writes the picture as a 24-bit BMP (no alpha), replacing the file atomically. False, with the
// file untouched, when the picture is empty or the file cannot be written.
bool saveBitmap(const QImage &picture, const QString &path);
bool saveBitmap(const QPixmap &picture, const QString &path);

// The save dialog, a child of owner that does not block: "Untitled.bmp" in the user's pictures
// folder (the home folder when there is none), the bitmap filter selected, an overwrite prompt.
// chosen gets the path the user confirmed; cancelling calls nothing. The dialog deletes itself
// when closed.
QFileDialog *askSavePath(QWidget *owner, std::function<void(const QString &path)> chosen);

} // namespace CamPictureFile
