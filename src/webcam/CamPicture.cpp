#include "webcam/CamPicture.h"

#include "common/Twips.h"
#include "platform/Prompter.h"
#include "platform/Services.h"
#include "webcam/CamClipboard.h"
#include "webcam/CamPictureFile.h"
#include "webcam/CamPrint.h"
#include "webcam/frmFullscreen.h"

#include <QImageReader>
#include <QLabel>

CamPicture::CamPicture(Services &services, QLabel *imgCam, QWidget *window)
    : QObject(window)
    , m_services(services)
    , m_imgCam(imgCam)
    , m_window(window)
{
}

bool CamPicture::load(const QString &file)
{
    QImageReader reader(file);
    reader.setDecideFormatFromContent(true);
    const QImage image = reader.read();
    if (image.isNull())
        return false;
    m_imgCam->setPixmap(QPixmap::fromImage(image));
    return true;
}

void CamPicture::clear()
{
    m_imgCam->clear();
}

QSize CamPicture::measure() const
{
    const QSize size = m_imgCam->pixmap().size();
    return QSize(toTwips(size.width()), toTwips(size.height()));
}

void CamPicture::setRefreshing(bool refreshing)
{
    if (!m_fullscreen)
        return;
    if (!refreshing)
        m_fullscreen->setPicture(m_imgCam->pixmap());
    m_fullscreen->setIndicatorVisible(refreshing);
}

void CamPicture::onMnuFullscreenClick()
{
    if (m_fullscreen)
        return;
    Q_EMIT fullscreenOpened();
    m_fullscreen = new frmFullscreen(m_window);
    m_fullscreen->setAttribute(Qt::WA_DeleteOnClose);
    m_fullscreen->setPicture(m_imgCam->pixmap());
    connect(m_fullscreen, &QDialog::finished, this, [this] {
        m_fullscreen = nullptr;
        Q_EMIT fullscreenClosed();
    });
    m_fullscreen->open();
}

frmFullscreen *CamPicture::fullscreenView() const
{
    return m_fullscreen;
}

void CamPicture::onMnuSaveAsClick()
{
    CamPictureFile::askSavePath(m_window, [this](const QString &path) {
        if (!CamPictureFile::saveBitmap(m_imgCam->pixmap(), path))
            m_services.prompter.tell(
                QStringLiteral("The picture could not be saved as \"%1\".").arg(path),
                kApplicationTitle, Prompter::Icon::Critical);
    });
}

void CamPicture::onMnuCopyImageClick()
{
    CamClipboard::copyImage(m_imgCam->pixmap());
}

// No default printer: nothing happens, as the command promises no more than a page.
void CamPicture::onMnuPrintClick(const QString &title)
{
    CamPrint::printOnDefaultPrinter(
        m_imgCam->pixmap(), QSize(toTwips(m_imgCam->width()), toTwips(m_imgCam->height())), title);
}
