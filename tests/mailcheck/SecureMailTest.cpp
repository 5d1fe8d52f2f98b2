#include "mailcheck/DovecotPeer.h"
#include "mailcheck/ImapCheck.h"
#include "mailcheck/Postil.h"
#include "mailcheck/PostilRecorder.h"
#include "mailcheck/ScriptedPopServer.h"

#include "common/Certificates.h"

#include <QSslCertificate>
#include <QSslConfiguration>

#include <gtest/gtest.h>
#include <memory>

namespace {

// One private secure server for the suite; "ann" has three messages, one of them read.
class SecureMailTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        if (!DovecotPeer::unavailableReason().isEmpty() || !QSslSocket::supportsSsl())
            return;
        peer = std::make_unique<DovecotPeer>();
        if (!peer->startSecure({{QStringLiteral("ann"), {QStringLiteral("secret"), 3, 1}}}))
            startError = peer->error();
    }
    static void TearDownTestSuite() { peer.reset(); }

    void SetUp() override
    {
        const QString reason = DovecotPeer::unavailableReason();
        if (!reason.isEmpty())
            GTEST_SKIP() << reason.toStdString();
        if (!QSslSocket::supportsSsl())
            GTEST_SKIP() << "no TLS backend";
        ASSERT_TRUE(startError.isEmpty()) << startError.toStdString();
        systemTrust = QSslConfiguration::defaultConfiguration();
    }
    void TearDown() override { QSslConfiguration::setDefaultConfiguration(systemTrust); }

    // The fixture's CA joins what the system trusts, as a company CA installed by an
    // administrator would.
    void trustTheFixtureCa()
    {
        QSslConfiguration trusting = systemTrust;
        trusting.addCaCertificates(QSslCertificate::fromPath(peer->caFile()));
        QSslConfiguration::setDefaultConfiguration(trusting);
    }
    static QString serverFingerprint()
    {
        const QList<QSslCertificate> certificates
            = QSslCertificate::fromPath(peer->certificateFile());
        return certificates.isEmpty() ? QString() : sha256Fingerprint(certificates.first());
    }

    struct Check
    {
        std::unique_ptr<MailCheck> box;
        std::unique_ptr<PostilRecorder> events;
    };
    static Check check(bool imap, const char *security, quint16 port, const char *password)
    {
        Check made{imap ? std::unique_ptr<MailCheck>(new ImapCheck)
                        : std::unique_ptr<MailCheck>(new Postil),
                   nullptr};
        made.events = std::make_unique<PostilRecorder>(*made.box);
        made.box->setServer(QStringLiteral("127.0.0.1"));
        made.box->setMailPort(port);
        made.box->setSecurityName(QString::fromLatin1(security));
        made.box->setUser(QStringLiteral("ann"));
        made.box->setPassword(QString::fromLatin1(password));
        return made;
    }
    static bool settles(const Check &c)
    {
        return runUntil([&] {
            return c.events->saw("Noisy:Closing Socket...") || c.events->count("SockError") > 0;
        });
    }

    static inline std::unique_ptr<DovecotPeer> peer;
    static inline QString startError;
    QSslConfiguration systemTrust;
};

} // namespace

TEST_F(SecureMailTest, EachProtocolAndSecurityCountsTheMailOverTlsOrGivesTheServersRefusal)
{
    trustTheFixtureCa();
    using P = DovecotPeer::Ports;
    const struct
    {
        bool imap;
        const char *security;
        quint16 P::*port;
        const char *password, *expected;
    } cases[] = {
        {false, "STARTTLS", &P::pop3, "secret", "NewMail:3"},
        {false, "SSL/TLS", &P::pop3s, "secret", "NewMail:3"},
        {true, "STARTTLS", &P::imap, "secret", "NewMail:2"}, // the read one is not new
        {true, "SSL/TLS", &P::imaps, "secret", "NewMail:2"},
        {false, "SSL/TLS", &P::pop3s, "wrong",
         "SockError:POP Error: -ERR [AUTH] Authentication failed.\r\n"},
        {true, "STARTTLS", &P::imap, "wrong",
         "SockError:IMAP Error: a2 NO [AUTHENTICATIONFAILED] Authentication failed.\r\n"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.imap ? "IMAP " : "POP3 ") + c.security + " " + c.password);
        const Check run = check(c.imap, c.security, peer->ports().*c.port, c.password);
        run.box->CheckNewMail();
        ASSERT_TRUE(settles(run)) << run.events->events.join(u'|').toStdString();
        EXPECT_TRUE(run.events->saw(c.expected)) << run.events->events.join(u'|').toStdString();
        EXPECT_TRUE(run.events->saw("Noisy:Secured with TLS"));
    }
}

TEST_F(SecureMailTest, AnUntrustedCertificateIsRefusedUntilTrustedAndAgainWhenItChanges)
{
    const QString first = serverFingerprint();
    ASSERT_FALSE(first.isEmpty());
    for (const bool imap : {false, true}) {
        SCOPED_TRACE(imap ? "IMAPS" : "POP3 STARTTLS");
        const Check run = check(imap, imap ? "SSL/TLS" : "STARTTLS",
                                imap ? peer->ports().imaps : peer->ports().pop3, "secret");
        run.box->CheckNewMail();
        ASSERT_TRUE(settles(run));
        const QString error = run.events->events.last();
        EXPECT_TRUE(error.startsWith(imap ? "SockError:IMAP Error: certificate not trusted: "
                                          : "SockError:POP Error: certificate not trusted: "))
            << error.toStdString();
        EXPECT_TRUE(error.contains("host 127.0.0.1") && error.contains(first))
            << error.toStdString();
        EXPECT_EQ(run.box->refusedCertificate(), first);
        // Nothing after the refused handshake: neither a user name nor a password.
        EXPECT_EQ(run.events->count("Noisy:Sending"), 0);

        run.events->events.clear();
        run.box->setTrustedCertificate(first);
        run.box->CheckNewMail();
        ASSERT_TRUE(settles(run));
        EXPECT_TRUE(run.events->saw(imap ? "NewMail:2" : "NewMail:3"))
            << run.events->events.join(u'|').toStdString();
    }

    ASSERT_TRUE(peer->renewCertificate()) << peer->error().toStdString();
    const QString second = serverFingerprint();
    ASSERT_NE(second, first);
    const Check run = check(true, "SSL/TLS", peer->ports().imaps, "secret");
    run.box->setTrustedCertificate(first);
    run.box->CheckNewMail();
    ASSERT_TRUE(settles(run));
    EXPECT_TRUE(run.events->events.last().contains(second));
    EXPECT_EQ(run.box->refusedCertificate(), second);
    EXPECT_EQ(run.events->count("NewMail"), 0);
}

TEST(SecureMailScripted, AServerWithoutStlsNeverSeesTheUserOrPassword)
{
    for (const QByteArray &answer : {QByteArray("-ERR unknown command\r\n"), QByteArray()}) {
        ScriptedPopServer server;
        server.replies.insert("STLS", answer);
        Postil box;
        PostilRecorder events(box);
        box.setServer(QStringLiteral("127.0.0.1"));
        box.setMailPort(server.port());
        box.setSecurityName(QStringLiteral("STARTTLS"));
        box.setUser(QStringLiteral("ann"));
        box.setPassword(QStringLiteral("secret"));
        box.CheckNewMail();
        if (answer.isEmpty()) // a server that says nothing is given up
            ASSERT_TRUE(runUntil([&] { return server.received.value(0).size() == 1; }));
        else
            ASSERT_TRUE(runUntil([&] { return events.count("SockError") > 0; }));
        if (answer.isEmpty())
            box.onReplyTimeout();
        EXPECT_TRUE(events.events.last().startsWith("SockError:POP Error: "));
        ASSERT_EQ(server.received.size(), 1);
        EXPECT_EQ(server.received[0], QList<QByteArray>{"STLS"});
    }
}
