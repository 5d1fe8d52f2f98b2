#include "common/LineClient.h"
#include "common/Certificates.h"

#include <QSslSocket>
#include <QStringList>
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
    , m_socket(new QSslSocket(this))
    , m_timer(new QTimer(this))
    , m_lines(limits.maxLine)
{
    m_timer->setObjectName(timerName);
    m_timer->setSingleShot(true);
    m_timer->setInterval(limits.replyTimeoutMs);
    connect(m_timer, &QTimer::timeout, this, &LineClient::onTimeout);
    connect(m_socket, &QSslSocket::readyRead, this, &LineClient::onReadyRead);
    connect(m_socket, &QSslSocket::errorOccurred, this, &LineClient::onSocketError);
    connect(m_socket, &QSslSocket::sslErrors, this, &LineClient::onSslErrors);
    connect(m_socket, &QSslSocket::encrypted, this, &LineClient::secured);
}

LineClient::~LineClient()
{
    m_socket->disconnect(this);
    m_socket->abort();
}

void LineClient::open(const QString &host, quint16 port, bool tls)
{
    m_socket->abort();
    m_lines.clear();
    m_fixed.clear();
    m_received = 0;
    m_host = host;
    m_offered.clear();
    m_tlsError.clear();
    ++m_conversation;
    m_timer->start();
    if (!tls) {
        m_socket->connectToHost(host, port);
        return;
    }
    if (!QSslSocket::supportsSsl()) {
        m_tlsError = QStringLiteral("this computer has no TLS library");
        QTimer::singleShot(0, this, [this, conversation = m_conversation] {
            if (conversation == m_conversation)
                fail(Failure::Handshake);
        });
        return;
    }
    m_socket->connectToHostEncrypted(host, port);
}

void LineClient::startTls()
{
    m_lines.clear();
    m_timer->start();
    if (!QSslSocket::supportsSsl()) {
        m_tlsError = QStringLiteral("this computer has no TLS library");
        fail(Failure::Handshake);
        return;
    }
    m_socket->startClientEncryption();
}

bool LineClient::secure() const
{
    return m_socket->isEncrypted();
}

void LineClient::onSslErrors(const QList<QSslError> &errors)
{
    QSslCertificate offered = m_socket->peerCertificate();
    if (offered.isNull() && !errors.isEmpty())
        offered = errors.first().certificate();
    m_offered = sha256Fingerprint(offered);
    if (sameFingerprint(m_trusted, m_offered)) {
        m_socket->ignoreSslErrors(errors);
        return;
    }
    QStringList reasons;
    for (const QSslError &error : errors)
        if (!reasons.contains(error.errorString()))
            reasons.append(error.errorString());
    // The handshake now fails; the socket's error tells it, and this is why.
    m_tlsError = QStringLiteral("certificate not trusted: %1 (host %2, SHA-256 fingerprint %3)")
                     .arg(reasons.join(QStringLiteral("; ")), m_host,
                          m_offered.isEmpty() ? QStringLiteral("none") : m_offered);
}

void LineClient::onSocketError()
{
    if (m_socket->error() != QAbstractSocket::SslHandshakeFailedError
        && m_socket->error() != QAbstractSocket::SslInternalError
        && m_socket->error() != QAbstractSocket::SslInvalidUserDataError) {
        fail(Failure::Socket);
        return;
    }
    const bool refused = !m_tlsError.isEmpty();
    if (!refused)
        m_tlsError = QStringLiteral("TLS could not be set up with %1: %2")
                         .arg(m_host, m_socket->errorString());
    fail(refused ? Failure::Untrusted : Failure::Handshake);
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
