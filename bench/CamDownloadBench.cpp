// A cam picture downloaded over loopback into a file: throughput, and the resident size the
// download adds at its peak, which must not grow with the picture's size.
#include "CamServer.h"
#include "webcam/CamDownload.h"

#include <QCoreApplication>
#include <QFile>
#include <QNetworkAccessManager>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// From /proc/self/status, in kB; "VmHWM" is the peak since the last reset.
long statusKb(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(int(qstrlen(field)) + 1).trimmed().split(' ').first().toLong();
    return -1;
}

void resetPeak()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

void DownloadOverLoopback(benchmark::State &state)
{
    const qint64 size = state.range(0) * 1024 * 1024;
    QTemporaryDir dir;
    CamServer server;
    server.start();
    CamServer::Cam cam;
    cam.size = size; // bytes made as they are sent, so the server holds no copy
    server.setCam(QStringLiteral("/big.jpg"), cam);
    QNetworkAccessManager network;
    CamDownload download(network);
    const QString target = dir.filePath(QStringLiteral("temp.dat"));
    long growth = 0;
    for (auto _ : state) {
        QFile::remove(target);
        resetPeak();
        const long before = statusKb("VmRSS:");
        QSignalSpy finished(&download, &CamDownload::finished);
        download.start(server.address(QStringLiteral("/big.jpg")), target, {});
        if (!finished.wait(120000) || !download.completed()) {
            state.SkipWithError("download did not complete");
            break;
        }
        growth = std::max(growth, statusKb("VmHWM:") - before);
    }
    state.SetBytesProcessed(state.iterations() * size);
    state.counters["peak_growth_MB"] = double(growth) / 1024.0;
}
BENCHMARK(DownloadOverLoopback)->Arg(5)->Arg(50)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
