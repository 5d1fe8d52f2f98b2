#include "shell/RealServices.h"

#include "platform/AppId.h"
#include "platform/DataFolder.h"

RealServices::RealServices(const QString &programFolder, const QString &programPath,
                           const QString &launcher)
    : appFolder(AppFolder::fromEnvironment(programFolder))
    , autostart(XdgAutostart::defaultFolder(), launcher.isEmpty() ? programPath : launcher,
                XdgAutostart::defaultLauncherFolder())
    , dataFolder(DataFolder::choose(programFolder, !launcher.isEmpty()))
    , notifier(tray, QStringLiteral("Orvane"), AppId::kId)
{
    settings.setPrompter(&prompter);
}
