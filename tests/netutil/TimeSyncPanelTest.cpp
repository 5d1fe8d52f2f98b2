#include "netutil/TimeSyncPanel.h"
#include "support/DashboardFixture.h"
#include "widgets/LumoButton.h"

#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QtEndian>

namespace {

class TimeSyncPanelTest : public DashboardFixture
{
protected:
    TimeSyncPanelTest()
    {
        server.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server, &QTcpServer::newConnection, [this] {
            QTcpSocket *socket = server.nextPendingConnection();
            ++connections;
            if (!reply.isEmpty()) {
                socket->write(reply);
                socket->disconnectFromHost();
            }
        });
        qputenv("ORVANE_TIME_SERVER",
                QByteArray("127.0.0.1:") + QByteArray::number(server.serverPort()));
    }
    ~TimeSyncPanelTest() override { qunsetenv("ORVANE_TIME_SERVER"); }

    TimeSyncPanel &panel()
    {
        if (!m_loaded)
            loaded();
        m_loaded = true;
        return dashboard().timeSync();
    }
    LumoButton *button() { return find<LumoButton>("cmdTimeSync"); }
    QLineEdit *status() { return find<QLineEdit>("txtStatus"); }
    void press(int x = 10, int y = 10) { panel().onCmdTimeSyncReleased(x, y); }

    QTcpServer server;
    QByteArray reply; // empty: the server holds the connection and says nothing
    int connections = 0;
    bool m_loaded = false;
};

} // namespace

TEST_F(TimeSyncPanelTest, APressSetsTheClockAndShowsTheFigureInTheSuccessColours)
{
    reply = QByteArray(4, '\0');
    qToBigEndian(quint32(clock.current.toSecsSinceEpoch() + 2208988800 + 10), reply.data());
    EXPECT_EQ(panel().server().port, server.serverPort());
    press(72, 10); // outside the button's release area
    EXPECT_EQ(panel().client(), nullptr);

    QSignalSpy finished(&panel(), &TimeSyncPanel::finished);
    press();
    EXPECT_EQ(status()->text(), "Pending...");
    EXPECT_FALSE(button()->isEnabled());
    press(); // a second press while one runs is ignored
    ASSERT_TRUE(finished.wait(5000));
    EXPECT_EQ(finished.size(), 1);
    EXPECT_EQ(status()->text(), "Adjusted Seconds: 10");
    EXPECT_TRUE(status()->styleSheet().contains("background: blue; color: yellow"));
    EXPECT_TRUE(button()->isEnabled());
    EXPECT_EQ(fakes.systemClock.adjustments, QList<qint64>{10});
    EXPECT_TRUE(find<QLabel>("lblSyncReason")->isHidden());

    // A clock the user may not set: the figure in the field, the whole reason on the line below.
    const QString why = QStringLiteral("Setting the time requires authentication by an "
                                       "administrator of this computer <b>now</b>.");
    fakes.systemClock.failure = why;
    press();
    ASSERT_TRUE(finished.wait(5000));
    EXPECT_EQ(status()->text(), "Adjusted Seconds: 10");
    EXPECT_TRUE(status()->styleSheet().contains("color: red"));
    QLabel *reason = find<QLabel>("lblSyncReason");
    EXPECT_FALSE(reason->isHidden());
    EXPECT_EQ(reason->text(), "The clock was not changed: " + why);
    EXPECT_EQ(reason->textFormat(), Qt::PlainText);
}

TEST_F(TimeSyncPanelTest, SilenceIsNoResponseWhileTheDashboardRunsOn)
{
    press();
    ASSERT_NE(panel().client(), nullptr);
    ASSERT_TRUE(QTest::qWaitFor([this] { return connections == 1; }, 5000));
    dashboard().onMinute(); // the dashboard goes on during the wait
    EXPECT_EQ(status()->text(), "Pending...");
    panel().client()->onTimeout();
    EXPECT_EQ(status()->text(), "No response!");
    EXPECT_TRUE(status()->styleSheet().contains("background: black; color: red"));
    EXPECT_TRUE(button()->isEnabled());
    EXPECT_TRUE(fakes.systemClock.adjustments.isEmpty());

    // Quitting during a synchronisation ends cleanly.
    press();
    ASSERT_NE(panel().client(), nullptr);
    m_dashboard.reset();
}

TEST_F(TimeSyncPanelTest, NotConnectedAsksFirstAndNoLeavesTheStatusAlone)
{
    connectivity.state.connected = false;
    panel();
    prompter.shown.clear(); // the load's own notices
    prompter.setNextAnswer(Prompter::Answer::No);
    press();
    ASSERT_EQ(prompter.shown.size(), 1);
    EXPECT_EQ(prompter.shown[0].title, "Internet Connection?");
    EXPECT_TRUE(prompter.shown[0].text.contains("If you cannot get the time or if the\n"));
    EXPECT_EQ(status()->text(), "");
    EXPECT_EQ(panel().client(), nullptr);

    prompter.setNextAnswer(Prompter::Answer::Yes);
    press();
    EXPECT_EQ(status()->text(), "Pending...");
}
