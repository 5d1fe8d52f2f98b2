#include "webcam/CamFetch.h"

#include "platform/Prompter.h"
#include "platform/Services.h"
#include "webcam/CamDownload.h"
#include "webcam/ViewerPrefs.h"

#include <QFile>
#include <QProgressBar>

#include <utility>

CamFetch::CamFetch(Services &services, const ViewerPrefs &prefs, QProgressBar *progressBar,
                   QObject *parent)
    : QObject(parent)
    , m_services(services)
    , m_prefs(prefs)
    , m_progressBar(progressBar)
    , m_download(new CamDownload(services.network, this))
{
    connect(m_download, &CamDownload::progress, this, &CamFetch::showProgress);
    connect(m_download, &CamDownload::message, this,
            [this](const Prompter::Message &message) { m_services.prompter.ask(message); });
    connect(m_download, &CamDownload::finished, this, [this] {
        Q_EMIT busyChanged(false);
        if (auto then = std::exchange(m_afterDownload, {}))
            then();
    });
}

bool CamFetch::DownloadFile(const QString &strURL, const QString &strDestination,
                            std::function<void()> then)
{
    if (m_download->running())
        return false;
    Q_EMIT busyChanged(true);
    m_afterDownload = std::move(then);
    m_download->start(strURL, strDestination, {m_prefs.CheckModified, m_prefs.HideErrors});
    return true;
}

bool CamFetch::running() const
{
    return m_download->running();
}

void CamFetch::showProgress(bool visible, qint64 value, qint64 maximum)
{
    m_progressBar->setMaximum(int(maximum));
    m_progressBar->setValue(int(value));
    m_progressBar->setVisible(visible);
}

bool CamFetch::deleteWhenDone(const QString &file) const
{
    if (!m_download->completed() || !m_prefs.DeleteTemps)
        return false;
    QFile::remove(file);
    return true;
}

void CamFetch::onTbrStopClick()
{
    m_download->stop();
}

void CamFetch::cancel()
{
    m_download->cancel();
    m_afterDownload = {};
}
