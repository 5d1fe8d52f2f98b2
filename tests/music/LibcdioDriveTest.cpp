// The libcdio adapter on the machine running the tests, which normally has no CD drive,
// and on a disc image written here.
#include "music/LibcdioDrive.h"
#include "SimulatedCdVariable.h"
#include "music/CdDriveChoice.h"
#include "music/MciDevice.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using Result = CdDrive::Result;

TEST(LibcdioDrive, WithoutADriveOpenFailsCleanly)
{
    LibcdioDrive drive;
    const Result opened = drive.open();
    if (opened == Result::Ok)
        GTEST_SKIP() << "this machine has a CD drive";
    EXPECT_EQ(opened, Result::NoDrive);

    bool present = true;
    int count = -1;
    CdDrive::Position at;
    EXPECT_EQ(drive.mediaPresent(&present), Result::NotOpen);
    EXPECT_EQ(drive.trackCount(&count), Result::NotOpen);
    EXPECT_EQ(drive.position(&at), Result::NotOpen);
    EXPECT_EQ(drive.play(), Result::NotOpen);
    EXPECT_EQ(drive.stop(), Result::NotOpen);
    EXPECT_EQ(drive.seekToTrack(1), Result::NotOpen);
    drive.close();
    drive.close();

    MciDevice device(drive);
    EXPECT_EQ(device.send("open cdaudio alias cd wait shareable", nullptr),
              MciDevice::DeviceUnusable);
    EXPECT_EQ(device.send("close all", nullptr), MciDevice::Success);
}

TEST(LibcdioDrive, MissingImageIsNoDrive)
{
    LibcdioDrive drive(QStringLiteral("/nonexistent/orvane/disc.cue"));
    EXPECT_EQ(drive.open(), Result::NoDrive);
}

class LibcdioImageTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // Three audio tracks of 2, 3 and 1 seconds in one raw file.
        QFile bin(m_dir.filePath("disc.bin"));
        ASSERT_TRUE(bin.open(QIODevice::WriteOnly));
        bin.write(QByteArray(2352 * CdDrive::kFramesPerSecond * 6, '\0'));
        bin.close();
        QFile cue(m_dir.filePath("disc.cue"));
        ASSERT_TRUE(cue.open(QIODevice::WriteOnly));
        cue.write("FILE \"disc.bin\" BINARY\n"
                  "  TRACK 01 AUDIO\n    INDEX 01 00:00:00\n"
                  "  TRACK 02 AUDIO\n    INDEX 01 00:02:00\n"
                  "  TRACK 03 AUDIO\n    INDEX 01 00:05:00\n");
    }
    QString cuePath() const { return m_dir.filePath("disc.cue"); }

    QTemporaryDir m_dir;
};

TEST_F(LibcdioImageTest, ImageReadsLikeADiscButCannotPlay)
{
    LibcdioDrive drive(cuePath());
    MciDevice device(drive);
    QString reply;
    ASSERT_EQ(device.send("open cdaudio alias cd wait shareable", nullptr), MciDevice::Success);
    EXPECT_EQ(device.send("set cd time format tmsf wait", nullptr), MciDevice::Success);
    EXPECT_EQ(device.send("status cd media present", &reply), MciDevice::Success);
    EXPECT_EQ(reply, "true");
    EXPECT_EQ(device.send("status cd number of tracks wait", &reply), MciDevice::Success);
    EXPECT_EQ(reply, "03");
    EXPECT_EQ(device.send("status cd position", &reply), MciDevice::Success);
    EXPECT_EQ(reply, "01:00:00:00");
    EXPECT_EQ(device.send("seek cd to 3", nullptr), MciDevice::Success);
    EXPECT_EQ(device.send("status cd position", &reply), MciDevice::Success);
    EXPECT_EQ(reply, "03:00:00:00");
    EXPECT_EQ(device.send("seek cd to 4", nullptr), MciDevice::NoSuchTrack);
    EXPECT_EQ(device.send("seek cd to 0", nullptr), MciDevice::NoSuchTrack);
    // An image has no analogue output; stopping what never played is still fine.
    EXPECT_EQ(device.send("play cd", nullptr), MciDevice::PlayUnsupported);
    EXPECT_EQ(device.send("stop cd wait", nullptr), MciDevice::Success);
    EXPECT_EQ(device.send("status cd position", &reply), MciDevice::Success);
    EXPECT_EQ(reply, "03:00:00:00");
    EXPECT_EQ(device.send("close all", nullptr), MciDevice::Success);
}

TEST(CdDriveChoice, VariableChoosesASimulatedDrive)
{
    {
        SimulatedCdVariable tracks("12");
        auto drive = chooseCdDrive();
        int count = 0;
        ASSERT_EQ(drive->open(), Result::Ok);
        ASSERT_EQ(drive->trackCount(&count), Result::Ok);
        EXPECT_EQ(count, 12);
        EXPECT_EQ(drive->play(), Result::Ok);
    }
    {
        SimulatedCdVariable empty("0");
        auto drive = chooseCdDrive();
        bool present = true;
        ASSERT_EQ(drive->open(), Result::Ok);
        ASSERT_EQ(drive->mediaPresent(&present), Result::Ok);
        EXPECT_FALSE(present);
    }
    for (const char *value : {"none", "", "100", "-1"}) {
        SimulatedCdVariable noDrive(value);
        EXPECT_EQ(chooseCdDrive()->open(), Result::NoDrive) << value;
    }
    SimulatedCdVariable unset(nullptr);
    EXPECT_NE(dynamic_cast<LibcdioDrive *>(chooseCdDrive().get()), nullptr);
}

} // namespace
