#pragma once

#include "webcam/WebcamFiles.h"

#include <QObject>
#include <QSize>

class CamFetch;
class CamPicture;
class RefreshSchedule;
class cInifile;
struct WebcamWidgets;

// What the image pane shows: the welcome panel, or a picture downloaded into the temporary
// file and loaded from there, a cam's with its refresh schedule or one typed in the address
// bar; the progress panel and the status bar tell how it goes meanwhile.
class CamViewer : public QObject
{
    Q_OBJECT
public:
    CamViewer(const WebcamWidgets &widgets, WebcamFiles files, cInifile &favorites, CamFetch &fetch,
              CamPicture &picture, RefreshSchedule &schedule, QObject *parent);

    void showWelcome();
    // The cam's rate in the favourites file sets the refresh schedule once it is shown.
    void showCam(const QString &title, const QString &address);
    // A picture typed in the address bar: shown with no schedule.
    void downloadGraphic(const QString &address);
    // A download runs: the picture being fetched goes into the same file, so nothing else may
    // start one.
    bool busy() const;
    // The download state the next cam starts from.
    void clearNotModified();
    void clearStoredModified();
    const QString &currentTitle() const { return m_currentTitle; }

Q_SIGNALS:
    // What the layout places changed: the panels shown or the picture.
    void layoutChanged();
    // The natural size of the picture just shown, in twips.
    void measured(QSize twips);
    // A scheduled refresh keeps its progress panel under the picture until it is done.
    void layoutHeld(bool held);
    // A typed picture is on display, which no cam node stands for.
    void graphicShown();

private:
    void showProgress(const QString &caption);
    void showPicture();
    void afterCamDownload(const QString &camText);
    void onRefreshDue();

    const WebcamWidgets &m_w;
    WebcamFiles m_files;
    cInifile &m_favorites;
    CamFetch &m_fetch;
    CamPicture &m_picture;
    RefreshSchedule &m_schedule;
    QString m_currentAddress, m_currentTitle;
};
