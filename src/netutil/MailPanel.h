#pragma once

#include "netutil/ActivityText.h"
#include "netutil/MailAccount.h"
#include "netutil/MinuteSchedule.h"
#include "platform/Connectivity.h"
#include "platform/Services.h"
#include "widgets/PictureList.h"

#include <QObject>
#include <QPointer>

#include <memory>

class MailCheckerFactory;
class MailPassword;
class MailSetupDialog;
class QAction;
class QLabel;
class QPlainTextEdit;
class QTimer;
class QWidget;
class OfflineQuestion;

// The dashboard's mail panel: hosts the mail checker control (MyBox) for the protocol chosen,
// feeds it the setup dialog's fields, starts checks at start-up, on request and on its own
// schedule of minutes, and shows the count, the mail picture and the activity. Without a
// usable checker library the program still runs: the panel says why and the mail menu is
// disabled. The password lives in the desktop keyring where there is one.
class MailPanel : public QObject
{
    Q_OBJECT
public:
    struct Menu
    {
        QAction *setupEmail, *checkPop3Email, *disableEmail;
    };

    MailPanel(Services &services, QWidget *surface, const Menu &menu, OfflineQuestion &offline,
              const Connectivity::State &connectivity);
    ~MailPanel() override;

    // Replaces the checker control (tests put a double in before the load).
    void setControl(QWidget *control);
    QWidget *control() const { return m_control; }

    // Load steps: the switch from "System"/"NoEmail" (default "1": disabled); then the setup
    // fields from section "Settings" and one check when a server is set and mail is enabled
    // (once the password is known: the keyring may answer later).
    void loadSwitch(bool connected);
    void loadSettings();

    bool mailDisabled() const { return m_disabled; }
    // The setup dialog's delay field, as typed (empty until the setup was saved once).
    QString delayText() const;
    // "Check Pop3 Email": asks first when not connected.
    void checkMail();
    // A minute passed: counts it and checks mail when the count reaches the delay (none after
    // the setup dialog's "Check Mail"). False for the one minute in which the delay is
    // reached with mail disabled: that minute leaves the status line as it is, too.
    bool onMinute();
    int minutesCounted() const { return m_schedule.counter(); }
    void closeSetupDialog();

public:
    // Handlers, named after the control and its event.
    void onMnuSetupEmailClick();
    void onMnuDisableEmailClick();
    void onCmdCloseReleased(int x, int y);
    void onCmdCheckMailReleased(int x, int y);
    // "Trust this certificate": the refused certificate is trusted from now on, and checked.
    void onCmdTrustReleased(int x, int y);
    QString protocol() const { return m_controlProtocol; }

    MailSetupDialog &setupDialog() const { return *m_dialog; }
    QString activityText() const { return m_activity.text(); }
    QString logText() const { return m_log.text(); }
    // The activity that came since the last tick of "timActivity" goes into both boxes: they
    // take new lines at most ten times a second, however fast a server sends them.
    void flushActivity();
    int lastCount() const { return m_lastCount; }
    int pictureShown() const { return m_picture; }

private Q_SLOTS:
    void onMyBoxNewMail(int count);
    void onMyBoxNoMail();
    void onMyBoxNoisy(const QString &text);
    void onMyBoxSockError(const QString &text);

private:
    void bindControl(QWidget *control, const QString &error);
    void bindDialog();
    void setControlProperty(const char *name, const QVariant &value);
    // The dialog's connection choices, to the control; a new protocol brings its checker.
    void applyConnection();
    void onPasswordLoaded(const QString &password);
    void callCheckNewMail();
    void showCount(int count, int picture);
    void setActivity(const QString &text);

    Services &m_services;
    Menu m_menu;
    OfflineQuestion &m_offline;
    const Connectivity::State &m_connectivity;
    std::unique_ptr<MailSetupDialog> m_dialog;
    MailPassword *m_password;
    MailCheckerFactory *m_checkers = nullptr;
    QString m_controlProtocol = QStringLiteral("POP3");
    QString m_trusted; // the fingerprint trusted, as stored
    QString m_offered; // the fingerprint of the certificate last refused
    bool m_checkWhenLoaded = false;
    QPointer<QWidget> m_control;
    QLabel *m_imgMail;
    QLabel *m_lblNumEmails[2];
    QPlainTextEdit *m_txtChkEmail;
    PictureList m_pictures;
    QString m_unavailable; // why there is no checker, or empty
    ActivityText m_activity, m_log;
    MinuteSchedule m_schedule;
    QTimer *m_timActivity;
    int m_lastCount = 0;
    int m_picture = 0;
    bool m_disabled = true;
    bool m_periodicStopped = false;
};
