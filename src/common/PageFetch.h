#pragma once

#include <QByteArray>
#include <QNetworkReply>
#include <QObject>
#include <QPointer>

#include <optional>

class QNetworkAccessManager;
class QTimer;
class QUrl;

// One page fetched without holding up the window: GET, redirects followed (never from https
// back to http), the body handed over as text. It fails on no answer within the time-out, on a
// failure below HTTP (refused, unresolved, broken off), and on a body that is not text: a
// content type other than text, XML or JSON, a NUL byte, or more than kMaxBytes. An HTTP error
// status is no failure: an error page is a page like any other.
class PageFetch : public QObject
{
    Q_OBJECT
public:
    static constexpr int kTimeoutMs = 20000;
    static constexpr qint64 kMaxBytes = 2 * 1024 * 1024;

    PageFetch(QNetworkAccessManager &network, QObject *parent = nullptr);
    ~PageFetch() override;

    // `timeoutMs`: less than the whole time-out when this page is one of several in a row.
    void start(const QUrl &address, int timeoutMs = kTimeoutMs);
    bool running() const { return m_reply != nullptr; }
    // The last answer's HTTP status; 0 without one.
    int status() const { return m_status; }
    // The time-out's tick (timer "timFetchTimeout"; tests call it directly).
    void onTimeout();

Q_SIGNALS:
    // Exactly once per start, never from inside start().
    void finished(bool ok, const QString &page);

private:
    void onReadyRead();
    void onReplyFinished();
    void end(bool ok, const QString &page = {});

    QNetworkAccessManager &m_network;
    QTimer *m_timeout;
    QPointer<QNetworkReply> m_reply;
    QByteArray m_body;
    int m_status = 0;
};

// The body as text, or nullopt when it is not text (see PageFetch).
std::optional<QString> pageText(const QByteArray &body, const QByteArray &contentType);
