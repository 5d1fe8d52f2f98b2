#pragma once

#include "common/IniFile.h"
#include "platform/SettingsStore.h"

#include <QByteArray>
#include <QString>

#include <optional>

class Prompter;

// The settings store over one INI file. Reads come from memory, but every read first checks
// the file's size and times, so a change another process made is seen at once. Values are
// kept exactly: one that would not survive a plain INI line is written as a quoted string.
class IniSettingsStore final : public SettingsStore
{
public:
    explicit IniSettingsStore(QString path);

    // $ORVANE_SETTINGS_DIR/settings.ini, else ${XDG_CONFIG_HOME:-~/.config}/Orvanenm/settings.ini.
    static QString defaultPath();
    const QString &path() const { return m_path; }
    // Where a save that fails is told, once per run, naming the file. Without one it is
    // only logged.
    void setPrompter(Prompter *prompter) { m_prompter = prompter; }

    QString getSetting(const QString &section, const QString &key,
                       const QString &defaultValue = QString()) override;
    void saveSetting(const QString &section, const QString &key, const QString &value) override;

private:
    // What stat() says about the file; any difference means someone else wrote it.
    struct FileStamp
    {
        qint64 device = 0;
        qint64 inode = 0; // an atomic save by another process makes a new file
        qint64 size = 0;
        qint64 modifiedNs = 0;
        qint64 changedNs = 0;
        bool operator==(const FileStamp &) const = default;
    };

    std::optional<FileStamp> stamp() const; // nullopt: no file
    void refresh();
    void tellUnsaved(const QString &reason);

    QString m_path;
    QByteArray m_nativePath;
    IniFile m_doc;
    bool m_loaded = false;
    std::optional<FileStamp> m_loadedStamp; // the file as m_doc was read from it
    bool m_unreadable = false; // the file exists but could not be read: never replace it
    bool m_unsaved = false;    // m_doc holds values the file does not
    Prompter *m_prompter = nullptr;
    bool m_toldUnsaved = false;
};
