#pragma once

#include <QList>
#include <QPixmap>
#include <QString>

// A numbered list of pictures, counted from 1 as the panels name them ("picture 20 of the
// music list"): every *.png of one folder, in file-name order.
class PictureList
{
public:
    // A missing folder gives an empty list; a file that does not load keeps its number as a
    // null picture, so the pictures after it keep theirs.
    static PictureList load(const QString &folder);

    // The picture with this number, or a null pixmap when there is none.
    QPixmap at(int number) const;
    int count() const { return static_cast<int>(m_pictures.size()); }

private:
    QList<QPixmap> m_pictures;
};
