#include "platform/QtSoundPlayer.h"

#include <QDataStream>
#include <QElapsedTimer>
#include <QFile>

#include <gtest/gtest.h>

#include <optional>

namespace {

const QString kAppFolder = QStringLiteral(ORVANE_SOURCE_DIR "/appfolder");

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
    void beep() override
    {
        ++beeps;
        m_real.beep();
    }

private:
    QtSoundPlayer &m_real;
};

struct WaveInfo
{
    quint16 format = 0;
    quint16 channels = 0;
    quint32 rate = 0;
    quint16 bits = 0;
    quint32 dataBytes = 0;
    bool valid = false;
};

// Reads the RIFF chunks of a wave file: the "fmt " fields and the size of "data".
WaveInfo readWave(const QString &path)
{
    WaveInfo info;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return info;
    QDataStream in(&file);
    in.setByteOrder(QDataStream::LittleEndian);
    QByteArray id(4, '\0');
    quint32 riffSize = 0;
    in.readRawData(id.data(), 4);
    in >> riffSize;
    if (id != "RIFF" || qint64(riffSize) + 8 != file.size() || in.readRawData(id.data(), 4) != 4
        || id != "WAVE")
        return info;
    bool haveFormat = false;
    while (in.readRawData(id.data(), 4) == 4) {
        quint32 size = 0;
        in >> size;
        if (in.status() != QDataStream::Ok || file.pos() + size > file.size())
            return info;
        const qint64 next = file.pos() + size + (size & 1);
        if (id == "fmt " && size >= 16) {
            quint32 byteRate = 0;
            quint16 blockAlign = 0;
            in >> info.format >> info.channels >> info.rate >> byteRate >> blockAlign >> info.bits;
            haveFormat = true;
        } else if (id == "data") {
            info.dataBytes = size;
            info.valid = haveFormat;
            return info;
        }
        file.seek(next);
    }
    return info;
}

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
        const WaveInfo wave = readWave(kAppFolder + u'/' + name + QLatin1String(".wav"));
        ASSERT_TRUE(wave.valid);
        EXPECT_EQ(wave.format, 1); // plain PCM
        EXPECT_EQ(wave.channels, 1);
        EXPECT_EQ(wave.bits, 16);
        EXPECT_EQ(wave.rate, 22050u);
        const double bytesPerSecond = double(wave.rate) * wave.channels * wave.bits / 8;
        const double seconds = bytesPerSecond > 0 ? wave.dataBytes / bytesPerSecond : 0.0;
        EXPECT_GT(seconds, 0.01);
        EXPECT_LE(seconds, 3.0);
    }
}
