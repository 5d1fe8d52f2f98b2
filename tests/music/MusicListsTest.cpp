// The album and the playlist across a start and a close of the dashboard.
#include "music/MusicPanel.h"
#include "support/DashboardFixture.h"

#include <QLabel>
#include <QListWidget>

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

} // namespace
