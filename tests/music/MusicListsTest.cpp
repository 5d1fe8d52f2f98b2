// The album and the playlist across a start and a close of the dashboard.
#include "music/MusicPanel.h"
#include "support/DashboardFixture.h"

#include "music/AlbumFiles.h"

#include <QDir>
#include <QDropEvent>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>

namespace {

class MusicLists : public DashboardFixture
{
};

TEST_F(MusicLists, EveryEntrySurvivesAStartAndACloseByteForByte)
{
    const QByteArray playList = "\"/m/Caf\xc3\xa9.mp3\"\r\n"
                                "\"/m/Bj\xc3\xb6rk - J\xc3\xb3ga.mp3\"\r\n"
                                "\"/m/\xe9t\xe9 \xff.mp3\"\r\n";
    QByteArray album = "\"/m/No\xebl.mp3\"\r\n";
    for (int i = 0; i < 40000; ++i)
        album += "\"/m/" + QByteArray::number(i) + ".mp3\"\r\n";
    writeFile(appPath("List.txt"), playList);
    writeFile(appPath("Album.txt"), album);

    Dashboard &d = loaded();
    EXPECT_EQ(d.music().playList()->item(0)->text(), "/m/Caf\u00e9.mp3");
    EXPECT_EQ(d.music().playList()->item(1)->text(), "/m/Bj\u00f6rk - J\u00f3ga.mp3");
    EXPECT_EQ(find<QLabel>("lblAlbumCount")->text(), "Songs in Album: 40001");

    // An 8-bit entry copied from the album keeps its bytes in the other file too.
    d.music().album()->setCurrentRow(0);
    d.music().onAlbumDblClick();
    EXPECT_EQ(find<QLabel>("lblPlayListCount")->text(), "4");
    d.close();
    EXPECT_EQ(readFile(appPath("List.txt")), playList + "\"/m/No\xebl.mp3\"\r\n");
    EXPECT_EQ(readFile(appPath("Album.txt")), album);
}

TEST_F(MusicLists, AFolderDroppedFromAFileManagerAddsItsMusicAndAPlaylistRoundTrips)
{
    Dashboard &d = loaded();
    const QString folder = appPath("dropped");
    QDir().mkpath(folder + "/inner");
    for (const char *name : {"b.mp3", "inner/a.WAV", "notes.txt"})
        writeFile(folder + '/' + name, "x");
    QMimeData data;
    data.setData("text/uri-list", QUrl::fromLocalFile(folder).toEncoded() + "\r\n");
    QWidget *target = d.music().album()->viewport();
    QDragEnterEvent enter({5, 5}, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop({5, 5}, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &drop);
    EXPECT_EQ(find<QLabel>("lblAlbumCount")->text(), "Songs in Album: 2");
    EXPECT_EQ(d.music().album()->item(1)->text(), folder + "/inner/a.WAV");
    EXPECT_EQ(prompter.shown.last().text, "2 files added to Album.");

    // Saved and opened again: the same songs once more, and one that went is named.
    ASSERT_TRUE(d.music().albumFiles().savePlaylist(appPath("album.pls")));
    QFile::remove(folder + "/b.mp3");
    d.music().albumFiles().openPlaylist(appPath("album.pls"));
    EXPECT_EQ(find<QLabel>("lblAlbumCount")->text(), "Songs in Album: 3");
    EXPECT_TRUE(prompter.shown.last().text.startsWith(
        "1 files added to Album.\n\n1 entry was not found and left out: dropped/b.mp3"))
        << prompter.shown.last().text.toStdString();
}

} // namespace
