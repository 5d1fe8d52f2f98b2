#include "music/CdAudio.h"
#include "music/MciDevice.h"
#include "music/SimulatedCdDrive.h"
#include "support/FakeServices.h"

#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>
#include <memory>

namespace {

const QString kErrorChecking
    = QStringLiteral("We have included error checking code\r\rto check for possible failures. \r\r"
                     "We want this clock to be a dependable application \r\r"
                     "so we have included this code to make sure of that. \r\r"
                     "This box is now being shown due to a possible error\r"
                     "That may cause the application to fail.\r"
                     "To ensure its dependability you must now restart the clock.\r\r");

class CdAudioTest : public ::testing::Test
{
protected:
    // Builds the CD audio over a simulated drive (attached or not).
    CdAudio &cd(bool attached = true)
    {
        if (!m_cd) {
            auto owned = std::make_unique<SimulatedCdDrive>(attached);
            drive = owned.get();
            m_cd = std::make_unique<CdAudio>(fakes.services, &surface, std::move(owned));
            timerCD = m_cd->findChild<QTimer *>("TimerCD");
            m_cd->setAfterPoll([this] { ++afterPolls; });
        }
        return *m_cd;
    }
    CdAudio &openWithDisc(const QList<int> &trackSeconds)
    {
        cd().openDevice();
        drive->insertDisc(trackSeconds);
        return *m_cd;
    }
    const QList<Prompter::Message> &shown() const { return fakes.prompter.shown; }

    QTemporaryDir dir;
    FakeServices fakes{dir.path() + "/app", dir.path() + "/settings/settings.ini"};
    QWidget surface;
    QTimer *timerCD = nullptr; // the CD audio's own disc poll
    SimulatedCdDrive *drive = nullptr;
    int afterPolls = 0;
    std::unique_ptr<CdAudio> m_cd;
};

TEST_F(CdAudioTest, CommandSenderKeepsTheResultAndStaysQuietUnlessAsked)
{
    EXPECT_FALSE(cd().sendCommand("play cd", false));
    EXPECT_EQ(cd().lastResult(), MciDevice::NotOpen);
    EXPECT_TRUE(cd().sendCommand("open cdaudio alias cd wait shareable", true));
    EXPECT_EQ(cd().lastResult(), MciDevice::Success);
    EXPECT_TRUE(shown().isEmpty());
    EXPECT_EQ(fakes.sound.beeps, 0);
}

TEST_F(CdAudioTest, ReportedErrorShowsTheDeviceTextThenTheErrorCheckingBox)
{
    EXPECT_FALSE(cd().sendCommand("seek cd to 1", true));
    ASSERT_EQ(shown().size(), 2);
    EXPECT_EQ(shown()[0].text, MciDevice::errorText(MciDevice::NotOpen));
    EXPECT_EQ(shown()[0].title, QString()); // the application title
    EXPECT_EQ(shown()[0].icon, Prompter::Icon::None);
    EXPECT_EQ(shown()[0].buttons, Prompter::Buttons::Ok);
    EXPECT_EQ(shown()[1].text, kErrorChecking);
    EXPECT_EQ(shown()[1].title, "Error Checking!");
    EXPECT_EQ(shown()[1].icon, Prompter::Icon::None);
    EXPECT_EQ(shown()[1].buttons, Prompter::Buttons::Ok);
    EXPECT_EQ(fakes.sound.beeps, 0);
}

TEST_F(CdAudioTest, UnusableDeviceBeepsFourTimesBeforeItsBoxes)
{
    EXPECT_FALSE(cd(false).sendCommand("open cdaudio alias cd wait shareable", true));
    EXPECT_EQ(fakes.sound.beeps, 4);
    ASSERT_EQ(shown().size(), 2);
    EXPECT_EQ(shown()[0].text, "No CD drive was found (mmsystem262).");
    EXPECT_EQ(shown()[1].title, "Error Checking!");
}

TEST_F(CdAudioTest, OpeningStartsThePollOnce)
{
    EXPECT_TRUE(cd().openDevice());
    EXPECT_TRUE(cd().deviceOpen());
    EXPECT_TRUE(drive->isOpen());
    EXPECT_TRUE(timerCD->isActive());
    EXPECT_EQ(timerCD->interval(), 1000);
    EXPECT_TRUE(cd().openDevice());
    EXPECT_EQ(drive->opens(), 1);
    EXPECT_TRUE(shown().isEmpty());
}

TEST_F(CdAudioTest, FailedOpenIsReportedAndLeavesAllClosed)
{
    EXPECT_FALSE(cd(false).openDevice());
    EXPECT_FALSE(cd().deviceOpen());
    EXPECT_FALSE(timerCD->isActive());
    EXPECT_EQ(cd().lastResult(), MciDevice::Success); // the quiet "close all" came last
    EXPECT_EQ(shown().size(), 2);
    // Choosing the CD source later tries again.
    EXPECT_FALSE(cd().openDevice());
    EXPECT_EQ(shown().size(), 4);
}

TEST_F(CdAudioTest, NewDiscIsCountedSeekedToTrackOneAndFollowed)
{
    openWithDisc(QList<int>(12, 200));
    cd().onTimerCD();
    EXPECT_TRUE(cd().discSeen());
    EXPECT_EQ(drive->seeks(), QList<int>{1});
    EXPECT_EQ(cd().currentTrack(), 1);

    cd().sendCommand("play cd", true);
    drive->advance(450 * CdDrive::kFramesPerSecond); // into track 3
    cd().onTimerCD();
    EXPECT_EQ(cd().currentTrack(), 3);
    EXPECT_EQ(drive->trackCountQueries(), 1); // a seen disc is not counted again
    EXPECT_EQ(drive->seeks(), QList<int>{1});
    EXPECT_TRUE(drive->playing());
    EXPECT_TRUE(shown().isEmpty());
}

TEST_F(CdAudioTest, RemovedDiscIsForgottenAndTheNextOneStartsAgain)
{
    openWithDisc(QList<int>(12, 200));
    cd().onTimerCD();
    drive->removeDisc();
    cd().onTimerCD();
    EXPECT_FALSE(cd().discSeen());
    cd().onTimerCD(); // still empty: nothing more is asked
    EXPECT_EQ(drive->trackCountQueries(), 1);

    drive->insertDisc({100, 100, 100, 100, 100});
    cd().sendCommand("play cd", false);
    drive->advance(250 * CdDrive::kFramesPerSecond);
    cd().onTimerCD();
    EXPECT_TRUE(cd().discSeen());
    EXPECT_EQ(drive->trackCountQueries(), 2);
    EXPECT_EQ(drive->seeks(), QList<int>({1, 1}));
    EXPECT_EQ(cd().currentTrack(), 1); // the seek stopped play at track 1
    EXPECT_FALSE(drive->playing());
}

TEST_F(CdAudioTest, OneTrackDiscIsNeverSeenAndItsPositionNeverRead)
{
    openWithDisc({300});
    for (int i = 0; i < 3; ++i)
        cd().onTimerCD();
    EXPECT_FALSE(cd().discSeen());
    EXPECT_EQ(drive->trackCountQueries(), 3);
    EXPECT_EQ(drive->positionQueries(), 0);
    EXPECT_TRUE(drive->seeks().isEmpty());
    EXPECT_EQ(cd().currentTrack(), 0);

    drive->insertDisc({300, 300});
    cd().onTimerCD();
    EXPECT_TRUE(cd().discSeen());
}

TEST_F(CdAudioTest, AlarmPlaysThenRewindsToTheStartOfTheCurrentTrack)
{
    AlarmDisc &disc = cd(); // never opened: rewinding asks nothing
    disc.rewind();
    EXPECT_TRUE(drive->seeks().isEmpty());
    openWithDisc({240, 240, 240});
    cd().onTimerCD(); // the poll sees the disc
    disc.play();
    EXPECT_TRUE(drive->playing());
    drive->advance(75 * 250); // into track 2
    cd().refreshDisc();
    ASSERT_EQ(cd().currentTrack(), 2);
    disc.rewind();
    EXPECT_FALSE(drive->playing());
    EXPECT_EQ(drive->seeks().last(), 2);
    EXPECT_TRUE(shown().isEmpty());
}

TEST_F(CdAudioTest, EveryPollEndsWithTheTrayRule)
{
    cd().onTimerCD(); // device not open: every query fails, silently
    openWithDisc({300});
    cd().onTimerCD(); // one-track disc
    drive->insertDisc({300, 300});
    cd().refreshDisc();
    EXPECT_EQ(afterPolls, 3);
    EXPECT_TRUE(shown().isEmpty());

    // TimerCD's tick is the poll.
    QMetaObject::invokeMethod(timerCD, "timeout");
    EXPECT_EQ(afterPolls, 4);
}

TEST_F(CdAudioTest, LoadWithAnotherSourceLeavesTheDeviceAlone)
{
    openWithDisc({300, 300});
    cd().onTimerCD();
    cd().load("Alarm");
    EXPECT_FALSE(timerCD->isActive());
    EXPECT_FALSE(cd().discSeen());
    EXPECT_EQ(drive->opens(), 1);
    EXPECT_TRUE(shown().isEmpty());
}

TEST_F(CdAudioTest, LoadWithCdAndNoDriveReportsAndCarriesOn)
{
    cd(false).load("CD");
    EXPECT_FALSE(cd().deviceOpen());
    EXPECT_FALSE(timerCD->isActive());
    EXPECT_EQ(fakes.sound.beeps, 4);
    ASSERT_EQ(shown().size(), 2);
    EXPECT_EQ(shown()[0].text, "No CD drive was found (mmsystem262).");
    EXPECT_EQ(shown()[1].text, kErrorChecking);

    // Nothing opened, so the exit has nothing to stop and nothing more to report.
    cd().stopAndClose();
    EXPECT_EQ(shown().size(), 2);
}

TEST_F(CdAudioTest, LoadWithCdWarnsWhenTheDriveIsEmpty)
{
    cd().load("CD");
    EXPECT_TRUE(cd().deviceOpen());
    EXPECT_TRUE(timerCD->isActive());
    ASSERT_EQ(shown().size(), 1);
    EXPECT_EQ(shown()[0].text,
              "Your alarm type is set to CD.\rYou need to put in a CD.\r\r"
              "Failing to do so will result in a program error!");
    EXPECT_EQ(shown()[0].title, "No CD in the Player");
    EXPECT_EQ(shown()[0].icon, Prompter::Icon::Warning);

    drive->insertDisc({300, 300});
    EXPECT_TRUE(cd().mediaPresent());
}

TEST_F(CdAudioTest, LoadWithCdAndADiscSaysNothing)
{
    cd();
    drive->insertDisc({300, 300});
    cd().load("CD");
    EXPECT_TRUE(cd().deviceOpen());
    EXPECT_TRUE(shown().isEmpty());
}

TEST_F(CdAudioTest, ExitStopsTheDiscAndClosesTheDevice)
{
    openWithDisc({300, 300});
    cd().onTimerCD();
    cd().sendCommand("play cd", true);
    cd().stopAndClose();
    EXPECT_FALSE(drive->playing());
    EXPECT_FALSE(drive->isOpen());
    EXPECT_FALSE(cd().deviceOpen());
    EXPECT_FALSE(timerCD->isActive());
    EXPECT_TRUE(shown().isEmpty());
}

} // namespace
