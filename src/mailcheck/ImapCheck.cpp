#include "mailcheck/ImapCheck.h"
#include "mailcheck/ImapReplies.h"

ImapCheck::ImapCheck(QWidget *parent)
    : MailCheck(QStringLiteral("IMAP Error: "), kDefaultPort, kTlsPort, parent)
{
    setObjectName(QStringLiteral("ImapCheck"));
    setToolTip(QStringLiteral("IMAP mail checker"));
}

void ImapCheck::begin()
{
    m_state = State::Greeting;
    m_tag.clear();
    m_tagNumber = 0;
    m_unseen.reset();
}

void ImapCheck::onReply(const QString &reply)
{
    if (m_state == State::Done)
        return;
    if (m_state == State::Greeting) {
        onGreeting(reply);
        return;
    }
    if (m_state == State::StatusSent && !m_unseen)
        m_unseen = imapUnseenCount(reply);
    // A server that says goodbye before it was asked to is ending the check.
    if (m_state != State::LogoutSent && reply.startsWith(QLatin1String("* BYE"))) {
        refuse(reply);
        return;
    }
    onTagged(reply);
}

void ImapCheck::onGreeting(const QString &reply)
{
    if (reply.startsWith(QLatin1String("* OK"), Qt::CaseInsensitive)) {
        if (security() == Security::StartTls)
            command(State::StartTlsSent, QStringLiteral("STARTTLS"));
        else
            login();
    } else if (reply.startsWith(QLatin1String("* PREAUTH"), Qt::CaseInsensitive)) {
        // Logged in already, so STARTTLS can no longer be asked for.
        if (security() == Security::StartTls)
            refuse(QStringLiteral("the server cannot start TLS on a session it logged in: ")
                   + reply);
        else
            command(State::StatusSent, QStringLiteral("STATUS INBOX (UNSEEN)"));
    } else if (reply.startsWith(QLatin1String("* "))) {
        refuse(reply);
    }
}

void ImapCheck::onTagged(const QString &reply)
{
    const ImapReply answer = imapReplyTo(reply, m_tag);
    if (answer == ImapReply::Other)
        return;
    if (answer == ImapReply::Refused) {
        refuse(m_state == State::StartTlsSent
                   ? QStringLiteral("the server refused STARTTLS, so nothing more was sent: ")
                       + reply
                   : reply);
        return;
    }
    switch (m_state) {
    case State::StartTlsSent:
        startTls();
        return;
    case State::LoginSent:
        command(State::StatusSent, QStringLiteral("STATUS INBOX (UNSEEN)"));
        Q_EMIT Noisy(QStringLiteral("Checking Mail..."));
        return;
    case State::StatusSent: {
        const std::optional<int> unseen = m_unseen;
        command(State::LogoutSent, QStringLiteral("LOGOUT"));
        if (!unseen)
            Q_EMIT SockError(QStringLiteral("IMAP Error: no unseen count in the reply"));
        else if (*unseen == 0)
            Q_EMIT NoMail();
        else
            Q_EMIT NewMail(*unseen);
        return;
    }
    case State::LogoutSent:
        m_state = State::Done;
        closeAfterLastReply();
        return;
    case State::Greeting:
    case State::Done:
        return;
    }
}

void ImapCheck::onSecured()
{
    login();
}

void ImapCheck::login()
{
    command(State::LoginSent,
            QStringLiteral("LOGIN %1 %2")
                .arg(imapQuoted(oneLine(user())), imapQuoted(oneLine(password()))));
    Q_EMIT Noisy(QStringLiteral("Sending LOGIN..."));
}

void ImapCheck::command(State state, const QString &text)
{
    // The state moves on before the line goes, as a handler may start a new check.
    m_state = state;
    m_tag = QStringLiteral("a%1").arg(++m_tagNumber);
    send(m_tag + u' ' + text);
}
