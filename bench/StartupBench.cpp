// Time from process start to the end of the dashboard's load sequence, without the splash's
// three-second floor. Run without arguments it starts itself ten times (each a fresh process,
// so library loading counts) and prints the spread. "--rows N" first puts N events, N bills
// and N contacts into the databases (target: the load sequence within 300 ms at 10,000).
#include "AppCopy.h"
#include "BulkRows.h"
#include "platform/AppFolder.h"
#include "platform/Clock.h"
#include "platform/FreedesktopNotifier.h"
#include "platform/IniSettingsStore.h"
#include "platform/KeychainSecretStore.h"
#include "platform/LinuxConnectivity.h"
#include "platform/LinuxSystemClock.h"
#include "platform/LockFileInstance.h"
#include "platform/QtMediaPlayer.h"
#include "platform/QtPrompter.h"
#include "platform/QtShell.h"
#include "platform/QtSoundPlayer.h"
#include "platform/QtTray.h"
#include "platform/SleepWatch.h"
#include "platform/XdgAutostart.h"
#include "shell/Dashboard.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QNetworkAccessManager>
#include <QProcess>
#include <QTemporaryDir>

#include <functional>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <random>
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

// Reminders spread over ten years around today, so a few fall on today as they would.
void fillDatabases(const QString &app, int rows)
{
    std::mt19937 random(42);
    auto someDay = [&random] {
        const int offset = std::uniform_int_distribution<int>(-1826, 1826)(random);
        return QDate::currentDate().addDays(offset).toString(QStringLiteral("MM/dd/yyyy"));
    };
    auto name = [](const char *prefix, int i) {
        return QString::fromLatin1(prefix) + QString::number(i);
    };
    bulkInsert(app + QStringLiteral("/Events.mdb"),
               "INSERT INTO Events (Title, Type, Msg, Date, NotifyDate) VALUES (?1,?2,?3,?4,?5)",
               rows, [&](int i) {
                   return QStringList{name("Event ", i), QStringLiteral("Birthday"),
                                      QStringLiteral("A message"), someDay(), someDay()};
               });
    bulkInsert(app + QStringLiteral("/Bills.mdb"),
               "INSERT INTO Bills (Payee, Amount, DueDate, NDate, EM) VALUES (?1,?2,?3,?4,?5)",
               rows, [&](int i) {
                   return QStringList{name("Payee ", i), QStringLiteral("12.50"), someDay(),
                                      someDay(), QStringLiteral("0")};
               });
    bulkInsert(app + QStringLiteral("/Address.mdb"),
               "INSERT INTO AddressBook (Firstname, Lastname, City) VALUES (?1,?2,?3)", rows,
               [&](int i) {
                   return QStringList{name("First", i), name("Last", i), QStringLiteral("Town")};
               });
}

int once(int argc, char **argv, int rows)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir dir;
    qputenv("XDG_CONFIG_HOME", (dir.path() + QStringLiteral("/config")).toUtf8());
    QApplication app(argc, argv);
    const double appMs = msSinceProcessStart();
    copyTree(QStringLiteral(ORVANE_STAGED_APP_DIR), dir.path() + QStringLiteral("/app"));
    if (rows > 0)
        fillDatabases(dir.path() + QStringLiteral("/app"), rows);
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
    FreedesktopNotifier notifier(tray, QStringLiteral("Orvane"), QStringLiteral("bench"));
    XdgAutostart autostart(dir.path() + QStringLiteral("/autostart"), QString(),
                           dir.path() + QStringLiteral("/data"));
    LockFileInstance lock(dir.path() + QStringLiteral("/orvane.lock"));
    QtMediaPlayer music, voice;
    LinuxSystemClock systemClock;
    QNetworkAccessManager network;
    KeychainSecretStore secrets;
    SleepWatch sleep;
    Services services{clock,        settings, folder,      sound,   prompter, shell,
                      connectivity, tray,     autostart,   lock,    music,    voice,
                      folder,       notifier, systemClock, network, secrets,  sleep};
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
    int rows = 0;
    for (int i = 1; i + 1 < argc; ++i)
        if (QByteArray(argv[i]) == "--rows")
            rows = QByteArray(argv[i + 1]).toInt();
    if (argc > 1 && QByteArray(argv[1]) == "--once")
        return once(argc, argv, rows);
    QList<double> toApp, toLoaded, dashboardOnly;
    for (int i = 0; i < 10; ++i) {
        QProcess child;
        child.start(QString::fromLocal8Bit(argv[0]),
                    {QStringLiteral("--once"), QStringLiteral("--rows"), QString::number(rows)});
        if (!child.waitForFinished(30000) || child.exitCode() != 0) {
            std::fprintf(stderr, "run %d failed: %s\n", i,
                         child.readAllStandardError().constData());
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
