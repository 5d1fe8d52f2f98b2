#include "platform/LockFileInstance.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

class LockFileInstanceTest : public ::testing::Test
{
protected:
    QTemporaryDir temp;
    QString path = temp.path() + QStringLiteral("/orvane.lock");

    QByteArray readLock() const
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // A lock file as another holder left it, with no process keeping it open: our own
    // contents (same host, same boot) with the given pid in the first line.
    void leaveLockFile(const QByteArray &pid)
    {
        QByteArray contents;
        {
            QLockFile live(path);
            ASSERT_TRUE(live.tryLock(0));
            contents = readLock();
        }
        const qsizetype eol = contents.indexOf('\n');
        ASSERT_GT(eol, 0);
        contents.replace(0, eol, pid);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(contents);
    }
};

} // namespace

TEST_F(LockFileInstanceTest, ASecondHolderIsRefusedWhileTheFirstHoldsIt)
{
    LockFileInstance first(path);
    LockFileInstance second(path);

    ASSERT_TRUE(first.tryLock());
    EXPECT_TRUE(first.tryLock()); // asking again in the holder is fine
    EXPECT_FALSE(second.tryLock());
    EXPECT_TRUE(readLock().startsWith(QByteArray::number(QCoreApplication::applicationPid())));
}

TEST_F(LockFileInstanceTest, IsReleasedWhenDestroyed)
{
    {
        LockFileInstance first(path);
        ASSERT_TRUE(first.tryLock());
    }
    EXPECT_FALSE(QFileInfo::exists(path));
    LockFileInstance second(path);
    EXPECT_TRUE(second.tryLock());
}

TEST_F(LockFileInstanceTest, TakesOverALockLeftByADeadProcess)
{
    leaveLockFile("2147483646"); // beyond any pid_max
    ASSERT_TRUE(QFileInfo::exists(path));

    LockFileInstance instance(path);
    EXPECT_TRUE(instance.tryLock());
    EXPECT_TRUE(readLock().startsWith(QByteArray::number(QCoreApplication::applicationPid())));
}

TEST_F(LockFileInstanceTest, ALockNamingALiveProcessIsNeverStaleHoweverOld)
{
    leaveLockFile(QByteArray::number(QCoreApplication::applicationPid()));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addDays(-30),
                                 QFileDevice::FileModificationTime));
    file.close();

    LockFileInstance instance(path);
    EXPECT_FALSE(instance.tryLock());
    QFile::remove(path);
    EXPECT_TRUE(instance.tryLock());
}

TEST_F(LockFileInstanceTest, MakesAMissingFolder)
{
    LockFileInstance instance(temp.path() + QStringLiteral("/run/orvane/orvane.lock"));
    EXPECT_TRUE(instance.tryLock());
}

TEST(LockFileInstancePath, UsesTheRuntimeFolderOnlyWhenItExists)
{
    const bool wasSet = qEnvironmentVariableIsSet("XDG_RUNTIME_DIR");
    const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
    QTemporaryDir runtime;

    qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());
    EXPECT_EQ(LockFileInstance::defaultPath(), runtime.path() + QStringLiteral("/orvane.lock"));

    const QString fallback = QStandardPaths::writableLocation(QStandardPaths::TempLocation)
                             + QStringLiteral("/orvane-%1/orvane.lock").arg(::getuid());
    qputenv("XDG_RUNTIME_DIR", (runtime.path() + QStringLiteral("/gone")).toUtf8());
    EXPECT_EQ(LockFileInstance::defaultPath(), fallback);
    qunsetenv("XDG_RUNTIME_DIR");
    EXPECT_EQ(LockFileInstance::defaultPath(), fallback);

    if (wasSet)
        qputenv("XDG_RUNTIME_DIR", saved);
}
