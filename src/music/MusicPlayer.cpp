#include "music/MusicPlayer.h"

#include "common/NamedTimer.h"
#include "common/Twips.h"
#include "platform/AppFolder.h"
#include "platform/MediaPlayer.h"
#include "platform/Prompter.h"
#include "widgets/ImageButton.h"
#include "widgets/PictureList.h"
#include "widgets/ReleaseRule.h"
#include "widgets/SmallControls.h"

#include "widgets/ValueLabel.h"
#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QTimer>
#include <tuple>

namespace {

using Transport::Button;

struct ButtonPlace
{
    const char *name;
    const char *accessible;
    int left; // twips; all in one row
};

// In the order of Transport::Button.
const ButtonPlace kPlaces[] = {
    {"imgPlay", "Play", 180},
    {"imgPause", "Pause", 660},
    {"imgStop", "Stop", 1140},
    {"imgNext", "Next", 2580},
    {"imgPrevious", "Previous", 2100},
    {"imgRewind", "Rewind", 1620},
    {"imgEnd", "End", 3060},
    {"imgDelete", "Delete Song", 180},
    {"imgDeleteAll", "Delete All Songs", 660},
};

// The music picture list holds lit, normal, pressed for each button in this order.
const Button kPictureOrder[] = {Transport::Delete, Transport::DeleteAll, Transport::End,
                                Transport::Next,   Transport::Previous,  Transport::Pause,
                                Transport::Play,   Transport::Rewind,    Transport::Stop};

QLabel *label(QWidget *surface, const char *name, const QString &text, QRect twipsRect)
{
    return placedLabel(text, surface,
                       QRect(twips(twipsRect.x()), twips(twipsRect.y()), twips(twipsRect.width()),
                             twips(twipsRect.height())),
                       name);
}

} // namespace

MusicPlayer::MusicPlayer(Services &services, QWidget *surface, QListWidget *playList)
    : QObject(surface)
    , m_services(services)
    , m_playList(playList)
    , m_timer1(namedTimer(this, "Timer1", 1000))
    , m_repeat(new QCheckBox(QStringLiteral("Repeat"), surface))
{
    for (int b = 0; b < Transport::ButtonCount; ++b) {
        auto *button = new ImageButton(surface);
        button->setObjectName(QString::fromLatin1(kPlaces[b].name));
        button->setAccessibleName(QString::fromLatin1(kPlaces[b].accessible));
        button->setToolTip(button->accessibleName()); // a picture alone does not say what it does
        const int top = b >= Transport::Delete ? 7140 : 5220;
        button->setGeometry(twips(kPlaces[b].left), twips(top), twips(435), twips(270));
        connect(button, &ImageButton::MouseUp, this,
                [this, b](int, int, int x, int y) { onImgReleased(Button(b), x, y); });
        m_buttons[b] = button;
    }
    m_repeat->setObjectName(QStringLiteral("repeat"));
    m_repeat->setToolTip(QStringLiteral("Repeat the playlist"));
    m_repeat->setGeometry(twips(1260), twips(7110), twips(1080), twips(300));
    m_songNo = label(surface, "lblSongNo", QString(), QRect(690, 4500, 480, 255));
    auto *song = label(surface, "lblSong", QStringLiteral("Song          of"),
                       QRect(180, 4500, 1800, 255));
    song->lower();
    m_songNo->setAlignment(Qt::AlignCenter);
    // Title and author on the left, the two times beside them with captions saying which
    // is which.
    m_title = label(surface, "Label7", QString(), QRect(180, 4740, 2520, 255));
    m_author = label(surface, "Label8", QString(), QRect(180, 4980, 2520, 255));
    for (auto [name, caption, top] :
         {std::tuple{"lblElapsed", "Elapsed", 4740}, std::tuple{"lblLength", "Length", 4980}}) {
        QLabel *shown
            = label(surface, name, QString::fromLatin1(caption), QRect(2700, top, 840, 255));
        shown->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        shown->setEnabled(false); // a caption, in the quieter colour
    }
    m_totalRemain
        = label(surface, "totalRemain", QStringLiteral("00:00"), QRect(3600, 4740, 660, 255));
    m_totalFull = label(surface, "totalFull", QStringLiteral("00:00"), QRect(3600, 4980, 660, 255));
    readAsValue(m_totalRemain, QStringLiteral("Elapsed"));
    readAsValue(m_totalFull, QStringLiteral("Length"));
    m_packets = label(surface, "sPackets", QStringLiteral("Packets Received : 0"),
                      QRect(2400, 7140, 1860, 255));
    connect(m_timer1, &QTimer::timeout, this, &MusicPlayer::onTimer1);
}

void MusicPlayer::keepSongNumberInRange()
{
    // After deletes the shown position may lie past the end of the list.
    if (m_songNo->text().toInt() <= m_playList->count())
        return;
    const int row = m_playList->currentRow();
    m_songNo->setText(row >= 0 ? QString::number(row + 1) : QString());
}

void MusicPlayer::load()
{
    const PictureList pictures = PictureList::load(
        m_services.appFolder.path(QStringLiteral("\\resources\\pictures\\music")));
    for (int i = 0; i < int(std::size(kPictureOrder)); ++i) {
        const int lit = 3 * i + 1;
        m_buttons[kPictureOrder[i]]->setPictures(pictures.at(lit + 1), pictures.at(lit + 2),
                                                 pictures.at(lit));
        m_buttons[kPictureOrder[i]]->resize(twips(435), twips(270));
    }
    applyState(Transport::State::Load);
    m_repeat->setChecked(true);
}

void MusicPlayer::unload()
{
    if (m_services.music.playState() != MediaPlayer::Closed)
        m_services.music.stop();
    m_timer1->stop();
}

void MusicPlayer::playFile(const QString &path)
{
    m_alarmSong = path;
    m_services.music.open(path);
    m_timer1->start();
    Q_EMIT changed();
}

void MusicPlayer::stopFile()
{
    m_alarmSong.clear();
    m_services.music.stop();
    m_timer1->stop();
    Q_EMIT changed();
}

MusicPlayer::Status MusicPlayer::status() const
{
    if (m_paused)
        return Status::Paused;
    return m_musicPlaying || !m_alarmSong.isEmpty() ? Status::Playing : Status::Stopped;
}

QString MusicPlayer::currentPath() const
{
    if (!m_alarmSong.isEmpty())
        return m_alarmSong;
    const QListWidgetItem *item = m_playList->currentItem();
    return item ? item->text() : QString();
}

int MusicPlayer::currentRow() const
{
    return m_alarmSong.isEmpty() ? m_playList->currentRow() : -1;
}

bool MusicPlayer::hasSongs() const
{
    return m_playList->count() > 0;
}

double MusicPlayer::position() const
{
    return status() == Status::Stopped ? 0.0 : m_services.music.currentPosition();
}

double MusicPlayer::length() const
{
    return m_services.music.duration();
}

void MusicPlayer::seekTo(double seconds)
{
    if (status() != Status::Stopped)
        m_services.music.setPosition(seconds);
}

void MusicPlayer::applyState(Transport::State state)
{
    const auto table = Transport::states(state);
    for (int b = 0; b < Transport::ButtonCount; ++b) {
        if (table[b].enabled)
            m_buttons[b]->setEnabled(*table[b].enabled);
        m_buttons[b]->setLook(ImageButton::Look(int(table[b].look)));
    }
    Q_EMIT changed();
}

void MusicPlayer::onImgReleased(Transport::Button button, int x, int y)
{
    if (!releasedInside({x, y}, {435, 270}))
        return;
    switch (button) {
    case Transport::Play:
        playAction();
        break;
    case Transport::Pause:
        pauseAction();
        break;
    case Transport::Stop:
        stopAction();
        break;
    case Transport::Next:
        nextAction();
        break;
    case Transport::Previous:
        previousAction();
        break;
    case Transport::Rewind:
        rewindAction();
        break;
    case Transport::End:
        endAction();
        break;
    case Transport::Delete:
    case Transport::DeleteAll:
    case Transport::ButtonCount:
        break; // the playlist's own handlers
    }
}

void MusicPlayer::playAction()
{
    m_alarmSong.clear();
    m_musicPlaying = true;
    applyState(Transport::State::Playing);
    if (m_paused) {
        m_services.music.play();
        m_paused = false;
        m_timer1->start();
        return;
    }
    if (m_playList->count() == 0) {
        m_services.prompter.tell(QStringLiteral("Playlist is empty. Choose songs from Album!"),
                                 QStringLiteral("ORVANE Info"), Prompter::Icon::Critical);
        return;
    }
    if (m_playList->currentRow() < 0)
        m_playList->setCurrentRow(0);
    const QString path = m_playList->currentItem()->text();
    if (QFileInfo(path).isFile()) {
        m_services.music.open(path);
        m_timer1->start();
        m_newSong = true;
        Q_EMIT changed();
    } else {
        m_services.prompter.tell(QStringLiteral("File not found!"),
                                 QStringLiteral("ORVANE Critical"), Prompter::Icon::Critical);
        stopAction();
    }
}

void MusicPlayer::pauseAction()
{
    m_paused = true;
    applyState(Transport::State::Paused);
    m_services.music.pause();
    m_timer1->stop();
}

void MusicPlayer::stopAction()
{
    m_alarmSong.clear();
    m_musicPlaying = false;
    m_paused = false;
    applyState(Transport::State::Stopped);
    m_services.music.stop();
    m_timer1->stop();
}

void MusicPlayer::stepThrough(Transport::Button which, int direction)
{
    ImageButton *button = m_buttons[which];
    button->setLook(ImageButton::Look::Lit);
    button->setEnabled(false);
    m_paused = false;
    m_services.music.stop();
    button->setEnabled(true);
    const int i = m_playList->currentRow();
    const int n = m_playList->count();
    const int target = i + direction;
    if (target >= 0 && target <= n - 1) {
        m_playList->setCurrentRow(target);
        playAction();
    } else if (m_repeat->isChecked()) {
        m_playList->setCurrentRow(0);
        playAction();
    } else {
        stopAction();
        m_services.prompter.tell(direction > 0
                                     ? QStringLiteral("End of Playlist encountered!")
                                     : QStringLiteral("Beginning of Playlist encountered!"),
                                 QStringLiteral("Tunelo Info"), Prompter::Icon::Critical);
        m_timer1->stop();
    }
}

void MusicPlayer::nextAction()
{
    stepThrough(Transport::Next, +1);
}

void MusicPlayer::previousAction()
{
    stepThrough(Transport::Previous, -1);
}

void MusicPlayer::rewindAction()
{
    m_paused = false;
    m_services.music.stop();
    if (m_playList->count() > 0)
        m_playList->setCurrentRow(0);
    playAction();
}

void MusicPlayer::endAction()
{
    m_paused = false;
    m_services.music.stop();
    if (m_playList->count() > 0)
        m_playList->setCurrentRow(m_playList->count() - 1);
    playAction();
}

void MusicPlayer::resetPlayStopPictures()
{
    m_buttons[Transport::Play]->setLook(ImageButton::Look::Normal);
    m_buttons[Transport::Stop]->setLook(ImageButton::Look::Lit);
}

void MusicPlayer::resetToStopped(bool nextEnabled)
{
    applyState(Transport::State::Stopped);
    m_buttons[Transport::Next]->setEnabled(nextEnabled);
}

void MusicPlayer::onTimer1()
{
    MediaPlayer &player = m_services.music;
    if (m_newSong) {
        const std::optional<QString> title = player.mediaInfo(MediaPlayer::Title);
        const std::optional<QString> author = player.mediaInfo(MediaPlayer::Author);
        m_newSong = false;
        if (!title || !author) {
            m_title->setText(QStringLiteral("Not Available"));
            m_author->setText(QStringLiteral("Not Available"));
        } else {
            m_title->setText(*title);
            m_author->setText(*author);
        }
    }
    m_totalFull->setText(Transport::timeText(player.duration()));
    m_totalRemain->setText(Transport::timeText(player.currentPosition()));
    m_packets->setText(QStringLiteral("Packets Received : %1").arg(player.receivedPackets()));
    if (player.playState() == MediaPlayer::Stopped) {
        nextAction();
        m_buttons[Transport::Play]->setLook(ImageButton::Look::Lit);
        m_buttons[Transport::Next]->setLook(ImageButton::Look::Normal);
    }
    m_songNo->setText(QString::number(m_playList->currentRow() + 1));
}
