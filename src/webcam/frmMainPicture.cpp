// What the window does with the picture on show: the full-screen view, saving, copying and
// printing it.
#include "common/Twips.h"
#include "platform/Prompter.h"
#include "platform/Services.h"
#include "webcam/CamClipboard.h"
#include "webcam/CamPictureFile.h"
#include "webcam/CamPrint.h"
#include "webcam/WebcamLayout.h"
#include "webcam/frmFullscreen.h"
#include "webcam/frmMain.h"

#include <QLabel>
#include <QTimer>
#include <QTreeWidget>

void frmMain::onMnuFullscreenClick()
{
    if (m_fullscreen)
        return;
    m_viewBeforeFullscreen = m_viewMode;
    m_viewMode = WebcamLayout::Fullscreen;
    showViewMode();
    m_fullscreen = new frmFullscreen(this);
    m_fullscreen->setAttribute(Qt::WA_DeleteOnClose);
    m_fullscreen->setPicture(m_imgCam->pixmap());
    connect(m_fullscreen, &QDialog::finished, this, [this] {
        m_viewMode = m_viewBeforeFullscreen;
        m_fullscreen = nullptr;
        showViewMode();
        relayout();
    });
    m_fullscreen->open();
}

frmFullscreen *frmMain::fullscreenView() const
{
    return m_fullscreen;
}

void frmMain::setFullscreenRefreshing(bool refreshing)
{
    if (!m_fullscreen)
        return;
    if (!refreshing)
        m_fullscreen->setPicture(m_imgCam->pixmap());
    m_fullscreen->setIndicatorVisible(refreshing);
}

void frmMain::onMnuSaveAsClick()
{
    CamPictureFile::askSavePath(this, [this](const QString &path) {
        if (!CamPictureFile::saveBitmap(m_imgCam->pixmap(), path))
            m_services.prompter.tell(
                QStringLiteral("The picture could not be saved as \"%1\".").arg(path),
                kApplicationTitle, Prompter::Icon::Critical);
    });
}

void frmMain::onMnuCopyImageClick()
{
    CamClipboard::copyImage(m_imgCam->pixmap());
}

// No default printer: nothing happens, as the command promises no more than a page.
void frmMain::onMnuPrintClick()
{
    const QTreeWidgetItem *node = m_tree->currentItem();
    CamPrint::printOnDefaultPrinter(m_imgCam->pixmap(),
                                    QSize(toTwips(m_imgCam->width()), toTwips(m_imgCam->height())),
                                    node ? node->text(0) : QString());
}
