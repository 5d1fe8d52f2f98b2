#include "netutil/TimeClient.h"
#include "netutil/SntpPacket.h"
#include "netutil/TimeServer.h"
#include "netutil/XinetdTimePeer.h"
#include "platform/Clock.h"
#include "platform/IniSettingsStore.h"
#include "support/Fakes.h"
#include "support/StagedPaths.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QNetworkDatagram>
#include <QProcess>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>
#include <QUdpSocket>
#include <QtEndian>

#include <gtest/gtest.h>

namespace {

constexpr qint64 kTo1970 = 2208988800;

QDateTime utc(const char *text)
{
    return QDateTime::fromString(QString::fromLatin1(text), Qt::ISODate);
}

QByteArray replyFor(const QDateTime &time)
{
    QByteArray bytes(4, '\0');
    qToBigEndian(quint32(time.toSecsSinceEpoch() + kTo1970), bytes.data());
    return bytes;
}

// An RFC 868 server that writes its script to each connection, then closes it (or stays
// silent when told to hold).
class ScriptedTimeServer : public QTcpServer
{
public:
    QByteArray reply;
    bool hold = false;
    int connections = 0;

    ScriptedTimeServer()
    {
        listen(QHostAddress::LocalHost, 0);
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = nextPendingConnection()) {
                ++connections;
                if (hold)
                    continue;
                socket->write(reply);
                socket->disconnectFromHost();
            }
        });
    }
};

class TimeSync : public ::testing::Test
{
protected:
    // Runs one synchronisation against 127.0.0.1:port. A reply, a refusal or a connection
    // closed early ends it by itself; against a server that holds the connection the test
    // drives the time-out, and checks that nothing came before it.
    TimeSyncOutcome sync(quint16 port, ScriptedTimeServer *held = nullptr)
    {
        TimeClient client(clock, systemClock);
        QSignalSpy done(&client, &TimeClient::finished);
        client.start({QStringLiteral("127.0.0.1"), port});
        EXPECT_TRUE(done.isEmpty());
        if (held) {
            EXPECT_TRUE(QTest::qWaitFor([&] { return held->connections > 0; }, 5000));
            QCoreApplication::processEvents();
            EXPECT_TRUE(done.isEmpty()); // the wait runs to its end
            client.onTimeout();
        } else {
            EXPECT_TRUE(done.wait(5000));
        }
        EXPECT_EQ(done.size(), 1);
        return done.isEmpty() ? TimeSyncOutcome{} : done.first().first().value<TimeSyncOutcome>();
    }

    FakeClock clock;
    FakeSystemClock systemClock;
    ScriptedTimeServer server;
};

} // namespace

TEST_F(TimeSync, TheReplySetsTheClockByTheDifferenceOnlyWhenThereIsOne)
{
    const QDateTime serverTime = utc("2026-12-09T21:30:00Z");
    server.reply = replyFor(serverTime);

    clock.current = serverTime.addMSecs(700); // the reply counts whole seconds
    TimeSyncOutcome exact = sync(server.serverPort());
    EXPECT_EQ(exact.text(), "Adjusted Seconds: 0");
    EXPECT_TRUE(exact.ok());
    EXPECT_EQ(exact.serverTime, serverTime);
    EXPECT_TRUE(systemClock.adjustments.isEmpty());

    clock.current = serverTime.addSecs(-10);
    EXPECT_EQ(sync(server.serverPort()).text(), "Adjusted Seconds: 10");
    clock.current = serverTime.addSecs(75);
    EXPECT_EQ(sync(server.serverPort()).text(), "Adjusted Seconds: -75");
    EXPECT_EQ(systemClock.adjustments, (QList<qint64>{10, -75}));

    // A clock that could not be set is said so, with the figure.
    clock.current = serverTime.addSecs(-10);
    systemClock.failure = QStringLiteral("Interactive authentication required.");
    const TimeSyncOutcome refused = sync(server.serverPort());
    EXPECT_FALSE(refused.ok());
    EXPECT_EQ(refused.text(), "Adjusted Seconds: 10");
    EXPECT_EQ(refused.reason(), "The clock was not changed: Interactive authentication required.");
}

TEST_F(TimeSync, AReplyAfterThe2036WrapIsReadInTheNextEra)
{
    // The 32-bit count of seconds since 1900 wraps at 2036-02-07 06:28:16 UTC.
    const QDateTime wrap = utc("2036-02-07T06:28:16Z");
    server.reply = replyFor(wrap.addSecs(4)); // 4 once wrapped
    EXPECT_EQ(qFromBigEndian<quint32>(server.reply.constData()), 4u);
    clock.current = wrap.addSecs(-6);
    EXPECT_EQ(sync(server.serverPort()).text(), "Adjusted Seconds: 10");

    // Either side of the wrap, and far from it, the nearest era is taken.
    const qint64 before = wrap.addSecs(-3).toSecsSinceEpoch();
    EXPECT_EQ(serverUnixSeconds(0xFFFFFFFFu - 2, before + 5), before);
    EXPECT_EQ(serverUnixSeconds(2, before), wrap.addSecs(2).toSecsSinceEpoch());
    const qint64 y2026 = utc("2026-12-09T00:00:00Z").toSecsSinceEpoch();
    EXPECT_EQ(serverUnixSeconds(quint32(y2026 + kTo1970), y2026 - 3600), y2026);
    // A value from 1968 on has its top bit set and is no negative number.
    const qint64 y1970 = 0;
    EXPECT_EQ(serverUnixSeconds(quint32(kTo1970), y1970), 0);
}

TEST_F(TimeSync, NoFourByteReplyIsNoResponseAndLeavesTheClockAlone)
{
    clock.current = utc("2026-12-09T21:30:00Z");
    server.reply = replyFor(clock.current.addSecs(30)).left(3);
    EXPECT_EQ(sync(server.serverPort()).text(), "No response!");

    ScriptedTimeServer silent;
    silent.hold = true;
    const TimeSyncOutcome stalled = sync(silent.serverPort(), &silent);
    EXPECT_EQ(stalled.result, TimeSyncOutcome::Result::NoResponse);
    EXPECT_FALSE(stalled.ok());

    quint16 closedPort = 0;
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        closedPort = probe.serverPort();
    }
    EXPECT_EQ(sync(closedPort).text(), "No response!");
    EXPECT_TRUE(systemClock.adjustments.isEmpty());
}

TEST(TimeZones, TheDaylightExampleGivesTheDifferenceInUniversalTime)
{
    // New York in July: Bias 300 and DaylightBias -60 in the old zone terms.
    const QTimeZone zone("America/New_York");
    ASSERT_TRUE(zone.isValid());
    const QDateTime system = utc("2026-07-04T16:00:00Z");
    const int bias = -zone.standardTimeOffset(system) / 60;
    const int daylightBias = -(zone.offsetFromUtc(system) - zone.standardTimeOffset(system)) / 60;
    ASSERT_EQ(bias, 300);
    ASSERT_EQ(daylightBias, -60);
    const qint64 u = utc("2026-07-04T16:00:10Z").toSecsSinceEpoch() + kTo1970;
    const qint64 local = u - (bias * 60 + daylightBias * 60);
    EXPECT_EQ(local, u - 14400);
    // The local wall clock read as seconds since 1900.
    QDateTime wall = system.toTimeZone(zone);
    wall = QDateTime(wall.date(), wall.time(), Qt::UTC);
    const qint64 adjustedTheOldWay = local - (wall.toSecsSinceEpoch() + kTo1970);
    EXPECT_EQ(adjustedTheOldWay, 10);
    EXPECT_EQ(serverUnixSeconds(quint32(u), system.toSecsSinceEpoch()) - system.toSecsSinceEpoch(),
              adjustedTheOldWay);
}

TEST(TimeServerText, HostAndPortAreReadAndNonsenseRefused)
{
    EXPECT_EQ(TimeServer::parse("time.example.org").port, 37);
    const TimeServer local = TimeServer::parse(" 127.0.0.1:3737 ");
    EXPECT_EQ(local.host, "127.0.0.1");
    EXPECT_EQ(local.port, 3737);
    EXPECT_EQ(TimeServer::parse("[::1]:40").host, "::1");
    EXPECT_EQ(TimeServer::parse("[::1]:40").port, 40);
    for (const char *bad : {"host:0", "host:70000", "host:x", "[::1"})
        EXPECT_TRUE(TimeServer::parse(bad).host.isEmpty()) << bad;
    qputenv("ORVANE_TIME_SERVER", "host:x");
    EXPECT_EQ(TimeServer::fromEnvironment().host, kDefaultTimeServer);
    qunsetenv("ORVANE_TIME_SERVER");
}

TEST(TimeServerText, TheProtocolIsNtpUnlessChosenOrAServerWasNamedForTheOldOne)
{
    using P = TimeServer::Protocol;
    const struct
    {
        const char *stored, *variable;
        QString host;
        quint16 port;
        P protocol;
    } cases[] = {
        {"", "", kDefaultNtpServer, 123, P::Ntp},
        {"time", "", kDefaultTimeServer, 37, P::Time},
        {"", "127.0.0.1:3737", "127.0.0.1", 3737, P::Time},
        {"NTP", "127.0.0.1", "127.0.0.1", 123, P::Ntp},
    };
    QTemporaryDir dir;
    IniSettingsStore settings(dir.filePath("settings.ini"));
    for (const auto &c : cases) {
        settings.saveSetting("System", "TimeProtocol", c.stored);
        qputenv("ORVANE_TIME_SERVER", c.variable);
        const TimeServer server = TimeServer::fromSettings(settings);
        EXPECT_EQ(server.host, c.host) << c.stored << c.variable;
        EXPECT_EQ(server.port, c.port) << c.stored << c.variable;
        EXPECT_EQ(server.protocol, c.protocol) << c.stored << c.variable;
    }
    qunsetenv("ORVANE_TIME_SERVER");
}

TEST(TimePeer, TheFigureAgainstARealTimeServerIsTheClocksDifference)
{
    const QString reason = XinetdTimePeer::unavailableReason();
    if (!reason.isEmpty())
        GTEST_SKIP() << reason.toStdString();
    XinetdTimePeer peer;
    ASSERT_TRUE(peer.start()) << peer.error().toStdString();
    RealClock clock;
    FakeSystemClock systemClock;
    TimeClient client(clock, systemClock);
    QSignalSpy done(&client, &TimeClient::finished);
    client.start({QStringLiteral("127.0.0.1"), peer.port()});
    ASSERT_TRUE(done.wait(5000));
    const auto outcome = done.first().first().value<TimeSyncOutcome>();
    ASSERT_TRUE(outcome.ok()) << outcome.text().toStdString();
    // The server and this process read the same clock; the reply drops the fraction.
    EXPECT_LE(qAbs(outcome.serverTime.toMSecsSinceEpoch() - QDateTime::currentMSecsSinceEpoch()),
              1500);
    EXPECT_LE(qAbs(outcome.adjustedSeconds), 1);
    EXPECT_EQ(systemClock.adjustments.size(), outcome.adjustedSeconds == 0 ? 0 : 1);
}

namespace {

// An NTP server that answers each request with what `answer` makes of it, from its own port
// or, when told, from another.
class ScriptedNtpServer : public QObject
{
public:
    std::function<QByteArray(const QByteArray &request)> answer;
    bool fromAnotherPort = false;
    int answered = 0;

    ScriptedNtpServer()
    {
        m_socket.bind(QHostAddress::LocalHost, 0);
        m_other.bind(QHostAddress::LocalHost, 0);
        connect(&m_socket, &QUdpSocket::readyRead, this, [this] {
            while (m_socket.hasPendingDatagrams()) {
                const QNetworkDatagram in = m_socket.receiveDatagram();
                (fromAnotherPort ? m_other : m_socket)
                    .writeDatagram(answer(in.data()), in.senderAddress(), in.senderPort());
                ++answered;
            }
        });
    }
    quint16 port() const { return m_socket.localPort(); }

private:
    QUdpSocket m_socket, m_other;
};

// A server's answer to `request`: its clock `aheadMs` ahead of the test's, then spoilt.
QByteArray serverAnswer(const QByteArray &request, const QDateTime &now, qint64 aheadMs,
                        const std::function<void(QByteArray &)> &spoil = {})
{
    QByteArray reply(48, '\0');
    reply[0] = char(4 << 3 | 4); // version 4, server
    reply[1] = 2;                // stratum
    const quint64 at = Sntp::fromUnixMs(now.toMSecsSinceEpoch() + aheadMs);
    reply.replace(24, 8, request.mid(40, 8)); // origin: the client's transmit time
    qToBigEndian(at, reply.data() + 32);
    qToBigEndian(at, reply.data() + 40);
    if (spoil)
        spoil(reply);
    return reply;
}

TEST(NtpSync, OnlyAReplyToOurRequestCountsAndItsOffsetSetsTheClock)
{
    struct Case
    {
        const char *what;
        const char *now;
        std::function<void(QByteArray &)> spoil;
        bool fromAnotherPort;
        qint64 adjusted; // -1: ignored, the wait runs out
    };
    const Case cases[] = {
        {"100 s ahead", "2026-12-09T09:30:00Z", {}, false, 100},
        {"after the 2036 wrap", "2036-02-07T07:00:00Z", {}, false, 100},
        {"another origin", "2026-12-09T09:30:00Z", [](QByteArray &r) { r[31] = char(r[31] ^ 1); },
         false, -1},
        {"a client's mode", "2026-12-09T09:30:00Z", [](QByteArray &r) { r[0] = char(4 << 3 | 3); },
         false, -1},
        {"stratum 0, a kiss-o'-death", "2026-12-09T09:30:00Z", [](QByteArray &r) { r[1] = 0; },
         false, -1},
        {"not synchronised", "2026-12-09T09:30:00Z",
         [](QByteArray &r) { r[0] = char(3 << 6 | 4 << 3 | 4); }, false, -1},
        {"no transmit time", "2026-12-09T09:30:00Z",
         [](QByteArray &r) { r.replace(40, 8, QByteArray(8, 0)); }, false, -1},
        {"from another port", "2026-12-09T09:30:00Z", {}, true, -1},
    };
    for (const Case &c : cases) {
        FakeClock clock;
        clock.current = utc(c.now);
        FakeSystemClock systemClock;
        ScriptedNtpServer server;
        server.fromAnotherPort = c.fromAnotherPort;
        server.answer = [&](const QByteArray &request) {
            return serverAnswer(request, clock.current, 100000, c.spoil);
        };
        TimeClient client(clock, systemClock);
        QSignalSpy done(&client, &TimeClient::finished);
        client.start({"127.0.0.1", server.port(), TimeServer::Protocol::Ntp});
        if (c.adjusted < 0) {
            ASSERT_TRUE(QTest::qWaitFor([&] { return server.answered > 0; }, 5000)) << c.what;
            QTest::qWait(50); // time for the answer to arrive and be dropped
            EXPECT_TRUE(done.isEmpty()) << c.what;
            client.onTimeout();
        }
        ASSERT_TRUE(!done.isEmpty() || done.wait(5000)) << c.what;
        const auto outcome = done.first().first().value<TimeSyncOutcome>();
        if (c.adjusted < 0) {
            EXPECT_EQ(outcome.text(), "No response!") << c.what;
            EXPECT_TRUE(systemClock.adjustments.isEmpty()) << c.what;
        } else {
            EXPECT_EQ(outcome.text(), "Adjusted Seconds: 100") << c.what;
            EXPECT_EQ(outcome.offsetText(), "Offset: 100000 ms") << c.what;
            EXPECT_EQ(systemClock.adjustments, QList<qint64>{100}) << c.what;
        }
    }
}

TEST(NtpSync, AComputerThatKeepsItsOwnClockIsOnlyShownTheDifference)
{
    FakeClock clock;
    FakeSystemClock systemClock;
    systemClock.keeps = true;
    ScriptedNtpServer server;
    server.answer = [&](const QByteArray &request) {
        return serverAnswer(request, clock.current, -2600);
    };
    TimeClient client(clock, systemClock);
    QSignalSpy done(&client, &TimeClient::finished);
    client.start({"127.0.0.1", server.port(), TimeServer::Protocol::Ntp});
    ASSERT_TRUE(done.wait(5000));
    const auto outcome = done.first().first().value<TimeSyncOutcome>();
    EXPECT_EQ(outcome.text(), "Adjusted Seconds: -3");
    EXPECT_TRUE(outcome.ok());
    EXPECT_TRUE(outcome.reason().startsWith("This computer keeps its clock by itself"));
    EXPECT_TRUE(systemClock.adjustments.isEmpty());
}

// chronyd as a private NTP server: its own clock at stratum 8 on a free loopback port, no
// upstream servers, in the foreground, and never a hand on the system clock (-x).
TEST(NtpPeer, TheOffsetAgainstChronyOnThisComputerIsNearZero)
{
    const QString chronyd = sourceDir() + "/.peers/chrony/usr/sbin/chronyd";
    if (!QFileInfo(chronyd).isExecutable())
        GTEST_SKIP() << "chronyd is not there (scripts/deps.sh unpacks it into .peers/)";
    QTemporaryDir dir;
    QUdpSocket probe;
    probe.bind(QHostAddress::LocalHost, 0);
    const quint16 port = probe.localPort();
    probe.close();
    QFile config(dir.filePath("chrony.conf"));
    ASSERT_TRUE(config.open(QIODevice::WriteOnly));
    config.write(QStringLiteral("port %1\nbindaddress 127.0.0.1\nallow 127.0.0.1\nlocal stratum "
                                "8\ncmdport 0\npidfile %2\n")
                     .arg(port)
                     .arg(dir.filePath("chronyd.pid"))
                     .toUtf8());
    config.close();
    QProcess peer;
    peer.setProcessChannelMode(QProcess::MergedChannels);
    peer.start(chronyd, {"-x", "-d", "-U", "-u", "root", "-f", config.fileName()});
    ASSERT_TRUE(peer.waitForStarted(5000));
    auto stop = qScopeGuard([&] {
        peer.terminate();
        peer.waitForFinished(5000);
    });
    QUdpSocket ask; // until chronyd answers at all
    for (QDeadlineTimer ready(10000); !ask.hasPendingDatagrams() && !ready.hasExpired();) {
        ask.writeDatagram(Sntp::request(QDateTime::currentMSecsSinceEpoch(), 0).bytes,
                          QHostAddress::LocalHost, port);
        ask.waitForReadyRead(200);
    }
    ASSERT_TRUE(ask.hasPendingDatagrams()) << peer.readAll().toStdString();
    RealClock clock;
    FakeSystemClock systemClock;
    TimeClient client(clock, systemClock);
    QSignalSpy done(&client, &TimeClient::finished);
    client.start({"127.0.0.1", port, TimeServer::Protocol::Ntp});
    ASSERT_TRUE(done.wait(6000));
    const auto outcome = done.first().first().value<TimeSyncOutcome>();
    ASSERT_TRUE(outcome.offsetMs) << outcome.text().toStdString();
    EXPECT_LE(qAbs(*outcome.offsetMs), 50);
    EXPECT_EQ(outcome.text(), "Adjusted Seconds: 0");
}

} // namespace
