#pragma once

#include <QString>
#include <QTreeWidgetItem>

// What the cam tree's nodes and the address list's items carry besides their text.
namespace CamNodes {

constexpr int KeyRole = Qt::UserRole;
constexpr int OrderRole = Qt::UserRole + 1; // file order, for the address list
constexpr int IndentRole = Qt::UserRole + 2;

inline QString keyOf(const QTreeWidgetItem *node)
{
    return node ? node->data(0, KeyRole).toString() : QString();
}

} // namespace CamNodes
