#pragma once

#include "mailcheck/MailCheck.h"
#include "mailcheck/PopReplies.h"

// The POP3 mail checker control: logs in, asks STAT for the message count, logs out, and
// tells its host through signals. With STARTTLS it asks STLS after the greeting and sends
// nothing more unless TLS comes up; with SSL/TLS the connection is encrypted from the start.
class Postil : public MailCheck
{
    Q_OBJECT
public:
    static constexpr int kDefaultPort = 110;
    static constexpr int kTlsPort = 995;

    explicit Postil(QWidget *parent = nullptr);

    // Position in the dialogue: 0 waits for the greeting, 5 is done.
    short exchangeState() const { return m_state; }

protected:
    void begin() override;
    void onReply(const QString &reply) override;
    void onSecured() override;
    bool finished() const override;

private:
    void onPositiveReply(const QString &reply);
    void sendUser();

    short m_state = 0;
    bool m_stlsSent = false; // STLS is asked and its answer awaited
};
