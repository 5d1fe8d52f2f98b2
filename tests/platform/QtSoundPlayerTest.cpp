#include "platform/QtSoundPlayer.h"
#include "platform/WaveFile.h"
#include "platform/WaveStream.h"
#include "support/StagedPaths.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <optional>

namespace {

const QString kAppFolder = sourceDir() + QStringLiteral("/appfolder");

// Passes everything to the real player and counts what playSound() chose.
class CountingPlayer final : public SoundPlayer
{
public:
    explicit CountingPlayer(QtSoundPlayer &real)
        : m_real(real)
    {
    }
    std::optional<bool> outputOverride;
    int plays = 0;
    int beeps = 0;

    bool hasWaveOutput() const override { return outputOverride.value_or(m_real.hasWaveOutput()); }
    void playWave(const QString &path, quint32 flags) override
    {
        ++plays;
        m_real.playWave(path, flags);
    }
    void stopWave() override { m_real.stopWave(); }
    void beep() override
    {
        ++beeps;
        m_real.beep();
    }

private:
    QtSoundPlayer &m_real;
};

} // namespace

class QtSoundPlayerTest : public ::testing::Test
{
protected:
    // No sound server, whatever the desktop running the tests has: a server named in the
    // environment would be used, and none named might be started on demand. This holds as long
    // as nothing in the test program reached the sound server before.
    static void SetUpTestSuite()
    {
        qputenv("PULSE_SERVER", "unix:" + qgetenv("XDG_RUNTIME_DIR") + "/no-sound-server");
    }
};

TEST_F(QtSoundPlayerTest, WithoutASoundServerThereIsNoWaveOutput)
{
    QtSoundPlayer player;
    EXPECT_FALSE(player.hasWaveOutput());
}

TEST_F(QtSoundPlayerTest, PlaysAndBeepsReturnAtOnceWithoutAnOutput)
{
    QtSoundPlayer player;
    QElapsedTimer timer;
    timer.start();
    player.playWave(kAppFolder + QStringLiteral("/Alarms/Bell.wav"), 1);
    player.playWave(kAppFolder + QStringLiteral("/Alarms/NoSuchSound.wav"), 1);
    player.playWave(QString(), 0);
    player.beep();
    EXPECT_LT(timer.elapsed(), 1000);
}

TEST_F(QtSoundPlayerTest, SoundPlayBeepsWithoutAnOutputOrWithoutTheFile)
{
    QtSoundPlayer real;
    CountingPlayer player(real);
    playSound(player, kAppFolder + QStringLiteral("/Alarms/Bell.wav"), 1);
    EXPECT_EQ(player.beeps, 1);

    player.outputOverride = true;
    playSound(player, kAppFolder + QStringLiteral("/Alarms/NoSuchSound.wav"), 1);
    EXPECT_EQ(player.beeps, 2);
    EXPECT_EQ(player.plays, 0);
}

TEST_F(QtSoundPlayerTest, ShippedSoundsAreShort16BitMonoPcm)
{
    QStringList names = {"Alarms/Alarm",   "Alarms/Beep",    "Alarms/Bell",    "Alarms/Bird",
                         "Alarms/Buzz",    "Alarms/Cuckoo",  "Alarms/Psycho",  "Alarms/Rooster",
                         "Times/OClock",   "Times/15",       "Times/30",       "Times/45",
                         "Sounds/notify1", "Sounds/notify2", "resources/over", "resources/click"};
    for (int hour = 1; hour <= 12; ++hour)
        names << QStringLiteral("Times/%1").arg(hour);

    for (const QString &name : names) {
        SCOPED_TRACE(name.toStdString());
        const auto wave = WaveFile::read(kAppFolder + u'/' + name + QLatin1String(".wav"));
        ASSERT_TRUE(wave);
        EXPECT_EQ(wave->sample, WaveFile::Sample::Int16);
        EXPECT_EQ(wave->channels, 1);
        EXPECT_EQ(wave->sampleRate, 22050);
        EXPECT_GT(wave->durationMs(), 10);
        EXPECT_LE(wave->durationMs(), 3000);
    }
}

namespace {

QByteArray waveBytes(quint16 format, quint16 channels, quint16 bits, const QByteArray &data,
                     qint64 claimedData = -1)
{
    auto le = [](quint32 v, int n) {
        QByteArray b;
        for (int i = 0; i < n; ++i)
            b += char((v >> (8 * i)) & 0xff);
        return b;
    };
    const quint32 rate = 8000;
    QByteArray fmt = le(format, 2) + le(channels, 2) + le(rate, 4)
        + le(rate * channels * bits / 8, 4) + le(channels * bits / 8, 2) + le(bits, 2);
    QByteArray body = "WAVE" + QByteArray("LIST") + le(3, 4) + "abc" + '\0' // odd chunk, padded
        + "fmt " + le(fmt.size(), 4) + fmt + "data"
        + le(quint32(claimedData < 0 ? data.size() : claimedData), 4) + data;
    return "RIFF" + le(body.size(), 4) + body;
}

} // namespace

TEST(WaveFile, ReadsPlayableKindsAndRefusesTheRest)
{
    const auto pcm16 = WaveFile::parse(waveBytes(1, 2, 16, QByteArray(40, '\1')));
    ASSERT_TRUE(pcm16);
    EXPECT_EQ(pcm16->channels, 2);
    EXPECT_EQ(pcm16->pcm.size(), 40);
    // A data chunk cut short keeps its whole frames.
    const auto cut = WaveFile::parse(waveBytes(1, 2, 16, QByteArray(10, '\1'), 4000));
    ASSERT_TRUE(cut);
    EXPECT_EQ(cut->pcm.size(), 8);
    EXPECT_EQ(WaveFile::parse(waveBytes(3, 1, 32, QByteArray(8, 0)))->sample,
              WaveFile::Sample::Float);
    EXPECT_EQ(WaveFile::parse(waveBytes(1, 1, 8, QByteArray(8, 0)))->sample,
              WaveFile::Sample::UInt8);

    EXPECT_FALSE(WaveFile::parse(waveBytes(2, 1, 4, QByteArray(8, 0))));  // ADPCM
    EXPECT_FALSE(WaveFile::parse(waveBytes(1, 0, 16, QByteArray(8, 0)))); // no channels
    EXPECT_FALSE(WaveFile::parse(waveBytes(1, 1, 24, QByteArray(9, 0))));
    EXPECT_FALSE(WaveFile::parse("RIFF\xff\xff\xff\xffWAVEfmt \xff\xff\xff\xff"));
    EXPECT_FALSE(WaveFile::parse(QByteArray("not a wave at all")));
}

TEST(WaveStream, ANewSoundReplacesTheOldAndSilenceFollowsUntilTheEnd)
{
    WaveStream stream;
    char buffer[16];
    stream.start(QByteArray(8, 'a'), 4);
    EXPECT_EQ(stream.read(buffer, 3), 3);
    stream.start(QByteArray(2, 'b'), 3, char(0x80)); // replaces the rest of "aaaaa"
    EXPECT_EQ(QByteArray(buffer, int(stream.read(buffer, 16))), QByteArray("bb\x80\x80\x80"));
    EXPECT_TRUE(stream.finished());
    EXPECT_EQ(stream.read(buffer, 16), 0);

    stream.start(QByteArray(8, 'c'), 2);
    stream.silence();
    EXPECT_EQ(QByteArray(buffer, int(stream.read(buffer, 16))), QByteArray(2, '\0'));
}
