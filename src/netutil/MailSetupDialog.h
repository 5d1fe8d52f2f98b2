#pragma once

#include <QWidget>

class LumoButton;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

// The mail setup dialog (frmEmail): a modeless window that is only ever hidden, so its
// fields keep their text for the whole run. It holds no logic; the mail panel acts on its
// buttons and fields.
class MailSetupDialog : public QWidget
{
    Q_OBJECT
public:
    MailSetupDialog();

    QLineEdit *txtServer() const { return m_server; }
    QLineEdit *txtUser() const { return m_user; }
    QLineEdit *txtPassword() const { return m_password; }
    QLineEdit *txtDelay() const { return m_delay; }
    QComboBox *cboProtocol() const { return m_protocol; }
    QComboBox *cboSecurity() const { return m_security; }
    QLineEdit *txtPort() const { return m_port; }
    QPlainTextEdit *txtLog() const { return m_log; }
    LumoButton *cmdCheckMail() const { return m_checkMail; }
    LumoButton *cmdClose() const { return m_close; }
    LumoButton *cmdTrust() const { return m_trust; }

    // The server's caption names the protocol chosen.
    void showProtocol(const QString &protocol);
    // Where the password is kept, in a line under it; the keyring's reason on hovering.
    void showPasswordPlace(const QString &text, const QString &reason);
    // A certificate the check refused, with the choice to trust it; empty hides both.
    void showRefusedCertificate(const QString &host, const QString &fingerprint);
    QString certificateText() const;

private:
    QLineEdit *field(const char *name, const QString &caption, int top);
    QComboBox *choice(const char *name, const QString &caption, int top, int width);
    QLabel *note(const char *name, int top, int height);

    QLabel *m_serverCaption = nullptr;
    QLineEdit *m_server, *m_user, *m_password, *m_delay, *m_port;
    QComboBox *m_protocol, *m_security;
    QLabel *m_passwordPlace, *m_certificate;
    QPlainTextEdit *m_log;
    LumoButton *m_checkMail, *m_close, *m_trust;
};
