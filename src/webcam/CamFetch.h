#pragma once

#include <QObject>

#include <functional>

class CamDownload;
class QProgressBar;
struct Services;
struct ViewerPrefs;

// Runs the webcam window's downloads into a file, one at a time: the commands are held while one
// runs, the progress bar follows it, its messages go to the user, and what the caller asked to
// follow runs once it has ended.
class CamFetch : public QObject
{
    Q_OBJECT
public:
    CamFetch(Services &services, const ViewerPrefs &prefs, QProgressBar *progressBar,
             QObject *parent);

    // Downloads into the file, then runs `then`; false (nothing happens) while one runs.
    bool DownloadFile(const QString &strURL, const QString &strDestination,
                      std::function<void()> then);
    bool running() const;
    CamDownload &download() const { return *m_download; }
    // The file goes after a completed download when "DeleteTemps" asks so; true when it went.
    bool deleteWhenDone(const QString &file) const;
    void onTbrStopClick();
    // The window is closing: the download ends without a word and nothing follows it.
    void cancel();

Q_SIGNALS:
    // Held from the start of a download to its end, before what follows it runs.
    void busyChanged(bool busy);

private:
    void showProgress(bool visible, qint64 value, qint64 maximum);

    Services &m_services;
    const ViewerPrefs &m_prefs;
    QProgressBar *m_progressBar;
    CamDownload *m_download;
    std::function<void()> m_afterDownload;
};
