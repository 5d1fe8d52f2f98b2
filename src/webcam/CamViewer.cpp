#include "webcam/CamViewer.h"

#include "common/Twips.h"
#include "webcam/CamDownload.h"
#include "webcam/CamFetch.h"
#include "webcam/CamPicture.h"
#include "webcam/RefreshSchedule.h"
#include "webcam/WebcamWidgets.h"
#include "webcam/cInifile.h"

#include <QFile>
#include <QFrame>
#include <QLabel>

#include <utility>

namespace {

// A download's message on the one line of the status bar.
QString oneLine(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    text.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text.simplified();
}

} // namespace

CamViewer::CamViewer(const WebcamWidgets &widgets, WebcamFiles files, cInifile &favorites,
                     CamFetch &fetch, CamPicture &picture, RefreshSchedule &schedule,
                     QObject *parent)
    : QObject(parent)
    , m_w(widgets)
    , m_files(std::move(files))
    , m_favorites(favorites)
    , m_fetch(fetch)
    , m_picture(picture)
    , m_schedule(schedule)
{
    connect(&m_schedule, &RefreshSchedule::refreshDue, this, &CamViewer::onRefreshDue);
}

bool CamViewer::busy() const
{
    return m_fetch.running();
}

void CamViewer::clearNotModified()
{
    m_fetch.download().clearNotModified();
}

void CamViewer::clearStoredModified()
{
    m_fetch.download().clearStoredModified();
}

void CamViewer::showWelcome()
{
    m_schedule.stop();
    m_w.imgCam->hide();
    m_w.picWelcome->show();
    Q_EMIT layoutChanged();
}

// The picture makes way for the progress panel until the download is over.
void CamViewer::showProgress(const QString &caption)
{
    m_w.lblProgress->setText(caption);
    m_picture.setRefreshing(true);
    m_w.imgCam->hide();
    m_w.imgCam->setScaledContents(false);
    m_w.picWelcome->hide();
    m_w.picProgress->show();
}

void CamViewer::showPicture()
{
    m_w.picProgress->hide();
    m_picture.setRefreshing(false);
    Q_EMIT measured(m_picture.measure());
    m_w.imgCam->show();
}

void CamViewer::showCam(const QString &title, const QString &address)
{
    m_schedule.stop();
    if (address != m_currentAddress || title != m_currentTitle) {
        // Another cam: its first picture is never taken for unchanged, and what the file
        // holds is the previous cam's picture, which must not appear under this one's title.
        clearStoredModified();
        QFile::remove(m_files.temporary());
    }
    m_currentAddress = address;
    m_currentTitle = title;
    showProgress(QStringLiteral("Downloading Webcam ..."));
    m_w.setStatus(QStringLiteral("Busy"), QStringLiteral("Downloading Cam: ") + title);
    Q_EMIT layoutChanged();
    m_fetch.DownloadFile(m_currentAddress, m_files.temporary(),
                         [this, title] { afterCamDownload(title); });
}

void CamViewer::afterCamDownload(const QString &camText)
{
    m_w.picProgress->hide();
    if (!m_picture.load(m_files.temporary()))
        m_picture.clear(); // this cam has no picture yet; the status line says why
    showPicture();
    m_w.setStatus(QStringLiteral("Ready"), QString());
    m_favorites.setSection(camText);
    m_favorites.setKey(QStringLiteral("UpdateInterval"));
    m_favorites.setDefault(QStringLiteral("60"));
    m_schedule.scheduleRefresh(m_favorites.VALUE());
    const CamDownload &download = m_fetch.download();
    if (download.notModified()) {
        m_w.panel2->setText(m_currentTitle + QStringLiteral(" has not changed"));
    } else {
        m_fetch.deleteWhenDone(m_files.temporary());
        if (download.error()) {
            m_schedule.stop();
            m_w.panel2->setText(oneLine(download.outcome()));
        }
    }
    Q_EMIT layoutChanged();
}

void CamViewer::onRefreshDue()
{
    if (busy())
        return; // tried again on the next tick
    m_w.panel2->setText(QStringLiteral("Refreshing ..."));
    if (m_w.imgCam->isHidden()) {
        m_schedule.afterRefreshDownload();
        return;
    }
    m_w.lblProgress->setText(QStringLiteral("Refreshing Webcam ..."));
    Q_EMIT layoutHeld(true);
    QFrame *panel = m_w.picProgress;
    const QRect picture = m_w.imgCam->geometry();
    panel->move(picture.x() + picture.width() / 2 - panel->width() / 2,
                picture.y() + picture.height() + twips(355));
    m_picture.setRefreshing(true);
    panel->show();
    m_fetch.DownloadFile(m_currentAddress, m_files.temporary(), [this] {
        m_w.picProgress->hide();
        m_picture.load(m_files.temporary());
        m_picture.setRefreshing(false);
        Q_EMIT layoutHeld(false);
        m_fetch.deleteWhenDone(m_files.temporary());
        m_schedule.afterRefreshDownload();
    });
}

void CamViewer::downloadGraphic(const QString &address)
{
    if (busy())
        return;
    m_schedule.stop();
    // The cam's schedule ended: its countdown text must not stay.
    m_w.setStatus(QStringLiteral("Busy"), QStringLiteral("Downloading: ") + address);
    showProgress(QStringLiteral("Downloading Graphic ..."));
    Q_EMIT layoutChanged();
    m_fetch.DownloadFile(address, m_files.temporary(), [this] {
        m_w.picProgress->hide();
        m_picture.load(m_files.temporary());
        showPicture();
        Q_EMIT graphicShown();
        if (m_fetch.deleteWhenDone(m_files.temporary()))
            m_schedule.stop();
        m_w.setStatus(QStringLiteral("Ready"), QString());
        Q_EMIT layoutChanged();
    });
}
