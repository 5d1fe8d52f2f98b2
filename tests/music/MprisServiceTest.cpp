// What the desktop's media controls are told, read from the player without a bus.
#include "music/MprisService.h"
#include "music/MusicPanel.h"
#include "music/MusicPlayer.h"
#include "support/DashboardFixture.h"

#include <QDBusObjectPath>
#include <QListWidget>
#include <QSignalSpy>
#include <QUrl>

namespace {

class MprisServiceTest : public DashboardFixture
{
};

TEST_F(MprisServiceTest, TheAlarmsSongShowsAndSeeksStayWithinTheSong)
{
    writeFile(appPath("song.wav"), "x");
    writeFile(appPath("List.txt"), '"' + appPath("song.wav").toUtf8() + "\"\r\n");
    MusicPlayer &player = loaded().music().player();
    int raised = 0;
    MprisService mpris(player, {[&raised] { ++raised; }, {}});
    EXPECT_EQ(mpris.playbackStatus(), "Stopped");

    player.playFile(appPath("alarm.mp3"));
    EXPECT_EQ(mpris.playbackStatus(), "Playing");
    const QVariantMap ringing = mpris.metadata();
    EXPECT_EQ(ringing.value("mpris:trackid").value<QDBusObjectPath>().path(),
              "/org/orvane/track/alarm");
    EXPECT_EQ(ringing.value("xesam:url").toString(),
              QUrl::fromLocalFile(appPath("alarm.mp3")).toString());
    EXPECT_EQ(ringing.value("xesam:title").toString(), "alarm");
    player.stopFile();
    EXPECT_EQ(mpris.playbackStatus(), "Stopped");

    fakes.music.length = 100;
    player.playAction();
    fakes.music.position = 10;
    QSignalSpy seeked(&mpris, &MprisService::seeked);
    mpris.seek(-20'000'000); // before the start: the start
    mpris.setPosition(QDBusObjectPath("/org/orvane/track/7"), 5'000'000);   // not this song
    mpris.setPosition(QDBusObjectPath("/org/orvane/track/0"), 500'000'000); // past its end
    mpris.setPosition(QDBusObjectPath("/org/orvane/track/0"), 30'000'000);
    ASSERT_EQ(seeked.size(), 2);
    EXPECT_EQ(seeked.at(0).at(0).toLongLong(), 0);
    EXPECT_EQ(seeked.at(1).at(0).toLongLong(), 30'000'000);
    EXPECT_EQ(fakes.music.position, 30);
    mpris.raise();
    EXPECT_EQ(raised, 1);
}

} // namespace
