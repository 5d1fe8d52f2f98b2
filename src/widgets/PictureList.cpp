#include "widgets/PictureList.h"

#include <QDir>

PictureList PictureList::load(const QString &folder)
{
    PictureList list;
    const QDir dir(folder);
    const QStringList names = dir.entryList({QStringLiteral("*.png")}, QDir::Files | QDir::Readable,
                                            QDir::Name | QDir::IgnoreCase);
    for (const QString &name : names)
        list.m_pictures.append(QPixmap(dir.filePath(name)));
    return list;
}

QPixmap PictureList::at(int number) const
{
    if (number < 1 || number > count())
        return {};
    return m_pictures.at(number - 1);
}
