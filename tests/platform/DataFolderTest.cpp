#include "platform/DataFolder.h"
#include "platform/InstalledLayout.h"
#include "support/Unprivileged.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class DataFolderTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_savedAppDir = qgetenv("ORVANE_APP_DIR");
        m_savedData = qgetenv("XDG_DATA_HOME");
        qunsetenv("ORVANE_APP_DIR");
        qputenv("XDG_DATA_HOME", (m_dir.path() + "/data").toUtf8());
        QDir().mkpath(program());
        for (const QString &name : DataFolder::seeds())
            write(program() + '/' + name, "shipped " + name.toUtf8());
    }
    void TearDown() override
    {
        qputenv("ORVANE_APP_DIR", m_savedAppDir);
        qputenv("XDG_DATA_HOME", m_savedData);
    }
    QString program() const { return m_dir.path() + "/prefix/lib/orvane"; }
    QString user() const { return m_dir.path() + "/data/Orvanenm"; }
    static void write(const QString &path, const QByteArray &text)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    static QByteArray read(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    QTemporaryDir m_dir;
    QByteArray m_savedAppDir, m_savedData;
};

} // namespace

TEST_F(DataFolderTest, AFolderStartsFromTheShippedDatabasesAndKeepsWhatItHolds)
{
    QFile::setPermissions(program() + "/Bills.mdb", QFileDevice::ReadOwner);
    QDir().mkpath(user());
    write(user() + "/Events.mdb", "mine");

    ASSERT_TRUE(DataFolder::prepare(user(), program()));
    EXPECT_EQ(read(user() + "/Events.mdb"), "mine");
    EXPECT_EQ(read(user() + "/Bills.mdb"), "shipped Bills.mdb");
    EXPECT_EQ(read(user() + "/Address.mdb"), "shipped Address.mdb");
    EXPECT_TRUE(QFileInfo(user() + "/Bills.mdb").isWritable()); // a read-only seed, a usable copy
    EXPECT_FALSE(QFileInfo::exists(user() + "/Bills.mdb.part"));

    // Later starts change nothing, even when the shipped files are newer.
    write(user() + "/Bills.mdb", "my bills");
    write(program() + "/Address.mdb", "shipped again");
    ASSERT_TRUE(DataFolder::prepare(user(), program()));
    EXPECT_EQ(read(user() + "/Bills.mdb"), "my bills");
    EXPECT_EQ(read(user() + "/Address.mdb"), "shipped Address.mdb");
}

TEST_F(DataFolderTest, ABuildWritesBesideItselfAnInstalledProgramInTheUserFolder)
{
    EXPECT_EQ(DataFolder::choose(program(), false), program());
    EXPECT_FALSE(QFileInfo::exists(user()));

    EXPECT_EQ(DataFolder::choose(program(), true), user());
    EXPECT_EQ(read(user() + "/Events.mdb"), "shipped Events.mdb");

    // The override names both folders; a relative XDG_DATA_HOME counts as unset.
    qputenv("ORVANE_APP_DIR", "/elsewhere/app");
    EXPECT_EQ(DataFolder::choose(program(), true), "/elsewhere/app");
    qunsetenv("ORVANE_APP_DIR");
    qputenv("XDG_DATA_HOME", "relative/data");
    EXPECT_EQ(DataFolder::userFolder(), QDir::homePath() + "/.local/share/Orvanenm");
}

TEST_F(DataFolderTest, AProgramFolderThatCannotBeWrittenMovesTheDataOut)
{
    if (rerunAsNobody())
        return;
    QFile::setPermissions(program(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(DataFolder::choose(program(), false), user());
    EXPECT_EQ(read(user() + "/Address.mdb"), "shipped Address.mdb");
    QFile::setPermissions(program(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

TEST(InstalledLayoutTest, TheLauncherIsFoundOnlyWhereTheInstallPutsIt)
{
    QTemporaryDir dir;
    const QString prefix = dir.path() + "/prefix";
    QDir().mkpath(prefix + "/lib/orvane");
    QDir().mkpath(prefix + "/bin");
    EXPECT_EQ(InstalledLayout::launcherFor(prefix + "/lib/orvane"), QString());

    QFile launcher(prefix + "/bin/orvane");
    ASSERT_TRUE(launcher.open(QIODevice::WriteOnly));
    launcher.close();
    EXPECT_EQ(InstalledLayout::launcherFor(prefix + "/lib/orvane"), QString()); // not executable
    launcher.setPermissions(launcher.permissions() | QFileDevice::ExeOwner);
    EXPECT_EQ(InstalledLayout::launcherFor(prefix + "/lib/orvane"), prefix + "/bin/orvane");
    // A build folder two levels below a "bin/orvane" is not an install.
    QDir().mkpath(prefix + "/lib/build");
    EXPECT_EQ(InstalledLayout::launcherFor(prefix + "/lib/build"), QString());
}
