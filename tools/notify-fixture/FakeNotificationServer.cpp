#include "FakeNotificationServer.h"

#include <QTimer>

namespace {

QString quoted(const QString &text)
{
    QString escaped = text;
    escaped.replace(u'\\', QLatin1String("\\\\")).replace(u'"', QLatin1String("\\\""));
    escaped.replace(u'\n', QLatin1String("\\n"));
    return u'"' + escaped + u'"';
}

} // namespace

FakeNotificationServer::FakeNotificationServer(bool offerActions, QString invoke, std::FILE *log)
    : m_offerActions(offerActions)
    , m_invoke(std::move(invoke))
    , m_log(log)
{
}

QStringList FakeNotificationServer::GetCapabilities()
{
    write(QStringLiteral("GetCapabilities"));
    QStringList capabilities{QStringLiteral("body")};
    if (m_offerActions)
        capabilities << QStringLiteral("actions");
    return capabilities;
}

uint FakeNotificationServer::Notify(const QString &appName, uint replacesId, const QString &appIcon,
                                    const QString &summary, const QString &body,
                                    const QStringList &actions, const QVariantMap &hints,
                                    int expireTimeout)
{
    const uint id = replacesId != 0 ? replacesId : ++m_lastId;
    QStringList shownActions;
    for (const QString &action : actions)
        shownActions << quoted(action);
    write(QStringLiteral("Notify id=%1 app=%2 icon=%3 summary=%4 body=%5 actions=[%6] "
                         "desktop-entry=%7 urgency=%8 timeout=%9")
              .arg(id)
              .arg(quoted(appName), quoted(appIcon), quoted(summary), quoted(body),
                   shownActions.join(u','), quoted(hints.value("desktop-entry").toString()))
              .arg(hints.value("urgency").toInt())
              .arg(expireTimeout));
    // Keys sit at the even places of the list, labels at the odd ones.
    for (qsizetype i = 0; i + 1 < actions.size(); i += 2) {
        if (!m_invoke.isEmpty() && actions.at(i) == m_invoke) {
            // After the reply, as a user would click once the notice is on the screen.
            QTimer::singleShot(0, this, [this, id] {
                write(QStringLiteral("ActionInvoked id=%1 key=%2").arg(id).arg(m_invoke));
                Q_EMIT ActionInvoked(id, m_invoke);
            });
        }
    }
    return id;
}

void FakeNotificationServer::CloseNotification(uint id)
{
    write(QStringLiteral("CloseNotification id=%1").arg(id));
    Q_EMIT NotificationClosed(id, 3);
}

QString FakeNotificationServer::GetServerInformation(QString &vendor, QString &version,
                                                     QString &specVersion)
{
    vendor = QStringLiteral("Orvane tests");
    version = QStringLiteral("1");
    specVersion = QStringLiteral("1.2");
    return QStringLiteral("notify-fixture");
}

void FakeNotificationServer::write(const QString &line)
{
    std::fprintf(m_log, "%s\n", line.toUtf8().constData());
    std::fflush(m_log);
}
