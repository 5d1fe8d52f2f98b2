#include "widgets/TabOrder.h"

#include <QLineEdit>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

// Three groups laid out as a dashboard is: a tall one on the left with a short one beside it
// (one row), and a wide one under both. Created in the wrong order on purpose.
TEST(TabOrder, FollowsTheGroupsRowByRowAndTheirControlsAsRead)
{
    QWidget window;
    const auto control = [&](const char *name, int x, int y) {
        auto *edit = new QLineEdit(&window);
        edit->setObjectName(name);
        edit->setGeometry(x, y, 60, 20);
        return static_cast<QWidget *>(edit);
    };
    QWidget *bottom = control("bottom", 0, 300);
    QWidget *rightLower = control("rightLower", 200, 40);
    QWidget *rightUpper = control("rightUpper", 200, 10);
    QWidget *leftB = control("leftB", 80, 0);
    QWidget *leftA = control("leftA", 0, 4); // the same row as leftB: read first
    QWidget *leftC = control("leftC", 0, 200);
    auto *untabbed = new QWidget(&window);
    untabbed->setGeometry(0, 100, 10, 10);

    orderTabsByLayout({{bottom}, {rightLower, rightUpper}, {leftC, untabbed, leftB, leftA}});

    QStringList order;
    QWidget *w = leftA;
    do {
        if (w->focusPolicy() & Qt::TabFocus)
            order << w->objectName();
        w = w->nextInFocusChain();
    } while (w != leftA);
    EXPECT_EQ(order,
              QStringList({"leftA", "leftB", "leftC", "rightUpper", "rightLower", "bottom"}));
}

} // namespace
