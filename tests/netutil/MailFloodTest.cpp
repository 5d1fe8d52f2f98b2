// The real mail checker on the dashboard against a POP3 server that floods it with lines: the
// window goes on serving its timers, and memory stays flat.
#include "netutil/MailPanel.h"
#include "support/DashboardFixture.h"
#include "support/StagedPaths.h"

#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

qint64 residentBytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    return statm.readAll().split(' ').value(1).toLongLong() * 4096;
}

// Greets, then sends short lines as fast as the socket drains, for ever.
class FloodingServer : public QTcpServer
{
public:
    FloodingServer()
    {
        listen(QHostAddress::LocalHost, 0);
        connect(this, &QTcpServer::newConnection, this, [this] {
            QTcpSocket *socket = nextPendingConnection();
            socket->write("+OK flood\r\n");
            const auto pour = [socket] {
                while (socket->bytesToWrite() < 64 * 1024)
                    socket->write("* line\r\n");
            };
            connect(socket, &QTcpSocket::bytesWritten, socket, pour);
            pour();
        });
    }
};

class MailFloodTest : public DashboardFixture
{
};

} // namespace

TEST_F(MailFloodTest, AFloodingServerNeitherHoldsUpTheWindowNorGrowsTheProgram)
{
    ASSERT_TRUE(QFile::copy(stagedAppDir() + "/libPostil.so", appPath("libPostil.so")));
    setSetting("System", "NoEmail", "False");
    setSetting("Settings", "User", "alice");
    setSetting("Settings", "Security", "None"); // the flooding server speaks plain text
    loaded();
    MailPanel &mail = dashboard().mail();
    ASSERT_TRUE(mail.control());
    FloodingServer server;
    mail.control()->setProperty("Server", "127.0.0.1");
    mail.control()->setProperty("MailPort", server.serverPort());

    const qint64 before = residentBytes();
    QElapsedTimer sinceTick;
    qint64 longestGap = 0;
    int ticks = 0;
    QTimer tick;
    tick.setInterval(100);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        longestGap = std::max(longestGap, sinceTick.restart());
        ++ticks;
    });
    tick.start();
    sinceTick.start();
    QMetaObject::invokeMethod(mail.control(), "CheckNewMail");
    // The checker ends the check once the flood passes what a check may bring.
    while (ticks < 20)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_LE(longestGap, 250);
    EXPECT_LT(residentBytes() - before, 20 * 1024 * 1024);
    EXPECT_TRUE(mail.activityText().contains("* line"));
    EXPECT_LE(mail.activityText().size(), 64 * 1024);
    // The box shows the newest line at its top, where a reader who did not scroll looks:
    // why the check ended.
    mail.flushActivity();
    auto *box = find<QPlainTextEdit>("txtChkEmail");
    EXPECT_TRUE(box->toPlainText().startsWith("Mail check failed: "))
        << box->toPlainText().left(40).toStdString();
    EXPECT_EQ(box->verticalScrollBar()->value(), 0);
}
