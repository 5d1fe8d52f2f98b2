#pragma once

#include <QString>

// The application folder: the folder of the running program, or ORVANE_APP_DIR when set.
// The system names its files the old way ("\Alarms\Bell.wav"); path() turns such a name
// into a real path, matching each part without regard to case as the original platform did.
class AppFolder
{
public:
    explicit AppFolder(QString root);
    static AppFolder fromEnvironment(const QString &programFolder);

    const QString &root() const { return m_root; }
    // An absolute path for a name relative to the folder ("\List.txt", "Help/OrvaneHelp").
    // Parts that exist are found whatever their case; parts that do not are kept as given.
    QString path(const QString &relative) const;

private:
    QString m_root;
};
