#pragma once

#include "platform/AppFolder.h"
#include "platform/IniSettingsStore.h"
#include "platform/Services.h"
#include "support/Fakes.h"

// Every desktop seam as its double, over an application folder and a settings file the
// test chose, bundled as the Services a panel takes.
struct FakeServices
{
    FakeServices(const QString &appFolder, const QString &settingsFile)
        : settings(settingsFile)
        , folder(appFolder)
    {
        settings.setPrompter(&prompter);
    }

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
    Services services{clock,        settings, folder,    sound, prompter, shell,
                      connectivity, tray,     autostart, lock,  music,    voice};
};
