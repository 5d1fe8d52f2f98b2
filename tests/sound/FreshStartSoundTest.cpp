// The real program started as a fresh process, its sound output opened for the first time by
// the talking clock: what the private sound server plays is recorded.
#include "sound/PulseServer.h"
#include "support/DashboardFixture.h"
#include "support/StagedPaths.h"

#include <QDir>
#include <QProcess>
#include <QTest>

namespace {

TEST(FreshStartSound, TheFirstAnnouncementIsHeardAsTwoWordsWithAPause)
{
    PulseServer server;
    QString why;
    ASSERT_TRUE(server.start(&why)) << why.toStdString();
    QTemporaryDir dir;
    const QString root = dir.path();
    copyAppFolderData(stagedAppDir(), root + "/app");
    for (const char *sub : {"settings", "home", "runtime"})
        QDir().mkpath(root + u'/' + QLatin1String(sub));
    QFile::setPermissions(root + "/runtime",
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QFile settings(root + "/settings/settings.ini");
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
    settings.write("[System]\nFirstStart=False\nAutoHide=True\n[Clock]\nTalk=1\n");
    settings.close();

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment(); // with PULSE_SERVER
    env.insert("ORVANE_APP_DIR", root + "/app");
    env.insert("ORVANE_SETTINGS_DIR", root + "/settings");
    env.insert("HOME", root + "/home");
    env.insert("XDG_RUNTIME_DIR", root + "/runtime");
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("FAKETIME_DONT_FAKE_MONOTONIC", "1"); // only the clock on the wall is moved
    // faketime loads before everything; a sanitizer build must not take that for a fault.
    env.insert("ASAN_OPTIONS", env.value("ASAN_OPTIONS") + ":verify_asan_link_order=0");
    ASSERT_TRUE(server.startRecording(&why)) << why.toStdString();
    QProcess program;
    program.setProcessEnvironment(env);
    // Three seconds before half past ten: the talking clock says "10", then "30".
    program.start("faketime",
                  {"-f", "@2026-12-09 10:29:57", stagedAppDir() + QStringLiteral("/Orvane")});
    ASSERT_TRUE(program.waitForStarted(10000));
    const qint64 startedAt = server.nowMs();
    QTest::qWait(9000); // a slow start (a sanitizer build) still speaks within the minute
    const Recording heard = server.stopRecording();
    program.terminate();
    if (!program.waitForFinished(10000))
        program.kill();

    EXPECT_EQ(heard.twoWordsApart(startedAt, startedAt + 9000, 900).toStdString(), "");
}

} // namespace
