#pragma once

#include <QString>
#include <QStringList>

// The folder the program writes: the record databases, the music lists, the webcam
// favourites and download file. Running from a build it is the application folder itself;
// an installed program (or one whose folder cannot be written) keeps them in the user's data
// folder instead, first filled from the empty databases shipped with the program. Every
// writer takes its paths from the one folder chosen here.
class DataFolder
{
public:
    // The shipped files a new data folder starts with.
    static const QStringList &seeds();
    // ${XDG_DATA_HOME:-$HOME/.local/share}/Orvanenm
    static QString userFolder();

    // ORVANE_APP_DIR when set (it names both folders); otherwise the program folder while it
    // is writable and not installed; otherwise userFolder, prepared for use.
    static QString choose(const QString &programFolder, bool installed);

    // Makes the folder if needed and copies each seed it lacks from the program folder. What
    // the folder holds is never replaced. False when the folder cannot be made.
    static bool prepare(const QString &folder, const QString &programFolder);
};
