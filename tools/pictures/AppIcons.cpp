#include "AppIcons.h"

#include "shell/AppIcon.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <cstdio>

namespace {

bool fail(const QString &path)
{
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

bool writePng(const QString &folder, int size)
{
    const QString dir = QStringLiteral("%1/hicolor/%2x%2/apps").arg(folder).arg(size);
    if (!QDir().mkpath(dir))
        return fail(dir);
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    paintOrvaneIcon(p, size);
    p.end();
    const QString path = dir + QStringLiteral("/orvane.png");
    return image.convertToFormat(QImage::Format_ARGB32).save(path, "PNG", 0) || fail(path);
}

bool writeSvg(const QString &folder)
{
    const QString dir = folder + QStringLiteral("/hicolor/scalable/apps");
    if (!QDir().mkpath(dir))
        return fail(dir);
    QBuffer buffer;
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(QSize(64, 64));
    svg.setViewBox(QRect(0, 0, 64, 64));
    svg.setTitle(QStringLiteral("Orvane"));
    svg.setDescription(QStringLiteral("An alarm clock"));
    QPainter p(&svg);
    paintOrvaneIcon(p, 64);
    p.end();
    const QString path = dir + QStringLiteral("/orvane.svg");
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(path);
    file.write(buffer.data());
    return file.commit() || fail(path);
}

} // namespace

bool writeAppIcons(const QString &folder)
{
    for (int size : {16, 22, 32, 48, 64, 128, 256}) {
        if (!writePng(folder, size))
            return false;
    }
    return writeSvg(folder);
}
