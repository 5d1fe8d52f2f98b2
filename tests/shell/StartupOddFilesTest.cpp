// Odd things where the start-up files should be: a FIFO never holds up the load, and a lock
// folder that cannot be trusted is reported. Neither gets anything written.
#include "support/DashboardFixture.h"
#include "support/FifoProbe.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

class StartupFifo : public DashboardFixture, public ::testing::WithParamInterface<const char *>
{
};

TEST_P(StartupFifo, IsUnreadableWithoutWaitingAndStaysAsItWas)
{
    const QString name = QString::fromLatin1(GetParam());
    const bool isSettings = name == QLatin1String("settings.ini");
    const QString path = isSettings ? settingsPath() : appPath(name);
    QFile::remove(path);
    QDir().mkpath(QFileInfo(path).absolutePath());
    FifoProbe fifo(path);
    ASSERT_TRUE(fifo.made());

    const Dashboard::LoadResult result = dashboard().load();
    if (isSettings) {
        EXPECT_EQ(result, Dashboard::LoadResult::Loaded); // read as defaults
        for (const Prompter::Message &box : std::as_const(prompter.shown))
            EXPECT_NE(box.icon, Prompter::Icon::Critical) << box.text.toStdString();
    } else {
        EXPECT_EQ(result, Dashboard::LoadResult::Failed);
        ASSERT_EQ(prompter.shown.size(), 1);
        EXPECT_EQ(prompter.shown[0].title, "Orvane Error");
        EXPECT_TRUE(prompter.shown[0].text.contains(path)) << prompter.shown[0].text.toStdString();
    }
    dashboard().closeAfterFailedLoad();
    EXPECT_FALSE(fifo.opened());
    EXPECT_TRUE(fifo.intact());
}

INSTANTIATE_TEST_SUITE_P(EachStartupFile, StartupFifo,
                         ::testing::Values("List.txt", "Album.txt", "Events.mdb", "settings.ini"));

using StartupLock = DashboardFixture;

TEST_F(StartupLock, UntrustedLockFolderIsReportedAndNothingIsWritten)
{
    const QString refusal = QStringLiteral("Others may write to the lock folder '/tmp/shared'");
    lock.refusal = OrvaneError(refusal, OrvaneError::PermissionDenied);
    EXPECT_EQ(dashboard().load(), Dashboard::LoadResult::Failed);
    ASSERT_EQ(prompter.shown.size(), 1);
    EXPECT_EQ(prompter.shown[0].title, "Orvane Error");
    EXPECT_EQ(prompter.shown[0].text, refusal + " (70)");
    dashboard().closeAfterFailedLoad();
    EXPECT_FALSE(QFile::exists(settingsPath()));
    EXPECT_FALSE(QFile::exists(appPath("List.txt")));
    EXPECT_EQ(connectivity.checks, 0);
}

} // namespace
