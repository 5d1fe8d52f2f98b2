// One alarm-check tick: the eight slot times read from the settings store and compared with
// the current time, over a settings file of the size the program keeps.
#include "clock/AlarmSettings.h"
#include "clock/AlarmWatch.h"
#include "platform/IniSettingsStore.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void BM_AlarmCheckTick(benchmark::State &state)
{
    QTemporaryDir dir;
    IniSettingsStore store(dir.filePath(QStringLiteral("settings.ini")));
    for (int s = 0; s < 5; ++s)
        for (int k = 0; k < 30; ++k)
            store.saveSetting(QStringLiteral("Section%1").arg(s), QStringLiteral("Key%1").arg(k),
                              QStringLiteral("some value %1").arg(k));
    QStringList states;
    for (int slot = 1; slot <= AlarmSettings::kSlots; ++slot) {
        store.saveSetting(QStringLiteral("Clock"), AlarmSettings::timeKey(slot),
                          AlarmSettings::timeText(QTime(slot + 5, 30)));
        states << (slot % 2 ? QStringLiteral("on") : QStringLiteral("off"));
    }
    AlarmWatch watch(store);
    QDateTime now(QDate(2026, 12, 9), QTime(9, 0));
    watch.startWatching(states, now);
    for (auto _ : state) {
        now = now.addMSecs(950);
        benchmark::DoNotOptimize(watch.check(states, now));
    }
}
BENCHMARK(BM_AlarmCheckTick)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
