#include "netutil/XinetdTimePeer.h"
#include "support/LoopbackPort.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QStandardPaths>

#include <unistd.h>

namespace {

// The service must be called "time"; UNLISTED lets it leave port 37.
const char *kConfig = R"(defaults
{
	instances	= 50
}

service time
{
	type		= INTERNAL UNLISTED
	id		= time-stream
	socket_type	= stream
	protocol	= tcp
	wait		= no
	user		= root
	bind		= 127.0.0.1
	port		= @PORT@
	disable		= no
}
)";

QString xinetdProgram()
{
    return QStandardPaths::findExecutable(QStringLiteral("xinetd"),
                                          {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin")});
}

} // namespace

XinetdTimePeer::~XinetdTimePeer()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(5000)) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

QString XinetdTimePeer::unavailableReason()
{
    if (xinetdProgram().isEmpty())
        return QStringLiteral("xinetd is not installed (scripts/deps.sh installs it)");
    if (::geteuid() != 0)
        return QStringLiteral("xinetd's internal services run as root");
    return {};
}

bool XinetdTimePeer::start()
{
    // A port taken between the probe and the start leaves xinetd with no service; try another.
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (launch())
            return true;
    }
    return false;
}

bool XinetdTimePeer::launch()
{
    m_port = freeLoopbackPort();
    const QString t = m_dir.path();
    QFile config(t + QStringLiteral("/xinetd.conf"));
    QFile::remove(t + QStringLiteral("/xinetd.log"));
    if (!config.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || config.write(QByteArray(kConfig).replace("@PORT@", QByteArray::number(m_port))) < 0) {
        m_error = QStringLiteral("cannot write the configuration");
        return false;
    }
    config.close();
    m_process.start(xinetdProgram(),
                    {QStringLiteral("-dontfork"), QStringLiteral("-f"), config.fileName(),
                     QStringLiteral("-pidfile"), t + QStringLiteral("/xinetd.pid"),
                     QStringLiteral("-filelog"), t + QStringLiteral("/xinetd.log")});
    if (!m_process.waitForStarted(5000)) {
        m_error = m_process.errorString();
        return false;
    }
    // It keeps running after a port clash with no service, so only its log tells readiness
    // (a port probe could reach another listener).
    const QDeadlineTimer deadline(10000);
    while (!deadline.hasExpired() && m_process.state() == QProcess::Running) {
        const QString text = log();
        if (text.contains(QLatin1String("Started working: 1 available service")))
            return true;
        if (text.contains(QLatin1String("Started working: 0 available services")))
            break;
        m_process.waitForFinished(10);
    }
    m_error = QStringLiteral("xinetd did not come up: ") + log();
    m_process.terminate();
    m_process.waitForFinished(5000);
    return false;
}

QString XinetdTimePeer::log() const
{
    QFile file(m_dir.path() + QStringLiteral("/xinetd.log"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}
