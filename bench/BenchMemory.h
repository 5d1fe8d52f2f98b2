#pragma once

// What a benchmark run holds in memory: the resident memory its result holds (held_MB) and the
// highest resident memory above the start while it ran (peak_MB), from /proc/self.
#include <QByteArray>
#include <QFile>

#include <benchmark/benchmark.h>

#include <malloc.h>

namespace {

// Resident and peak resident memory of this process in MB, from /proc/self/status.
double statusMb(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(qstrlen(field)).trimmed().split(' ').value(0).toDouble() / 1024;
    }
    return 0;
}

// Starts a new peak at the current resident size.
void resetPeak()
{
    QFile refs(QStringLiteral("/proc/self/clear_refs"));
    if (refs.open(QIODevice::WriteOnly))
        refs.write("5");
}

struct Memory
{
    Memory()
    {
        malloc_trim(0); // what the last iteration freed is not counted as held
        resetPeak();
        base = statusMb("VmRSS:");
    }
    void report(benchmark::State &state) const
    {
        state.counters["held_MB"] = statusMb("VmRSS:") - base;
        state.counters["peak_MB"] = statusMb("VmHWM:") - base;
    }
    double base = 0;
};

} // namespace
