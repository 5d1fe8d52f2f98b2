#include "support/Unprivileged.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr uid_t kNobody = 65534;
const char *const kChildMark = "ORVANE_TEST_AS_NOBODY";

// The test program and every folder above it can be reached by any user: a build under a
// private home folder cannot be run as nobody.
bool othersCanRun(const QString &program)
{
    struct stat info = {};
    QString path = program;
    for (mode_t need = S_IROTH | S_IXOTH; !path.isEmpty(); need = S_IXOTH) {
        if (::stat(QFile::encodeName(path).constData(), &info) != 0
            || (info.st_mode & need) != need)
            return false;
        if (path == QLatin1String("/"))
            break;
        path = QFileInfo(path).absolutePath();
    }
    return true;
}

} // namespace

bool rerunAsNobody()
{
    if (::geteuid() != 0 || qEnvironmentVariableIsSet(kChildMark))
        return false;
    const QString program = QCoreApplication::applicationFilePath();
    if (!othersCanRun(program)) {
        [&] {
            GTEST_SKIP() << "as root, and nobody cannot reach " << program.toStdString();
        }();
        return true;
    }
    const ::testing::TestInfo *test = ::testing::UnitTest::GetInstance()->current_test_info();
    const QString name = QStringLiteral("%1.%2").arg(QString::fromUtf8(test->test_suite_name()),
                                                     QString::fromUtf8(test->name()));
    // The child makes its own sandbox in a folder it may write to.
    QTemporaryDir temp;
    EXPECT_EQ(::chown(QFile::encodeName(temp.path()).constData(), kNobody, kNobody), 0);

    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(kChildMark), QStringLiteral("1"));
    env.insert(QStringLiteral("TMPDIR"), temp.path());
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.setChildProcessModifier([] {
        if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)
            ::_exit(126);
    });
    child.start(program, {QStringLiteral("--gtest_filter=") + name});
    const bool finished = child.waitForFinished(60000);
    const QByteArray output = child.readAll();
    EXPECT_TRUE(finished) << name.toStdString();
    EXPECT_EQ(child.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(child.exitCode(), 0) << output.toStdString();
    // Kept out of the failure text: ctest takes that mark anywhere in the output for a skip.
    const bool ranThere = output.contains("[  PASSED  ] 1 test")
        || output.contains(QByteArray("[  SKIPPED") + " ] 1 test");
    EXPECT_TRUE(ranThere) << output.toStdString();
    return true;
}
