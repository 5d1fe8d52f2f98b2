// Cutting one fetched forecast page into the report fields, every step from the title to the
// moon, in microseconds (the fetch itself is the network's time, not ours).
#include "WeatherPages.h"
#include "weather/ReportCutter.h"
#include "weather/ReportFields.h"

#include <benchmark/benchmark.h>

namespace {

// Takes the texts as a panel would, without the drawing.
class CountingFields final : public ReportFields
{
public:
    qsizetype characters = 0;
    void setText(WeatherField, const QString &text) override { characters += text.size(); }
    void setPicture(WeatherPicture, int number) override { characters += number; }
    void showCelsius() override { }
    void hideCollecting() override { }
    void setAddress(const QString &) override { }
    void searchCity() override { }
};

void cutPage(benchmark::State &state, ReportKind kind)
{
    const WeatherPages::Report report = WeatherPages::withTomorrow({}, QStringLiteral("Thursday"));
    const QString page
        = kind == ReportKind::Us ? WeatherPages::usPage(report) : WeatherPages::worldPage(report);
    const QDate today(2026, 12, 9);
    CountingFields fields;
    for (auto _ : state) {
        ReportCutter cutter(kind, fields, [today] { return today; });
        if (cutter.run(page) != 0)
            state.SkipWithError("the page did not cut");
    }
    benchmark::DoNotOptimize(fields.characters);
    state.counters["page_chars"] = double(page.size());
}

void BM_CutUsPage(benchmark::State &state)
{
    cutPage(state, ReportKind::Us);
}
void BM_CutWorldPage(benchmark::State &state)
{
    cutPage(state, ReportKind::World);
}

} // namespace

BENCHMARK(BM_CutUsPage)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CutWorldPage)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
