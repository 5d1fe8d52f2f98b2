#include "platform/QtTray.h"

#include <QApplication>
#include <QMenu>
#include <QPixmap>
#include <QSystemTrayIcon>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

QIcon somePicture()
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::darkCyan);
    return QIcon(pixmap);
}

bool trayPresent()
{
    return true;
}

bool trayAbsent()
{
    return false;
}

void minimize(QWidget &window)
{
    window.setWindowState(window.windowState() | Qt::WindowMinimized);
    QApplication::processEvents(); // the hide is queued behind the state change
}

} // namespace

TEST(QtTray, ShowingTheIconWithoutANotificationAreaStillSucceeds)
{
    ASSERT_FALSE(QSystemTrayIcon::isSystemTrayAvailable()); // offscreen has none
    QtTray tray;
    tray.setToolTip(QStringLiteral("Orvane"));
    QMenu menu;
    tray.setPopupMenu(&menu);

    tray.setInTray(true); // no picture yet: remembered, shown once one is set
    EXPECT_TRUE(tray.inTray());
    tray.setIcon(somePicture());
    EXPECT_TRUE(tray.inTray());

    tray.setInTray(false);
    EXPECT_FALSE(tray.inTray());
    EXPECT_FALSE(tray.iconVisible());
}

TEST(QtTray, RestoreShowsAHiddenOwnerInItsNormalState)
{
    QWidget window;
    window.setWindowState(Qt::WindowMinimized);
    QtTray tray;
    tray.setOwner(&window);

    tray.restore();
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(window.isMinimized());
}

TEST(QtTray, ADoubleClickRestoresAndOneClickOnlyWhereTheTrayKnowsNoDoubleClick)
{
    const struct
    {
        QtTray::AvailabilityCheck statusNotifierHost;
        QSystemTrayIcon::ActivationReason reason;
        bool restores;
    } rows[] = {
        {&trayAbsent, QSystemTrayIcon::Trigger, false},
        {&trayAbsent, QSystemTrayIcon::DoubleClick, true},
        {&trayPresent, QSystemTrayIcon::Trigger, true},
        {&trayPresent, QSystemTrayIcon::Context, false},
    };
    for (const auto &row : rows) {
        QWidget window;
        QtTray tray(&trayPresent, row.statusNotifierHost);
        tray.setOwner(&window);
        auto *icon = tray.findChild<QSystemTrayIcon *>();
        ASSERT_NE(icon, nullptr);
        emit icon->activated(row.reason);
        EXPECT_EQ(window.isVisible(), row.restores) << row.reason;
    }
}

TEST(QtTray, WithoutANotificationAreaMinimizingNeverHidesTheWindow)
{
    QWidget window;
    window.show();
    QtTray tray;
    tray.setIcon(somePicture());
    tray.setMinimizeMode(Tray::MinimizeToTray);
    tray.setOwner(&window);

    minimize(window);
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(window.isMinimized());
}

TEST(QtTray, WithANotificationAreaMinimizingHidesIntoTheTrayUntilRestored)
{
    QWidget window;
    window.show();
    QtTray tray(&trayPresent);
    tray.setIcon(somePicture());
    tray.setOwner(&window);

    minimize(window); // mode 0: an ordinary minimize
    EXPECT_TRUE(window.isVisible());

    window.showNormal();
    tray.setMinimizeMode(Tray::MinimizeToTray);
    minimize(window);
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(tray.iconVisible());
    EXPECT_FALSE(tray.inTray()); // the dashboard's own switch is untouched

    tray.restore();
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(window.isMinimized());
    EXPECT_FALSE(tray.iconVisible());
}

TEST(QtTray, NoPictureMeansNoHidingEvenWithANotificationArea)
{
    QWidget window;
    window.show();
    QtTray tray(&trayPresent);
    tray.setMinimizeMode(Tray::MinimizeToTray);
    tray.setOwner(&window);

    minimize(window);
    EXPECT_TRUE(window.isVisible());
}
