#include "CamServer.h"

#include <QTcpSocket>
#include <QTimer>

namespace {

constexpr qint64 kPiece = 16 * 1024;
constexpr qint64 kSendAhead = 64 * 1024;
constexpr int kCloseIdleMs = 5000; // for a client that keeps a whole answer's connection

QByteArray headerValue(const QByteArray &head, const QByteArray &name)
{
    for (const QByteArray &line : head.split('\n')) {
        const int colon = line.indexOf(':');
        if (colon > 0 && line.left(colon).trimmed().compare(name, Qt::CaseInsensitive) == 0)
            return line.mid(colon + 1).trimmed();
    }
    return {};
}

} // namespace

CamServer::Cam CamServer::Cam::ofBytes(QByteArray body, QByteArray lastModified)
{
    Cam cam;
    cam.size = body.size();
    cam.bytes = [body](qint64 from, qint64 length) {
        return body.mid(from, length);
    };
    cam.lastModified = std::move(lastModified);
    return cam;
}

QByteArray CamServer::pattern(qint64 from, qint64 length)
{
    QByteArray out(length, Qt::Uninitialized);
    for (qint64 i = 0; i < length; ++i)
        out[i] = char(((from + i) * 7) % 251);
    return out;
}

CamServer::CamServer(QObject *parent)
    : QTcpServer(parent)
{
    connect(this, &QTcpServer::newConnection, this, &CamServer::onConnection);
}

bool CamServer::start(quint16 port)
{
    return listen(QHostAddress::LocalHost, port);
}

QString CamServer::address(const QString &path) const
{
    return QStringLiteral("http://127.0.0.1:%1%2").arg(serverPort()).arg(path);
}

CamServer::Cam *CamServer::cam(const QString &path)
{
    auto it = m_cams.find(path);
    return it == m_cams.end() ? nullptr : &*it;
}

void CamServer::onConnection()
{
    while (QTcpSocket *socket = nextPendingConnection()) {
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            m_sending.remove(socket);
            socket->deleteLater();
        });
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
        connect(socket, &QTcpSocket::bytesWritten, this, [this, socket] { pump(socket); });
    }
}

void CamServer::onReadyRead(QTcpSocket *socket)
{
    if (socket->property("answered").toBool()) {
        socket->readAll();
        return;
    }
    QByteArray head = socket->property("head").toByteArray() + socket->readAll();
    socket->setProperty("head", head);
    const int end = head.indexOf("\r\n\r\n");
    if (end < 0)
        return;
    socket->setProperty("answered", true);
    head.truncate(end + 2);
    const QList<QByteArray> line = head.left(head.indexOf("\r\n")).split(' ');
    const QByteArray path = line.size() > 1 ? line.at(1) : QByteArray();
    const QByteArray range = headerValue(head, "Range");
    m_requests << Request{path, range, head};
    const Cam *asked = cam(QString::fromUtf8(path));
    if (asked && asked->honoursIfModified && !asked->lastModified.isEmpty()
        && headerValue(head, "If-Modified-Since") == asked->lastModified) {
        send(socket, *asked, "304 Not Modified", 0, 0, 0, false);
        return;
    }
    answer(socket, path, range);
}

void CamServer::answer(QTcpSocket *socket, const QByteArray &path, const QByteArray &range)
{
    const Cam *found = cam(QString::fromUtf8(path));
    if (!found) {
        Cam none = Cam::ofBytes("not found");
        send(socket, none, "404 Not Found", 0, none.size, none.size, true);
        return;
    }
    const Cam &c = *found;
    switch (c.behaviour) {
    case Behaviour::Silent:
        return;
    case Behaviour::Garbage:
        socket->write("\x01\x02 no HTTP here\r\n\r\n\xff\xfe");
        socket->disconnectFromHost();
        return;
    case Behaviour::Status:
        send(socket, c, c.status, 0, 0, 0, true);
        return;
    default:
        break;
    }
    if (range.startsWith("bytes=") && c.behaviour != Behaviour::ResumeAsFull) {
        if (c.behaviour == Behaviour::FailResume) {
            send(socket, c, "500 Internal Server Error", 0, 0, 0, true);
            return;
        }
        const qint64 from = range.mid(6, range.indexOf('-') - 6).toLongLong();
        if (from >= c.size) {
            send(socket, c, "416 Range Not Satisfiable", 0, 0, 0, true);
            return;
        }
        send(socket, c, "206 Partial Content", from, c.size, c.size, true);
        return;
    }
    qint64 stopAt = c.size;
    const bool breaks
        = c.behaviour == Behaviour::BreakFirst || c.behaviour == Behaviour::FailResume;
    if (breaks && m_wholeAnswers[QString::fromUtf8(path)]++ == 0)
        stopAt = std::min(c.breakAt, c.size);
    if (c.behaviour == Behaviour::StallAfterHeaders)
        stopAt = -1;
    send(socket, c, "200 OK", 0, c.size, stopAt, c.behaviour != Behaviour::NoLength);
}

void CamServer::send(QTcpSocket *socket, const Cam &cam, QByteArray status, qint64 from, qint64 end,
                     qint64 stopAt, bool withLength)
{
    QByteArray head
        = "HTTP/1.1 " + status + "\r\nContent-Type: image/jpeg\r\nConnection: close\r\n";
    if (withLength)
        head += "Content-Length: " + QByteArray::number(end - from) + "\r\n";
    if (status.startsWith("206"))
        head += "Content-Range: bytes " + QByteArray::number(from) + '-'
            + QByteArray::number(end - 1) + '/' + QByteArray::number(cam.size) + "\r\n";
    if (!cam.lastModified.isEmpty())
        head += "Last-Modified: " + cam.lastModified + "\r\n";
    socket->write(head + "\r\n");
    if (stopAt < 0)
        return; // headers, then silence
    m_sending.insert(socket,
                     Sending{cam, from, std::min(end, stopAt), stopAt < end || !withLength});
    pump(socket);
}

void CamServer::pump(QTcpSocket *socket)
{
    auto it = m_sending.find(socket);
    if (it == m_sending.end())
        return;
    while (it->next < it->end && socket->bytesToWrite() < kSendAhead) {
        const qint64 length = std::min(kPiece, it->end - it->next);
        const QByteArray piece
            = it->cam.bytes ? it->cam.bytes(it->next, length) : pattern(it->next, length);
        socket->write(piece);
        it->next += length;
        m_sent += length;
    }
    if (it->next >= it->end) {
        const bool closeNow = it->closeAtEnd;
        m_sending.erase(it);
        // A whole answer is left for the client to close: a close racing the client's own
        // bookkeeping of the request makes Qt send that request again, which tests would count.
        if (closeNow)
            socket->disconnectFromHost(); // after the pending bytes are written
        else
            QTimer::singleShot(kCloseIdleMs, socket, [socket] { socket->disconnectFromHost(); });
    }
}
