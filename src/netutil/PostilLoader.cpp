#include "netutil/PostilLoader.h"

#include "contracts/PostilFactory.h"

#include <QDir>
#include <QPluginLoader>
#include <QWidget>

PostilLoad loadPostil(const QString &appFolder, QWidget *parent)
{
    // The loader adds the platform's prefix and suffix (libPostil.so).
    const QString name = QDir(appFolder).filePath(QStringLiteral("Postil"));
    QPluginLoader loader(name);
    QObject *root = loader.instance();
    if (!root) {
        // "The shared library was not found." does not say where it was looked for.
        const QString reason = loader.errorString();
        return {nullptr,
                reason.contains(name) ? reason : reason + QStringLiteral(" (") + name + u')'};
    }
    auto *factory = qobject_cast<PostilFactory *>(root);
    if (!factory)
        return {nullptr,
                QStringLiteral("%1 does not offer %2")
                    .arg(loader.fileName(), QLatin1String(PostilFactory_iid))};
    QWidget *control = factory->createControl(parent);
    if (!control)
        return {nullptr, QStringLiteral("%1 made no control").arg(loader.fileName())};
    return {control, {}, qobject_cast<MailCheckerFactory *>(root)};
}
