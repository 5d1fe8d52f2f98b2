#include "netutil/FakePostil.h"

#include "netutil/MailPanel.h"
#include "netutil/MailSetupDialog.h"
#include "support/DashboardFixture.h"

#include "support/StagedPaths.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

class MailPanelTest : public DashboardFixture
{
protected:
    // A dashboard with the double in place of the checker, loaded.
    MailPanel &loadedWithFake()
    {
        box = new FakePostil;
        dashboard().mail().setControl(box);
        loaded();
        return dashboard().mail();
    }
    void enableMail(const QString &delay)
    {
        setSetting("System", "NoEmail", "False");
        setSetting("Settings", "Server", "pop.example.test");
        setSetting("Settings", "User", "alice");
        setSetting("Settings", "Password", "secret");
        setSetting("Settings", "Delay", delay);
    }
    QString chkEmail() { return find<QPlainTextEdit>("txtChkEmail")->toPlainText(); }
    QString count(int i) { return find<QLabel>(QStringLiteral("lblNumEmails%1").arg(i))->text(); }
    QAction *disableEmail() { return dashboard().menus().disableEmail; }

    FakePostil *box = nullptr; // owned by the dashboard
};

} // namespace

TEST_F(MailPanelTest, FirstStartIsDisabledWithEmptyFieldsAndNoCheck)
{
    MailPanel &mail = loadedWithFake();
    EXPECT_TRUE(mail.mailDisabled());
    EXPECT_TRUE(disableEmail()->isChecked());
    EXPECT_EQ(chkEmail(), "Mail Disabled");
    const MailSetupDialog &dialog = mail.setupDialog();
    for (QLineEdit *field :
         {dialog.txtServer(), dialog.txtUser(), dialog.txtPassword(), dialog.txtDelay()})
        EXPECT_EQ(field->text(), "") << field->objectName().toStdString();
    EXPECT_EQ(dialog.txtPassword()->echoMode(), QLineEdit::Password);
    EXPECT_EQ(dialog.windowTitle(), "Orvane Email Setup");
    EXPECT_EQ(mail.pictureShown(), 2);
    EXPECT_EQ(count(0), "0");
    EXPECT_EQ(box->checks, 0);
    for (int minute = 0; minute < 10; ++minute)
        dashboard().onMinute();
    EXPECT_EQ(box->checks, 0);
}

TEST_F(MailPanelTest, SavedSetupChecksAtStartAndEveryDelayMinutes)
{
    enableMail("5");
    MailPanel &mail = loadedWithFake();
    EXPECT_EQ(box->checks, 1);
    EXPECT_EQ(box->server, "pop.example.test"); // fields reach the checker as they fill
    EXPECT_EQ(box->user, "alice");
    EXPECT_EQ(box->password, "secret");
    EXPECT_FALSE(mail.mailDisabled());
    for (int minute = 1; minute <= 10; ++minute) {
        dashboard().onMinute();
        EXPECT_EQ(box->checks, 1 + minute / 5) << "minute " << minute;
    }
    mail.setupDialog().txtServer()->setText(QStringLiteral("other.test"));
    EXPECT_EQ(box->server, "other.test");
}

TEST_F(MailPanelTest, EnablingMailOrSavingTheSetupCountsTheDelayAfresh)
{
    MailPanel &mail = loadedWithFake(); // first start: mail off, no delay saved
    mail.setupDialog().txtDelay()->setText(QStringLiteral("3"));
    for (int minute = 0; minute < 10; ++minute)
        dashboard().onMinute(); // the count passes the delay while mail is off
    mail.setupDialog().txtServer()->setText(QStringLiteral("pop.example.test"));
    mail.onCmdCloseReleased(1, 1);
    disableEmail()->trigger();
    const int before = box->checks;
    for (int minute = 1; minute <= 6; ++minute) {
        dashboard().onMinute();
        EXPECT_EQ(box->checks, before + minute / 3) << "minute " << minute;
    }
}

TEST_F(MailPanelTest, DisableEmailSwitchesTheStatusAndTheSetting)
{
    enableMail("5");
    loadedWithFake();
    disableEmail()->trigger();
    EXPECT_TRUE(disableEmail()->isChecked());
    EXPECT_EQ(chkEmail(), "Mail Disabled");
    EXPECT_EQ(setting("System", "NoEmail"), "True");
    disableEmail()->trigger();
    EXPECT_FALSE(disableEmail()->isChecked());
    EXPECT_FALSE(dashboard().mail().mailDisabled());
    EXPECT_EQ(chkEmail(), "");
    EXPECT_EQ(setting("System", "NoEmail"), "False");
}

TEST_F(MailPanelTest, CheckMailStopsOnlyTheScheduledChecks)
{
    enableMail("2");
    MailPanel &mail = loadedWithFake();
    setSetting("Settings", "Server", "saved.test");
    mail.setupDialog().txtServer()->setText(QStringLiteral("typed.test"));
    mail.onMnuSetupEmailClick();
    mail.onCmdCheckMailReleased(70, 10); // outside: nothing
    EXPECT_EQ(box->checks, 1);
    mail.onCmdCheckMailReleased(10, 10);
    EXPECT_EQ(box->checks, 2);
    EXPECT_TRUE(disableEmail()->isChecked());
    EXPECT_FALSE(mail.mailDisabled()); // the flag and the setting stay
    EXPECT_EQ(setting("System", "NoEmail"), "False");
    EXPECT_EQ(setting("Settings", "Server"), "saved.test");
    EXPECT_TRUE(mail.setupDialog().isHidden());
    // The minute timer runs on: the status follows the network, but no mail check.
    const int before = connectivity.checks;
    for (int minute = 0; minute < 6; ++minute)
        dashboard().onMinute();
    EXPECT_EQ(box->checks, 2);
    EXPECT_GE(connectivity.checks, before + 5);
    // The next check on request takes the menu's state as the flag.
    dashboard().menus().checkPop3Email->trigger();
    EXPECT_EQ(box->checks, 3);
    EXPECT_TRUE(mail.mailDisabled());
}

TEST_F(MailPanelTest, EventsShowCountPictureAndActivity)
{
    MailPanel &mail = loadedWithFake();
    Q_EMIT box->NewMail(3);
    EXPECT_EQ(count(0), "3");
    EXPECT_EQ(count(1), "3");
    EXPECT_EQ(mail.pictureShown(), 1);
    EXPECT_EQ(mail.lastCount(), 3);
    Q_EMIT box->NoMail();
    EXPECT_EQ(count(0), "0");
    EXPECT_EQ(count(1), "0");
    EXPECT_EQ(mail.pictureShown(), 2);

    Q_EMIT box->Noisy(QStringLiteral("Connecting (pop.test)"));
    Q_EMIT box->Noisy(QStringLiteral("+OK ready\r\n"));
    EXPECT_EQ(mail.logText(), "+OK ready\r\n\r\nConnecting (pop.test)\r\nActivity\r\n");
    EXPECT_EQ(mail.activityText(), "+OK ready\r\n\r\nConnecting (pop.test)\r\nMail Disabled");
    mail.flushActivity(); // the boxes take new lines on the activity timer's tick
    EXPECT_EQ(chkEmail(), "+OK ready\n\nConnecting (pop.test)\nMail Disabled");
    EXPECT_EQ(mail.setupDialog().txtLog()->toPlainText(),
              "+OK ready\n\nConnecting (pop.test)\nActivity\n");
    // A failed check says so in both boxes and leaves the count as it was.
    Q_EMIT box->SockError(QStringLiteral("10061 : refused"));
    mail.flushActivity();
    EXPECT_EQ(count(0), "0");
    EXPECT_TRUE(chkEmail().startsWith("Mail check failed: 10061 : refused\n"));
    EXPECT_TRUE(mail.logText().startsWith("Mail check failed: 10061 : refused\r\n"));
}

TEST_F(MailPanelTest, ConnectionPromptAndCloseSavesTheSetup)
{
    enableMail("5");
    connectivity.state.connected = false;
    prompter.setNextAnswer(Prompter::Answer::No);
    MailPanel &mail = loadedWithFake();
    ASSERT_EQ(prompter.shown.size(), 1);
    EXPECT_EQ(prompter.shown.at(0).title, "Internet Connection?");
    EXPECT_TRUE(prompter.shown.at(0).text.contains("get your mail"));
    EXPECT_EQ(box->checks, 0);
    prompter.setNextAnswer(Prompter::Answer::Yes);
    mail.checkMail();
    EXPECT_EQ(box->checks, 1);

    mail.setupDialog().txtDelay()->setText(QStringLiteral("7"));
    mail.setupDialog().txtUser()->setText(QStringLiteral("bob"));
    mail.onMnuSetupEmailClick();
    mail.onCmdCloseReleased(59, 10); // on the edge: nothing
    EXPECT_EQ(setting("Settings", "Delay"), "5");
    mail.onCmdCloseReleased(10, 10);
    EXPECT_EQ(setting("Settings", "Delay"), "7");
    EXPECT_EQ(setting("Settings", "User"), "bob");
    EXPECT_EQ(setting("Settings", "Password"), "secret");
    EXPECT_TRUE(mail.setupDialog().isHidden());
}

TEST_F(MailPanelTest, MissingOrBrokenCheckerStillStartsAndSaysWhy)
{
    // The test copy of the application folder has no checker library.
    enableMail("5");
    loaded();
    EXPECT_TRUE(chkEmail().startsWith("Mail unavailable: ")) << chkEmail().toStdString();
    EXPECT_TRUE(chkEmail().contains("Postil"));
    EXPECT_FALSE(dashboard().menus().checkPop3Email->isEnabled());
    EXPECT_FALSE(dashboard().menus().setupEmail->isEnabled());
    EXPECT_FALSE(disableEmail()->isEnabled());
    dashboard().onMinute();

    writeFile(appPath("libPostil.so"), "not a library");
    DashboardFixture::m_dashboard.reset();
    loaded();
    EXPECT_TRUE(chkEmail().startsWith("Mail unavailable: ")) << chkEmail().toStdString();
    EXPECT_TRUE(chkEmail().contains("libPostil.so")) << chkEmail().toStdString();
}

TEST_F(MailPanelTest, ARefusedCertificateIsShownAndTrustedAtOnceAndTheChoicesAreKept)
{
    enableMail("5");
    setSetting("Settings", "Security", "STARTTLS");
    setSetting("Settings", "Port", "1995");
    MailPanel &mail = loadedWithFake();
    EXPECT_EQ(box->security, "STARTTLS");
    EXPECT_EQ(box->port, 1995);
    const int checks = box->checks;

    box->refused = QStringLiteral("AB:CD:EF");
    Q_EMIT box->SockError(QStringLiteral("POP Error: certificate not trusted: …"));
    EXPECT_TRUE(mail.setupDialog().certificateText().contains("pop.example.test"));
    EXPECT_TRUE(mail.setupDialog().certificateText().contains("AB:CD:EF"));
    mail.onCmdTrustReleased(5, 5);
    EXPECT_EQ(setting("Settings", "TrustedCertificate"), "AB:CD:EF");
    EXPECT_EQ(box->trusted, "AB:CD:EF");
    EXPECT_EQ(box->checks, checks + 1);
    EXPECT_TRUE(mail.setupDialog().certificateText().isEmpty());

    // The security chosen reaches the checker as typed, and "Close" keeps it.
    mail.setupDialog().cboSecurity()->setCurrentText("SSL/TLS");
    mail.setupDialog().txtPort()->clear();
    EXPECT_EQ(box->security, "SSL/TLS");
    EXPECT_EQ(box->port, 0); // the checker's own port for it
    mail.onCmdCloseReleased(10, 10);
    EXPECT_EQ(setting("Settings", "Security"), "SSL/TLS");
    EXPECT_EQ(setting("Settings", "Port"), "");
    EXPECT_EQ(setting("Settings", "Protocol"), "POP3");
}

TEST_F(MailPanelTest, TheProtocolBringsItsCheckerAndThePasswordMovesToTheKeyring)
{
    ASSERT_TRUE(QFile::copy(stagedAppDir() + "/libPostil.so", appPath("libPostil.so")));
    enableMail("5");
    setSetting("Settings", "Protocol", "IMAP");
    fakes.secrets.failure = SecretStore::Outcome::Done;
    MailPanel &mail = dashboard().mail();
    loaded();
    ASSERT_TRUE(mail.control());
    EXPECT_STREQ(mail.control()->metaObject()->className(), "ImapCheck");
    EXPECT_EQ(mail.control()->property("Password").toString(), "secret");
    mail.setupDialog().cboProtocol()->setCurrentText("POP3");
    ASSERT_TRUE(mail.control());
    EXPECT_STREQ(mail.control()->metaObject()->className(), "Postil");
    EXPECT_EQ(mail.control()->objectName(), "MyBox");
    EXPECT_EQ(mail.control()->property("User").toString(), "alice");

    EXPECT_EQ(setting("Settings", "Password"), "");
    EXPECT_EQ(fakes.secrets.secrets.value("mail password"), "secret");
    EXPECT_TRUE(mail.logText().contains("moved from settings.ini to the desktop keyring"));
    EXPECT_TRUE(
        mail.setupDialog().findChild<QLabel *>("lblPasswordPlace")->text().contains("keyring"));
}
