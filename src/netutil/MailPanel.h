#pragma once

#include "platform/Services.h"

#include <QObject>

class QAction;
class QWidget;

// The mail panel's part in the dashboard's lifecycle: the mail switch, the stored mail
// setup and the check the minute timer asks for. There is no setup dialog, status field or
// mail checker yet: checking and closing the setup do nothing.
class MailPanel : public QObject
{
    Q_OBJECT
public:
    MailPanel(Services &services, QWidget *surface, QAction *disableEmail);

    // Mail stays disabled unless "System"/"NoEmail" says otherwise; it is only switched on
    // while connected.
    void loadSwitch(bool connected);
    // "Settings"/"Delay", "Password", "Server", "User"; one check now
    // when a server is set and mail is enabled.
    void loadSettings();

    bool mailDisabled() const;
    // The setup dialog's delay field, as typed (empty until the setup was saved once).
    QString delayText() const { return m_delay; }
    void checkMail();
    void closeSetupDialog();

private:
    Services &m_services;
    QWidget *m_surface;
    QAction *m_disableEmail;
    QString m_delay, m_password, m_server, m_user;
};
