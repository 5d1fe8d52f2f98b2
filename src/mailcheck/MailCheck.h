#pragma once

#include <QWidget>

class LineClient;

// What the mail checkers share: the properties a host sets, the events it handles, the one
// connection with its security and bounds, the failure texts, and the face. Each protocol
// adds its dialogue. A check never blocks: the dialogue runs on the socket's signals, one
// reply line at a time, and a server that stops answering is given up after kReplyTimeoutMs.
class MailCheck : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString Server READ server WRITE setServer)
    Q_PROPERTY(int MailPort READ mailPort WRITE setMailPort)
    Q_PROPERTY(QString User READ user WRITE setUser)
    Q_PROPERTY(QString Password READ password WRITE setPassword)
    // "None", "STARTTLS" or "SSL/TLS"; any other text asks for SSL/TLS, never for plain text.
    Q_PROPERTY(QString Security READ securityName WRITE setSecurityName)
    // A certificate's SHA-256 fingerprint that the user chose to trust; empty for none.
    Q_PROPERTY(QString TrustedCertificate READ trustedCertificate WRITE setTrustedCertificate)
    // The fingerprint of the certificate the last check refused; empty when none was.
    Q_PROPERTY(QString RefusedCertificate READ refusedCertificate)
public:
    enum class Security { None, StartTls, Tls };
    static constexpr int kFaceSize = 28;
    static constexpr int kReplyTimeoutMs = 30000;

    ~MailCheck() override;

    QString server() const { return m_server; }
    void setServer(const QString &server) { m_server = server; }
    // 0 means not set: reading it then stores and returns the protocol's port for the chosen
    // security. Any TCP port up to 65535 is accepted, so a test server can be reached.
    int mailPort();
    void setMailPort(int port) { m_port = port; }
    QString user() const { return m_user; }
    void setUser(const QString &user) { m_user = user; }
    QString password() const { return m_password; }
    void setPassword(const QString &password) { m_password = password; }
    Security security() const { return m_security; }
    void setSecurity(Security security) { m_security = security; }
    QString securityName() const;
    void setSecurityName(const QString &name);
    QString trustedCertificate() const { return m_trusted; }
    void setTrustedCertificate(const QString &fingerprint) { m_trusted = fingerprint; }
    QString refusedCertificate() const { return m_refusedCertificate; }

    QSize sizeHint() const override { return {kFaceSize, kFaceSize}; }

public Q_SLOTS:
    // Closes any open connection, starts the dialogue again and returns at once.
    void CheckNewMail();
    // The reply timer ran out (timReply); tests call it instead of waiting.
    void onReplyTimeout();

Q_SIGNALS:
    void NewMail(int NumMsgs);
    void NoMail();
    void Noisy(const QString &POPresponse);
    void SockError(const QString &ErrorStats);

protected:
    MailCheck(const QString &errorPrefix, int plainPort, int tlsPort, QWidget *parent);

    // The protocol's dialogue: a new check begins, a reply line came, STARTTLS succeeded.
    virtual void begin() = 0;
    virtual void onReply(const QString &reply) = 0;
    virtual void onSecured() = 0;
    // The last reply is in: the server closing now is the normal end.
    virtual bool finished() const = 0;

    void send(const QString &command);
    void startTls();
    // Ends the dialogue: SockError with the protocol's prefix; no reply after it is read.
    void refuse(const QString &reason);
    void closeAfterLastReply();
    // Counts the checks started: a handler that started a new one has overtaken this reply.
    quint64 checkNumber() const { return m_check; }
    // A field typed by the user must not be able to add a command of its own.
    static QString oneLine(QString text);

    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void onLine(const QString &reply);
    void onFailure(int failure);

    LineClient *m_client;
    QString m_errorPrefix;
    int m_plainPort, m_tlsPort;
    QString m_server, m_user, m_password, m_trusted, m_refusedCertificate;
    int m_port = 0;
    Security m_security = Security::None;
    bool m_refused = false; // a refusal ended this check's dialogue
    quint64 m_check = 0;
};
