#pragma once

#include "contracts/AlarmSources.h"
#include "platform/CdDrive.h"
#include "platform/Services.h"

#include <QObject>

#include <functional>
#include <memory>

class MciDevice;
class QTimer;
class QWidget;

// The audio CD as an alarm source: the command sender with its error reports, the opening
// of the device, and the once-a-second disc poll (TimerCD) that keeps the current track.
class CdAudio : public QObject, public AlarmDisc
{
    Q_OBJECT
public:
    // The drive is the system's unless one is given.
    explicit CdAudio(Services &services, QWidget *surface,
                     std::unique_ptr<CdDrive> drive = nullptr);
    ~CdAudio() override;

    // At load, before anything else: "close all", errors not reported.
    void closeAllQuietly();
    // TimerCD off, no disc seen; for the source "CD" open the device
    // and warn when no disc is in. A device that cannot be opened is reported and left
    // closed; the program goes on and the alarm rings with its sound instead.
    void load(const QString &alarmSource);
    // At close, for the source "CD": "stop cd wait", then "close all".
    void stopAndClose();

    // Sends one command and keeps its result code; with reportErrors, a failure is shown
    // to the user. True when the command succeeded.
    bool sendCommand(const QString &command, bool reportErrors);
    // Opens the device unless it is open; starts the disc poll. False when it cannot be
    // opened (the error has been shown).
    bool openDevice();
    // "status cd media present" answered "true".
    bool mediaPresent();

    // The alarm's view: "play cd", and "stop cd wait" then a seek to the current track's
    // start, each followed by a poll; rewinding a device that never opened does nothing.
    bool isOpen() const override { return m_deviceOpen; }
    bool open() override { return openDevice(); }
    bool discPresent() override { return mediaPresent(); }
    void play() override;
    void rewind() override;

    void onTimerCD();
    // One run of the disc poll, after the alarm has played, stopped or moved the disc.
    void refreshDisc() { onTimerCD(); }
    // Run after every poll; the dashboard applies its tray rule here.
    void setAfterPoll(std::function<void()> afterPoll) { m_afterPoll = std::move(afterPoll); }

    bool deviceOpen() const { return m_deviceOpen; }
    bool discSeen() const { return m_discSeen; }
    int currentTrack() const { return m_currentTrack; }
    int lastResult() const { return m_lastResult; }

private:
    // Status queries read their answer directly: no error report, last result untouched.
    QString query(const QString &command);
    void pollDisc();
    void reportError(int code);

    Services &m_services;
    QTimer *m_timerCD;
    std::unique_ptr<CdDrive> m_drive;
    std::unique_ptr<MciDevice> m_device;
    std::function<void()> m_afterPoll;
    bool m_deviceOpen = false;
    bool m_discSeen = false;
    int m_currentTrack = 0;
    int m_lastResult = 0;
};
