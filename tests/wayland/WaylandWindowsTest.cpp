// The program's windows on a Wayland compositor (Weston headless, started by wayland-test.sh):
// each maps, keeps the size it asks for, and the ones that belong to another say so, since
// Wayland places a window by its parent rather than by coordinates. With ORVANE_WAYLAND_SHOTS
// set, each window's own picture is kept there to look at.
#include "support/DashboardFixture.h"

#include "clock/AlarmPanel.h"
#include "platform/QtPrompter.h"
#include "shell/Dashboard.h"
#include "webcam/frmMain.h"

#include <QFrame>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QWindow>

namespace {

void keepPicture(QWidget &window, const char *name)
{
    const QString folder = qEnvironmentVariable("ORVANE_WAYLAND_SHOTS");
    if (!folder.isEmpty())
        window.grab().save(folder + u'/' + QLatin1String(name) + QStringLiteral(".png"));
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

} // namespace
