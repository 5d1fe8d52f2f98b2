#include "platform/LinuxSystemClock.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QTimer>

#include <cerrno>
#include <cstring>
#include <ctime>

void LinuxSystemClock::adjust(qint64 seconds, QObject *context, Done done)
{
    timespec now{};
    if (clock_gettime(CLOCK_REALTIME, &now) == 0) {
        now.tv_sec += static_cast<time_t>(seconds);
        if (clock_settime(CLOCK_REALTIME, &now) == 0) {
            // Reported later, as the service would, so callers see one order of events.
            QTimer::singleShot(0, context, [done] { done({}); });
            return;
        }
        if (errno != EPERM) {
            const QString reason = QString::fromLocal8Bit(std::strerror(errno));
            QTimer::singleShot(0, context, [done, reason] { done(reason); });
            return;
        }
    }
    adjustThroughService(seconds, context, std::move(done));
}

void LinuxSystemClock::adjustThroughService(qint64 seconds, QObject *context, Done done)
{
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected()) {
        QTimer::singleShot(0, context, [done] { done(QStringLiteral("no system bus")); });
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.timedate1"), QStringLiteral("/org/freedesktop/timedate1"),
        QStringLiteral("org.freedesktop.timedate1"), QStringLiteral("SetTime"));
    // Microseconds, relative, interactive.
    call << qint64(seconds) * 1000000 << true << true;
    call.setInteractiveAuthorizationAllowed(true);
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, kServiceTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, watcher, &QObject::deleteLater);
    connect(watcher, &QDBusPendingCallWatcher::finished, context,
            [done](QDBusPendingCallWatcher *finished) {
                const QDBusPendingReply<> reply = *finished;
                done(reply.isError() ? refusalText(reply.error().name(), reply.error().message())
                                     : QString());
            });
}

QString LinuxSystemClock::refusalText(const QString &errorName, const QString &message)
{
    static const QStringList needsAdministrator{
        QStringLiteral("org.freedesktop.DBus.Error.InteractiveAuthorizationRequired"),
        QStringLiteral("org.freedesktop.DBus.Error.AccessDenied"),
        QStringLiteral("org.freedesktop.PolicyKit1.Error.NotAuthorized")};
    return needsAdministrator.contains(errorName)
        ? QStringLiteral("the system asks for an administrator")
        : message;
}

void LinuxSystemClock::keepsItself(QObject *context, std::function<void(bool)> answer)
{
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected()) {
        QTimer::singleShot(0, context, [answer] { answer(false); });
        return;
    }
    QDBusMessage get = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.timedate1"), QStringLiteral("/org/freedesktop/timedate1"),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get << QStringLiteral("org.freedesktop.timedate1") << QStringLiteral("NTP");
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(get, kQuestionTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, watcher, &QObject::deleteLater);
    connect(watcher, &QDBusPendingCallWatcher::finished, context,
            [answer](QDBusPendingCallWatcher *finished) {
                const QDBusPendingReply<QDBusVariant> reply = *finished;
                answer(!reply.isError() && reply.value().variant().toBool());
            });
}
