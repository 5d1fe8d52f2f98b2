// The program's windows on a Wayland compositor (Weston headless, started by wayland-test.sh):
// each maps, keeps the size it asks for, and the ones that belong to another say so, since
// Wayland places a window by its parent rather than by coordinates. The tray icon goes to a
// StatusNotifier host, as on Wayland desktops. With ORVANE_WAYLAND_SHOTS set, each window's own
// picture is kept there to look at.
#include "support/DashboardFixture.h"
#include "support/StagedPaths.h"

#include "clock/AlarmPanel.h"
#include "music/MusicPanel.h"
#include "netutil/MailPanel.h"
#include "platform/QtPrompter.h"
#include "platform/QtTray.h"
#include "shell/Dashboard.h"
#include "shell/DashboardMenus.h"
#include "webcam/CamTree.h"
#include "webcam/frmMain.h"

#include <QFrame>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <functional>

namespace {

void keepPicture(QWidget &window, const char *name)
{
    const QString folder = qEnvironmentVariable("ORVANE_WAYLAND_SHOTS");
    if (!folder.isEmpty())
        window.grab().save(folder + u'/' + QLatin1String(name) + QStringLiteral(".png"));
}

// First: Qt asks once per process whether the D-Bus tray is there.
TEST(WaylandTray, TheIconRegistersWithItsMenuAndMinimizingHidesIntoItUntilActivated)
{
    QProcess host; // the desktop's tray, on the private session bus the test runs in
    host.start("/usr/bin/python3", {sourceDir() + "/tests/wayland/tray-host.py", "View WebCams"});
    QString said;
    const auto heard = [&](const char *line) {
        return QTest::qWaitFor(
            [&] {
                said += QString::fromUtf8(host.readAllStandardOutput());
                return said.contains(QLatin1String(line));
            },
            10000);
    };
    ASSERT_TRUE(heard("ready\n")) << host.readAllStandardError().toStdString();
    ASSERT_TRUE(QSystemTrayIcon::isSystemTrayAvailable());

    QWidget window;
    window.resize(320, 200);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QMenu popUp;
    popUp.addAction(QStringLiteral("&Restore Orvane"));
    bool camsAsked = false;
    QObject::connect(popUp.addAction(QStringLiteral("&View WebCams")), &QAction::triggered,
                     [&] { camsAsked = true; });
    QtTray tray;
    tray.setOwner(&window);
    tray.setPopupMenu(&popUp);
    tray.setToolTip(QStringLiteral("Orvane: Double-click to restore"));
    tray.setIcon(QApplication::style()->standardIcon(QStyle::SP_ComputerIcon));
    tray.setMinimizeMode(Tray::MinimizeToTray);

    window.windowHandle()->showMinimized(); // as the title bar's button does
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window.isVisible(); }, 5000));
    ASSERT_TRUE(heard("activated\n")) << said.toStdString();
    EXPECT_TRUE(said.contains("tooltip: Orvane: Double-click to restore")) << said.toStdString();
    EXPECT_TRUE(said.contains("menu: Restore Orvane | View WebCams")) << said.toStdString();
    EXPECT_TRUE(QTest::qWaitFor([&] { return camsAsked && window.isVisible(); }, 5000));
    EXPECT_FALSE(tray.iconVisible());
    host.kill();
    host.waitForFinished();
}

using WaylandWindows = DashboardFixture;

TEST_F(WaylandWindows, EachWindowMapsWithItsSizeAndItsParent)
{
    ASSERT_EQ(QGuiApplication::platformName(), "wayland");
    setSetting("Position", "X", "1500"); // kept from an X11 session
    setSetting("Position", "W", QString::number(600 * 15 + 120));
    Dashboard &d = loaded();
    d.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&d));
    d.alarmPanel().onCmdAlarmClick(1);
    EXPECT_TRUE(find<QFrame>("picAlarms")->isVisible());
    keepPicture(d, "dashboard");

    d.onMnuShowWebCamsClick();
    frmMain *cams = d.webCams();
    ASSERT_TRUE(cams);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(cams));
    EXPECT_EQ(cams->width(), 600);
    keepPicture(*cams, "webcam");
    cams->close();
    EXPECT_EQ(setting("Position", "X"), "1500"); // Wayland told no place: the kept one stays

    QtPrompter prompter(&d);
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        seen = box && QTest::qWaitForWindowExposed(box)
            && box->windowHandle()->transientParent() == d.windowHandle();
        if (box)
            keepPicture(*box, "message-box");
        prompter.dismiss();
    });
    prompter.tell("Shown over the dashboard.", QString(), Prompter::Icon::Information);
    EXPECT_TRUE(seen);
}

TEST_F(WaylandWindows, EveryDialogMapsTiedToTheWindowItBelongsTo)
{
    Dashboard &d = loaded();
    d.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&d));
    d.onMnuShowWebCamsClick();
    frmMain *cams = d.webCams();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(cams));
    const struct
    {
        const char *name;
        std::function<void()> open;
        QWidget *owner;
    } rows[] = {
        {"frmSnooze", [&] { d.menus().snoozeTime->trigger(); }, &d},
        {"frmEmail", [&] { d.mail().onMnuSetupEmailClick(); }, &d},
        {"FormFind", [&] { d.music().onCmdGetMusicReleased(10, 10); }, &d},
        {"frmAddModify", [&] { cams->camTree().onMnuAddCamClick(); }, cams},
        {"frmPrefs", [&] { cams->onMnuPreferencesClick(); }, cams},
    };
    for (const auto &row : rows) {
        row.open();
        QWidget *dialog = nullptr;
        for (QWidget *window : QApplication::topLevelWidgets())
            if (window->objectName() == QLatin1String(row.name) && window->isVisible())
                dialog = window;
        ASSERT_TRUE(dialog) << row.name;
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog)) << row.name;
        EXPECT_EQ(dialog->windowHandle()->transientParent(), row.owner->windowHandle()) << row.name;
        keepPicture(*dialog, row.name);
        dialog->close();
    }
}

} // namespace
