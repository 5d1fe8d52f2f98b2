#include "webcam/WebcamFiles.h"

#include "platform/AppFolder.h"

WebcamFiles::WebcamFiles(QString dataFolder)
    : m_folder(std::move(dataFolder))
{
}

// Found whatever the case of the name on disk, as the files were named on their first platform.
QString WebcamFiles::favorites() const
{
    return AppFolder(m_folder).path(QStringLiteral("\\favorites.dat"));
}

QString WebcamFiles::temporary() const
{
    return AppFolder(m_folder).path(QStringLiteral("\\temp.dat"));
}
