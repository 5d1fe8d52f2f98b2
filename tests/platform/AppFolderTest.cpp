#include "platform/AppFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class AppFolderTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        for (const char *file : {"Alarms/Bell.wav", "TextFiles/List.txt", "Sounds/chime.wav",
                                 "Sounds/Chime.wav", "Help/OrvaneHelp"}) {
            const QString path = m_dir.filePath(QString::fromLatin1(file));
            QDir().mkpath(QFileInfo(path).path());
            QFile out(path);
            ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        }
    }
    QString root() const { return m_dir.path(); }

    QTemporaryDir m_dir;
};

} // namespace

TEST_F(AppFolderTest, ResolvesOldStyleNamesWhateverTheirCase)
{
    const AppFolder folder(root());
    const QString bell = root() + "/Alarms/Bell.wav";
    EXPECT_EQ(folder.path("\\Alarms\\Bell.wav"), bell);
    EXPECT_EQ(folder.path("/alarms/BELL.WAV"), bell);
    EXPECT_EQ(folder.path("ALARMS\\\\bell.wav"), bell);
    EXPECT_EQ(folder.path("./Alarms//./bell.Wav"), bell);
    EXPECT_EQ(folder.path("help\\orvanehelp"), root() + "/Help/OrvaneHelp");
}

TEST_F(AppFolderTest, KeepsMissingPartsAsGiven)
{
    const AppFolder folder(root());
    EXPECT_EQ(folder.path("\\alarms\\New Tone.wav"), root() + "/Alarms/New Tone.wav");
    EXPECT_EQ(folder.path("\\NoSuch\\list.txt"), root() + "/NoSuch/list.txt");
    EXPECT_EQ(folder.path(""), root());
    EXPECT_EQ(folder.path("\\"), root());
}

TEST_F(AppFolderTest, PrefersTheExactNameThenTheFirstSortedSpelling)
{
    const AppFolder folder(root());
    EXPECT_EQ(folder.path("Sounds/chime.wav"), root() + "/Sounds/chime.wav");
    EXPECT_EQ(folder.path("Sounds/Chime.wav"), root() + "/Sounds/Chime.wav");
    EXPECT_EQ(folder.path("Sounds/CHIME.WAV"), root() + "/Sounds/Chime.wav");
}

TEST_F(AppFolderTest, NeverClimbsOutOfTheFolder)
{
    const AppFolder folder(root() + "/Alarms");
    EXPECT_EQ(folder.path("..\\TextFiles\\List.txt"), root() + "/Alarms/TextFiles/List.txt");
    EXPECT_EQ(folder.path("../../../etc/passwd"), root() + "/Alarms/etc/passwd");
    EXPECT_EQ(folder.path("bell.wav/.."), root() + "/Alarms/Bell.wav");
}

TEST_F(AppFolderTest, EnvironmentOverridesTheProgramFolder)
{
    const bool had = qEnvironmentVariableIsSet("ORVANE_APP_DIR");
    const QByteArray old = qgetenv("ORVANE_APP_DIR");
    qputenv("ORVANE_APP_DIR", root().toUtf8());
    EXPECT_EQ(AppFolder::fromEnvironment("/opt/orvane").root(), root());
    qputenv("ORVANE_APP_DIR", "");
    EXPECT_EQ(AppFolder::fromEnvironment("/opt/orvane").root(), "/opt/orvane");
    had ? qputenv("ORVANE_APP_DIR", old) : qunsetenv("ORVANE_APP_DIR");
}
