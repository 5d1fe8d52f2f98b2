#pragma once

#include <QString>

// The per-user settings store: section, key, text value under the application "Orvanenm".
// Sections and keys compare without regard to case. A save is written through at once and
// atomically; a read sees every save and also a change another process made to the file.
// An unreadable or malformed file reads as defaults and is never rewritten by a read.
class SettingsStore
{
public:
    virtual ~SettingsStore() = default;
    virtual QString getSetting(const QString &section, const QString &key,
                               const QString &defaultValue = QString())
        = 0;
    virtual void saveSetting(const QString &section, const QString &key, const QString &value) = 0;
};
