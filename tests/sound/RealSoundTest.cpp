#include "clock/AlarmFixture.h"
#include "clock/TalkingClock.h"
#include "platform/QtSoundPlayer.h"
#include "sound/PulseServer.h"

#include <QTest>

#include <memory>

// What a person hears: the program's real sound player playing into a private sound server
// whose output is recorded. These run in real time, as sound does.
namespace {

PulseServer *server = nullptr;

class RealSound : public AlarmFixture
{
protected:
    static void SetUpTestSuite()
    {
        server = new PulseServer;
        QString why;
        if (!server->start(&why))
            FAIL() << why.toStdString();
    }
    static void TearDownTestSuite()
    {
        delete server;
        server = nullptr;
    }

    RealSound()
    {
        // Everything as in the other dashboard tests but the sound, which is the real one.
        services = &m_real;
    }
    ~RealSound() override { m_dashboard.reset(); } // before the player it plays through

    void record()
    {
        QString why;
        ASSERT_TRUE(server->startRecording(&why)) << why.toStdString();
    }
    void ringWith(const QString &sound)
    {
        setSlot(1, "7:30:00 AM", "on");
        setSetting("Clock", "AlarmType", "Alarm");
        setSetting("Clock", "AlarmFile", "\\Alarms\\" + sound + ".wav");
        setSetting("Clock", "Talk", "0"); // the talking clock would speak at 7:30 too
        loaded();
        record();
        check();
        ASSERT_TRUE(ringingShown());
        m_rangAt = server->nowMs();
    }

    QtSoundPlayer m_player;
    Services m_real{fakes.clock,     fakes.settings, fakes.folder,       m_player,
                    fakes.prompter,  fakes.shell,    fakes.connectivity, fakes.tray,
                    fakes.autostart, fakes.lock,     fakes.music,        fakes.voice,
                    fakes.folder,    fakes.notifier, fakes.systemClock,  fakes.network,
                    fakes.secrets,   fakes.sleep};
    qint64 m_rangAt = 0;
};

// Every gap between one heard start and the next, in ms.
QList<qint64> gaps(const QList<qint64> &starts)
{
    QList<qint64> out;
    for (qsizetype i = 1; i < starts.size(); ++i)
        out << starts[i] - starts[i - 1];
    return out;
}

TEST_F(RealSound, ARingingBellSoundsOnEveryTickAndSnoozeSilencesItAtOnce)
{
    ringWith("Bell"); // 2.2 s long, restarted every 700 ms
    QTest::qWait(5000);
    ringing().onImgAlarmSnoozeReleased(10, 10);
    const qint64 snoozedAt = server->nowMs();
    QTest::qWait(2000);
    const Recording heard = server->stopRecording();

    const QList<qint64> starts = heard.onsets(m_rangAt, snoozedAt);
    const QString line = heard.timeline(m_rangAt, snoozedAt + 2000);
    EXPECT_GE(starts.size(), 6) << line.toStdString();
    for (qint64 gap : gaps(starts))
        EXPECT_NEAR(gap, 700, 250) << line.toStdString();
    EXPECT_TRUE(heard.quiet(snoozedAt + 500, snoozedAt + 2000)) << line.toStdString();
}

TEST_F(RealSound, ARoosterCrowsEveryThreeSeconds)
{
    ringWith("Rooster"); // 1.1 s long, on every third second
    QTest::qWait(6600);
    ringing().onImgAlarmStopReleased(10, 10);
    const Recording heard = server->stopRecording();

    // A crow lasts 1.1 s: starts closer than that are one crow with a dip in it.
    const QList<qint64> starts = heard.onsets(m_rangAt, server->nowMs(), 1500);
    const QString line = heard.timeline(m_rangAt, server->nowMs());
    ASSERT_EQ(starts.size(), 2) << line.toStdString();
    EXPECT_NEAR(starts[1] - starts[0], 3000, 250) << line.toStdString();
}

TEST_F(RealSound, TheFirstAnnouncementSaysTheHourAndThenTheMinute)
{
    setSetting("Clock", "Talk", "1");
    loaded();
    record();
    clock.current = QDateTime(QDate(2026, 12, 9), QTime(10, 15));
    const qint64 spokenAt = server->nowMs();
    dashboard().talkingClock().onClockTick();
    QTest::qWait(2500);
    const Recording heard = server->stopRecording();

    // "10" (0.4 s), a pause, then "15" 0.9 s after the hour word began.
    EXPECT_EQ(heard.twoWordsApart(spokenAt, spokenAt + 2500, 900).toStdString(), "");
}

} // namespace
