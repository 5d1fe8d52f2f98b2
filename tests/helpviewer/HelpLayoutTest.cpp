// The help window's resize rule: the pane and the tree follow the window and stop at zero.
#include "helpviewer/HelpLayout.h"

#include <climits>

#include <gtest/gtest.h>

TEST(HelpLayout, FollowsTheWindowAndNeverGoesNegative)
{
    const HelpLayout start = HelpLayout::forWindow(11250, 6575);
    EXPECT_EQ(start.pane, QRect(2835, 90, 8250, 5925));
    EXPECT_EQ(start.tree, QRect(75, 390, 2655, 5625));

    const HelpLayout small = HelpLayout::forWindow(2999, 949);
    EXPECT_EQ(small.pane.width(), 0);
    EXPECT_EQ(small.pane.height(), 299);
    EXPECT_EQ(small.tree.height(), 0);
    EXPECT_EQ(small.tree.width(), 2655);
    EXPECT_EQ(small.pane.topLeft(), QPoint(2835, 90));

    for (const auto &[w, h] : {std::pair{0, 0}, {-5000, -5000}, {INT_MIN, INT_MIN}, {600, 640}}) {
        const HelpLayout l = HelpLayout::forWindow(w, h);
        EXPECT_EQ(l.pane.size(), QSize(0, 0));
        EXPECT_EQ(l.tree.height(), 0);
    }
    const HelpLayout huge = HelpLayout::forWindow(INT_MAX, INT_MAX);
    EXPECT_GT(huge.pane.width(), 0);
    EXPECT_GT(huge.pane.right(), huge.pane.left());
}
