#include "platform/InstalledLayout.h"

#include <QDir>
#include <QFileInfo>

QString InstalledLayout::launcherFor(const QString &programFolder)
{
    const QFileInfo launcher(QDir::cleanPath(programFolder + QLatin1String("/../../bin/orvane")));
    if (QDir::cleanPath(programFolder).endsWith(QLatin1String("/lib/orvane")) && launcher.isFile()
        && launcher.isExecutable())
        return launcher.absoluteFilePath();
    return {};
}
