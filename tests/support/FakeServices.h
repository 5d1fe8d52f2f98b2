#pragma once

#include "platform/AppFolder.h"
#include "platform/IniSettingsStore.h"
#include "platform/Services.h"
#include "platform/SleepWatch.h"
#include "support/Fakes.h"

#include <QNetworkAccessManager>

// Every desktop seam as its double, over an application folder and a settings file the
// test chose, bundled as the Services a panel takes. The doubles share one call log.
struct FakeServices
{
    FakeServices(const QString &appFolder, const QString &settingsFile)
        : settings(settingsFile)
        , folder(appFolder)
    {
        settings.setPrompter(&prompter);
        connectivity.log = &calls;
        tray.log = &calls;
        lock.log = &calls;
    }

    CallLog calls;
    FakeClock clock;
    IniSettingsStore settings;
    AppFolder folder;
    FakeSoundPlayer sound;
    ScriptedPrompter prompter;
    RecordingShell shell;
    FakeConnectivity connectivity;
    FakeTray tray;
    FakeAutostart autostart;
    FakeInstanceLock lock;
    FakeMediaPlayer music;
    FakeMediaPlayer voice;
    FakeNotifier notifier;
    FakeSystemClock systemClock;
    LoggingSettings loggedSettings{settings, calls};
    QNetworkAccessManager network;
    MemorySecretStore secrets;
    SleepWatch sleep;
    Services services{clock,        loggedSettings, folder,      sound,   prompter, shell,
                      connectivity, tray,           autostart,   lock,    music,    voice,
                      folder,       notifier,       systemClock, network, secrets,  sleep};
};
