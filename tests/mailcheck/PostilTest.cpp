#include "mailcheck/Postil.h"
#include "mailcheck/PostilRecorder.h"
#include "mailcheck/ScriptedPopServer.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

class PostilTest : public ::testing::Test
{
protected:
    PostilTest()
    {
        box.setServer(QStringLiteral("127.0.0.1"));
        box.setMailPort(server.port());
        box.setUser(QStringLiteral("alice"));
        box.setPassword(QStringLiteral("secret"));
    }
    bool closed() const
    {
        return box.findChild<QTcpSocket *>()->state() == QAbstractSocket::UnconnectedState;
    }
    QTimer *replyTimer() const { return box.findChild<QTimer *>(QStringLiteral("timReply")); }
    // Waits for n commands on the last connection; then gives the client time to act on
    // whatever the server answered.
    void waitForCommands(qsizetype n)
    {
        ASSERT_TRUE(runUntil(
            [&] { return !server.received.isEmpty() && server.received.last().size() >= n; }));
    }

    ScriptedPopServer server;
    Postil box;
    PostilRecorder events{box};
};

const QList<QByteArray> kFullDialogue{"USER alice", "PASS secret", "STAT", "QUIT"};

const QStringList kNormalCheck{"Noisy:Connecting (127.0.0.1)",
                               "Noisy:+OK ready\r\n",
                               "Noisy:Sending USER...",
                               "Noisy:+OK user\r\n",
                               "Noisy:Sending PASS...",
                               "Noisy:+OK logged in\r\n",
                               "Noisy:Checking Mail...",
                               "Noisy:+OK 3 333\r\n",
                               "NewMail:3",
                               "Noisy:+OK bye\r\n",
                               "Noisy:Closing Socket..."};

} // namespace

TEST_F(PostilTest, NormalCheckSendsTheDialogueAndReportsInOrder)
{
    box.CheckNewMail();
    ASSERT_TRUE(runUntil([&] { return events.saw("Noisy:Closing Socket..."); }))
        << events.events.join(u'|').toStdString();
    EXPECT_EQ(events.events, kNormalCheck);
    EXPECT_EQ(server.received.value(0), kFullDialogue);
    EXPECT_TRUE(closed());
    EXPECT_FALSE(replyTimer()->isActive());
    EXPECT_EQ(box.exchangeState(), 5);
}

TEST_F(PostilTest, RepliesSplitOrBunchedGiveTheSameResult)
{
    for (const bool split : {true, false}) {
        SCOPED_TRACE(split ? "byte by byte" : "all at once");
        server.byteByByte = split;
        server.allAtOnce = !split;
        events.events.clear();
        int arrivals = 0;
        auto counter = QObject::connect(box.findChild<QTcpSocket *>(), &QTcpSocket::readyRead,
                                        [&] { ++arrivals; });
        box.CheckNewMail();
        ASSERT_TRUE(runUntil([&] { return events.saw("Noisy:Closing Socket..."); }));
        QObject::disconnect(counter);
        EXPECT_EQ(events.events, kNormalCheck);
        EXPECT_EQ(server.received.last(), kFullDialogue);
        if (split) {
            EXPECT_GT(arrivals, 5); // the replies really came in pieces
        }
    }
}

TEST_F(PostilTest, EmptyMailboxAndUnreadableCounts)
{
    const QList<QByteArray> stats{"+OK 0 0\r\n",     "+OK 3\r\n",    "+OK x3 10\r\n",
                                  "+OK 40000 9\r\n", "+OK -1 9\r\n", "+OK\r\n"};
    for (const QByteArray &stat : stats) {
        SCOPED_TRACE(stat.toStdString());
        server.replies["STAT"] = stat;
        events.events.clear();
        box.CheckNewMail();
        ASSERT_TRUE(runUntil([&] { return events.saw("Noisy:Closing Socket..."); }));
        EXPECT_EQ(server.received.last(), kFullDialogue); // the check still ends with QUIT
        EXPECT_EQ(events.count("NewMail"), 0);
        if (stat.startsWith("+OK 0 ")) {
            EXPECT_EQ(events.count("NoMail"), 1);
            EXPECT_EQ(events.count("SockError"), 0);
        } else {
            EXPECT_EQ(events.count("NoMail"), 0);
            EXPECT_TRUE(events.saw("SockError:POP Error: unreadable message count: "
                                   + QString::fromLatin1(stat)));
        }
    }
}

TEST_F(PostilTest, NegativeReplyStopsTheDialogueWithTheConnectionOpen)
{
    // Whatever follows the refusal is no reply: it neither moves the dialogue on nor shows.
    server.replies["PASS"] = "-ERR [AUTH] Authentication failed.\r\n+OK sneaky\r\n* more\r\n";
    box.CheckNewMail();
    ASSERT_TRUE(runUntil([&] { return events.count("SockError") > 0; }));
    EXPECT_EQ(events.events.last(), "SockError:POP Error: -ERR [AUTH] Authentication failed.\r\n");
    EXPECT_EQ(events.events.at(events.events.size() - 2),
              "Noisy:-ERR [AUTH] Authentication failed.\r\n");
    EXPECT_EQ(box.exchangeState(), 2);
    EXPECT_FALSE(closed());
    // Nothing more is sent, and no later "no reply" complaint.
    QCoreApplication::processEvents();
    EXPECT_EQ(server.received.value(0), (QList<QByteArray>{"USER alice", "PASS secret"}));
    EXPECT_FALSE(replyTimer()->isActive());
}

TEST_F(PostilTest, GarbageAndSilenceEndAfterTheReplyTimeout)
{
    // A server that greets with garbage, and one that never says anything.
    for (const QByteArray &greeting : {QByteArray("HELLO there\r\n"), QByteArray()}) {
        SCOPED_TRACE(greeting.toStdString());
        server.greeting = greeting;
        events.events.clear();
        box.CheckNewMail();
        ASSERT_TRUE(runUntil([&] { return server.received.size() > 0; }));
        if (!greeting.isEmpty()) {
            ASSERT_TRUE(runUntil([&] { return events.saw("Noisy:HELLO there\r\n"); }));
        }
        EXPECT_EQ(box.exchangeState(), 0);
        EXPECT_EQ(events.count("SockError"), 0);
        EXPECT_EQ(replyTimer()->interval(), 30000);
        ASSERT_TRUE(replyTimer()->isActive());
        box.onReplyTimeout(); // as the timer would after 30 s
        EXPECT_EQ(events.events.last(), "SockError:POP Error: no reply from server");
        EXPECT_TRUE(closed());
        server.received.clear();
    }
}

TEST_F(PostilTest, ServerClosingMidDialogueIsASocketError)
{
    server.closeOn = "PASS";
    box.CheckNewMail();
    ASSERT_TRUE(runUntil([&] { return events.count("SockError") > 0; }));
    EXPECT_EQ(events.events.last(),
              QStringLiteral("SockError:%1 : The remote host closed the connection")
                  .arg(int(QAbstractSocket::RemoteHostClosedError)));
    EXPECT_FALSE(replyTimer()->isActive());
    EXPECT_EQ(events.count("NewMail") + events.count("NoMail"), 0);
}

TEST_F(PostilTest, SecondCheckDiscardsTheFirstDialogue)
{
    // The first dialogue hangs after USER; a new check starts over on a new connection.
    server.replies["USER"] = "";
    box.CheckNewMail();
    waitForCommands(1);
    server.replies["USER"] = "+OK user\r\n";
    box.CheckNewMail();
    ASSERT_TRUE(runUntil([&] { return events.saw("Noisy:Closing Socket..."); }));
    ASSERT_EQ(server.received.size(), 2);
    EXPECT_EQ(server.received.at(0), QList<QByteArray>{"USER alice"});
    EXPECT_EQ(server.received.at(1), kFullDialogue);
    EXPECT_EQ(events.count("NewMail"), 1);
    EXPECT_EQ(events.count("Noisy:Connecting"), 2);
    EXPECT_EQ(events.count("Noisy:+OK ready"), 2);
}

TEST_F(PostilTest, HostRestartingFromAnEventHandlerGetsAFreshDialogue)
{
    bool restarted = false;
    QObject::connect(&box, &Postil::Noisy, [&](const QString &text) {
        if (!restarted && text.startsWith("+OK ready")) {
            restarted = true;
            box.CheckNewMail();
        }
    });
    box.CheckNewMail();
    ASSERT_TRUE(runUntil([&] { return events.saw("Noisy:Closing Socket..."); }));
    QCoreApplication::processEvents();
    ASSERT_EQ(server.received.size(), 2);
    EXPECT_TRUE(server.received.at(0).isEmpty());
    EXPECT_EQ(server.received.at(1), kFullDialogue);
    EXPECT_EQ(events.count("NewMail"), 1);
}

TEST(PostilControl, FaceKeepsItsSizeAndPortsOutOfRangeAreRefused)
{
    Postil box;
    box.resize(100, 60);
    EXPECT_EQ(box.size(), QSize(28, 28));
    PostilRecorder events(box);
    box.setMailPort(70000);
    box.CheckNewMail();
    EXPECT_EQ(events.events.last(), "SockError:POP Error: no such port: 70000");
}

TEST(PostilControl, UnsetPortReadsAndConnectsAs110)
{
    Postil box;
    EXPECT_EQ(box.property("MailPort").toInt(), 110);
    box.setProperty("MailPort", 2110);
    EXPECT_EQ(box.mailPort(), 2110);
    box.setMailPort(0);
    EXPECT_EQ(box.mailPort(), 110);

    // Only the arrival of the connection proves the port; the tests may run without the
    // right to listen there.
    QTcpServer pop;
    if (!pop.listen(QHostAddress::LocalHost, 110))
        GTEST_SKIP() << "cannot listen on 127.0.0.1:110 here";
    box.setMailPort(0);
    box.setServer(QStringLiteral("127.0.0.1"));
    box.CheckNewMail();
    EXPECT_TRUE(runUntil([&] { return pop.hasPendingConnections(); }));
}
