#pragma once

#include "mailcheck/MailCheck.h"

#include <optional>

// The IMAP mail checker: logs in, asks STATUS INBOX (UNSEEN), logs out, and tells its host
// through the same events as the POP3 control; "new mail" is the number of unseen messages
// in the inbox. With STARTTLS the password waits until TLS is up.
class ImapCheck : public MailCheck
{
    Q_OBJECT
public:
    static constexpr int kDefaultPort = 143;
    static constexpr int kTlsPort = 993;

    explicit ImapCheck(QWidget *parent = nullptr);

protected:
    void begin() override;
    void onReply(const QString &reply) override;
    void onSecured() override;
    bool finished() const override { return m_state == State::Done; }

private:
    enum class State { Greeting, StartTlsSent, LoginSent, StatusSent, LogoutSent, Done };

    void onGreeting(const QString &reply);
    void onTagged(const QString &reply);
    void command(State state, const QString &text);
    void login();

    State m_state = State::Greeting;
    QString m_tag;
    int m_tagNumber = 0;
    std::optional<int> m_unseen;
};
