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
    const QRegion covered = cover->mask().translated(cover->pos());
    for (const char *reached : {"Bills", "Events"}) {
        const QRect group = d.groups().frame(reached)->geometry();
        EXPECT_EQ(covered.intersected(group), QRegion(group)) << reached;
    }
    for (const char *apart : {"Alarms", "Address Book"})
        EXPECT_FALSE(covered.intersects(d.groups().frame(apart)->geometry())) << apart;
    // The clock beside the two calendars stays in sight.
    EXPECT_FALSE(covered.intersects(QRect(290, 30, 90, 60)));
    const QObjectList order = d.centralWidget()->children();
    EXPECT_LT(order.indexOf(d.findChild<QWidget *>("MonthView1")), order.indexOf(cover));
    EXPECT_LT(order.indexOf(cover), order.indexOf(settings));
    settings->hide();
    EXPECT_FALSE(cover->isVisible());

    // Two panels open together: neither's cover hides the other, and no half figures of the
    // clock peek over the first.
    QFrame *first = d.subPanel("PicAddress1");
    QFrame *second = d.subPanel("picAddress2");
    for (QFrame *panel : {first, second}) {
        panel->show();
        panel->raise();
    }
    const QObjectList now = d.centralWidget()->children();
    for (const char *name : {"PicAddress1Cover", "picAddress2Cover"})
        for (QFrame *panel : {first, second})
            EXPECT_LT(now.indexOf(d.findChild<QFrame *>(name)), now.indexOf(panel)) << name;
    const auto *under = d.findChild<QFrame *>("PicAddress1Cover");
    const QRegion hidden = under->mask().translated(under->pos());
    for (const QWidget *face : d.centralWidget()->findChildren<QWidget *>("lblClock"))
        EXPECT_TRUE(hidden.intersects(QRect(face->pos(), QSize(60, face->height()))));
}

} // namespace
