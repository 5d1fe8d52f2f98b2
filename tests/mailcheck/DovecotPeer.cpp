#include "mailcheck/DovecotPeer.h"
#include "support/LoopbackPort.h"
#include "support/StagedPaths.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTcpSocket>

#include <grp.h>
#include <pwd.h>
#include <unistd.h>

namespace {

const char *kConfig = R"(instance_name = pop3peer-@PORT@
base_dir = @T@/run
state_dir = @T@/state
log_path = @T@/dovecot.log
protocols = pop3
listen = 127.0.0.1
ssl = no
disable_plaintext_auth = no
auth_mechanisms = plain
auth_failure_delay = 0
default_internal_user = dovecot
default_login_user = dovenull
mail_location = maildir:@T@/mail/%u
passdb {
  driver = passwd-file
  args = @T@/users
}
userdb {
  driver = static
  args = uid=nobody gid=nogroup home=@T@/mail/%u
}
service pop3-login {
  inet_listener pop3 {
    port = @PORT@
  }
  inet_listener pop3s {
    port = 0
  }
}
service anvil {
  unix_listener anvil-auth-penalty {
    mode = 0
  }
}
)";

QString dovecotProgram()
{
    return QStandardPaths::findExecutable(QStringLiteral("dovecot"),
                                          {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin")});
}

bool writeText(const QString &path, const QByteArray &text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

// Mail users may not be root: the mailboxes belong to nobody.
bool giveToNobody(const QString &path)
{
    const passwd *user = getpwnam("nobody");
    const group *grp = getgrnam("nogroup");
    return user && grp
        && ::chown(QFile::encodeName(path).constData(), user->pw_uid, grp->gr_gid) == 0;
}

} // namespace

DovecotPeer::~DovecotPeer()
{
    stop();
}

QString DovecotPeer::unavailableReason()
{
    if (dovecotProgram().isEmpty())
        return QStringLiteral("dovecot is not installed (scripts/deps.sh installs it)");
    if (::geteuid() != 0)
        return QStringLiteral("a private Dovecot needs root to switch to its mail user");
    return {};
}

bool DovecotPeer::start(const QMap<QString, User> &users)
{
    if (!m_dir.isValid() || !writeFolder(users)) {
        m_error = QStringLiteral("cannot write the server's folder");
        return false;
    }
    // A port taken between the probe and the start makes Dovecot exit; try another.
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (launch())
            return true;
    }
    return false;
}

bool DovecotPeer::writeFolder(const QMap<QString, User> &users)
{
    const QString t = m_dir.path();
    // The login processes run as other users and must reach the folder.
    if (!QFile::setPermissions(t,
                               QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                   | QFileDevice::ExeOwner | QFileDevice::ReadGroup
                                   | QFileDevice::ExeGroup | QFileDevice::ReadOther
                                   | QFileDevice::ExeOther))
        return false;
    QByteArray passwd;
    for (auto it = users.begin(); it != users.end(); ++it) {
        passwd += it.key().toUtf8() + ":{PLAIN}" + it.value().password.toUtf8() + "\n";
        const QString box = t + "/mail/" + it.key();
        for (const char *sub : {"new", "cur", "tmp"})
            if (!QDir().mkpath(box + u'/' + QLatin1String(sub)))
                return false;
        for (int i = 0; i < it.value().messages; ++i) {
            const QString file = i < it.value().seen
                ? QStringLiteral("%1/cur/100%2.M%2P1.peer:2,S").arg(box).arg(i)
                : QStringLiteral("%1/new/100%2.M%2P1.peer").arg(box).arg(i);
            if (!writeText(file,
                           QStringLiteral("From: peer@example.test\r\nSubject: Message "
                                          "%1\r\n\r\nHello.\r\n")
                               .arg(i)
                               .toUtf8())
                || !giveToNobody(file))
                return false;
        }
        for (const QString &path : {t + "/mail", box, box + "/new", box + "/cur", box + "/tmp"})
            if (!giveToNobody(path))
                return false;
    }
    return writeText(t + "/users", passwd);
}

bool DovecotPeer::launch()
{
    m_port = freeLoopbackPort();
    const QString t = m_dir.path();
    QByteArray config(kConfig);
    config.replace("@T@", t.toUtf8()).replace("@PORT@", QByteArray::number(m_port));
    if (!writeText(t + "/dovecot.conf", config)) {
        m_error = QStringLiteral("cannot write the configuration");
        return false;
    }
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(dovecotProgram(),
                    {QStringLiteral("-F"), QStringLiteral("-c"), t + "/dovecot.conf"});
    return waitForGreeting();
}

bool DovecotPeer::startSecure(const QMap<QString, User> &users)
{
    for (auto it = users.begin(); it != users.end(); ++it)
        m_accounts << QStringLiteral("%1:%2:%3:%4")
                          .arg(it.key(), it.value().password)
                          .arg(it.value().messages)
                          .arg(it.value().seen);
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (launchSecure())
            return true;
    }
    return false;
}

bool DovecotPeer::renewCertificate()
{
    stop();
    QFile::remove(certificateFile());
    return launchSecure();
}

bool DovecotPeer::launchSecure()
{
    QList<quint16> taken;
    for (quint16 *port : {&m_ports.pop3, &m_ports.pop3s, &m_ports.imap, &m_ports.imaps}) {
        do
            *port = freeLoopbackPort();
        while (taken.contains(*port));
        taken.append(*port);
    }
    m_port = m_ports.pop3;
    QStringList arguments{sourceDir() + QStringLiteral("/tools/mail-fixture/run-dovecot.sh"),
                          QStringLiteral("--dir"), m_dir.path(), QStringLiteral("--ports"),
                          QStringLiteral("%1,%2,%3,%4")
                              .arg(m_ports.pop3)
                              .arg(m_ports.pop3s)
                              .arg(m_ports.imap)
                              .arg(m_ports.imaps)};
    for (const QString &account : m_accounts)
        arguments << QStringLiteral("--user") << account;
    m_process.setProcessChannelMode(QProcess::ForwardedOutputChannel);
    m_process.start(QStringLiteral("bash"), arguments);
    return waitForGreeting();
}

bool DovecotPeer::waitForGreeting()
{
    const QString t = m_dir.path();
    if (!m_process.waitForStarted(5000)) {
        m_error = m_process.errorString();
        return false;
    }
    // Ready within some tens of milliseconds; a failed start ends the process.
    const QDeadlineTimer deadline(10000);
    while (!deadline.hasExpired() && m_process.state() == QProcess::Running) {
        if (greets())
            return true;
        m_process.waitForFinished(20);
    }
    QFile log(t + "/dovecot.log");
    m_error = QStringLiteral("dovecot did not come up (exit %1): %2")
                  .arg(m_process.exitCode())
                  .arg(log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : "");
    stop();
    return false;
}

bool DovecotPeer::greets() const
{
    QTcpSocket probe;
    probe.connectToHost(QHostAddress::LocalHost, m_port);
    if (!probe.waitForConnected(1000) || !probe.waitForReadyRead(1000))
        return false;
    const bool ok = probe.readAll().startsWith("+OK");
    probe.write("QUIT\r\n");
    probe.waitForBytesWritten(1000);
    return ok;
}

void DovecotPeer::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(10000)) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}
