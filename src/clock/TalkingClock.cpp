#include "clock/TalkingClock.h"

#include "clock/AlarmPanel.h"
#include "common/NamedTimer.h"
#include "platform/AppFolder.h"
#include "platform/Clock.h"
#include "platform/MediaPlayer.h"
#include "platform/SettingsStore.h"
#include "platform/SoundPlayer.h"

#include <QAction>
#include <QTimer>
#include <QWidget>

using namespace TimeAnnouncement;

namespace {

const QString kClock = QStringLiteral("Clock");
const QString kTalk = QStringLiteral("Talk");
constexpr int kGapMs = 900;

} // namespace

TalkingClock::TalkingClock(Services &services, QWidget *surface, const AlarmPanel &alarm,
                           const IntervalItems &items, const Connectivity::State &connectivity)
    : QObject(surface)
    , m_services(services)
    , m_items(items)
    , m_gap(namedTimer(this, "TimerTalkGap", kGapMs))
    , m_snoozed([&alarm] { return alarm.snoozed(); })
    , m_musicPlaying([&services] { return services.music.playState() == MediaPlayer::Playing; })
    , m_connectivity(connectivity)
{
    // A timer rather than a wait, so the window keeps running between the two words.
    m_gap->setSingleShot(true);
    connect(m_gap, &QTimer::timeout, this, &TalkingClock::onTimerTalkGap);
}

TimeAnnouncement::Mode TalkingClock::storedMode() const
{
    return modeFromText(m_services.settings.getSetting(kClock, kTalk, QStringLiteral("1")));
}

void TalkingClock::load()
{
    m_schedule.reset();
    setCheckMarks(storedMode());
}

void TalkingClock::setCheckMarks(int mode)
{
    m_checked = mode;
    for (int i = 0; i < int(m_items.size()); ++i)
        m_items[i]->setChecked(i + 1 == mode);
}

void TalkingClock::onMnuIntervalClick(int mode)
{
    // The item has toggled its own mark already; the remembered mark decides.
    const int next = m_checked == mode ? Off : mode;
    setCheckMarks(next);
    m_services.settings.saveSetting(kClock, kTalk, QString::number(next));
}

bool TalkingClock::speaking() const
{
    return m_awaitingHour || m_gap->isActive();
}

void TalkingClock::onClockTick()
{
    // Read every tick, so a change in the menu is heard from the next second on.
    const Mode mode = storedMode();
    if (mode == Off || speaking())
        return;
    const QDateTime now = m_services.clock.now();
    if (!m_schedule.due(mode, now) || m_snoozed())
        return; // while snoozed the minute stays unspoken, for a tick after the stop
    m_speakingMode = mode;
    m_speakingSince = now;
    // The pause counts from when the hour is heard: the first sound after the start may wait
    // for the output to open, and would otherwise run into the word after it.
    m_awaitingHour = true;
    const auto startGap = [this] {
        m_awaitingHour = false;
        m_gap->start();
    };
    const QString hour = hourWord(now.time().hour());
    if (m_musicPlaying()) {
        m_services.voice.open(m_services.appFolder.path(hour));
        startGap();
    } else {
        playWave(hour);
        m_services.sound.whenStarted(this, startGap);
    }
}

void TalkingClock::onTimerTalkGap()
{
    m_gap->stop();
    if (!m_speakingSince.isValid())
        return;
    if (m_speakingMode == EveryHour) {
        // Never through the music's second player: o'clock is always a plain sound.
        playWave(oClockWord());
    } else {
        const QString word = minuteWord(m_services.clock.now().time().minute());
        if (!word.isEmpty())
            say(word);
    }
    m_schedule.spoken(m_speakingSince);
    m_speakingSince = {};
}

void TalkingClock::say(const QString &word)
{
    if (m_musicPlaying())
        m_services.voice.open(m_services.appFolder.path(word)); // cuts off what it still says
    else
        playWave(word);
}

void TalkingClock::playWave(const QString &word)
{
    playSound(m_services.sound, m_services.appFolder.path(word), m_connectivity.flags);
}
