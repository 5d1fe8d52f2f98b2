#include "platform/FreedesktopNotifier.h"

#include "platform/Tray.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QVariantMap>

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");
constexpr int kCapabilitiesWaitMs = 1000;

QDBusMessage call(const QString &method)
{
    return QDBusMessage::createMethodCall(kService, kPath, kInterface, method);
}

} // namespace

FreedesktopNotifier::FreedesktopNotifier(Tray &fallback, QString appName, QString appId,
                                         const QDBusConnection &bus, QObject *parent)
    : Notifier(parent)
    , m_tray(fallback)
    , m_appName(std::move(appName))
    , m_appId(std::move(appId))
    , m_bus(bus)
{
    if (!m_bus.isConnected())
        return;
    m_bus.connect(QString(), kPath, kInterface, QStringLiteral("ActionInvoked"), this,
                  SLOT(onActionInvoked(uint, QString)));
    m_bus.connect(QString(), kPath, kInterface, QStringLiteral("NotificationClosed"), this,
                  SLOT(onNotificationClosed(uint, uint)));
}

void FreedesktopNotifier::notify(const Notice &notice)
{
    if (!m_bus.isConnected()) {
        showInTray(notice);
        return;
    }
    QStringList actions;
    if (!notice.actions.isEmpty() && serverShowsActions()) {
        for (const Action &action : notice.actions)
            actions << action.key << action.label;
    }
    QVariantMap hints;
    hints.insert(QStringLiteral("desktop-entry"), m_appId);
    hints.insert(QStringLiteral("urgency"), QVariant::fromValue(uchar(notice.urgent ? 2 : 1)));
    QDBusMessage message = call(QStringLiteral("Notify"));
    message << m_appName << m_ids.value(notice.tag) << m_appId << notice.summary << notice.body
            << actions << hints << -1;

    const int sent = ++m_sent;
    m_latest.insert(notice.tag, sent);
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(message), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, notice, sent] {
        watcher->deleteLater();
        const QDBusPendingReply<uint> reply = *watcher;
        if (reply.isError()) {
            // No server answers on this bus: the tray icon still can.
            showInTray(notice);
            return;
        }
        if (!m_latest.contains(notice.tag)) {
            close(reply.value()); // withdrawn while on its way
            return;
        }
        if (m_latest.value(notice.tag) != sent)
            return;
        m_ids.insert(notice.tag, reply.value());
        const QString early = m_early.take(reply.value());
        if (!early.isEmpty())
            Q_EMIT actionInvoked(notice.tag, early);
    });
}

void FreedesktopNotifier::withdraw(const QString &tag)
{
    m_latest.remove(tag);
    const auto found = m_ids.constFind(tag);
    if (found == m_ids.constEnd())
        return;
    const uint id = found.value();
    m_ids.erase(found);
    close(id);
}

void FreedesktopNotifier::close(uint id)
{
    QDBusMessage message = call(QStringLiteral("CloseNotification"));
    message << id;
    m_bus.asyncCall(message);
}

void FreedesktopNotifier::onActionInvoked(uint id, const QString &key)
{
    const QString tag = m_ids.key(id);
    if (!tag.isEmpty()) {
        Q_EMIT actionInvoked(tag, key);
        return;
    }
    // Ids of other programs' notices pass by too; keep only a few.
    if (m_early.size() >= 8)
        m_early.clear();
    m_early.insert(id, key);
}

void FreedesktopNotifier::onNotificationClosed(uint id, uint)
{
    const QString tag = m_ids.key(id);
    if (!tag.isEmpty())
        m_ids.remove(tag);
}

bool FreedesktopNotifier::serverShowsActions()
{
    if (!m_actions) {
        const QDBusMessage reply = m_bus.call(call(QStringLiteral("GetCapabilities")), QDBus::Block,
                                              kCapabilitiesWaitMs);
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
            return false; // asked again next time: the server may start later
        m_actions
            = reply.arguments().constFirst().toStringList().contains(QStringLiteral("actions"));
    }
    return *m_actions;
}

void FreedesktopNotifier::showInTray(const Notice &notice)
{
    m_tray.showMessage(notice.summary, notice.body);
}
