#include "mailcheck/Postil.h"

#include <QPainter>
#include <QResizeEvent>
#include <QTcpSocket>
#include <QTimer>

namespace {

enum State : short { Greeting, UserSent, PassSent, StatSent, QuitSent, Done };

// A field typed by the user must not be able to add a command of its own.
QString oneLine(QString text)
{
    return text.remove(u'\r').remove(u'\n');
}

} // namespace

Postil::Postil(QWidget *parent)
    : QWidget(parent)
    , m_socket(new QTcpSocket(this))
    , m_timReply(new QTimer(this))
{
    setObjectName(QStringLiteral("Postil"));
    setFixedSize(kFaceSize, kFaceSize);
    setToolTip(QStringLiteral("POP3 mail checker"));
    m_timReply->setObjectName(QStringLiteral("timReply"));
    m_timReply->setSingleShot(true);
    m_timReply->setInterval(kReplyTimeoutMs);
    connect(m_timReply, &QTimer::timeout, this, &Postil::onReplyTimeout);
    connect(m_socket, &QTcpSocket::readyRead, this, &Postil::onReadyRead);
    connect(m_socket, &QTcpSocket::errorOccurred, this, &Postil::onSocketError);
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
    m_socket->abort();
    m_lines.clear();
    m_state = Greeting;
    ++m_check;
    const int port = mailPort();
    Q_EMIT Noisy(QStringLiteral("Connecting (") + m_server + u')');
    if (port < 0 || port > 65535) {
        Q_EMIT SockError(QStringLiteral("POP Error: no such port: ") + QString::number(port));
        return;
    }
    waitForReply();
    m_socket->connectToHost(m_server, quint16(port));
}

void Postil::onReplyTimeout()
{
    m_socket->abort();
    m_lines.clear();
    Q_EMIT SockError(QStringLiteral("POP Error: no reply from server"));
}

void Postil::onReadyRead()
{
    m_lines.append(m_socket->readAll());
    // A reply may close the socket or a host's handler may start a new check: stop taking
    // lines once the connection they came on is gone.
    while (m_socket->state() == QAbstractSocket::ConnectedState) {
        const std::optional<QString> line = m_lines.takeLine();
        if (!line)
            break;
        onReply(*line);
    }
}

void Postil::onReply(const QString &reply)
{
    const quint64 check = m_check;
    Q_EMIT Noisy(reply);
    // The host may have started a new check from its handler; this reply belongs to the old.
    if (check != m_check)
        return;
    if (reply.startsWith(u'+')) {
        onPositiveReply(reply);
    } else if (reply.startsWith(u'-')) {
        // The dialogue stops here; the server drops the connection or the next check does.
        m_timReply->stop();
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
        m_timReply->stop();
        m_socket->close();
        Q_EMIT Noisy(QStringLiteral("Closing Socket..."));
        break;
    }
}

void Postil::send(const QString &command)
{
    m_socket->write((command + QStringLiteral("\r\n")).toUtf8());
    waitForReply();
}

void Postil::waitForReply()
{
    m_timReply->start();
}

void Postil::onSocketError(QAbstractSocket::SocketError error)
{
    // The server closing after its last reply is the normal end, not a failure.
    if (m_state == Done)
        return;
    m_timReply->stop();
    Q_EMIT SockError(QString::number(int(error)) + QStringLiteral(" : ") + m_socket->errorString());
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
