#pragma once

#include <QString>

class SettingsStore;

// The webcam viewer's preferences in the settings store. A switch whose stored text is
// neither "True" nor "False" (a store edited by hand) reads as its default.
struct ViewerPrefs
{
    bool LoadWinPos = true;
    bool ShowAddyBar = true;
    bool ShowStatusBar = true;
    bool UseHovers = true;
    bool DeleteTemps = false;
    bool HideErrors = true;
    bool ForceNull60Sec = false;
    bool LockLists = true;
    bool CheckModified = true;
    // Window geometry in twips, as stored text.
    QString X, Y;
    QString H = QStringLiteral("5850");
    QString W = QStringLiteral("7695");

    static ViewerPrefs load(SettingsStore &settings);
    // The seven switches the preferences dialog edits, by their setting name.
    static void saveSwitch(SettingsStore &settings, const QString &name, bool on);
    static void saveGeometry(SettingsStore &settings, int left, int top, int height, int width);
};
