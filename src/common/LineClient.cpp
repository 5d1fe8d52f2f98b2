#include "common/LineClient.h"

#include <QTcpSocket>
#include <QTimer>

std::optional<QByteArray> LineBuffer::takeLine()
{
    qsizetype end = m_pending.indexOf('\n');
    if (end < 0 || end >= m_maxLine) {
        if (m_pending.size() < m_maxLine)
            return std::nullopt;
        end = m_maxLine - 1;
    }
    QByteArray line = m_pending.left(end + 1);
    m_pending.remove(0, end + 1);
    return line;
}

LineClient::LineClient(const Limits &limits, const QString &timerName, QObject *parent)
    : QObject(parent)
    , m_limits(limits)
    , m_socket(new QTcpSocket(this))
    , m_timer(new QTimer(this))
    , m_lines(limits.maxLine)
{
    m_timer->setObjectName(timerName);
    m_timer->setSingleShot(true);
    m_timer->setInterval(limits.replyTimeoutMs);
    connect(m_timer, &QTimer::timeout, this, &LineClient::onTimeout);
    connect(m_socket, &QTcpSocket::readyRead, this, &LineClient::onReadyRead);
    connect(m_socket, &QTcpSocket::errorOccurred, this, [this] { fail(Failure::Socket); });
}

LineClient::~LineClient()
{
    m_socket->disconnect(this);
    m_socket->abort();
}

void LineClient::open(const QString &host, quint16 port)
{
    m_socket->abort();
    m_lines.clear();
    m_fixed.clear();
    m_received = 0;
    ++m_conversation;
    m_timer->start();
    m_socket->connectToHost(host, port);
}

void LineClient::send(const QByteArray &data)
{
    m_socket->write(data);
    m_timer->start();
}

void LineClient::stopWaiting()
{
    m_timer->stop();
}

void LineClient::close()
{
    m_timer->stop();
    m_socket->close();
}

void LineClient::abort()
{
    m_timer->stop();
    m_socket->abort();
    m_lines.clear();
}

bool LineClient::waiting() const
{
    return m_timer->isActive();
}

QAbstractSocket::SocketState LineClient::state() const
{
    return m_socket->state();
}

QAbstractSocket::SocketError LineClient::socketError() const
{
    return m_socket->error();
}

QString LineClient::socketErrorText() const
{
    return m_socket->errorString();
}

void LineClient::onTimeout()
{
    fail(Failure::TimedOut);
}

void LineClient::fail(Failure failure)
{
    m_timer->stop();
    // A socket failure is told with the socket's own words, so it is read before the abort.
    if (failure != Failure::Socket)
        m_socket->abort();
    m_lines.clear();
    Q_EMIT failed(failure);
}

void LineClient::onReadyRead()
{
    const quint64 conversation = m_conversation;
    const QByteArray data = m_socket->readAll();
    if (m_limits.fixedReply > 0) {
        m_fixed += data;
        if (m_fixed.size() < m_limits.fixedReply)
            return;
        m_timer->stop();
        m_socket->abort();
        Q_EMIT answerReceived(m_fixed.left(m_limits.fixedReply));
        return;
    }
    m_received += data.size();
    if (m_received > m_limits.maxBytes) {
        fail(Failure::TooMuch);
        return;
    }
    m_lines.append(data);
    // A line's handler may close the connection or open a new conversation: lines of the old
    // one are not handed on.
    while (conversation == m_conversation && connected()) {
        const std::optional<QByteArray> line = m_lines.takeLine();
        if (!line)
            break;
        Q_EMIT lineReceived(*line);
    }
}
