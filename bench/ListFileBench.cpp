// The music list files at 1,000,000 entries: reading, writing, and filling and showing the
// album list box with what was read; and opening a playlist of 10,000 songs that exist. Besides the
// time, each reports the resident memory the result holds (held_MB) and the highest resident memory
// above the start while it ran (peak_MB).
#include "music/MusicListFile.h"
#include "music/PlaylistFile.h"

#include "BenchMemory.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int Entries = 1'000'000;

// Paths as a large collection has them, about 60 bytes each, a few of them not ASCII.
QStringList paths()
{
    QStringList out;
    out.reserve(Entries);
    for (int i = 0; i < Entries; ++i)
        out << QStringLiteral("/home/me/Music/Artist %1/Album %2/%3 - Caf\u00e9 Song.mp3")
                   .arg(i / 1000)
                   .arg(i / 10)
                   .arg(i);
    return out;
}

struct ListFile
{
    ListFile()
    {
        if (!MusicListFile::write(path(), paths()))
            qFatal("cannot write %s", qPrintable(path()));
    }
    QString path() const { return dir.filePath(QStringLiteral("Album.txt")); }
    QTemporaryDir dir;
};

void BM_ReadList(benchmark::State &state)
{
    ListFile file;
    for (auto _ : state) {
        const Memory memory;
        const std::optional<QStringList> entries = MusicListFile::read(file.path());
        if (!entries || entries->size() != Entries)
            state.SkipWithError("not every entry was read");
        state.PauseTiming();
        memory.report(state);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ReadList)->Unit(benchmark::kMillisecond);

void BM_WriteList(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Album.txt"));
    const QStringList entries = paths();
    for (auto _ : state) {
        const Memory memory;
        if (!MusicListFile::write(path, entries))
            state.SkipWithError("write failed");
        state.PauseTiming();
        memory.report(state);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_WriteList)->Unit(benchmark::kMillisecond);

// What loading the album costs in the program: the entries become items of a list box set up
// as the album's, which is then shown.
void BM_FillAlbum(benchmark::State &state)
{
    const QStringList entries = paths();
    for (auto _ : state) {
        const Memory memory;
        QListWidget album;
        album.setUniformItemSizes(true);
        album.addItems(entries);
        album.resize(280, 100);
        album.show();
        QApplication::processEvents();
        if (album.count() != Entries)
            state.SkipWithError("not every entry was listed");
        state.PauseTiming();
        memory.report(state);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FillAlbum)->Unit(benchmark::kMillisecond);

// "Open Playlist..." with an M3U of 10,000 songs, relative and absolute, each looked up on disk.
void BM_OpenPlaylist(benchmark::State &state)
{
    constexpr int kSongs = 10'000;
    QTemporaryDir dir;
    QStringList songs, titles;
    for (int i = 0; i < kSongs; ++i) {
        const QString folder = dir.filePath(QStringLiteral("Artist %1").arg(i / 100));
        QDir().mkpath(folder);
        songs << folder + QStringLiteral("/%1 - Caf\u00e9 Song.mp3").arg(i);
        titles << QStringLiteral("Song %1").arg(i);
        QFile(songs.last()).open(QIODevice::WriteOnly);
    }
    const QString list = dir.filePath(QStringLiteral("all.m3u"));
    if (!PlaylistFile::write(list, songs, titles))
        qFatal("cannot write %s", qPrintable(list));
    for (auto _ : state) {
        const Memory memory;
        QString error;
        const auto contents = PlaylistFile::read(list, &error);
        if (!contents || contents->found.size() != kSongs)
            state.SkipWithError("not every song was found");
        state.PauseTiming();
        memory.report(state);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenPlaylist)->Unit(benchmark::kMillisecond);

} // namespace
