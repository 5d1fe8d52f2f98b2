// The sleep manager's word over a private stand-in of the system bus (the private bus of
// dbus-run-session, which the test's command names in DBUS_SYSTEM_BUS_ADDRESS) and a stand-in
// of the manager on it: the alarm check hears it, and no one else who says the same.
#include "clock/AlarmFixture.h"
#include "platform/LogindSleepWatch.h"

#include <QProcess>
#include <QTest>

namespace {

class LogindSleep : public AlarmFixture
{
protected:
    LogindSleep()
    {
        FakeServices &f = fakes;
        m_services.emplace(Services{f.clock, f.loggedSettings, f.folder, f.sound, f.prompter,
                                    f.shell, f.connectivity, f.tray, f.autostart, f.lock, f.music,
                                    f.voice, f.folder, f.notifier, f.systemClock, f.network,
                                    f.secrets, m_watch});
        services = &*m_services;
    }

    static void say(const QStringList &words)
    {
        QProcess standIn;
        standIn.start(QStringLiteral(ORVANE_LOGIND_STANDIN), words);
        ASSERT_TRUE(standIn.waitForFinished(10000));
        ASSERT_EQ(standIn.exitCode(), 0) << standIn.readAllStandardError().toStdString();
    }

    LogindSleepWatch m_watch;
    std::optional<Services> m_services;
};

TEST_F(LogindSleep, TheSleepManagerIsHeardAndNoOneElse)
{
    setSlot(1, "7:30:00 AM", "on");
    loaded();
    ASSERT_TRUE(m_watch.listening());
    QStringList heard;
    QObject::connect(&m_watch, &SleepWatch::aboutToSleep, [&] { heard << "sleep"; });
    QObject::connect(&m_watch, &SleepWatch::wokeUp, [&] { heard << "wake"; });

    say({"--impostor", "wake"});
    say({"sleep"});
    ASSERT_TRUE(QTest::qWaitFor([&] { return !heard.isEmpty(); }, 10000));
    EXPECT_EQ(heard, QStringList{"sleep"});
    EXPECT_EQ(setting("Clock", "AlarmsWatched"), clock.current.toUTC().toString(Qt::ISODate));

    clock.current = QDateTime(QDate(2026, 12, 9), QTime(7, 34)); // asleep over 7:30
    say({"wake"});
    ASSERT_TRUE(QTest::qWaitFor([&] { return heard.size() == 2; }, 10000));
    EXPECT_EQ(heard, (QStringList{"sleep", "wake"}));
    EXPECT_TRUE(ringingShown()); // at once, without waiting for the next second
    EXPECT_EQ(text("lblAlarmDesc"), "Alarm 1 rang 4 minutes late: the computer was asleep");
}

} // namespace
