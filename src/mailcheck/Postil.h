#pragma once

#include "mailcheck/PopReplies.h"

#include <QAbstractSocket>
#include <QWidget>

class LineClient;

// The POP3 mail checker control: logs in, asks STAT for the message count, logs out, and
// tells its host through signals. It never blocks: the dialogue runs on the socket's
// signals, one reply line at a time, and a server that stops answering is given up after
// kReplyTimeoutMs.
class Postil : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString Server READ server WRITE setServer)
    Q_PROPERTY(int MailPort READ mailPort WRITE setMailPort)
    Q_PROPERTY(QString User READ user WRITE setUser)
    Q_PROPERTY(QString Password READ password WRITE setPassword)
public:
    static constexpr int kFaceSize = 28;
    static constexpr int kReplyTimeoutMs = 30000;
    static constexpr int kDefaultPort = 110;

    explicit Postil(QWidget *parent = nullptr);
    ~Postil() override;

    QString server() const { return m_server; }
    void setServer(const QString &server) { m_server = server; }
    // 0 means not set: reading it then stores and returns 110. Any TCP port up to 65535 is
    // accepted, so a test server on a high loopback port can be reached.
    int mailPort();
    void setMailPort(int port) { m_port = port; }
    QString user() const { return m_user; }
    void setUser(const QString &user) { m_user = user; }
    QString password() const { return m_password; }
    void setPassword(const QString &password) { m_password = password; }

    // Position in the dialogue: 0 waits for the greeting, 5 is done.
    short exchangeState() const { return m_state; }

    QSize sizeHint() const override { return {kFaceSize, kFaceSize}; }

public Q_SLOTS:
    // Closes any open connection, starts again from state 0 and returns at once.
    void CheckNewMail();
    // The reply timer ran out (timReply); tests call it instead of waiting.
    void onReplyTimeout();

Q_SIGNALS:
    void NewMail(int NumMsgs);
    void NoMail();
    void Noisy(const QString &POPresponse);
    void SockError(const QString &ErrorStats);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void onFailure(int failure);
    void onReply(const QString &reply);
    void onPositiveReply(const QString &reply);
    void send(const QString &command);

    LineClient *m_client;
    QString m_server, m_user, m_password;
    int m_port = 0;
    short m_state = 0;
    bool m_refused = false; // a reply beginning with "-" ended this check's dialogue
    quint64 m_check = 0;    // counts the checks started
};
