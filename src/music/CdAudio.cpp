#include "music/CdAudio.h"

#include "common/NamedTimer.h"
#include "music/CdDriveChoice.h"
#include "music/MciDevice.h"
#include "platform/Prompter.h"
#include "platform/SoundPlayer.h"

#include <QStringList>
#include <QTimer>
#include <QWidget>

namespace {

// The device's answer to "device busy or missing"; the user hears it as four beeps.

const QString kErrorCheckingTitle = QStringLiteral("Error Checking!");

QString errorCheckingText()
{
    // Lines joined by carriage returns; an empty line gives two in a row.
    const QStringList lines{
        QStringLiteral("We have included error checking code"),
        QString(),
        QStringLiteral("to check for possible failures. "),
        QString(),
        QStringLiteral("We want this clock to be a dependable application "),
        QString(),
        QStringLiteral("so we have included this code to make sure of that. "),
        QString(),
        QStringLiteral("This box is now being shown due to a possible error"),
        QStringLiteral("That may cause the application to fail."),
        QStringLiteral("To ensure its dependability you must now restart the clock."),
    };
    return lines.join(u'\r') + QStringLiteral("\r\r");
}

const QString kNoDiscTitle = QStringLiteral("No CD in the Player");

QString noDiscAtLoadText()
{
    return QStringLiteral("Your alarm type is set to CD.\rYou need to put in a CD.\r\r"
                          "Failing to do so will result in a program error!");
}

} // namespace

CdAudio::CdAudio(Services &services, QWidget *surface, std::unique_ptr<CdDrive> drive)
    : QObject(surface)
    , m_services(services)
    , m_timerCD(namedTimer(this, "TimerCD", 1000))
    , m_drive(drive ? std::move(drive) : chooseCdDrive())
    , m_device(std::make_unique<MciDevice>(*m_drive))
{
    connect(m_timerCD, &QTimer::timeout, this, &CdAudio::onTimerCD);
}

void CdAudio::play()
{
    sendCommand(QStringLiteral("play cd"), true);
    refreshDisc();
}

void CdAudio::rewind()
{
    // A device that never opened has no disc to stop; asking would only show errors.
    if (!m_deviceOpen)
        return;
    sendCommand(QStringLiteral("stop cd wait"), true);
    sendCommand(QStringLiteral("seek cd to %1").arg(m_currentTrack), true);
    refreshDisc();
}

CdAudio::~CdAudio() = default;

bool CdAudio::sendCommand(const QString &command, bool reportErrors)
{
    m_lastResult = m_device->send(command, nullptr);
    if (reportErrors && m_lastResult != MciDevice::Success)
        reportError(m_lastResult);
    return m_lastResult == MciDevice::Success;
}

void CdAudio::reportError(int code)
{
    if (code == MciDevice::DeviceUnusable) {
        for (int i = 0; i < 4; ++i)
            m_services.sound.beep();
    }
    m_services.prompter.tell(MciDevice::errorText(code), QString(), Prompter::Icon::None);
    m_services.prompter.tell(errorCheckingText(), kErrorCheckingTitle, Prompter::Icon::None);
}

QString CdAudio::query(const QString &command)
{
    QString reply;
    m_device->send(command, &reply);
    return reply;
}

bool CdAudio::mediaPresent()
{
    return query(QStringLiteral("status cd media present")) == QLatin1String("true");
}

bool CdAudio::openDevice()
{
    if (m_deviceOpen)
        return true;
    if (!sendCommand(QStringLiteral("open cdaudio alias cd wait shareable"), true)) {
        sendCommand(QStringLiteral("close all"), false);
        return false;
    }
    sendCommand(QStringLiteral("set cd time format tmsf wait"), true);
    m_deviceOpen = true;
    m_timerCD->start();
    return true;
}

void CdAudio::closeAllQuietly()
{
    sendCommand(QStringLiteral("close all"), false);
    m_timerCD->stop();
    m_deviceOpen = false;
    m_discSeen = false;
}

void CdAudio::load(const QString &alarmSource)
{
    m_timerCD->stop();
    m_discSeen = false;
    if (alarmSource != QLatin1String("CD"))
        return;
    // Without a usable device the program still runs: the error has been shown, and the
    // alarm, seeing the device closed, rings with its sound.
    if (!openDevice())
        return;
    if (!mediaPresent())
        m_services.prompter.tell(noDiscAtLoadText(), kNoDiscTitle, Prompter::Icon::Warning);
}

void CdAudio::stopAndClose()
{
    // A device that never opened has nothing to stop; reporting that at exit helps no one.
    if (m_deviceOpen)
        sendCommand(QStringLiteral("stop cd wait"), true);
    closeAllQuietly();
}

void CdAudio::onTimerCD()
{
    pollDisc();
    if (m_afterPoll)
        m_afterPoll();
}

void CdAudio::pollDisc()
{
    if (query(QStringLiteral("status cd media present")) != QLatin1String("true")) {
        m_discSeen = false;
        return;
    }
    if (!m_discSeen) {
        const int tracks = query(QStringLiteral("status cd number of tracks wait")).left(2).toInt();
        // A one-track disc is never taken as seen: it is counted again on every poll and
        // its position is never read.
        if (tracks == 1)
            return;
        m_discSeen = true;
        sendCommand(QStringLiteral("seek cd to 1"), true);
    }
    // A failed query keeps the track we knew rather than making it 0.
    const QString position = query(QStringLiteral("status cd position"));
    if (!position.isEmpty())
        m_currentTrack = position.left(2).toInt();
}
