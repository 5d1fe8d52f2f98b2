// The music player on the dashboard: lists, transport and progress, over a fake player.
#include "music/MusicPlayer.h"
#include "music/AddMusicWindow.h"
#include "music/MusicPanel.h"
#include "support/DashboardFixture.h"
#include "widgets/ImageButton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QStorageInfo>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

using Transport::Button;

class Music : public DashboardFixture
{
protected:
    Music()
    {
        setSetting("System", "AutoHide", "True");
        QDir().mkpath(appPath("songs"));
        for (const char *name : {"one.mp3", "two.mp3", "three.mp3"})
            writeFile(appPath(QStringLiteral("songs/") + name), "x");
    }
    MusicPanel &panel() { return dashboard().music(); }
    MusicPlayer &player() { return panel().player(); }
    QString song(const char *name) { return appPath(QStringLiteral("songs/") + name); }
    void playlist(const QStringList &entries)
    {
        loaded();
        panel().playList()->addItems(entries);
        panel().updateCounts();
    }
    QString text(const char *label) { return find<QLabel>(label)->text(); }
    QString lastMessage()
    {
        return prompter.shown.isEmpty() ? QString() : prompter.shown.last().text;
    }
    bool enabled(Button b) { return player().button(b)->isEnabled(); }
    ImageButton::Look look(Button b) { return player().button(b)->look(); }
};

TEST(TransportText, MinutesAndSeconds)
{
    EXPECT_EQ(Transport::timeText(125.7), "02:05");
    EXPECT_EQ(Transport::timeText(6000), "100:00");
    EXPECT_EQ(Transport::timeText(0), "00:00");
    EXPECT_EQ(Transport::timeText(-3), "00:00");
}

TEST_F(Music, ButtonsFollowThePlayerState)
{
    playlist({song("one.mp3")});
    EXPECT_TRUE(enabled(Transport::Play));
    EXPECT_FALSE(enabled(Transport::Pause));
    EXPECT_FALSE(enabled(Transport::Next));
    EXPECT_TRUE(find<QCheckBox>("repeat")->isChecked());

    player().onImgReleased(Transport::Play, 10, 10);
    EXPECT_FALSE(enabled(Transport::Play));
    EXPECT_EQ(look(Transport::Play), ImageButton::Look::Lit);
    EXPECT_FALSE(enabled(Transport::Delete));
    EXPECT_EQ(look(Transport::Delete), ImageButton::Look::Pressed);
    EXPECT_TRUE(player().musicPlaying());

    player().onImgReleased(Transport::Pause, 10, 10);
    EXPECT_EQ(look(Transport::Pause), ImageButton::Look::Lit);
    EXPECT_TRUE(enabled(Transport::Play));

    player().onImgReleased(Transport::Stop, 10, 10);
    EXPECT_EQ(look(Transport::Stop), ImageButton::Look::Lit);
    EXPECT_FALSE(enabled(Transport::Stop));
    EXPECT_TRUE(enabled(Transport::Delete));
    EXPECT_FALSE(player().musicPlaying());

    player().onImgReleased(Transport::Play, 435, 10); // on the edge: nothing
    EXPECT_TRUE(enabled(Transport::Play));
}

TEST_F(Music, PauseThenPlayResumesWithoutReopening)
{
    playlist({song("one.mp3"), song("two.mp3")});
    fakes.music.title = "Song One";
    fakes.music.author = "Someone";
    player().playAction();
    player().onTimer1();
    EXPECT_EQ(text("Label7"), "Song One");
    player().pauseAction();
    fakes.music.title = "Changed";
    player().playAction();
    player().onTimer1();
    EXPECT_EQ(fakes.music.calls, QStringList({"open:" + song("one.mp3"), "pause", "play"}));
    EXPECT_EQ(text("Label7"), "Song One"); // no new fetch
    EXPECT_TRUE(timer("Timer1")->isActive());
}

TEST_F(Music, ProgressShowsTimesAndMovesOnWhenTheClipEnds)
{
    playlist({song("one.mp3"), song("two.mp3")});
    player().playAction();
    fakes.music.length = 6000;
    fakes.music.position = 125.7;
    fakes.music.packets = 42;
    player().onTimer1(); // no title information on this back end
    EXPECT_EQ(text("Label7"), "Not Available");
    EXPECT_EQ(text("totalFull"), "100:00");
    EXPECT_EQ(text("totalRemain"), "02:05");
    EXPECT_EQ(text("sPackets"), "Packets Received : 42");
    EXPECT_EQ(text("lblSongNo"), "1");

    fakes.music.state = MediaPlayer::Stopped; // the clip ended
    player().onTimer1();
    EXPECT_EQ(fakes.music.opened, song("two.mp3"));
    EXPECT_EQ(text("lblSongNo"), "2");
    EXPECT_EQ(look(Transport::Play), ImageButton::Look::Lit);

    // Deleting the last song never leaves "Song 2 of 1".
    panel().onImgDeleteReleased(10, 10);
    EXPECT_EQ(text("lblPlayListCount"), "1");
    EXPECT_EQ(text("lblSongNo"), "1");
}

TEST_F(Music, NextAndPreviousAtTheEnds)
{
    playlist({song("one.mp3"), song("two.mp3")});
    panel().playList()->setCurrentRow(1);
    player().nextAction(); // repeat ticked: back to the first
    EXPECT_EQ(fakes.music.opened, song("one.mp3"));

    find<QCheckBox>("repeat")->setChecked(false);
    player().previousAction();
    EXPECT_EQ(lastMessage(), "Beginning of Playlist encountered!");
    EXPECT_EQ(prompter.shown.last().title, "Tunelo Info");
    EXPECT_FALSE(player().musicPlaying());
    panel().playList()->setCurrentRow(1);
    player().nextAction();
    EXPECT_EQ(lastMessage(), "End of Playlist encountered!");
    EXPECT_FALSE(timer("Timer1")->isActive());
}

TEST_F(Music, MissingFileAndEmptyPlaylist)
{
    playlist({});
    player().playAction();
    EXPECT_EQ(lastMessage(), "Playlist is empty. Choose songs from Album!");
    EXPECT_EQ(prompter.shown.last().title, "ORVANE Info");

    panel().playList()->addItem(appPath("songs/gone.mp3"));
    player().playAction();
    EXPECT_EQ(lastMessage(), "File not found!");
    EXPECT_EQ(prompter.shown.last().title, "ORVANE Critical");
    EXPECT_FALSE(player().musicPlaying());
    EXPECT_EQ(panel().playList()->count(), 1); // the entry stays
}

TEST_F(Music, AlbumToPlaylistTakesEachExactPathOnce)
{
    loaded();
    panel().album()->addItems({"/m/Song.mp3", "/m/song.mp3"});
    panel().album()->setCurrentRow(0);
    panel().onAlbumDblClick();
    panel().onAlbumDblClick();
    EXPECT_EQ(lastMessage(), "/m/Song.mp3 already in the playlist!");
    panel().album()->setCurrentRow(1); // another letter case is another file
    panel().onAlbumDblClick();
    EXPECT_EQ(panel().playList()->count(), 2);
    EXPECT_EQ(text("lblPlayListCount"), "2");
}

TEST_F(Music, DeletingKeepsTheRightSelection)
{
    loaded();
    QListWidget *album = panel().album();
    album->addItems({"/a", "/b", "/c"});
    panel().onCmdDeleteSongReleased(10, 10);
    EXPECT_EQ(lastMessage(), "Choose a song to delete!");
    album->setCurrentRow(2);
    panel().onCmdDeleteSongReleased(10, 10);
    EXPECT_EQ(album->currentRow(), 1); // the new last entry
    album->setCurrentRow(0);
    panel().onCmdDeleteSongReleased(10, 10);
    EXPECT_EQ(album->currentItem()->text(), "/b");
    panel().onCmdDeleteSongReleased(10, 10);
    EXPECT_EQ(album->currentRow(), -1);
    panel().onCmdDeleteSongReleased(10, 10);
    EXPECT_EQ(lastMessage(), "Album is empty!");
    EXPECT_EQ(text("lblAlbumCount"), "Songs in Album: 0");

    QListWidget *list = panel().playList();
    list->addItems({"/x", "/y"});
    list->setCurrentRow(1);
    panel().onImgDeleteReleased(10, 10);
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_TRUE(player().button(Transport::Next)->isEnabled());
}

// A current row without a highlight (right after start-up, or after a click on blank space in
// the list) is nobody's choice: both deletes refuse and remove nothing.
TEST_F(Music, DeletesTakeOnlyAHighlightedSong)
{
    writeFile(appPath("Album.txt"), "\"/a\"\r\n\"/b\"\r\n\"/c\"\r\n");
    writeFile(appPath("List.txt"), "\"/x\"\r\n\"/y\"\r\n");
    loaded().show();
    struct Case
    {
        QListWidget *list;
        std::function<void()> press;
    };
    for (const Case &c : {Case{panel().album(),
                               [&] {
                                   panel().onCmdDeleteSongReleased(10, 10);
                               }},
                          Case{panel().playList(), [&] {
                                   panel().onImgDeleteReleased(10, 10);
                               }}}) {
        const int count = c.list->count();
        prompter.shown.clear();
        c.press();
        EXPECT_EQ(lastMessage(), "Choose a song to delete!");
        c.list->setCurrentRow(1);
        QWidget *blank = c.list->viewport();
        QTest::mouseClick(blank, Qt::LeftButton, {}, QPoint(5, blank->height() - 3));
        ASSERT_EQ(c.list->currentRow(), 1);
        prompter.shown.clear();
        c.press();
        EXPECT_EQ(lastMessage(), "Choose a song to delete!");
        EXPECT_EQ(c.list->count(), count);
    }
}

TEST_F(Music, DeleteAllAsksAndNoKeepsTheCount)
{
    playlist({"/x", "/y"});
    prompter.setNextAnswer(Prompter::Answer::No);
    panel().onImgDeleteAllReleased(10, 10);
    EXPECT_EQ(prompter.shown.last().buttons, Prompter::Buttons::YesNo);
    EXPECT_EQ(text("lblPlayListCount"), "2");
    EXPECT_FALSE(player().button(Transport::Next)->isEnabled());
    prompter.setNextAnswer(Prompter::Answer::Yes);
    panel().onImgDeleteAllReleased(10, 10);
    EXPECT_EQ(panel().playList()->count(), 0);
    EXPECT_EQ(text("lblPlayListCount"), "0");
}

TEST_F(Music, AddMusicWindowAddsSelectedFilesInListOrder)
{
    loaded();
    writeFile(appPath("songs/Loud.MP3"), "x");
    writeFile(appPath("songs/notes.txt"), "x");
    panel().onCmdGetMusicReleased(10, 10);
    AddMusicWindow *window = panel().addMusicWindow();
    ASSERT_NE(window, nullptr);
    // It belongs to the dashboard (so it stays above it) and opens on the drive of its folder.
    EXPECT_EQ(window->parentWidget(), &dashboard());
    EXPECT_EQ(window->driveList()->currentText(), QStorageInfo(window->folder()).rootPath());
    window->setFolder(appPath("songs"));
    QStringList shown;
    for (int i = 0; i < window->fileList()->count(); ++i)
        shown << window->fileList()->item(i)->text();
    EXPECT_EQ(shown, QStringList({"Loud.MP3", "one.mp3", "three.mp3", "two.mp3"}));
    window->fileList()->item(3)->setSelected(true);
    window->fileList()->item(0)->setSelected(true);
    window->onCmdAddToAlbumReleased(10, 10);
    EXPECT_EQ(lastMessage(), "2 files added to Album.");
    EXPECT_EQ(prompter.shown.last().title, "Orvane MP3 Player");
    EXPECT_EQ(panel().album()->item(0)->text(), song("Loud.MP3"));
    EXPECT_EQ(panel().album()->item(1)->text(), song("two.mp3"));
    EXPECT_EQ(text("lblAlbumCount"), "Songs in Album: 2");

    // Files: 2600 twips narrower and 1000 lower than the window under its caption strip.
    window->resize(600, 400);
    window->show();
    EXPECT_EQ(window->fileList()->width(), 600 - 173);
    EXPECT_EQ(window->fileList()->height(), 400 - AddMusicWindow::kCaptionHeight - 67);
}

} // namespace
