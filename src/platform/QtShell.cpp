#include "platform/QtShell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

void QtShell::openAddress(const QString &address)
{
    if (address.trimmed().isEmpty())
        return;
    // An existing file wins over reading the text as a host name ("List.txt" is not a site).
    const QFileInfo file(address);
    const QUrl url = file.exists() ? QUrl::fromLocalFile(file.absoluteFilePath())
                                   : QUrl::fromUserInput(address);
    if (url.isValid())
        QDesktopServices::openUrl(url);
}

bool QtShell::startProgram(const QString &program, const QStringList &arguments)
{
    if (program.isEmpty())
        return false;
    return QProcess::startDetached(program, arguments);
}
