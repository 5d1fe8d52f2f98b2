// Precompiled once for the panels, the programs and the tests: the Qt Core header set plus the
// Qt Widgets and Gui headers most panels include.
#pragma once

#include "QtCoreHeaders.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QTreeWidget>
#include <QWidget>
