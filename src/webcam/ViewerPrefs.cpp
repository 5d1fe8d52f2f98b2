#include "webcam/ViewerPrefs.h"

#include "platform/SettingsStore.h"

namespace {

const QString kPrefs = QStringLiteral("Prefs");
const QString kPosition = QStringLiteral("Position");

bool readSwitch(SettingsStore &settings, const char *name, bool def)
{
    const QString text = settings
                             .getSetting(kPrefs, QLatin1String(name),
                                         def ? QStringLiteral("True") : QStringLiteral("False"))
                             .trimmed();
    if (text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (text.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    return def;
}

} // namespace

ViewerPrefs ViewerPrefs::load(SettingsStore &settings)
{
    ViewerPrefs p;
    p.LoadWinPos = readSwitch(settings, "LoadWinPos", p.LoadWinPos);
    p.ShowAddyBar = readSwitch(settings, "ShowAddyBar", p.ShowAddyBar);
    p.ShowStatusBar = readSwitch(settings, "ShowStatusBar", p.ShowStatusBar);
    p.UseHovers = readSwitch(settings, "UseHovers", p.UseHovers);
    p.DeleteTemps = readSwitch(settings, "DeleteTemps", p.DeleteTemps);
    p.HideErrors = readSwitch(settings, "HideErrors", p.HideErrors);
    p.ForceNull60Sec = readSwitch(settings, "ForceNull60Sec", p.ForceNull60Sec);
    p.LockLists = readSwitch(settings, "LockLists", p.LockLists);
    p.CheckModified = readSwitch(settings, "CheckModified", p.CheckModified);
    p.X = settings.getSetting(kPosition, QStringLiteral("X"));
    p.Y = settings.getSetting(kPosition, QStringLiteral("Y"));
    p.H = settings.getSetting(kPosition, QStringLiteral("H"), p.H);
    p.W = settings.getSetting(kPosition, QStringLiteral("W"), p.W);
    return p;
}

void ViewerPrefs::saveSwitch(SettingsStore &settings, const QString &name, bool on)
{
    settings.saveSetting(kPrefs, name, on ? QStringLiteral("True") : QStringLiteral("False"));
}

void ViewerPrefs::saveGeometry(SettingsStore &settings, int left, int top, int height, int width)
{
    settings.saveSetting(kPosition, QStringLiteral("X"), QString::number(left));
    settings.saveSetting(kPosition, QStringLiteral("Y"), QString::number(top));
    settings.saveSetting(kPosition, QStringLiteral("H"), QString::number(height));
    settings.saveSetting(kPosition, QStringLiteral("W"), QString::number(width));
}
