#pragma once

#include "platform/AppFolder.h"
#include "platform/Clock.h"
#include "platform/FreedesktopNotifier.h"
#include "platform/IniSettingsStore.h"
#include "platform/KeychainSecretStore.h"
#include "platform/LinuxConnectivity.h"
#include "platform/LinuxSystemClock.h"
#include "platform/LockFileInstance.h"
#include "platform/LogindSleepWatch.h"
#include "platform/QtMediaPlayer.h"
#include "platform/QtPrompter.h"
#include "platform/QtShell.h"
#include "platform/QtSoundPlayer.h"
#include "platform/QtTray.h"
#include "platform/Services.h"
#include "platform/XdgAutostart.h"

#include <QNetworkAccessManager>

// The real desktop adapters, owned by main() for the life of the process.
struct RealServices
{
    RealClock clock;
    IniSettingsStore settings{IniSettingsStore::defaultPath()};
    AppFolder appFolder;
    QtSoundPlayer sound;
    QtPrompter prompter;
    QtShell shell;
    LinuxConnectivity connectivity;
    QtTray tray;
    XdgAutostart autostart;
    LockFileInstance instanceLock{LockFileInstance::defaultPath()};
    QtMediaPlayer music;
    QtMediaPlayer voice;
    AppFolder dataFolder;
    FreedesktopNotifier notifier;
    LinuxSystemClock systemClock;
    QNetworkAccessManager network;
    KeychainSecretStore secrets;
    LogindSleepWatch sleep;
    Services services{clock,        settings, appFolder,   sound,        prompter, shell,
                      connectivity, tray,     autostart,   instanceLock, music,    voice,
                      dataFolder,   notifier, systemClock, network,      secrets,  sleep};

    // The launcher, when the program runs installed; the autostart entry starts it.
    RealServices(const QString &programFolder, const QString &programPath, const QString &launcher);
};
