// The settings store on a file of the size the program keeps: 200 keys in 5 sections.
#include "common/IniFile.h"
#include "platform/IniSettingsStore.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <vector>

namespace {

constexpr int Sections = 5;
constexpr int KeysPerSection = 40;

struct SettingsFile
{
    SettingsFile()
    {
        IniFile ini;
        for (int s = 0; s < Sections; ++s) {
            for (int k = 0; k < KeysPerSection; ++k) {
                const QString section = QStringLiteral("Section%1").arg(s);
                const QString key = QStringLiteral("Key%1").arg(k);
                ini.setValue(section, key, QStringLiteral("value of %1 in %2").arg(key, section));
                names.emplace_back(section.toLower(), key.toUpper()); // as callers spell them
            }
        }
        ini.save(path());
        store = std::make_unique<IniSettingsStore>(path());
    }
    QString path() const { return dir.filePath(QStringLiteral("settings.ini")); }

    QTemporaryDir dir;
    std::vector<std::pair<QString, QString>> names;
    std::unique_ptr<IniSettingsStore> store;
};

void getExistingSetting(benchmark::State &state)
{
    SettingsFile file;
    std::mt19937 random(42);
    std::uniform_int_distribution<size_t> pick(0, file.names.size() - 1);
    std::vector<size_t> order(4096);
    for (size_t &i : order)
        i = pick(random);
    size_t next = 0;
    for (auto _ : state) {
        const auto &[section, key] = file.names[order[next++ % order.size()]];
        benchmark::DoNotOptimize(file.store->getSetting(section, key));
    }
}

void getMissingSetting(benchmark::State &state)
{
    SettingsFile file;
    const QString fallback = QStringLiteral("default");
    for (auto _ : state)
        benchmark::DoNotOptimize(file.store->getSetting("Section2", "NoSuchKey", fallback));
}

// The lookup alone, without the stat() that each getSetting() makes first.
void iniFileValue(benchmark::State &state)
{
    SettingsFile file;
    IniFile ini;
    ini.load(file.path());
    size_t next = 0;
    for (auto _ : state) {
        const auto &[section, key] = file.names[(next++ * 37) % file.names.size()];
        benchmark::DoNotOptimize(ini.value(section, key));
    }
}

void saveSetting(benchmark::State &state)
{
    SettingsFile file;
    int count = 0;
    for (auto _ : state)
        file.store->saveSetting("Section3", "Key7", QString::number(count++));
}

} // namespace

BENCHMARK(getExistingSetting);
BENCHMARK(getMissingSetting);
BENCHMARK(iniFileValue);
BENCHMARK(saveSetting);

BENCHMARK_MAIN();
