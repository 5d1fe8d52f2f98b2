#pragma once

#include "platform/Autostart.h"

#include <QString>

// Starting with the session through an XDG autostart entry, <folder>/orvane.desktop. The entry
// is parked with Hidden=true rather than deleted, so the session manager and the user's own
// edits see one file whose state flips. A program path holding '%' or '\' is written
// correctly, yet some launchers refuse it; the entry then starts a small launcher script in
// <launcher folder> that runs the program.
class XdgAutostart final : public Autostart
{
public:
    XdgAutostart(QString autostartFolder, QString executablePath, QString launcherFolder);

    // ${XDG_CONFIG_HOME:-$HOME/.config}/autostart
    static QString defaultFolder();
    // ${XDG_DATA_HOME:-$HOME/.local/share}/Orvanenm
    static QString defaultLauncherFolder();
    // The Exec value that starts exactly this program, escaped for a desktop entry file.
    static QString execValue(const QString &executablePath);

    void addToStartup() override;
    void removeFromStartup() override;
    State state() const override;

    QString entryPath() const;
    QString launcherPath() const;

private:
    void writeEntry(bool parked) const;
    // The program the entry starts: the executable, or the launcher script when launchers
    // would refuse the executable's path and the script could be written.
    QString entryProgram() const;

    QString m_folder;
    QString m_executable;
    QString m_launcherFolder;
};
