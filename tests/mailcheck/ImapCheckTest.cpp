#include "mailcheck/ImapCheck.h"
#include "mailcheck/ImapReplies.h"
#include "mailcheck/PostilRecorder.h"
#include "mailcheck/ScriptedPopServer.h"

#include <gtest/gtest.h>

TEST(ImapReplies, UnseenCountsAreReadStrictly)
{
    const std::pair<const char *, std::optional<int>> counts[] = {
        {"* STATUS INBOX (UNSEEN 2)\r\n", 2},
        {"* STATUS \"INBOX\" (MESSAGES 3 UNSEEN 0)\r\n", 0},
        {"* status inbox (unseen 7)", 7},
        {"* STATUS INBOX (MESSAGES 3)\r\n", std::nullopt},
        {"* STATUS INBOX (UNSEEN 40000)\r\n", std::nullopt},
        {"* STATUS INBOX (UNSEEN -1)\r\n", std::nullopt},
        {"a3 OK (UNSEEN 5)\r\n", std::nullopt},
    };
    for (const auto &[line, count] : counts)
        EXPECT_EQ(imapUnseenCount(QString::fromLatin1(line)), count) << line;

    EXPECT_EQ(imapQuoted(R"(pa"ss\word)"), R"("pa\"ss\\word")");
}

TEST(ImapCheck, ScriptedServersEndTheCheckAsTheySay)
{
    // The line breaks typed into the password cannot start a command of their own.
    const QByteArray kLogin = R"(a1 LOGIN "ann" "se\"cretINJECTED")";
    const struct
    {
        const char *name;
        QByteArray greeting;
        QMap<QByteArray, QByteArray> replies;
        const char *security;
        const char *last;
        QList<QByteArray> sent;
    } cases[] = {
        {"normal",
         "* OK ready\r\n",
         {{"a1", "a1 OK in\r\n"},
          {"a2", "* STATUS INBOX (UNSEEN 4)\r\na2 OK done\r\n"},
          {"a3", "* BYE\r\na3 OK out\r\n"}},
         "None",
         "Noisy:Closing Socket...",
         {kLogin, "a2 STATUS INBOX (UNSEEN)", "a3 LOGOUT"}},
        {"refused login",
         "* OK ready\r\n",
         {{"a1", "a1 NO [AUTHENTICATIONFAILED] no\r\n"}},
         "None",
         "SockError:IMAP Error: a1 NO [AUTHENTICATIONFAILED] no\r\n",
         {kLogin}},
        {"goodbye before asked",
         "* OK ready\r\n",
         {{"a1", "* BYE shutting down\r\n"}},
         "None",
         "SockError:IMAP Error: * BYE shutting down\r\n",
         {kLogin}},
        {"no STARTTLS",
         "* OK ready\r\n",
         {{"a1", "a1 BAD unknown command\r\n"}},
         "STARTTLS",
         "SockError:IMAP Error: the server refused STARTTLS, so nothing more was sent: "
         "a1 BAD unknown command\r\n",
         {"a1 STARTTLS"}},
        {"logged in already",
         "* PREAUTH welcome\r\n",
         {},
         "STARTTLS",
         "SockError:IMAP Error: the server cannot start TLS on a session it logged in: "
         "* PREAUTH welcome\r\n",
         {}},
        {"no count",
         "* OK ready\r\n",
         {{"a1", "a1 OK in\r\n"}, {"a2", "a2 OK done\r\n"}, {"a3", "a3 OK out\r\n"}},
         "None",
         "Noisy:Closing Socket...",
         {kLogin, "a2 STATUS INBOX (UNSEEN)", "a3 LOGOUT"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedPopServer server;
        server.greeting = c.greeting;
        server.replies = c.replies;
        ImapCheck box;
        PostilRecorder events(box);
        box.setServer(QStringLiteral("127.0.0.1"));
        box.setMailPort(server.port());
        box.setSecurityName(QString::fromLatin1(c.security));
        box.setUser(QStringLiteral("ann"));
        box.setPassword(QStringLiteral("se\"cret\r\nINJECTED"));
        box.CheckNewMail();
        ASSERT_TRUE(runUntil([&] { return events.events.last() == c.last; }))
            << events.events.join(u'|').toStdString();
        QCoreApplication::processEvents();
        EXPECT_EQ(server.received.value(0), c.sent);
        EXPECT_EQ(events.count("NewMail"), QByteArray(c.name) == "normal" ? 1 : 0);
    }
}
