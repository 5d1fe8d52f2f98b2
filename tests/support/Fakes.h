#pragma once

// Test doubles for the desktop seams. Each records what the code under test asked of it.
#include "common/OrvaneError.h"
#include "platform/Autostart.h"
#include "platform/Clock.h"
#include "platform/Connectivity.h"
#include "platform/InstanceLock.h"
#include "platform/MediaPlayer.h"
#include "platform/Notifier.h"
#include "platform/Prompter.h"
#include "platform/SecretStore.h"
#include "platform/SettingsStore.h"
#include "platform/Shell.h"
#include "platform/SoundPlayer.h"
#include "platform/SystemClock.h"
#include "platform/Tray.h"

#include <QList>
#include <QMap>
#include <QStringList>

#include <functional>
#include <optional>

// One log the doubles of a test share: what the code asked of the desktop, in the order it
// asked, whichever double it asked.
using CallLog = QStringList;

// A settings store that logs every read and save ("settings.get Section/Key") before passing
// it on.
class LoggingSettings final : public SettingsStore
{
public:
    LoggingSettings(SettingsStore &inner, CallLog &log)
        : m_inner(inner)
        , m_log(log)
    {
    }
    QString getSetting(const QString &section, const QString &key,
                       const QString &defaultValue = QString()) override
    {
        m_log << QStringLiteral("settings.get %1/%2").arg(section, key);
        return m_inner.getSetting(section, key, defaultValue);
    }
    void saveSetting(const QString &section, const QString &key, const QString &value) override
    {
        m_log << QStringLiteral("settings.save %1/%2").arg(section, key);
        m_inner.saveSetting(section, key, value);
    }

private:
    SettingsStore &m_inner;
    CallLog &m_log;
};

class FakeClock final : public Clock
{
public:
    QDateTime current = QDateTime(QDate(2026, 12, 9), QTime(9, 30, 0));
    qint64 monotonic = 1000;

    QDateTime now() const override { return current; }
    qint64 monotonicMs() const override { return monotonic; }
    void advanceMs(qint64 ms)
    {
        current = current.addMSecs(ms);
        monotonic += ms;
    }
};

// Records each step asked of the computer's clock; answers with `failure` at once.
class FakeSystemClock final : public SystemClock
{
public:
    QList<qint64> adjustments;
    QString failure;

    void adjust(qint64 seconds, QObject *, Done done) override
    {
        adjustments << seconds;
        done(failure);
    }
    bool keeps = false;
    void keepsItself(QObject *, std::function<void(bool)> answer) override { answer(keeps); }
};

class FakeSoundPlayer final : public SoundPlayer
{
public:
    bool device = true;
    struct Play
    {
        QString path;
        quint32 flags;
    };
    QList<Play> plays;
    int beeps = 0;
    int stops = 0;

    bool hasWaveOutput() const override { return device; }
    void playWave(const QString &path, quint32 flags) override { plays.append({path, flags}); }
    void stopWave() override { ++stops; }
    void beep() override { ++beeps; }
};

// Answers message boxes from a queue; a box nobody scripted is answered with its first
// button and recorded, so a test can assert on every box the code showed.
class ScriptedPrompter final : public Prompter
{
public:
    QList<Message> shown;
    QList<Answer> answers;
    // Runs while a box is open, as the events a real box's own loop would serve then.
    std::function<void()> whileOpen;

    Answer ask(const Message &message) override;
    void setNextAnswer(Answer answer) { answers.append(answer); }
};

class RecordingShell final : public Shell
{
public:
    QStringList opened;
    QList<QStringList> started; // program first, then its arguments
    bool startResult = true;

    void openAddress(const QString &address) override { opened.append(address); }
    bool startProgram(const QString &program, const QStringList &arguments) override
    {
        started.append(QStringList{program} + arguments);
        return startResult;
    }
};

class FakeConnectivity final : public Connectivity
{
public:
    State state{true, Lan | Configured};
    int checks = 0;
    CallLog *log = nullptr;

    State check() override
    {
        ++checks;
        if (log)
            *log << QStringLiteral("connectivity.check");
        return state;
    }
};

class FakeTray final : public Tray
{
public:
    int minimizeMode = 0, restores = 0;
    bool shown = false;
    QString toolTip;
    QWidget *owner = nullptr;
    QMenu *popup = nullptr;
    bool iconSet = false;
    QStringList calls;
    CallLog *log = nullptr;

    void setMinimizeMode(int mode) override { minimizeMode = mode; }
    void setIcon(const QIcon &) override { iconSet = true; }
    void setInTray(bool on) override
    {
        shown = on;
        calls.append(on ? QStringLiteral("inTray:on") : QStringLiteral("inTray:off"));
    }
    bool inTray() const override { return shown; }
    void setOwner(QWidget *w) override
    {
        owner = w;
        if (log)
            *log << QStringLiteral("tray.setOwner");
    }
    void setPopupMenu(QMenu *m) override { popup = m; }
    void setToolTip(const QString &t) override { toolTip = t; }
    void restore() override
    {
        ++restores;
        calls.append(QStringLiteral("restore"));
    }
    void showMessage(const QString &title, const QString &text) override
    {
        calls.append(QStringLiteral("message:") + title + u'|' + text);
    }
};

// A keyring in memory that answers at once. With `failure` set, every call fails so, as on a
// desktop without a keyring (the default) or with one that refuses.
class MemorySecretStore final : public SecretStore
{
public:
    QMap<QString, QString> secrets;
    Outcome failure = Outcome::NoKeyring;
    int calls = 0;

    void read(const QString &key, QObject *, Reply reply) override
    {
        if (!failed(reply))
            reply(secrets.contains(key) ? Answer{Outcome::Done, secrets.value(key), {}}
                                        : Answer{Outcome::NotFound, {}, {}});
    }
    void write(const QString &key, const QString &secret, QObject *, Reply reply) override
    {
        if (!failed(reply)) {
            secrets.insert(key, secret);
            reply({Outcome::Done, {}, {}});
        }
    }
    void remove(const QString &key, QObject *, Reply reply) override
    {
        if (!failed(reply))
            reply({secrets.remove(key) ? Outcome::Done : Outcome::NotFound, {}, {}});
    }

private:
    bool failed(const Reply &reply)
    {
        ++calls;
        if (failure == Outcome::Done)
            return false;
        reply({failure, {}, QStringLiteral("the test's keyring says no")});
        return true;
    }
};

// Keeps the notices shown, by tag; actionInvoked is emitted by the test.
class FakeNotifier final : public Notifier
{
public:
    QList<Notice> sent;
    QStringList withdrawn;

    void notify(const Notice &notice) override { sent.append(notice); }
    void withdraw(const QString &tag) override { withdrawn.append(tag); }
    const Notice *last(const QString &tag) const
    {
        for (auto it = sent.crbegin(); it != sent.crend(); ++it) {
            if (it->tag == tag)
                return &*it;
        }
        return nullptr;
    }
};

class FakeAutostart final : public Autostart
{
public:
    State current = State::Absent;
    void addToStartup() override { current = State::Active; }
    void removeFromStartup() override
    {
        if (current != State::Absent)
            current = State::Parked;
    }
    State state() const override { return current; }
};

class FakeInstanceLock final : public InstanceLock
{
public:
    bool free = true;
    std::optional<OrvaneError> refusal; // thrown instead of an answer
    int attempts = 0;
    CallLog *log = nullptr;
    bool tryLock() override
    {
        ++attempts;
        if (refusal)
            throw *refusal;
        if (log)
            *log << QStringLiteral("instanceLock.tryLock");
        return free;
    }
    std::function<void(const QString &)> onShow;
    int showRequests = 0;
    QString tokenSent;
    void listenForShowRequests(std::function<void(const QString &)> callback) override
    {
        onShow = std::move(callback);
    }
    bool answers = true; // a dashboard holds the lock and takes show requests
    bool requestShow(const QString &token) override
    {
        ++showRequests;
        tokenSent = token;
        return answers;
    }
    bool waitForLock(int) override { return free || !answers; }
};

// A media player whose clip, position and state the test sets.
class FakeMediaPlayer final : public MediaPlayer
{
public:
    QStringList calls; // "open:<path>", "play", "pause", "stop"
    QString opened;
    double length = 0, position = 0;
    int packets = 0;
    int state = Closed;
    std::optional<QString> title, author;

    void open(const QString &path) override
    {
        calls.append(QStringLiteral("open:") + path);
        opened = path;
        state = Playing;
    }
    void play() override
    {
        calls.append(QStringLiteral("play"));
        if (state != Closed)
            state = Playing;
    }
    void pause() override
    {
        calls.append(QStringLiteral("pause"));
        if (state == Playing)
            state = Paused;
    }
    void stop() override
    {
        calls.append(QStringLiteral("stop"));
        if (state != Closed)
            state = Stopped;
    }
    void setPosition(double seconds) override
    {
        calls.append(QStringLiteral("seek:%1").arg(seconds));
        position = seconds;
    }
    double duration() const override { return length; }
    double currentPosition() const override { return position; }
    int receivedPackets() const override { return packets; }
    int playState() const override { return state; }
    std::optional<QString> mediaInfo(int kind) const override
    {
        return kind == Title ? title : kind == Author ? author : std::nullopt;
    }
};
