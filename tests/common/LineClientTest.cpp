// The client of the TCP protocols against a loopback server that writes a script and then
// holds or closes the connection: what reaches the protocol, and how each kind of trouble ends.
#include "common/LineClient.h"

#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include <gtest/gtest.h>

TEST(LineClient, LinesArriveWholeAndEveryKindOfTroubleEndsTheConversationOnce)
{
    using Failure = LineClient::Failure;
    const struct
    {
        const char *name;
        QByteArray script;
        bool close;
        qsizetype longest;
        QList<QByteArray> lines;
        std::optional<Failure> failure;
    } cases[] = {
        {"lines", "+OK a\r\n+OK b\r\n", false, 40, {"+OK a\r\n", "+OK b\r\n"}, std::nullopt},
        {"endless line", QByteArray(10, 'x'), false, 4, {"xxxx", "xxxx"}, std::nullopt},
        {"flood", QByteArray(100, 'y'), false, 200, {}, Failure::TooMuch},
        {"silence", "", false, 40, {}, Failure::TimedOut},
        {"closed mid-line", "+OK a\r\n+O", true, 40, {"+OK a\r\n"}, Failure::Socket},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QTcpServer server;
        ASSERT_TRUE(server.listen(QHostAddress::LocalHost, 0));
        QObject::connect(&server, &QTcpServer::newConnection, [&] {
            QTcpSocket *socket = server.nextPendingConnection();
            socket->write(c.script);
            if (c.close)
                socket->disconnectFromHost();
        });
        LineClient client({30000, c.longest, 50}, QStringLiteral("timReply"));
        QList<QByteArray> lines;
        QObject::connect(&client, &LineClient::lineReceived,
                         [&](const QByteArray &line) { lines << line; });
        QSignalSpy failed(&client, &LineClient::failed);
        client.open(QStringLiteral("127.0.0.1"), server.serverPort());
        const bool silent = c.failure == Failure::TimedOut;
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                return lines.size() >= c.lines.size()
                    && (silent ? client.connected() : !c.failure || !failed.isEmpty());
            },
            5000));
        QCoreApplication::processEvents();
        if (silent) {
            EXPECT_TRUE(failed.isEmpty());
            EXPECT_TRUE(client.waiting());
            client.onTimeout(); // as the timer would
        }
        EXPECT_EQ(lines, c.lines);
        ASSERT_EQ(failed.size(), c.failure ? 1 : 0);
        if (c.failure) {
            EXPECT_EQ(failed.first().first().value<Failure>(), *c.failure);
            EXPECT_FALSE(client.waiting());
        }
    }
}
