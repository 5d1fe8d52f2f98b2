#include "music/PlaylistFile.h"

#include "support/PeerScript.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct Songs
{
    QTemporaryDir dir;
    QString a = dir.filePath("a song.mp3"), b = dir.filePath("sub/b.wav");
    Songs()
    {
        QDir(dir.path()).mkpath("sub");
        for (const QString &path : {a, b}) {
            QFile file(path);
            file.open(QIODevice::WriteOnly);
        }
    }
};

} // namespace

TEST(PlaylistFile, ReadsWhatOtherPlayersWriteAndReportsWhatIsNotHere)
{
    Songs songs;
    const QString url = "file://" + QString(songs.a).replace(" ", "%20");
    const struct
    {
        PlaylistFile::Format format;
        QByteArray content;
        QStringList found, missing;
    } cases[] = {
        {PlaylistFile::Format::M3u,
         "\xEF\xBB\xBF#EXTM3U\r\n#EXTINF:12,A Song\r\na song.mp3\r\n\r\nsub\\b.wav\r\n"
             + url.toUtf8() + "\r\nhttp://radio.example/stream\r\ngone.mp3\r\n",
         {songs.a, songs.b, songs.a},
         {"http://radio.example/stream", "gone.mp3"}},
        {PlaylistFile::Format::Pls,
         "[playlist]\nFile2=a song.mp3\nTitle2=A\nFile1=" + songs.b.toUtf8()
             + "\nfile3=gone.wav\nNumberOfEntries=3\nVersion=2\n",
         {songs.b, songs.a},
         {"gone.wav"}},
    };
    for (const auto &c : cases) {
        const PlaylistFile::Contents read
            = PlaylistFile::parse(c.content, c.format, songs.dir.path());
        EXPECT_EQ(read.found, c.found);
        EXPECT_EQ(read.missing, c.missing);
    }
    QString error;
    QFile notAList(songs.dir.filePath("x.pls"));
    notAList.open(QIODevice::WriteOnly);
    notAList.write("just text\n");
    notAList.close();
    EXPECT_FALSE(PlaylistFile::read(notAList.fileName(), &error));
    EXPECT_TRUE(error.contains("not a PLS playlist"));
}

TEST(PlaylistFile, ListsGoBothWaysWithAnotherProgramsPlaylistLibrary)
{
    if (!QFile::exists("/usr/bin/python3"))
        GTEST_SKIP()
            << "python3-gi and gir1.2-totemplparser-1.0 are not installed (scripts/deps.sh)";
    Songs songs;
    QTemporaryDir elsewhere;
    const QString outside = elsewhere.filePath("c.mp3");
    QFile(outside).open(QIODevice::WriteOnly);
    for (const char *name : {"ours.m3u", "ours.pls"}) {
        const QString list = songs.dir.filePath(name);
        ASSERT_TRUE(PlaylistFile::write(list, {songs.a, songs.b, outside}, {"A", "", "C"}));
        QFile written(list);
        written.open(QIODevice::ReadOnly);
        const QByteArray text = written.readAll();
        // Under the list's folder relative, elsewhere absolute.
        EXPECT_TRUE(text.contains("sub/b.wav\n") && text.contains(outside.toUtf8())) << name;
        EXPECT_EQ(QString::fromUtf8(runPeer("music/playlist-peer.py", {"read", list}))
                      .split('\n', Qt::SkipEmptyParts),
                  QStringList({songs.a, songs.b, outside}))
            << name;
    }
    for (const char *kind : {"m3u", "pls"}) {
        const QString list = songs.dir.filePath(QString("theirs.") + kind);
        runPeer("music/playlist-peer.py", {"write", kind, list, songs.a, songs.b, outside});
        QString error;
        const auto read = PlaylistFile::read(list, &error);
        ASSERT_TRUE(read) << error.toStdString();
        EXPECT_EQ(read->found, QStringList({songs.a, songs.b, outside})) << kind;
        EXPECT_TRUE(read->missing.isEmpty());
    }
}
