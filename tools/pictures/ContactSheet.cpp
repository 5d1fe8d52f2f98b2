#include "ContactSheet.h"

#include <QFont>
#include <QPainter>
#include <algorithm>

namespace {

constexpr int kZoom = 4;
constexpr int kGap = 24;
constexpr int kNameHeight = 16;
constexpr int kTitleHeight = 30;
const QColor kBackground(0xe2, 0xe6, 0xeb);

QSize cellSize(const SheetSet &set)
{
    QSize largest;
    for (const NamedPicture &picture : set.pictures)
        largest = largest.expandedTo(picture.image.size());
    return {largest.width() * kZoom + kGap,
            largest.height() * kZoom + 4 + largest.height() + 2 + kNameHeight + kGap};
}

QPoint place(const SheetSet &set, int index)
{
    if (set.stacked > 0)
        return {index / set.stacked, index % set.stacked};
    return {index % set.columns, index / set.columns};
}

QSize gridSize(const SheetSet &set)
{
    QPoint last;
    for (int i = 0; i < set.pictures.size(); ++i)
        last = QPoint(std::max(last.x(), place(set, i).x()), std::max(last.y(), place(set, i).y()));
    const QSize cell = cellSize(set);
    return {(last.x() + 1) * cell.width(), (last.y() + 1) * cell.height()};
}

void drawCell(QPainter &p, QPoint at, const NamedPicture &picture)
{
    const QImage &image = picture.image;
    const QImage zoomed
        = image.scaled(image.size() * kZoom, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    p.drawImage(at, zoomed);
    int y = at.y() + zoomed.height() + 4;
    p.drawImage(QPoint(at.x(), y), image);
    y += image.height() + 2;
    p.drawText(QRect(at.x(), y, zoomed.width() + kGap, kNameHeight), Qt::AlignLeft | Qt::AlignTop,
               picture.name);
}

} // namespace

QImage contactSheet(const QList<SheetSet> &sets)
{
    int width = 0, height = kGap;
    for (const SheetSet &set : sets) {
        width = std::max(width, gridSize(set).width());
        height += kTitleHeight + gridSize(set).height();
    }
    QImage sheet(width + 2 * kGap, height, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(kBackground);
    QPainter p(&sheet);
    QFont font(QStringLiteral("DejaVu Sans"));
    int top = kGap;
    for (const SheetSet &set : sets) {
        font.setPixelSize(16);
        font.setBold(true);
        p.setFont(font);
        p.setPen(QColor(0x26, 0x34, 0x48));
        p.drawText(QRect(kGap, top, width, kTitleHeight), Qt::AlignLeft | Qt::AlignVCenter,
                   set.title);
        top += kTitleHeight;
        font.setPixelSize(10);
        font.setBold(false);
        p.setFont(font);
        const QSize cell = cellSize(set);
        for (int i = 0; i < set.pictures.size(); ++i) {
            const QPoint slot = place(set, i);
            drawCell(p, QPoint(kGap + slot.x() * cell.width(), top + slot.y() * cell.height()),
                     set.pictures.at(i));
        }
        top += gridSize(set).height();
    }
    return sheet;
}
