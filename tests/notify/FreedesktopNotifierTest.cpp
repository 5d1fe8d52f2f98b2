// Runs on a private session bus (dbus-run-session) with the fake notification server of
// tools/notify-fixture: what the desktop's server receives, and its answers acted on.
#include "platform/FreedesktopNotifier.h"
#include "clock/AlarmFixture.h"
#include "platform/AppId.h"

#include <QProcess>
#include <QTest>

namespace {

// The fake server as a child process; its log lines are collected as they come.
class FakeServer
{
public:
    explicit FakeServer(const QStringList &args)
    {
        m_process.start(QStringLiteral(ORVANE_NOTIFY_FIXTURE), args);
        m_ready = !waitFor("ready").isEmpty();
    }
    ~FakeServer()
    {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
    bool ready() const { return m_ready; }
    // The first line starting with `start`, waiting while the program's calls go out.
    QString waitFor(const char *start)
    {
        QString found;
        (void)QTest::qWaitFor(
            [&] {
                m_lines += QString::fromUtf8(m_process.readAllStandardOutput())
                               .split(u'\n', Qt::SkipEmptyParts);
                for (const QString &line : std::as_const(m_lines)) {
                    if (line.startsWith(QLatin1String(start)))
                        found = line;
                }
                return !found.isEmpty();
            },
            10000);
        return found;
    }

private:
    QProcess m_process;
    QStringList m_lines;
    bool m_ready = false;
};

class DesktopServer : public AlarmFixture
{
protected:
    DesktopServer()
    {
        FakeServices &f = fakes;
        m_services.emplace(Services{f.clock, f.loggedSettings, f.folder, f.sound, f.prompter,
                                    f.shell, f.connectivity, f.tray, f.autostart, f.lock, f.music,
                                    f.voice, f.folder, m_notifier, f.systemClock, f.network,
                                    f.secrets, f.sleep});
        services = &*m_services;
        setSlot(2, "7:30:00 AM", "on");
        setSetting("Clock", "A2Title", "Take the \"blue\" pill");
    }
    ~DesktopServer() override { m_dashboard.reset(); } // before the notifier it uses
    FreedesktopNotifier m_notifier{fakes.tray, QStringLiteral("Orvane"), AppId::kId};
    std::optional<Services> m_services;
};

} // namespace

TEST_F(DesktopServer, TheAlarmReachesTheServerAndItsSnoozeSnoozes)
{
    FakeServer server({QStringLiteral("--invoke"), QStringLiteral("snooze")});
    ASSERT_TRUE(server.ready());
    loaded();
    check();
    const QString notify = server.waitFor("Notify");
    EXPECT_EQ(notify.toStdString(),
              "Notify id=1 app=\"Orvane\" icon=\"org.example.orvane.Orvane\" "
              "summary=\"Take the \\\"blue\\\" pill\" body=\"Alarm 2 at 7:30:00 AM\" "
              "actions=[\"snooze\",\"Snooze\",\"stop\",\"Stop\"] "
              "desktop-entry=\"org.example.orvane.Orvane\" urgency=2 timeout=-1");
    ASSERT_TRUE(QTest::qWaitFor([&] { return ringing().snoozed(); }, 10000));
    EXPECT_TRUE(ringingShown()); // the dashboard shows the snooze as if pressed there
    EXPECT_EQ(server.waitFor("CloseNotification"), "CloseNotification id=1");
    EXPECT_TRUE(fakes.tray.calls.filter("message:").isEmpty());
}

TEST_F(DesktopServer, AServerWithoutActionsGetsNoneAndNoServerLeavesTheTray)
{
    {
        FakeServer server({QStringLiteral("--no-actions")});
        ASSERT_TRUE(server.ready());
        loaded();
        check();
        EXPECT_TRUE(server.waitFor("Notify").contains("actions=[] "));
        ringing().onImgAlarmStopReleased(10, 10);
        EXPECT_EQ(server.waitFor("CloseNotification"), "CloseNotification id=1");
    }
    // The server is gone: the next ring goes to the notification-area icon.
    clock.current = QDateTime(QDate(2026, 12, 10), QTime(7, 29, 59, 500));
    check();
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return !fakes.tray.calls.filter("message:").isEmpty(); }, 10000));
    EXPECT_EQ(fakes.tray.calls.filter("message:").join(u'\n').toStdString(),
              "message:Take the \"blue\" pill|Alarm 2 at 7:30:00 AM");
}
