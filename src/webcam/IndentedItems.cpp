#include "webcam/IndentedItems.h"

#include "webcam/CamNodes.h"

int IndentedItems::indentOf(const QModelIndex &index)
{
    return qMax(0, index.data(CamNodes::IndentRole).toInt()) * kPixelsPerLevel;
}

void IndentedItems::paint(QPainter *painter, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const
{
    QStyleOptionViewItem moved(option);
    moved.rect.setLeft(moved.rect.left() + indentOf(index));
    QStyledItemDelegate::paint(painter, moved, index);
}

QSize IndentedItems::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    return QStyledItemDelegate::sizeHint(option, index) + QSize(indentOf(index), 0);
}
