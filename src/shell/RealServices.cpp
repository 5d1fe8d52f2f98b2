#include "shell/RealServices.h"

RealServices::RealServices(const QString &programFolder, const QString &programPath)
    : appFolder(AppFolder::fromEnvironment(programFolder))
    , autostart(XdgAutostart::defaultFolder(), programPath, XdgAutostart::defaultLauncherFolder())
{
    settings.setPrompter(&prompter);
}
