#pragma once

#include <QByteArray>
#include <QDeadlineTimer>
#include <QList>
#include <QNetworkReply>
#include <QObject>
#include <QPair>
#include <QPointer>
#include <QUrl>

class QNetworkAccessManager;
class QTimer;

// What one GET asks for.
struct HttpRequest
{
    // Whole: the answer must be complete within the time-out. Idle: the time-out counts from the
    // last byte that came, for bodies of any size.
    enum class Limit { Whole, Idle };
    // FollowSafe: up to five redirects, never from https back to http. None: a redirect is an
    // answer like any other.
    enum class Redirects { FollowSafe, None };

    QUrl address;
    int timeoutMs = 20000;
    Limit limit = Limit::Whole;
    // A bound over several exchanges (the attempts of one download): the exchange also ends
    // when this expires, whatever the time-out says.
    QDeadlineTimer deadline = QDeadlineTimer(QDeadlineTimer::Forever);
    Redirects redirects = Redirects::FollowSafe;
    // "Range: bytes=N-" when 0 or more.
    qint64 rangeFrom = -1;
    // "If-Modified-Since" when not empty (the date exactly as a server sent it).
    QByteArray ifModifiedSince;
    // The body exactly as sent (no compression, HTTP/1.1), so byte offsets mean the same on a
    // later Range request.
    bool bytesAsSent = false;
    // How much of the body waits unread before the network stops reading; 0 for no bound.
    qint64 readBuffer = 0;
};

// The end of one exchange: the answer's head, whether its whole body came, and why not.
struct HttpResult
{
    // 0 when no answer came.
    int status = 0;
    // "HTTP/1.1 404 Not Found"; empty without an answer.
    QByteArray statusLine;
    QList<QPair<QByteArray, QByteArray>> headers;
    // Every byte the answer announced (or, without a length, until it ended) was read.
    bool complete = false;
    // No connection could be made at all (refused, no such host, no network).
    bool unreachable = false;
    // Why the exchange failed, in words a user reads ("127.0.0.1 did not answer within 20
    // seconds"); empty when an answer came whole. An error status is an answer, not a failure.
    QString failure;

    bool answered() const { return status != 0; }
    // The first header of this name (case-insensitive); empty when there is none.
    QByteArray header(const QByteArray &name) const;
};

// One GET on the program's network access, bounded in time, never holding up the window. The
// head comes with headersArrived(), the body in pieces with bodyArrived() (read them with
// read()), and finished() tells the end exactly once per start, never from inside start().
// abort() ends an exchange without finished().
class HttpExchange : public QObject
{
    Q_OBJECT
public:
    explicit HttpExchange(QNetworkAccessManager &network, QObject *parent = nullptr);
    ~HttpExchange() override;

    void start(const HttpRequest &request);
    void abort();
    bool running() const { return m_reply != nullptr; }
    const HttpRequest &request() const { return m_request; }
    // Filled as the answer comes: the head from headersArrived() on, the rest at the end.
    const HttpResult &result() const { return m_result; }

    qint64 bytesAvailable() const;
    QByteArray read(qint64 most);
    QByteArray readAll();

    // The time-out's tick (timer "timFetchTimeout"; tests call it directly).
    void onTimeout();

Q_SIGNALS:
    void headersArrived();
    void bodyArrived();
    void finished();

private:
    void onMetaData();
    void onReadyRead();
    void onReplyFinished();
    bool takeHead();
    bool headFirst();
    void armTimeout();
    void end(const QString &failure);
    void detach();

    QNetworkAccessManager &m_network;
    QTimer *m_timeout;
    QPointer<QNetworkReply> m_reply;
    HttpRequest m_request;
    HttpResult m_result;
    qint64 m_received = 0;
    bool m_headSeen = false;
};

// Whether `reply` brought its whole body: no network failure after the headers, and as many
// bytes as its Content-Length names where it names one for an unencoded body.
bool bodyComplete(const QNetworkReply &reply, qint64 received);
