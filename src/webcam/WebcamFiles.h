#pragma once

#include <QString>

// Where the webcam window keeps its files: the favourites and the download's temporary file.
// Every webcam path is resolved here, from the writable data folder the caller names.
class WebcamFiles
{
public:
    explicit WebcamFiles(QString dataFolder);

    const QString &folder() const { return m_folder; }
    QString favorites() const;
    QString temporary() const;

private:
    QString m_folder;
};
