#pragma once

#include "common/HttpExchange.h"

#include <QByteArray>
#include <QObject>
#include <QUrl>

#include <optional>

class QNetworkAccessManager;

// What one page request asks for.
struct PageRequest
{
    // Which answers are pages: any status (an error page is a page like any other), success
    // only (2xx), or anything below 400.
    enum class Answer { AnyStatus, Success, BelowClientError };

    QUrl address;
    int timeoutMs = 20000;
    Answer answer = Answer::AnyStatus;
};

// One page fetched without holding up the window: GET, redirects followed (never from https
// back to http), the body handed over as text. It fails on no answer within the time-out, on a
// failure below HTTP (refused, unresolved), on a body broken off before its end (shorter than
// its Content-Length, or cut by the network), on a status the request does not take as an
// answer, and on a body that is not text: a content type other than text, XML or JSON, a NUL
// byte, or more than kMaxBytes. A failed fetch hands over no page at all, so nothing reads a
// part of one.
class PageFetch : public QObject
{
    Q_OBJECT
public:
    static constexpr int kTimeoutMs = 20000;
    static constexpr qint64 kMaxBytes = 2 * 1024 * 1024;

    PageFetch(QNetworkAccessManager &network, QObject *parent = nullptr);

    // `timeoutMs`: less than the whole time-out when this page is one of several in a row.
    void start(const QUrl &address, int timeoutMs = kTimeoutMs);
    void start(const PageRequest &request);
    bool running() const { return m_exchange->running(); }
    // The last answer's head and outcome; `failure` also says why a page was refused (a
    // status not taken as an answer, a body that is not text).
    const HttpResult &result() const { return m_result; }
    // The last answer's HTTP status; 0 without one.
    int status() const { return m_result.status; }
    // Why the last fetch failed, in words a user reads ("no answer within 20 seconds"); empty
    // after a success.
    const QString &failure() const { return m_result.failure; }
    // The time-out's tick (timer "timFetchTimeout"; tests call it directly).
    void onTimeout() { m_exchange->onTimeout(); }

Q_SIGNALS:
    // Exactly once per start, never from inside start(). `page` is empty unless `ok`.
    void finished(bool ok, const QString &page);

private:
    void onBody();
    void onEnd();
    void end(const QString &failure, const QString &page = {});

    HttpExchange *m_exchange;
    PageRequest m_request;
    HttpResult m_result;
    QByteArray m_body;
};

// The body as text, or nullopt when it is not text (see PageFetch). Without a declared
// character set a body is UTF-8 when its bytes are, apart from isolated bad bytes (each shown
// as U+FFFD), and Windows-1252 otherwise.
std::optional<QString> pageText(const QByteArray &body, const QByteArray &contentType);
