#include "mailcheck/MailCheck.h"

#include "common/LineClient.h"

#include <QPainter>
#include <QResizeEvent>

namespace {

// A mail check's whole dialogue is a few short lines; a server that sends more than this is
// not answering the check.
constexpr qsizetype kMostBytes = 64 * 1024;
constexpr qsizetype kLongestLine = 4096;

const QString kNone = QStringLiteral("None");
const QString kStartTls = QStringLiteral("STARTTLS");
const QString kTls = QStringLiteral("SSL/TLS");

} // namespace

MailCheck::MailCheck(const QString &errorPrefix, int plainPort, int tlsPort, QWidget *parent)
    : QWidget(parent)
    , m_client(new LineClient({kReplyTimeoutMs, kLongestLine, kMostBytes},
                              QStringLiteral("timReply"), this))
    , m_errorPrefix(errorPrefix)
    , m_plainPort(plainPort)
    , m_tlsPort(tlsPort)
{
    setFixedSize(kFaceSize, kFaceSize);
    // Replies are ASCII; Latin-1 keeps any stray byte as one character instead of failing.
    connect(m_client, &LineClient::lineReceived, this,
            [this](const QByteArray &line) { onLine(QString::fromLatin1(line)); });
    connect(m_client, &LineClient::failed, this,
            [this](LineClient::Failure failure) { onFailure(int(failure)); });
    connect(m_client, &LineClient::secured, this, [this] {
        Q_EMIT Noisy(QStringLiteral("Secured with TLS"));
        if (m_security == Security::StartTls && !m_refused)
            onSecured();
    });
}

MailCheck::~MailCheck() = default;

int MailCheck::mailPort()
{
    if (m_port == 0)
        m_port = m_security == Security::Tls ? m_tlsPort : m_plainPort;
    return m_port;
}

QString MailCheck::securityName() const
{
    switch (m_security) {
    case Security::None:
        return kNone;
    case Security::StartTls:
        return kStartTls;
    case Security::Tls:
        break;
    }
    return kTls;
}

void MailCheck::setSecurityName(const QString &name)
{
    if (name.compare(kNone, Qt::CaseInsensitive) == 0)
        m_security = Security::None;
    else if (name.compare(kStartTls, Qt::CaseInsensitive) == 0)
        m_security = Security::StartTls;
    else
        m_security = Security::Tls;
}

void MailCheck::CheckNewMail()
{
    m_client->abort();
    m_refused = false;
    m_refusedCertificate.clear();
    ++m_check;
    begin();
    const int port = mailPort();
    Q_EMIT Noisy(QStringLiteral("Connecting (") + m_server + u')');
    if (port < 0 || port > 65535) {
        Q_EMIT SockError(m_errorPrefix + QStringLiteral("no such port: ") + QString::number(port));
        return;
    }
    m_client->setTrustedFingerprint(m_trusted);
    m_client->open(m_server, quint16(port), m_security == Security::Tls);
}

void MailCheck::onReplyTimeout()
{
    m_client->onTimeout();
}

void MailCheck::onLine(const QString &reply)
{
    // After a refusal the dialogue is over: whatever else the server sends is not a reply.
    if (m_refused)
        return;
    const quint64 check = m_check;
    Q_EMIT Noisy(reply);
    // The host may have started a new check from its handler; this reply belongs to the old.
    if (check == m_check)
        onReply(reply);
}

void MailCheck::send(const QString &command)
{
    m_client->send((command + QStringLiteral("\r\n")).toUtf8());
}

void MailCheck::startTls()
{
    Q_EMIT Noisy(QStringLiteral("Starting TLS..."));
    m_client->startTls();
}

void MailCheck::refuse(const QString &reason)
{
    // The dialogue stops here; the server drops the connection or the next check does.
    m_refused = true;
    m_client->stopWaiting();
    Q_EMIT SockError(m_errorPrefix + reason);
}

void MailCheck::closeAfterLastReply()
{
    m_client->close();
    Q_EMIT Noisy(QStringLiteral("Closing Socket..."));
}

QString MailCheck::oneLine(QString text)
{
    return text.remove(u'\r').remove(u'\n');
}

void MailCheck::onFailure(int failure)
{
    switch (LineClient::Failure(failure)) {
    case LineClient::Failure::TimedOut:
        Q_EMIT SockError(m_errorPrefix + QStringLiteral("no reply from server"));
        return;
    case LineClient::Failure::TooMuch:
        Q_EMIT SockError(m_errorPrefix
                         + QStringLiteral("the server sent more than a mail check takes"));
        return;
    case LineClient::Failure::Untrusted:
        m_refusedCertificate = m_client->offeredFingerprint();
        [[fallthrough]];
    case LineClient::Failure::Handshake:
        m_refused = true;
        Q_EMIT SockError(m_errorPrefix + m_client->tlsErrorText());
        return;
    case LineClient::Failure::Socket:
        // The server closing after its last reply is the normal end, not a failure.
        if (finished())
            return;
        Q_EMIT SockError(QString::number(int(m_client->socketError())) + QStringLiteral(" : ")
                         + m_client->socketErrorText());
        return;
    }
}

void MailCheck::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (event->size() != QSize(kFaceSize, kFaceSize))
        resize(kFaceSize, kFaceSize);
}

void MailCheck::paintEvent(QPaintEvent *)
{
    // The face: a small envelope.
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF body(2.5, 6.5, 23, 15);
    painter.setPen(QPen(QColor(0x1f, 0x3a, 0x66), 1.2));
    painter.setBrush(QColor(0xf4, 0xee, 0xd8));
    painter.drawRoundedRect(body, 1.5, 1.5);
    const QPointF flap[]
        = {body.topLeft(), {body.center().x(), body.center().y() + 1}, body.topRight()};
    painter.drawPolyline(flap, 3);
}
