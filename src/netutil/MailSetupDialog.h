#pragma once

#include <QWidget>

class LumoButton;
class QLineEdit;
class QPlainTextEdit;

// The mail setup dialog (frmEmail): a modeless window that is only ever hidden, so its
// fields keep their text for the whole run. It holds no logic; the mail panel acts on its
// buttons.
class MailSetupDialog : public QWidget
{
    Q_OBJECT
public:
    MailSetupDialog();

    QLineEdit *txtServer() const { return m_server; }
    QLineEdit *txtUser() const { return m_user; }
    QLineEdit *txtPassword() const { return m_password; }
    QLineEdit *txtDelay() const { return m_delay; }
    QPlainTextEdit *txtLog() const { return m_log; }
    LumoButton *cmdCheckMail() const { return m_checkMail; }
    LumoButton *cmdClose() const { return m_close; }

private:
    QLineEdit *field(const char *name, const QString &caption, int top);

    QLineEdit *m_server, *m_user, *m_password, *m_delay;
    QPlainTextEdit *m_log;
    LumoButton *m_checkMail, *m_close;
};
