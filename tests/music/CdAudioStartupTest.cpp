// The CD alarm source at start-up, through the whole dashboard, on a drive in memory.
#include "SimulatedCdVariable.h"
#include "support/DashboardFixture.h"

#include <QTimer>

namespace {

class CdAudioStartupTest : public DashboardFixture
{
protected:
    int boxesTitled(const QString &title) const
    {
        int count = 0;
        for (const Prompter::Message &message : prompter.shown)
            count += message.title == title;
        return count;
    }
    int boxesReading(const QString &text) const
    {
        int count = 0;
        for (const Prompter::Message &message : prompter.shown)
            count += message.text == text;
        return count;
    }
};

TEST_F(CdAudioStartupTest, CdSourceWithoutADriveIsReportedAndTheProgramRuns)
{
    SimulatedCdVariable noDrive("none");
    setSetting("Clock", "AlarmType", "CD");
    Dashboard &d = loaded();
    EXPECT_EQ(boxesReading("No CD drive was found (mmsystem262)."), 1);
    EXPECT_EQ(boxesTitled("Error Checking!"), 1);
    EXPECT_EQ(sound.beeps, 4);
    EXPECT_EQ(endRequests, 0);
    EXPECT_FALSE(d.unloaded());
    EXPECT_FALSE(timer("TimerCD")->isActive());
    EXPECT_TRUE(timer("TimerClock2")->isActive()); // the load ran to its end

    // The exit asks nothing of a device that never opened.
    const qsizetype before = prompter.shown.size();
    d.close();
    EXPECT_EQ(prompter.shown.size(), before);
    EXPECT_EQ(endRequests, 1);
}

TEST_F(CdAudioStartupTest, CdSourceWithAnEmptyDriveWarnsAndPolls)
{
    SimulatedCdVariable emptyDrive("0");
    setSetting("Clock", "AlarmType", "CD");
    loaded();
    EXPECT_EQ(boxesTitled("No CD in the Player"), 1);
    EXPECT_EQ(boxesTitled("Error Checking!"), 0);
    EXPECT_TRUE(timer("TimerCD")->isActive());
}

TEST_F(CdAudioStartupTest, DiscPollAppliesTheTrayRule)
{
    SimulatedCdVariable disc("12");
    setSetting("Clock", "AlarmType", "CD");
    setSetting("System", "Tray", "1");
    loaded();
    EXPECT_EQ(boxesTitled("No CD in the Player"), 0);
    tray.calls.clear();
    QMetaObject::invokeMethod(timer("TimerCD"), "timeout");
    EXPECT_EQ(tray.calls, QStringList{"inTray:off"});
    EXPECT_EQ(boxesTitled("Error Checking!"), 0); // the first poll's seek to track 1 worked
}

TEST_F(CdAudioStartupTest, OtherSourcesNeverOpenTheDevice)
{
    SimulatedCdVariable noDrive("none");
    setSetting("Clock", "AlarmType", "MP3");
    loaded();
    EXPECT_EQ(boxesReading("No CD drive was found (mmsystem262)."), 0);
    EXPECT_FALSE(timer("TimerCD")->isActive());
}

} // namespace
