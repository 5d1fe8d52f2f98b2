#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QTcpServer>

#include <functional>

class QTcpSocket;

// A small HTTP server on 127.0.0.1 that serves cam pictures, honest or hostile: for trying the
// webcam window offline, for the tests and for the download benchmark. Every connection gets
// one answer and is closed. Bodies are sent as the socket drains, so a large picture is never
// held whole in the send buffer.
class CamServer : public QTcpServer
{
    Q_OBJECT
public:
    enum class Behaviour {
        Normal,            // 200 with Content-Length; "Range: bytes=N-" gets 206 from byte N
        NoLength,          // 200 without Content-Length, the body until the connection closes
        BreakFirst,        // the first whole-body answer closes after breakAt body bytes
        ResumeAsFull,      // Normal, but a Range request is answered with the whole body and 200
        FailResume,        // BreakFirst, and every Range request gets "500 Internal Server Error"
        Status,            // the status line "HTTP/1.1 " + status, no body
        Silent,            // reads the request and never answers
        StallAfterHeaders, // the headers of a 200 with a length, then silence
        Garbage,           // a reply that is not HTTP
    };

    struct Cam
    {
        qint64 size = 0;
        // The body's bytes [from, from + length); default: a fixed byte pattern.
        std::function<QByteArray(qint64 from, qint64 length)> bytes;
        QByteArray lastModified; // empty: no Last-Modified header
        Behaviour behaviour = Behaviour::Normal;
        QByteArray status = "404 Not Found";
        qint64 breakAt = 0;
        // Answers "304 Not Modified" to an If-Modified-Since naming its date, as most servers do.
        bool honoursIfModified = false;

        static Cam ofBytes(QByteArray body, QByteArray lastModified = {});
    };

    struct Request
    {
        QByteArray path;
        QByteArray range; // the Range header's value, empty without one
        QByteArray head;  // the whole request head
    };

    explicit CamServer(QObject *parent = nullptr);

    // Listens on 127.0.0.1; port 0 picks a free one.
    bool start(quint16 port = 0);
    QString address(const QString &path) const;

    void setCam(const QString &path, Cam cam) { m_cams.insert(path, std::move(cam)); }
    Cam *cam(const QString &path);

    const QList<Request> &requests() const { return m_requests; }
    // Body bytes handed to sockets so far, all connections together.
    qint64 bodyBytesSent() const { return m_sent; }

    static QByteArray pattern(qint64 from, qint64 length);

private:
    struct Sending
    {
        Cam cam;
        qint64 next = 0, end = 0;
        // Only a broken-off or unmeasured answer needs the close to end it.
        bool closeAtEnd = true;
    };
    void onConnection();
    void onReadyRead(QTcpSocket *socket);
    void answer(QTcpSocket *socket, const QByteArray &path, const QByteArray &range);
    void send(QTcpSocket *socket, const Cam &cam, QByteArray status, qint64 from, qint64 end,
              qint64 stopAt, bool withLength);
    void pump(QTcpSocket *socket);

    QHash<QString, Cam> m_cams;
    QHash<QTcpSocket *, Sending> m_sending;
    QList<Request> m_requests;
    QHash<QString, int> m_wholeAnswers;
    qint64 m_sent = 0;
};
