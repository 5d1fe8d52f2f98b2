#pragma once

#include <QObject>
#include <QPointer>
#include <QSize>

class QLabel;
class QWidget;
class frmFullscreen;
struct Services;

// The cam picture: loaded from the downloaded file and measured, shown full screen, saved as a
// bitmap, copied and printed.
class CamPicture : public QObject
{
    Q_OBJECT
public:
    CamPicture(Services &services, QLabel *imgCam, QWidget *window);

    // A file that is no picture (missing, partial, an error page) leaves the previous one shown;
    // false then.
    bool load(const QString &file);
    void clear();
    // Its natural size in twips.
    QSize measure() const;
    // The full-screen view's share of a download: the indicator, then the new picture.
    void setRefreshing(bool refreshing);

    void onMnuFullscreenClick();
    frmFullscreen *fullscreenView() const;
    void onMnuSaveAsClick();
    void onMnuCopyImageClick();
    // Under the picture, the title of the node selected in the cam tree.
    void onMnuPrintClick(const QString &title);

Q_SIGNALS:
    void fullscreenOpened();
    void fullscreenClosed();

private:
    Services &m_services;
    QLabel *m_imgCam;
    QWidget *m_window;
    QPointer<frmFullscreen> m_fullscreen;
};
