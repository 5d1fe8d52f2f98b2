// Time from process start to the end of the dashboard's load sequence, without the splash's
// three-second floor. Run without arguments it starts itself ten times (each a fresh process,
// so library loading counts) and prints the spread.
#include "platform/AppFolder.h"
#include "platform/Clock.h"
#include "platform/IniSettingsStore.h"
#include "platform/LinuxConnectivity.h"
#include "platform/LockFileInstance.h"
#include "platform/QtMediaPlayer.h"
#include "platform/QtPrompter.h"
#include "platform/QtShell.h"
#include "platform/QtSoundPlayer.h"
#include "platform/QtTray.h"
#include "platform/XdgAutostart.h"
#include "shell/Dashboard.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <unistd.h>

namespace {

// Milliseconds since this process started, from the kernel's record of its start.
double msSinceProcessStart()
{
    QFile stat(QStringLiteral("/proc/self/stat"));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray line = stat.readAll();
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    const double startTicks = fields.value(19).toDouble(); // field 22 of the whole line
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    const double nowMs = now.tv_sec * 1000.0 + now.tv_nsec / 1e6;
    return nowMs - startTicks * 1000.0 / sysconf(_SC_CLK_TCK);
}

void copyTree(const QString &from, const QString &to)
{
    QDir().mkpath(to);
    for (const QFileInfo &info : QDir(from).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
        if (info.isDir())
            copyTree(info.filePath(), to + u'/' + info.fileName());
        else if (!info.isExecutable())
            QFile::copy(info.filePath(), to + u'/' + info.fileName());
    }
}

int once(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir dir;
    qputenv("XDG_CONFIG_HOME", (dir.path() + QStringLiteral("/config")).toUtf8());
    QApplication app(argc, argv);
    const double appMs = msSinceProcessStart();
    copyTree(QStringLiteral(ORVANE_STAGED_APP_DIR), dir.path() + QStringLiteral("/app"));
    RealClock clock;
    IniSettingsStore settings(dir.path() + QStringLiteral("/settings/settings.ini"));
    settings.saveSetting(QStringLiteral("System"), QStringLiteral("AutoHide"),
                         QStringLiteral("True"));
    AppFolder folder(dir.path() + QStringLiteral("/app"));
    QtSoundPlayer sound;
    QtPrompter prompter;
    QtShell shell;
    LinuxConnectivity connectivity;
    QtTray tray;
    XdgAutostart autostart(dir.path() + QStringLiteral("/autostart"), QString());
    LockFileInstance lock(dir.path() + QStringLiteral("/orvane.lock"));
    QtMediaPlayer music, voice;
    Services services{clock,        settings, folder,    sound, prompter, shell,
                      connectivity, tray,     autostart, lock,  music,    voice};
    const double copiedMs = msSinceProcessStart();
    Dashboard dashboard(services);
    const bool ok = dashboard.load() == Dashboard::LoadResult::Loaded;
    const double loadedMs = msSinceProcessStart();
    std::printf("%.1f %.1f %.1f\n", appMs, loadedMs - (copiedMs - appMs), loadedMs - copiedMs);
    return ok ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc > 1 && QByteArray(argv[1]) == "--once")
        return once(argc, argv);
    QList<double> toApp, toLoaded, dashboardOnly;
    for (int i = 0; i < 10; ++i) {
        QProcess child;
        child.start(QString::fromLocal8Bit(argv[0]), {QStringLiteral("--once")});
        if (!child.waitForFinished(30000) || child.exitCode() != 0) {
            std::fprintf(stderr, "run %d failed: %s\n", i, child.readAllStandardError().constData());
            return 1;
        }
        const QList<QByteArray> f = child.readAllStandardOutput().trimmed().split(' ');
        toApp << f.value(0).toDouble();
        toLoaded << f.value(1).toDouble();
        dashboardOnly << f.value(2).toDouble();
    }
    auto report = [](const char *what, QList<double> v) {
        std::sort(v.begin(), v.end());
        std::printf("%-44s median %7.1f ms  min %7.1f  max %7.1f\n", what, v[v.size() / 2],
                    v.front(), v.back());
    };
    report("process start -> application object", toApp);
    report("process start -> load sequence done", toLoaded);
    report("dashboard construction + load sequence", dashboardOnly);
    return 0;
}
