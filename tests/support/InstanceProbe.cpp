// One start of a program guarded by the instance lock, as a separate process: the holder
// says when a later start asked it to show itself.
#include "platform/LockFileInstance.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2)
        return 2;
    LockFileInstance lock(QString::fromLocal8Bit(argv[1]));
    if (!lock.tryLock())
        return lock.requestShow(qEnvironmentVariable("XDG_ACTIVATION_TOKEN")) ? 0 : 4;
    lock.listenForShowRequests([](const QString &token) {
        std::puts(token.isEmpty() ? "asked to show" : qPrintable("asked to show with " + token));
        QCoreApplication::quit();
    });
    std::puts("holding");
    std::fflush(stdout);
    return app.exec();
}
