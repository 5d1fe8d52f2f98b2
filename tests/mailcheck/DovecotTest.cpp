#include "mailcheck/DovecotPeer.h"
#include "mailcheck/Postil.h"
#include "mailcheck/PostilRecorder.h"

#include <QTcpSocket>

#include <gtest/gtest.h>
#include <memory>

namespace {

// One private server for the suite: "empty" has no mail, "full" has three messages.
class DovecotTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        if (!DovecotPeer::unavailableReason().isEmpty())
            return;
        peer = std::make_unique<DovecotPeer>();
        if (!peer->start({{QStringLiteral("empty"), {QStringLiteral("pw-empty"), 0}},
                          {QStringLiteral("full"), {QStringLiteral("pw-full"), 3}}}))
            startError = peer->error();
    }
    static void TearDownTestSuite() { peer.reset(); }

    void SetUp() override
    {
        const QString reason = DovecotPeer::unavailableReason();
        if (!reason.isEmpty())
            GTEST_SKIP() << reason.toStdString();
        ASSERT_TRUE(startError.isEmpty()) << startError.toStdString();
        box.setServer(QStringLiteral("127.0.0.1"));
        box.setMailPort(peer->port());
    }
    void login(const char *user, const char *password)
    {
        box.setUser(QString::fromLatin1(user));
        box.setPassword(QString::fromLatin1(password));
    }
    bool checkEnds()
    {
        return runUntil([&] { return events.saw("Noisy:Closing Socket..."); });
    }

    static inline std::unique_ptr<DovecotPeer> peer;
    static inline QString startError;
    Postil box;
    PostilRecorder events{box};
};

} // namespace

TEST_F(DovecotTest, EmptyMailboxInTheExactOrderOfANormalCheck)
{
    login("empty", "pw-empty");
    box.CheckNewMail();
    ASSERT_TRUE(checkEnds()) << events.events.join(u'|').toStdString();
    const QStringList expected{"Noisy:Connecting (127.0.0.1)",
                               "Noisy:+OK Dovecot (Debian) ready.\r\n",
                               "Noisy:Sending USER...",
                               "Noisy:+OK\r\n",
                               "Noisy:Sending PASS...",
                               "Noisy:+OK Logged in.\r\n",
                               "Noisy:Checking Mail...",
                               "Noisy:+OK 0 0\r\n",
                               "NoMail",
                               "Noisy:+OK Logging out.\r\n",
                               "Noisy:Closing Socket..."};
    EXPECT_EQ(events.events, expected);
}

TEST_F(DovecotTest, ThreeMessagesRaiseNewMailThree)
{
    login("full", "pw-full");
    box.CheckNewMail();
    ASSERT_TRUE(checkEnds()) << events.events.join(u'|').toStdString();
    EXPECT_EQ(events.count("NewMail"), 1);
    EXPECT_TRUE(events.saw("NewMail:3"));
    EXPECT_EQ(events.count("NoMail") + events.count("SockError"), 0);
}

TEST_F(DovecotTest, WrongPasswordReportsTheWholeReplyAndSendsNoQuit)
{
    login("full", "not-the-password");
    box.CheckNewMail();
    ASSERT_TRUE(runUntil([&] { return events.count("SockError") > 0; }));
    EXPECT_EQ(events.events.last(), "SockError:POP Error: -ERR [AUTH] Authentication failed.\r\n");
    // No QUIT: the server has not said goodbye and the connection is still open.
    QCoreApplication::processEvents();
    EXPECT_FALSE(events.saw("Noisy:+OK Logging out.\r\n"));
    EXPECT_EQ(box.exchangeState(), 2);
    EXPECT_EQ(box.findChild<QTcpSocket *>()->state(), QAbstractSocket::ConnectedState);
}

TEST_F(DovecotTest, CheckingTwiceInARowGivesOneResult)
{
    login("full", "pw-full");
    box.CheckNewMail();
    box.CheckNewMail();
    ASSERT_TRUE(checkEnds()) << events.events.join(u'|').toStdString();
    QCoreApplication::processEvents();
    EXPECT_EQ(events.count("Noisy:Connecting"), 2);
    EXPECT_EQ(events.count("Noisy:+OK Dovecot"), 1); // the first greeting is never read
    EXPECT_EQ(events.count("NewMail"), 1);
    EXPECT_EQ(events.count("SockError"), 0);
}
