// A termination request (SIGTERM, SIGINT) at any moment of the start: the load stops after its
// current step, an open box closes, and the program ends by itself, writing nothing unread.
#include "support/DashboardFixture.h"
#include "support/StagedPaths.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QThread>
#include <QTimer>

#include <csignal>

namespace {

using DashboardStop = DashboardFixture;

TEST_F(DashboardStop, StopsAfterTheCurrentStepAndWritesNothingItDidNotRead)
{
    dashboard().setStopRequest(
        [this] { return dashboard().loadTrace().last() == QLatin1String("dateStartup"); });
    EXPECT_EQ(dashboard().load(), Dashboard::LoadResult::Stopped);
    EXPECT_EQ(dashboard().loadTrace().last(), "dateStartup");
    EXPECT_FALSE(find<QTimer>("TimerClock2")->isActive());
    dashboard().closeAfterFailedLoad();
    EXPECT_EQ(endRequests, 1);
    EXPECT_FALSE(QFile::exists(appPath("List.txt"))); // the lists were never read
    EXPECT_FALSE(QFile::exists(appPath("Album.txt")));
    EXPECT_TRUE(prompter.shown.isEmpty());
}

// The staged program, started on the offscreen platform over temporary folders.
class TerminationProcess : public ::testing::Test
{
protected:
    TerminationProcess()
    {
        copyAppFolderData(stagedAppDir(), path("app"));
        for (const char *sub : {"settings", "config", "home", "cache", "data", "runtime"})
            QDir().mkpath(path(sub));
        QFile::setPermissions(path("runtime"),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                  | QFileDevice::ExeOwner);
    }
    ~TerminationProcess() override
    {
        if (m_program.state() != QProcess::NotRunning) {
            m_program.kill();
            m_program.waitForFinished();
        }
    }

    QString path(const char *sub) const { return m_dir.path() + u'/' + QLatin1String(sub); }

    void start(const QStringList &arguments = {})
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("ORVANE_APP_DIR", path("app"));
        env.insert("ORVANE_SETTINGS_DIR", path("settings"));
        env.insert("XDG_CONFIG_HOME", path("config"));
        env.insert("HOME", path("home"));
        env.insert("XDG_CACHE_HOME", path("cache"));
        env.insert("XDG_DATA_HOME", path("data"));
        env.insert("XDG_RUNTIME_DIR", path("runtime"));
        env.insert("PULSE_SERVER", path("runtime") + "/no-sound-server");
        env.insert("QT_QPA_PLATFORM", "offscreen");
        m_program.setProcessEnvironment(env);
        m_program.setProcessChannelMode(QProcess::MergedChannels);
        m_program.start(stagedAppDir() + QStringLiteral("/Orvane"), arguments);
        ASSERT_TRUE(m_program.waitForStarted(10000));
    }

    // Until the program catches SIGTERM, the signal ends it as it would any process: that
    // window lies before its own code runs, so it writes nothing. Its handler shows in
    // /proc as a caught signal.
    bool catchesTermination() const
    {
        QFile status(QStringLiteral("/proc/%1/status").arg(m_program.processId()));
        if (!status.open(QIODevice::ReadOnly))
            return false;
        for (const QByteArray &line : status.readAll().split('\n')) {
            if (line.startsWith("SigCgt:"))
                return (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (SIGTERM - 1)) & 1;
        }
        return false;
    }

    void waitUntilItCatchesTermination()
    {
        QDeadlineTimer deadline(20000);
        while (!catchesTermination() && !deadline.hasExpired())
            QThread::msleep(1);
        ASSERT_TRUE(catchesTermination());
    }

    // Sends SIGTERM; the program must end by itself with this status within a bounded wait.
    void expectEndsOnTerminate(int status)
    {
        ASSERT_EQ(::kill(pid_t(m_program.processId()), SIGTERM), 0);
        const bool ended = m_program.waitForFinished(20000);
        EXPECT_TRUE(ended) << "still running 20 s after SIGTERM";
        if (!ended) {
            m_program.kill();
            m_program.waitForFinished();
            return;
        }
        EXPECT_EQ(m_program.exitStatus(), QProcess::NormalExit) << "killed by the signal";
        EXPECT_EQ(m_program.exitCode(), status) << m_program.readAll().toStdString();
    }

    QTemporaryDir m_dir;
    QProcess m_program;
};

TEST_F(TerminationProcess, EndsWhileAStartupBoxIsOpen)
{
    const QString address = path("app") + "/Address.mdb";
    ASSERT_TRUE(QFile::remove(address));
    start();
    // The box about the missing database holds the program: it does not end by itself.
    EXPECT_FALSE(m_program.waitForFinished(3000));
    expectEndsOnTerminate(1); // the status of a failed start
    EXPECT_FALSE(QFile::exists(address));
    EXPECT_FALSE(QFile::exists(path("app") + "/List.txt"));
}

TEST_F(TerminationProcess, EndsCleanlyWhenTerminatedAtAnyMomentOfTheStart)
{
    for (int afterMs : {0, 200, 800}) {
        SCOPED_TRACE(afterMs);
        start();
        waitUntilItCatchesTermination();
        if (afterMs > 0) {
            EXPECT_FALSE(m_program.waitForFinished(afterMs));
        }
        expectEndsOnTerminate(0);
    }
}

// A script's contacts and reminders exchange: no window, no display, the exit status says how it
// went, and a running program keeps its databases to itself.
TEST_F(TerminationProcess, AContactsExchangeRunsWithoutAWindowAndNotBesideTheProgram)
{
    const QString file = path("contacts.vcf");
    QFile cards(file);
    ASSERT_TRUE(cards.open(QIODevice::WriteOnly));
    cards.write("BEGIN:VCARD\r\nVERSION:3.0\r\nN:Doe;Jane;;;\r\nEND:VCARD\r\n");
    cards.close();
    const struct
    {
        QStringList arguments;
        int status;
    } runs[] = {
        {{"--import-contacts", file}, 0},
        {{"--export-contacts", path("out.vcf")}, 0},
        {{"--export-reminders", path("out.ics")}, 0},
        {{"--import-reminders", path("out.ics")}, 0},
        {{"--import-reminders", path("out.vcf")}, 1},
        {{"--import-contacts"}, 2},
        {{"--import-contacts", path("missing.vcf")}, 1},
    };
    for (const auto &run : runs) {
        start(run.arguments);
        ASSERT_TRUE(m_program.waitForFinished(20000));
        EXPECT_EQ(m_program.exitCode(), run.status) << run.arguments.join(' ').toStdString();
    }
    QFile out(path("out.vcf"));
    ASSERT_TRUE(out.open(QIODevice::ReadOnly));
    EXPECT_TRUE(out.readAll().contains("N:Doe;Jane;;;"));

    start();
    waitUntilItCatchesTermination();
    // The program takes its lock early in its load; until then an exchange still runs.
    QProcess second;
    second.setProcessEnvironment(m_program.processEnvironment());
    for (QDeadlineTimer deadline(20000); !deadline.hasExpired();) {
        second.start(stagedAppDir() + QStringLiteral("/Orvane"),
                     {"--export-contacts", path("b.vcf")});
        ASSERT_TRUE(second.waitForFinished(20000));
        if (second.exitCode() != 0)
            break;
    }
    EXPECT_EQ(second.exitCode(), 3);
    EXPECT_TRUE(second.readAllStandardError().contains("Orvane is running"));
}

} // namespace
