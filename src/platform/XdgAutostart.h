#pragma once

#include "platform/Autostart.h"

#include <QString>

// Starting with the session through an XDG autostart entry, <folder>/orvane.desktop. The entry
// is parked with Hidden=true rather than deleted, so the session manager and the user's own
// edits see one file whose state flips.
class XdgAutostart final : public Autostart
{
public:
    XdgAutostart(QString autostartFolder, QString executablePath);

    // ${XDG_CONFIG_HOME:-$HOME/.config}/autostart
    static QString defaultFolder();
    // The Exec value that starts exactly this program, escaped for a desktop entry file.
    static QString execValue(const QString &executablePath);

    void addToStartup() override;
    void removeFromStartup() override;
    State state() const override;

    QString entryPath() const;

private:
    void writeEntry(bool parked) const;

    QString m_folder;
    QString m_executable;
};
