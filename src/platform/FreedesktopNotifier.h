#pragma once

#include "platform/Notifier.h"

#include <QDBusConnection>
#include <QHash>

#include <optional>

class Tray;

// Notices through the desktop's notification server (org.freedesktop.Notifications on the
// session bus). Without a bus or a server the notice goes to the notification-area icon
// instead. Calls are asynchronous, except the one question of the server's capabilities,
// which waits at most a second.
class FreedesktopNotifier final : public Notifier
{
    Q_OBJECT
public:
    FreedesktopNotifier(Tray &fallback, QString appName, QString appId,
                        const QDBusConnection &bus = QDBusConnection::sessionBus(),
                        QObject *parent = nullptr);

    void notify(const Notice &notice) override;
    void withdraw(const QString &tag) override;

private Q_SLOTS:
    void onActionInvoked(uint id, const QString &key);
    void onNotificationClosed(uint id, uint reason);

private:
    bool serverShowsActions();
    void close(uint id);
    void showInTray(const Notice &notice);

    Tray &m_tray;
    QString m_appName;
    QString m_appId;
    QDBusConnection m_bus;
    QHash<QString, uint> m_ids; // tag -> the server's id of the notice shown
    std::optional<bool> m_actions;
    int m_sent = 0; // counts notices, so a late reply does not overwrite a newer one
    QHash<QString, int> m_latest;
    // Actions chosen before the reply that names their notice arrived.
    QHash<uint, QString> m_early;
};
