#pragma once

#include "platform/Prompter.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QObject>

#include <functional>
#include <optional>

class HttpExchange;
class QNetworkAccessManager;

// Downloads one cam picture into a file, in attempts: change detection by "Last-Modified" (and a
// 304 answer to If-Modified-Since),
// the HTTP outcomes and their messages, the free-space check, the body written in pieces of at
// most 1024 bytes over the file without truncating it, and resuming a broken transfer from
// 4096 bytes before the last byte counted with "Range: bytes=N-". It never holds up the
// window: start() returns at once and finished() tells the end. One download runs at a time.
class CamDownload : public QObject
{
    Q_OBJECT
public:
    static constexpr int kMaxResumes = 5;
    static constexpr int kStallMs = 30000;
    // One picture, all its attempts together: a server that stalls on every resume cannot hold
    // the window for longer.
    static constexpr int kWholeMs = 45000;
    static constexpr qint64 kPiece = 1024;
    static constexpr qint64 kResumeOverlap = 4096;

    struct Options
    {
        bool checkModified = true;
        bool hideErrors = true;
    };
    // Free bytes where a folder lives; the real one asks the file system.
    using FreeSpace = std::function<qint64(const QString &folder)>;

    explicit CamDownload(QNetworkAccessManager &network, QObject *parent = nullptr);
    ~CamDownload() override;

    // False, and nothing happens, while a download runs.
    bool start(const QString &url, const QString &destination, Options options);
    // The stop request: the running attempt ends and no other follows.
    void stop();
    // Ends at once without a word: the window is closing or showing something else.
    void cancel();
    bool running() const { return m_running; }

    // The state of the last download, read by the window.
    bool error() const { return m_error; }
    bool notModified() const { return m_notModified; }
    void clearNotModified() { m_notModified = false; }
    bool completed() const { return m_completed; }
    const QString &storedModified() const { return m_storedModified; }
    void clearStoredModified() { m_storedModified.clear(); }
    qint64 expected() const { return m_expected; }
    // What went wrong in the last download, as its message says it (shown or not); empty when
    // nothing did.
    const QString &outcome() const { return m_outcome; }
    qint64 offset() const { return m_offset; }

    void setFreeSpace(FreeSpace freeSpace) { m_freeSpace = std::move(freeSpace); }
    // The stall time-out's tick (the exchange's timer "timFetchTimeout"; tests call it directly).
    void onStall();

Q_SIGNALS:
    // The progress bar: shown with its maximum when the body starts, hidden on completion.
    void progress(bool visible, qint64 value, qint64 maximum);
    // A message for the user (only when errors are not hidden).
    void message(const Prompter::Message &message);
    // Exactly once per start that returned true, never from inside start().
    void finished();

private:
    enum class Next { Continue, GiveUp };
    void attempt();
    void onHeaders();
    void onData();
    void onExchangeFinished();
    bool beginBody();
    void fail(const Prompter::Message &message);
    void setPending(const Prompter::Message &message);
    void endAttempt(Next next = Next::Continue);
    void afterAttempt();
    void detachReply();

    HttpExchange *m_exchange;
    QFile m_file;
    FreeSpace m_freeSpace;
    QString m_url, m_destination;
    Options m_options;

    bool m_running = false, m_attemptOpen = false, m_headersSeen = false, m_writing = false;
    bool m_stop = false, m_error = false, m_notModified = false, m_completed = false;
    bool m_resume = false;
    Next m_next = Next::Continue;
    int m_resumes = 0;
    qint64 m_offset = 0, m_expected = 0;
    QString m_storedModified;
    QString m_outcome;
    QDeadlineTimer m_deadline;
    std::optional<Prompter::Message> m_pending;
};
