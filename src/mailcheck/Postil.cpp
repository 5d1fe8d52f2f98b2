#include "mailcheck/Postil.h"

namespace {

enum State : short { Greeting, UserSent, PassSent, StatSent, QuitSent, Done };

} // namespace

Postil::Postil(QWidget *parent)
    : MailCheck(QStringLiteral("POP Error: "), kDefaultPort, kTlsPort, parent)
{
    setObjectName(QStringLiteral("Postil"));
    setToolTip(QStringLiteral("POP3 mail checker"));
}

void Postil::begin()
{
    m_state = Greeting;
    m_stlsSent = false;
}

bool Postil::finished() const
{
    return m_state == Done;
}

void Postil::onReply(const QString &reply)
{
    if (m_stlsSent) {
        m_stlsSent = false;
        if (reply.startsWith(u'+'))
            startTls();
        else
            refuse(QStringLiteral("the server refused STLS, so nothing more was sent: ") + reply);
        return;
    }
    if (reply.startsWith(u'+'))
        onPositiveReply(reply);
    else if (reply.startsWith(u'-'))
        refuse(reply);
}

void Postil::onSecured()
{
    sendUser();
}

void Postil::sendUser()
{
    m_state = UserSent;
    send(QStringLiteral("USER ") + oneLine(user()));
    Q_EMIT Noisy(QStringLiteral("Sending USER..."));
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
        if (security() == Security::StartTls) {
            // The password waits for TLS; the greeting is answered with STLS alone.
            m_state = Greeting;
            m_stlsSent = true;
            send(QStringLiteral("STLS"));
            return;
        }
        sendUser();
        break;
    case UserSent:
        send(QStringLiteral("PASS ") + oneLine(password()));
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
        closeAfterLastReply();
        break;
    }
}
