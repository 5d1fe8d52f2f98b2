#include "music/MciDevice.h"
#include "music/SimulatedCdDrive.h"

#include <QSet>

#include <gtest/gtest.h>

namespace {

class MciDeviceTest : public ::testing::Test
{
protected:
    // The reply of a command that must succeed.
    QString ok(const QString &command)
    {
        QString reply = QStringLiteral("left over");
        EXPECT_EQ(device.send(command, &reply), MciDevice::Success) << qPrintable(command);
        return reply;
    }
    int fails(const QString &command)
    {
        QString reply = QStringLiteral("left over");
        const int code = device.send(command, &reply);
        EXPECT_TRUE(reply.isEmpty()) << qPrintable(command);
        return code;
    }
    void openWithDisc(const QList<int> &trackSeconds)
    {
        drive.insertDisc(trackSeconds);
        ok("open cdaudio alias cd wait shareable");
        ok("set cd time format tmsf wait");
    }

    SimulatedCdDrive drive;
    MciDevice device{drive};
};

TEST_F(MciDeviceTest, EveryDeviceCommandBeforeOpenSaysTheDeviceIsNotOpen)
{
    drive.insertDisc({60, 60});
    for (const char *command : {"set cd time format tmsf wait", "status cd media present",
                                "status cd number of tracks wait", "status cd position",
                                "seek cd to 1", "play cd", "stop cd wait", "close cd"})
        EXPECT_EQ(fails(command), MciDevice::NotOpen) << command;
    EXPECT_FALSE(drive.isOpen());
    // "close all" with nothing open has nothing to do, and that is no error.
    EXPECT_EQ(ok("close all"), QString());
}

TEST_F(MciDeviceTest, OpenThenQueriesAnswerInTheirFormats)
{
    openWithDisc(QList<int>(12, 200));
    EXPECT_TRUE(drive.isOpen());
    EXPECT_EQ(ok("status cd media present"), "true");
    EXPECT_EQ(ok("status cd number of tracks wait"), "12");
    EXPECT_EQ(ok("status cd position"), "01:00:00:00");
    EXPECT_EQ(ok("seek cd to 1"), QString()); // commands without an answer empty the reply
}

TEST_F(MciDeviceTest, WordsAreMatchedWithoutCaseAndExtraSpaces)
{
    drive.insertDisc({60, 60, 60});
    ok("  OPEN   CDAudio  Alias  CD   WAIT shareable ");
    EXPECT_EQ(ok("Status cd  NUMBER of   tracks"), "03");
    EXPECT_EQ(ok("STATUS CD MEDIA PRESENT WAIT"), "true");
    ok("Close All");
    EXPECT_FALSE(drive.isOpen());
}

TEST_F(MciDeviceTest, OnlyTheOpenAliasIsKnown)
{
    openWithDisc({60});
    EXPECT_EQ(fails("status dvd position"), MciDevice::NotOpen);
    EXPECT_EQ(fails("status cdaudio position"), MciDevice::NotOpen);
    ok("close cd");
    EXPECT_EQ(fails("status cd position"), MciDevice::NotOpen);

    // Without an alias the device answers to its own name.
    ok("open cdaudio");
    EXPECT_EQ(ok("status cdaudio media present"), "true");
}

TEST_F(MciDeviceTest, OpeningTwiceOrAnotherDeviceFails)
{
    openWithDisc({60});
    EXPECT_EQ(fails("open cdaudio alias cd wait shareable"), MciDevice::AliasInUse);
    EXPECT_EQ(drive.opens(), 1);
    ok("close all");
    EXPECT_EQ(fails("open waveaudio alias cd"), MciDevice::UnknownDevice);
    EXPECT_EQ(fails("open cdaudio alias"), MciDevice::BadValue);
    EXPECT_EQ(fails("open cdaudio alias cd loudly"), MciDevice::BadValue);
    EXPECT_FALSE(device.isOpen());
}

TEST_F(MciDeviceTest, NoDriveGivesTheCodeWhoseTextNamesTheSystemWord)
{
    SimulatedCdDrive none(false);
    MciDevice without(none);
    const int code = without.send("open cdaudio alias cd wait shareable", nullptr);
    EXPECT_EQ(code, MciDevice::DeviceUnusable);
    EXPECT_EQ(MciDevice::errorText(code), "No CD drive was found (mmsystem262).");
    EXPECT_FALSE(without.isOpen());
    EXPECT_EQ(without.send("status cd media present", nullptr), MciDevice::NotOpen);
}

TEST_F(MciDeviceTest, UnknownCommandsAndValuesAreErrors)
{
    openWithDisc({60, 60});
    EXPECT_EQ(fails(""), MciDevice::UnknownCommand);
    EXPECT_EQ(fails("   "), MciDevice::UnknownCommand);
    EXPECT_EQ(fails("eject cd"), MciDevice::UnknownCommand);
    EXPECT_EQ(fails("set cd time format msf"), MciDevice::BadValue);
    EXPECT_EQ(fails("set cd door open"), MciDevice::BadValue);
    EXPECT_EQ(fails("status cd volume"), MciDevice::BadValue);
    EXPECT_EQ(fails("seek cd to"), MciDevice::BadValue);
    EXPECT_EQ(fails("seek cd to two"), MciDevice::BadValue);
    EXPECT_EQ(fails("seek cd 2"), MciDevice::BadValue);
    EXPECT_EQ(fails("play cd from 2"), MciDevice::BadValue);
    EXPECT_EQ(fails("play"), MciDevice::BadValue);
    EXPECT_EQ(fails("close"), MciDevice::BadValue);
}

TEST_F(MciDeviceTest, SeekPlayAndStopMoveThePosition)
{
    openWithDisc({100, 80, 90});
    ok("seek cd to 2");
    EXPECT_EQ(ok("status cd position"), "02:00:00:00");
    ok("play cd");
    EXPECT_TRUE(drive.playing());
    drive.advance(65 * CdDrive::kFramesPerSecond + 7);
    EXPECT_EQ(ok("status cd position"), "02:01:05:07");
    drive.advance(20 * CdDrive::kFramesPerSecond); // across into track 3
    EXPECT_EQ(ok("status cd position"), "03:00:05:07");
    ok("stop cd wait");
    EXPECT_FALSE(drive.playing());
    drive.advance(CdDrive::kFramesPerSecond);
    EXPECT_EQ(ok("status cd position"), "03:00:05:07"); // stopped: stays put
    ok("seek cd to 3");
    EXPECT_EQ(ok("status cd position"), "03:00:00:00");
    ok("stop cd wait"); // stopping a stopped disc is harmless
}

TEST_F(MciDeviceTest, SeekOutsideTheDiscFails)
{
    openWithDisc({60, 60, 60});
    EXPECT_EQ(fails("seek cd to 0"), MciDevice::NoSuchTrack);
    EXPECT_EQ(fails("seek cd to 4"), MciDevice::NoSuchTrack);
    EXPECT_EQ(fails("seek cd to -1"), MciDevice::NoSuchTrack);
    EXPECT_EQ(ok("status cd position"), "01:00:00:00");
}

TEST_F(MciDeviceTest, DiscRemovedAndInsertedWhileOpen)
{
    openWithDisc({60, 60});
    ok("play cd");
    drive.removeDisc();
    EXPECT_EQ(ok("status cd media present"), "false");
    EXPECT_EQ(fails("status cd number of tracks wait"), MciDevice::NoDisc);
    EXPECT_EQ(fails("status cd position"), MciDevice::NoDisc);
    EXPECT_EQ(fails("seek cd to 1"), MciDevice::NoDisc);
    EXPECT_EQ(fails("play cd"), MciDevice::NoDisc);

    drive.insertDisc(QList<int>(8, 60));
    EXPECT_EQ(ok("status cd media present"), "true");
    EXPECT_EQ(ok("status cd number of tracks wait"), "08");
    EXPECT_EQ(ok("status cd position"), "01:00:00:00");
}

TEST_F(MciDeviceTest, ADriveWithoutAnalogueOutputCannotPlay)
{
    openWithDisc({60, 60});
    drive.setPlaySupported(false);
    EXPECT_EQ(fails("play cd"), MciDevice::PlayUnsupported);
    EXPECT_FALSE(drive.playing());
    ok("seek cd to 2"); // reading the disc still works
}

TEST_F(MciDeviceTest, EveryCodeHasItsOwnText)
{
    const QList<int> codes{MciDevice::NotOpen,         MciDevice::UnknownCommand,
                           MciDevice::DeviceUnusable,  MciDevice::AliasInUse,
                           MciDevice::UnknownDevice,   MciDevice::BadValue,
                           MciDevice::NoDisc,          MciDevice::NoSuchTrack,
                           MciDevice::PlayUnsupported, MciDevice::DriveFailed};
    QSet<QString> texts;
    for (int code : codes) {
        EXPECT_FALSE(MciDevice::errorText(code).isEmpty()) << code;
        texts.insert(MciDevice::errorText(code));
    }
    EXPECT_EQ(texts.size(), codes.size());
    // Only the unusable device names the system code, in a sentence a person can read.
    for (int code : codes)
        EXPECT_EQ(MciDevice::errorText(code).contains("mmsystem262"),
                  code == MciDevice::DeviceUnusable);
    EXPECT_TRUE(MciDevice::errorText(4711).contains("4711"));
}

} // namespace
