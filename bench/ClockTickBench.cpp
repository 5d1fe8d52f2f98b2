// The work of one clock second on a loaded dashboard: the time redrawn on the clock face
// and the talking-clock check that follows it, in microseconds. "Ordinary" is a second
// with nothing to say; "Announcing" is a quarter hour, both words included (the pause
// between them is a timer and costs nothing here).
#include "AppCopy.h"
#include "clock/ClockPanel.h"
#include "clock/TalkingClock.h"
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
#include "platform/QtTray.h"
#include "platform/SleepWatch.h"
#include "platform/SoundPlayer.h"
#include "platform/XdgAutostart.h"
#include "shell/Dashboard.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QNetworkAccessManager>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <memory>

namespace {

class BenchClock final : public Clock
{
public:
    QDateTime current = QDateTime(QDate(2026, 12, 9), QTime(9, 31, 0));
    QDateTime now() const override { return current; }
    qint64 monotonicMs() const override { return current.toMSecsSinceEpoch(); }
};

// Counts the plays instead of making them: the sound device is not what is measured.
class CountingSound final : public SoundPlayer
{
public:
    int plays = 0;
    bool hasWaveOutput() const override { return true; }
    void playWave(const QString &, quint32) override { ++plays; }
    void stopWave() override { }
    void beep() override { ++plays; }
};

struct World
{
    QTemporaryDir dir;
    BenchClock clock;
    std::unique_ptr<IniSettingsStore> settings;
    std::unique_ptr<AppFolder> folder;
    CountingSound sound;
    QtPrompter prompter;
    LinuxSystemClock systemClock;
    QNetworkAccessManager network;
    KeychainSecretStore secrets;
    SleepWatch sleep;
    QtShell shell;
    LinuxConnectivity connectivity;
    QtTray tray;
    FreedesktopNotifier notifier{tray, QStringLiteral("Orvane"), QStringLiteral("bench")};
    std::unique_ptr<XdgAutostart> autostart;
    std::unique_ptr<LockFileInstance> lock;
    QtMediaPlayer music, voice;
    std::unique_ptr<Services> services;
    std::unique_ptr<Dashboard> dashboard;

    World()
    {
        copyTree(QStringLiteral(ORVANE_STAGED_APP_DIR), dir.path() + QStringLiteral("/app"));
        settings
            = std::make_unique<IniSettingsStore>(dir.path() + QStringLiteral("/s/settings.ini"));
        settings->saveSetting(QStringLiteral("System"), QStringLiteral("AutoHide"),
                              QStringLiteral("True"));
        folder = std::make_unique<AppFolder>(dir.path() + QStringLiteral("/app"));
        autostart = std::make_unique<XdgAutostart>(dir.path() + QStringLiteral("/autostart"),
                                                   QString(), dir.path() + QStringLiteral("/data"));
        lock = std::make_unique<LockFileInstance>(dir.path() + QStringLiteral("/orvane.lock"));
        services = std::make_unique<Services>(Services{
            clock, *settings, *folder, sound, prompter, shell, connectivity, tray, *autostart,
            *lock, music, voice, *folder, notifier, systemClock, network, secrets, sleep});
        dashboard = std::make_unique<Dashboard>(*services);
        if (dashboard->load() != Dashboard::LoadResult::Loaded)
            qFatal("the dashboard did not load");
    }
};

World &world()
{
    static World w;
    return w;
}

void BM_ClockTickOrdinary(benchmark::State &state)
{
    World &w = world();
    const QDateTime start(QDate(2026, 12, 9), QTime(9, 31, 0));
    int second = 0;
    for (auto _ : state) {
        // 9:31:00 to 9:40:59 over and over: the face changes, nothing is said.
        w.clock.current = start.addSecs(second);
        second = (second + 1) % 600;
        w.dashboard->clockPanel().onTimerClock2();
    }
    if (w.sound.plays != 0)
        state.SkipWithError("an ordinary second spoke");
}
BENCHMARK(BM_ClockTickOrdinary)->Unit(benchmark::kMicrosecond);

void BM_ClockTickAnnouncing(benchmark::State &state)
{
    World &w = world();
    TalkingClock &talking = w.dashboard->talkingClock();
    const int before = w.sound.plays;
    static int day = 0; // across runs too: a day already spoken would stay quiet
    for (auto _ : state) {
        // 7:15 on a new day each time, so every second is a quarter not yet spoken.
        w.clock.current = QDateTime(QDate(2027, 1, 1).addDays(++day), QTime(7, 15, 0));
        w.dashboard->clockPanel().onTimerClock2();
        talking.onTimerTalkGap();
    }
    if (w.sound.plays - before != 2 * int(state.iterations()))
        state.SkipWithError("not every quarter spoke both words");
}
BENCHMARK(BM_ClockTickAnnouncing)->Unit(benchmark::kMicrosecond);

} // namespace
