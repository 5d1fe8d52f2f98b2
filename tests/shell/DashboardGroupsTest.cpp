// The dashboard's groups: each framed around its controls without touching its neighbours,
// and a sub-panel hiding every group it reaches into.
#include "shell/DashboardGroups.h"
#include "support/DashboardFixture.h"

#include <QFrame>
#include <QLabel>

namespace {

using Groups = DashboardFixture;

TEST_F(Groups, FramesHoldTheirControlsAndNeverOverlap)
{
    Dashboard &d = loaded();
    QList<QRect> placed;
    for (const DashboardGroups::Group &group : DashboardGroups::groups()) {
        SCOPED_TRACE(group.heading.toStdString());
        const QFrame *frame = d.groups().frame(group.heading);
        ASSERT_TRUE(frame && !frame->isHidden());
        EXPECT_EQ(frame->findChild<QLabel *>("lblHeading")->text(), group.heading);
        for (const QString &name : group.members)
            for (const QWidget *member : d.centralWidget()->findChildren<QWidget *>(name))
                EXPECT_TRUE(frame->geometry().contains(member->geometry())) << name.toStdString();
        for (const QRect &other : placed)
            EXPECT_FALSE(frame->geometry().intersects(other));
        placed << frame->geometry();
    }
}

TEST_F(Groups, AnOpenSubPanelCoversEveryGroupItReachesIntoAndGoesWithIt)
{
    Dashboard &d = loaded();
    d.show();
    QFrame *settings = d.subPanel("picAlarms"); // reaches into both calendars
    settings->show();
    settings->raise();
    const auto *cover = d.findChild<QFrame *>("picAlarmsCover");
    ASSERT_TRUE(cover && cover->isVisible());
    for (const char *reached : {"Bills", "Events"})
        EXPECT_TRUE(cover->geometry().contains(d.groups().frame(reached)->geometry())) << reached;
    EXPECT_FALSE(cover->geometry().intersects(d.groups().frame("Alarms")->geometry()));
    const QObjectList order = d.centralWidget()->children();
    EXPECT_LT(order.indexOf(d.findChild<QWidget *>("MonthView1")), order.indexOf(cover));
    EXPECT_LT(order.indexOf(cover), order.indexOf(settings));
    settings->hide();
    EXPECT_FALSE(cover->isVisible());
}

} // namespace
