#include "platform/LockFileInstance.h"

#include "common/OrvaneError.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>
#include <sys/stat.h>
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
    EXPECT_FALSE(second.requestShow({})); // the holder takes no requests: no dashboard
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

TEST_F(LockFileInstanceTest, RefusesAFolderOthersMayWriteToOrAnotherUserOwns)
{
    // A shared temporary folder, and one another user made: either could hold a lock file
    // someone else keeps there for ever.
    const QString shared = temp.path() + QStringLiteral("/shared");
    ASSERT_TRUE(QDir().mkpath(shared));
    ASSERT_EQ(::chmod(QFile::encodeName(shared).constData(), 01777), 0);
    QString foreign = temp.path() + QStringLiteral("/foreign");
    ASSERT_TRUE(QDir().mkpath(foreign));
    if (::geteuid() == 0)
        ASSERT_EQ(::chown(QFile::encodeName(foreign).constData(), 65534, 65534), 0);
    else
        foreign = QDir::rootPath(); // owned by root

    for (const QString &folder : {shared, foreign}) {
        LockFileInstance instance(folder + QStringLiteral("/orvane.lock"));
        try {
            instance.tryLock();
            ADD_FAILURE() << "took a lock in " << folder.toStdString();
        } catch (const OrvaneError &error) {
            EXPECT_EQ(error.number(), OrvaneError::PermissionDenied);
            EXPECT_TRUE(error.description().contains("'" + QDir(folder).absolutePath() + "'"))
                << error.description().toStdString();
        }
        EXPECT_FALSE(QFileInfo::exists(folder + QStringLiteral("/orvane.lock")));
    }
}

TEST(LockFileInstancePath, UsesTheRuntimeFolderElseOneOfOurOwnInTheCache)
{
    const char *names[] = {"XDG_RUNTIME_DIR", "XDG_CACHE_HOME", "HOME"};
    QList<std::optional<QByteArray>> saved;
    for (const char *name : names)
        saved.append(qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt);
    QTemporaryDir runtime;

    qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());
    EXPECT_EQ(LockFileInstance::defaultPath(), runtime.path() + QStringLiteral("/orvane.lock"));

    const QString cache = runtime.path() + QStringLiteral("/cache");
    qputenv("XDG_CACHE_HOME", cache.toUtf8());
    qputenv("XDG_RUNTIME_DIR", (runtime.path() + QStringLiteral("/gone")).toUtf8());
    EXPECT_EQ(LockFileInstance::defaultPath(), cache + QStringLiteral("/Orvanenm/orvane.lock"));
    qunsetenv("XDG_RUNTIME_DIR");
    qunsetenv("XDG_CACHE_HOME");
    qputenv("HOME", runtime.path().toUtf8());
    const QString path = LockFileInstance::defaultPath();
    EXPECT_EQ(path, runtime.path() + QStringLiteral("/.cache/Orvanenm/orvane.lock"));

    // The folder is made for this user alone, and the lock taken there.
    LockFileInstance instance(path);
    EXPECT_TRUE(instance.tryLock());
    EXPECT_EQ(QFileInfo(QFileInfo(path).absolutePath()).permissions().toInt() & 0x0077, 0);

    for (int i = 0; i < 3; ++i)
        saved[i] ? qputenv(names[i], *saved[i]) : qunsetenv(names[i]);
}

// Two starts as two processes: the later one reaches the holder, which learns it should show
// itself, even where a dead holder left its socket file behind.
TEST_F(LockFileInstanceTest, ALaterStartAsksTheHolderToShowItself)
{
    QFile stale(temp.path() + QStringLiteral("/orvane.socket"));
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.close();

    QProcess holder;
    holder.start(QStringLiteral(ORVANE_INSTANCE_PROBE), {path});
    ASSERT_TRUE(holder.waitForReadyRead(10000));
    EXPECT_EQ(holder.readLine(), "holding\n");

    QProcess later; // launched by a Wayland desktop, with a token to come forward with
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_ACTIVATION_TOKEN", "launch-42");
    later.setProcessEnvironment(env);
    later.start(QStringLiteral(ORVANE_INSTANCE_PROBE), {path});
    ASSERT_TRUE(later.waitForFinished(10000));
    EXPECT_EQ(later.exitCode(), 0);

    const bool ended = holder.waitForFinished(10000);
    if (!ended)
        holder.kill();
    EXPECT_TRUE(ended) << "the holder was never asked";
    EXPECT_EQ(holder.readAll(), "asked to show with launch-42\n");
}
