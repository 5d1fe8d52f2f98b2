// A fake desktop notification server on the session bus, for tests and for trying the
// program's notices without a desktop:
//   dbus-run-session -- sh -c 'notify-fixture [--no-actions] [--invoke KEY] & Orvane'
// It prints "ready" once it owns the name, then one line per call it receives.
#include "FakeNotificationServer.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const qsizetype invokeAt = args.indexOf(QStringLiteral("--invoke"));
    const QString invoke
        = invokeAt > 0 && invokeAt + 1 < args.size() ? args.at(invokeAt + 1) : QString();
    FakeNotificationServer server(!args.contains(QStringLiteral("--no-actions")), invoke, stdout);

    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        std::fprintf(stderr, "notify-fixture: no session bus\n");
        return 1;
    }
    if (!bus.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &server,
                            QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals)
        || !bus.registerService(QStringLiteral("org.freedesktop.Notifications"))) {
        std::fprintf(stderr, "notify-fixture: the name is taken\n");
        return 1;
    }
    std::printf("ready\n");
    std::fflush(stdout);
    return QCoreApplication::exec();
}
