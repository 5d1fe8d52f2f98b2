#include "platform/QtMediaPlayer.h"
#include "support/StagedPaths.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

// The real adapter over QMediaPlayer (GStreamer). The test main names a sound server that does
// not exist, so there is no audio output: GStreamer then falls back to another sink (with no
// sound card, a dummy one that keeps real time), so clips still load, report their length and
// tags, advance and end.

namespace {

const QString kMp3 = sourceDir() + QStringLiteral("/tests/data/media/tone.mp3"); // 3 s, tagged
const QString kWav = sourceDir() + QStringLiteral("/tests/data/media/tone.wav"); // 2 s

// The back end works asynchronously: poll the event loop until the condition holds, for at most
// ten seconds.
bool waitFor(const std::function<bool()> &condition)
{
    return QTest::qWaitFor(condition, 10000);
}

bool loaded(const QtMediaPlayer &player)
{
    return player.duration() > 0 && player.mediaInfo(MediaPlayer::Title)
        && player.mediaInfo(MediaPlayer::Author);
}

bool ended(const QtMediaPlayer &player)
{
    const int state = player.playState();
    return state == MediaPlayer::Stopped || state == MediaPlayer::Closed;
}

} // namespace

TEST(QtMediaPlayerTest, IsClosedWithNoInformationBeforeAnythingIsOpened)
{
    QtMediaPlayer player;
    EXPECT_EQ(player.playState(), MediaPlayer::Closed);
    EXPECT_EQ(player.mediaInfo(MediaPlayer::Title), std::nullopt);
    EXPECT_EQ(player.mediaInfo(MediaPlayer::Author), std::nullopt);
    EXPECT_EQ(player.duration(), 0.0);
    EXPECT_EQ(player.currentPosition(), 0.0);
    EXPECT_EQ(player.receivedPackets(), 0);

    player.stop();
    player.pause();
    player.play();
    EXPECT_EQ(player.playState(), MediaPlayer::Closed);
}

TEST(QtMediaPlayerTest, OpeningAnMp3ReportsItsDurationAndTags)
{
    QtMediaPlayer player;
    player.open(kMp3);
    EXPECT_NE(player.playState(), MediaPlayer::Closed);

    ASSERT_TRUE(waitFor([&] { return loaded(player); }));
    EXPECT_GE(player.duration(), 2.5);
    EXPECT_LE(player.duration(), 3.5);
    EXPECT_EQ(player.mediaInfo(MediaPlayer::Title), QStringLiteral("Test Title"));
    EXPECT_EQ(player.mediaInfo(MediaPlayer::Author), QStringLiteral("Test Artist"));
    EXPECT_EQ(player.mediaInfo(7), std::nullopt);

    player.pause();
    EXPECT_EQ(player.playState(), MediaPlayer::Paused);
    player.play();
    EXPECT_TRUE(waitFor([&] { return player.playState() == MediaPlayer::Playing; }));
    player.stop();
    EXPECT_EQ(player.playState(), MediaPlayer::Stopped);
    player.stop();
    player.pause();
    player.stop();
    EXPECT_EQ(player.playState(), MediaPlayer::Stopped);
    // What was read from the file stays readable once stopped.
    EXPECT_EQ(player.mediaInfo(MediaPlayer::Title), QStringLiteral("Test Title"));
}

TEST(QtMediaPlayerTest, AClipPlaysToItsEndAndThenReportsStopped)
{
    QtMediaPlayer player;
    player.open(kWav);

    // The music panel's progress tick moves on when the state leaves Playing: it must, and the
    // position must have moved while it played.
    bool sawPlaying = false;
    double furthest = 0.0;
    ASSERT_TRUE(waitFor([&] {
        const int state = player.playState();
        if (state == MediaPlayer::Playing) {
            sawPlaying = true;
            furthest = std::max(furthest, player.currentPosition());
        }
        return sawPlaying && state == MediaPlayer::Stopped;
    }));
    EXPECT_GT(furthest, 0.5);
    EXPECT_NEAR(player.duration(), 2.0, 0.1);
    EXPECT_NEAR(player.currentPosition(), player.duration(), 0.1);
    // A wave file without tags has no title to give.
    EXPECT_EQ(player.mediaInfo(MediaPlayer::Title), std::nullopt);

    // Stop and pause after the end change nothing that matters; play starts the clip again.
    player.stop();
    EXPECT_EQ(player.playState(), MediaPlayer::Stopped);
    player.play();
    EXPECT_TRUE(waitFor([&] { return player.playState() == MediaPlayer::Playing; }));
    player.stop();
    EXPECT_EQ(player.playState(), MediaPlayer::Stopped);
}

TEST(QtMediaPlayerTest, AMissingFileEndsStoppedInsteadOfPlayingForEver)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QtMediaPlayer player;
    player.open(dir.filePath(QStringLiteral("NoSuchSong.mp3")));

    ASSERT_TRUE(waitFor([&] { return ended(player); }));
    EXPECT_EQ(player.duration(), 0.0);
    EXPECT_EQ(player.mediaInfo(MediaPlayer::Title), std::nullopt);

    player.play();
    EXPECT_TRUE(ended(player));
    player.pause();
    EXPECT_TRUE(ended(player));
    player.stop();
    EXPECT_TRUE(ended(player));
    player.play();
    EXPECT_TRUE(ended(player));
}

TEST(QtMediaPlayerTest, AFileThatIsNotMusicEndsStopped)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("Notes.mp3"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("not music at all\n").repeated(200));
    file.close();

    QtMediaPlayer player;
    player.open(path);
    ASSERT_TRUE(waitFor([&] { return ended(player); }));
    player.play();
    EXPECT_TRUE(ended(player));
}

TEST(QtMediaPlayerTest, AGoodFileOpensAfterAMissingOne)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QtMediaPlayer player;
    player.open(dir.filePath(QStringLiteral("NoSuchSong.mp3")));
    ASSERT_TRUE(waitFor([&] { return ended(player); }));

    player.open(kMp3);
    ASSERT_TRUE(waitFor([&] { return loaded(player); }));
    EXPECT_TRUE(waitFor([&] { return player.playState() == MediaPlayer::Playing; }));
    EXPECT_EQ(player.mediaInfo(MediaPlayer::Title), QStringLiteral("Test Title"));
    player.stop();
    EXPECT_EQ(player.playState(), MediaPlayer::Stopped);
}

TEST(QtMediaPlayerTest, AMissingFileOpenedAgainEndsStoppedAgain)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("NoSuchSong.mp3"));
    QtMediaPlayer player;
    player.open(path);
    ASSERT_TRUE(waitFor([&] { return ended(player); }));
    player.stop();

    player.open(path);
    ASSERT_TRUE(waitFor([&] { return ended(player); }));
    player.play();
    EXPECT_TRUE(ended(player));
}

TEST(QtMediaPlayerTest, AClipOpenedAgainStartsFromTheBeginning)
{
    QtMediaPlayer player;
    player.open(kWav);
    ASSERT_TRUE(waitFor([&] { return player.currentPosition() > 0.5; }));
    player.pause();
    EXPECT_EQ(player.playState(), MediaPlayer::Paused);

    player.open(kWav);
    EXPECT_LT(player.currentPosition(), 0.5);
    EXPECT_TRUE(waitFor([&] { return player.playState() == MediaPlayer::Playing; }));
    player.stop();
    EXPECT_EQ(player.playState(), MediaPlayer::Stopped);
}
