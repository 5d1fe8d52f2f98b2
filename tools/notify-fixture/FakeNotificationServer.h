#pragma once

#include <QObject>
#include <QStringList>
#include <QVariantMap>

#include <cstdio>

// A stand-in for the desktop's notification server: it answers the calls of
// org.freedesktop.Notifications, writes each call as one line to its log, and on request
// chooses an action of each notice that offers it, as a user clicking it would.
class FakeNotificationServer : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    FakeNotificationServer(bool offerActions, QString invoke, std::FILE *log);

public Q_SLOTS:
    QStringList GetCapabilities();
    uint Notify(const QString &appName, uint replacesId, const QString &appIcon,
                const QString &summary, const QString &body, const QStringList &actions,
                const QVariantMap &hints, int expireTimeout);
    void CloseNotification(uint id);
    QString GetServerInformation(QString &vendor, QString &version, QString &specVersion);

Q_SIGNALS:
    void ActionInvoked(uint id, const QString &actionKey);
    void NotificationClosed(uint id, uint reason);

private:
    void write(const QString &line);

    bool m_offerActions;
    QString m_invoke;
    std::FILE *m_log;
    uint m_lastId = 0;
};
