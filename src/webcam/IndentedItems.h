#pragma once

#include <QStyledItemDelegate>

// Draws each item of a list moved right by its indent level (the item's data under
// CamNodes::IndentRole), so the address list shows its cams under their headings.
class IndentedItems : public QStyledItemDelegate
{
public:
    static constexpr int kPixelsPerLevel = 10;

    using QStyledItemDelegate::QStyledItemDelegate;

    static int indentOf(const QModelIndex &index);
    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};
