#pragma once

#include <QList>

class QWidget;

// Sets the Tab order of grouped controls (siblings) to follow the layout as it is read: the
// groups row by row, each row left to right, where a row is the groups whose tops lie within the
// height of the group that starts it; within a group, its controls row by row, left to right.
// Controls that take no Tab focus keep out of the chain.
void orderTabsByLayout(const QList<QList<QWidget *>> &groups);
