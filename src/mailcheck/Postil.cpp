#include "mailcheck/Postil.h"

#include "common/LineClient.h"

#include <QPainter>
#include <QResizeEvent>

namespace {

enum State : short { Greeting, UserSent, PassSent, StatSent, QuitSent, Done };

// A mail check's whole dialogue is a few short lines; a server that sends more than this is
// not answering the check.
constexpr qsizetype kMostBytes = 64 * 1024;
constexpr qsizetype kLongestLine = 4096;

// A field typed by the user must not be able to add a command of its own.
QString oneLine(QString text)
{
    return text.remove(u'\r').remove(u'\n');
}

} // namespace

Postil::Postil(QWidget *parent)
    : QWidget(parent)
    , m_client(new LineClient({kReplyTimeoutMs, kLongestLine, kMostBytes},
                              QStringLiteral("timReply"), this))
{
    setObjectName(QStringLiteral("Postil"));
    setFixedSize(kFaceSize, kFaceSize);
    setToolTip(QStringLiteral("POP3 mail checker"));
    // Replies are ASCII; Latin-1 keeps any stray byte as one character instead of failing.
    connect(m_client, &LineClient::lineReceived, this,
            [this](const QByteArray &line) { onReply(QString::fromLatin1(line)); });
    connect(m_client, &LineClient::failed, this,
            [this](LineClient::Failure failure) { onFailure(int(failure)); });
}

Postil::~Postil() = default;

int Postil::mailPort()
{
    if (m_port == 0)
        m_port = kDefaultPort;
    return m_port;
}

void Postil::CheckNewMail()
{
    m_client->abort();
    m_state = Greeting;
    m_refused = false;
    ++m_check;
    const int port = mailPort();
    Q_EMIT Noisy(QStringLiteral("Connecting (") + m_server + u')');
    if (port < 0 || port > 65535) {
        Q_EMIT SockError(QStringLiteral("POP Error: no such port: ") + QString::number(port));
        return;
    }
    m_client->open(m_server, quint16(port));
}

void Postil::onReplyTimeout()
{
    m_client->onTimeout();
}

void Postil::onReply(const QString &reply)
{
    // After a refusal the dialogue is over: whatever else the server sends is not a reply.
    if (m_refused)
        return;
    const quint64 check = m_check;
    Q_EMIT Noisy(reply);
    // The host may have started a new check from its handler; this reply belongs to the old.
    if (check != m_check)
        return;
    if (reply.startsWith(u'+')) {
        onPositiveReply(reply);
    } else if (reply.startsWith(u'-')) {
        // The dialogue stops here; the server drops the connection or the next check does.
        m_refused = true;
        m_client->stopWaiting();
        Q_EMIT SockError(QStringLiteral("POP Error: ") + reply);
    }
}

void Postil::onPositiveReply(const QString &reply)
{
    if (m_state >= Done)
        return;
    // The state moves on before any signal, so a host that starts a new check from its
    // handler is not overtaken by this one.
    const short state = m_state++;
    switch (state) {
    case Greeting:
        send(QStringLiteral("USER ") + oneLine(m_user));
        Q_EMIT Noisy(QStringLiteral("Sending USER..."));
        break;
    case UserSent:
        send(QStringLiteral("PASS ") + oneLine(m_password));
        Q_EMIT Noisy(QStringLiteral("Sending PASS..."));
        break;
    case PassSent:
        send(QStringLiteral("STAT"));
        Q_EMIT Noisy(QStringLiteral("Checking Mail..."));
        break;
    case StatSent: {
        const std::optional<int> count = statMessageCount(reply);
        send(QStringLiteral("QUIT"));
        if (!count)
            Q_EMIT SockError(QStringLiteral("POP Error: unreadable message count: ") + reply);
        else if (*count == 0)
            Q_EMIT NoMail();
        else
            Q_EMIT NewMail(*count);
        break;
    }
    case QuitSent:
        m_client->close();
        Q_EMIT Noisy(QStringLiteral("Closing Socket..."));
        break;
    }
}

void Postil::send(const QString &command)
{
    m_client->send((command + QStringLiteral("\r\n")).toUtf8());
}

void Postil::onFailure(int failure)
{
    switch (LineClient::Failure(failure)) {
    case LineClient::Failure::TimedOut:
        Q_EMIT SockError(QStringLiteral("POP Error: no reply from server"));
        return;
    case LineClient::Failure::TooMuch:
        Q_EMIT SockError(QStringLiteral("POP Error: the server sent more than a mail check "
                                        "takes"));
        return;
    case LineClient::Failure::Socket:
        // The server closing after its last reply is the normal end, not a failure.
        if (m_state == Done)
            return;
        Q_EMIT SockError(QString::number(int(m_client->socketError())) + QStringLiteral(" : ")
                         + m_client->socketErrorText());
        return;
    }
}

void Postil::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (event->size() != QSize(kFaceSize, kFaceSize))
        resize(kFaceSize, kFaceSize);
}

void Postil::paintEvent(QPaintEvent *)
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
