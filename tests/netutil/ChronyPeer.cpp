#include "netutil/ChronyPeer.h"

#include "netutil/SntpPacket.h"
#include "support/StagedPaths.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QNetworkDatagram>
#include <QTest>
#include <QUdpSocket>

namespace {

quint16 freeUdpPort()
{
    QUdpSocket probe;
    probe.bind(QHostAddress::LocalHost, 0);
    return probe.localPort();
}

} // namespace

ChronyPeer::~ChronyPeer()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(5000)) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

QString ChronyPeer::program()
{
    for (const QString &path :
         {sourceDir() + "/.peers/chrony/usr/sbin/chronyd", QStringLiteral("/usr/sbin/chronyd")}) {
        if (QFileInfo(path).isExecutable())
            return path;
    }
    return {};
}

bool ChronyPeer::start()
{
    m_port = freeUdpPort();
    QFile config(m_dir.filePath("chrony.conf"));
    if (!config.open(QIODevice::WriteOnly)) {
        m_error = "cannot write the configuration";
        return false;
    }
    config.write(QStringLiteral("port %1\nbindaddress 127.0.0.1\nallow 127.0.0.1\n"
                                "local stratum 8\ncmdport 0\npidfile %2\n")
                     .arg(m_port)
                     .arg(m_dir.filePath("chronyd.pid"))
                     .toUtf8());
    config.close();
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    // In the foreground, the clock left alone, as whoever runs the test.
    m_process.start(program(), {"-x", "-d", "-U", "-u", "root", "-f", config.fileName()});
    if (!m_process.waitForStarted(5000)
        || !QTest::qWaitFor([this] { return answers() || m_process.state() != QProcess::Running; },
                            10000)
        || m_process.state() != QProcess::Running) {
        m_error = "chronyd did not answer: " + QString::fromLocal8Bit(m_process.readAll());
        return false;
    }
    return true;
}

bool ChronyPeer::answers() const
{
    QUdpSocket socket;
    const Sntp::Request request = Sntp::request(QDateTime::currentMSecsSinceEpoch(), 0);
    socket.writeDatagram(request.bytes, QHostAddress::LocalHost, m_port);
    return socket.waitForReadyRead(200) && socket.hasPendingDatagrams();
}
