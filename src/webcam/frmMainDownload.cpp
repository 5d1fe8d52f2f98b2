// Showing a cam: its picture downloaded into the temporary file and loaded from there, the
// commands locked meanwhile, and the refresh schedule.
#include "common/Twips.h"
#include "webcam/CamDownload.h"
#include "webcam/CamList.h"
#include "webcam/CamNodes.h"
#include "webcam/frmMain.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QFrame>
#include <QImageReader>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QTreeWidget>

namespace {

QString scheduled(int seconds)
{
    return QStringLiteral("Refresh Scheduled in %1 Seconds").arg(seconds);
}

// A download's message on the one line of the status bar.
QString oneLine(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    text.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text.simplified();
}

} // namespace

void frmMain::lockCommands(bool locked)
{
    m_commandLock = locked;
    // Only "Stop" is offered while a download runs; the cam commands take their state from the
    // selected node again once it is over.
    for (int index = 1; index <= m_buttons.size(); ++index)
        m_buttons[index - 1]->setEnabled(index == 2 ? locked : !locked);
    if (m_prefs.LockLists) {
        m_tree->setEnabled(!locked);
        m_cboAddress->setEnabled(!locked);
    }
    if (locked) {
        setCursor(Qt::WaitCursor);
    } else {
        unsetCursor();
        // The buttons were all enabled above; the cam commands take their state back.
        setCommandsEnabled(m_commandsOn, true);
        updateCommands();
    }
}

bool frmMain::DownloadFile(const QString &strURL, const QString &strDestination,
                           std::function<void()> then)
{
    if (m_download->running())
        return false;
    lockCommands(true);
    m_afterDownload = std::move(then);
    m_download->start(strURL, strDestination, {m_prefs.CheckModified, m_prefs.HideErrors});
    return true;
}

void frmMain::showProgress(bool visible, qint64 value, qint64 maximum)
{
    m_progressBar->setMaximum(int(maximum));
    m_progressBar->setValue(int(value));
    m_progressBar->setVisible(visible);
}

// A file that is no picture (missing, partial, an error page) leaves the previous one shown.
bool frmMain::loadPicture()
{
    QImageReader reader(m_files.temporary());
    reader.setDecideFormatFromContent(true);
    const QImage image = reader.read();
    if (image.isNull())
        return false;
    m_imgCam->setPixmap(QPixmap::fromImage(image));
    return true;
}

void frmMain::measurePicture()
{
    const QSize size = m_imgCam->pixmap().size();
    m_natural = QSize(toTwips(size.width()), toTwips(size.height()));
}

void frmMain::deleteTempWhenDone()
{
    if (m_download->completed() && m_prefs.DeleteTemps)
        QFile::remove(m_files.temporary());
}

void frmMain::LoadCamFromNode(QTreeWidgetItem *Node)
{
    if (m_download->running())
        return; // the picture being fetched goes into the same file
    if (!Node || Node->text(0).isEmpty())
        Node = selectedNode();
    m_download->clearNotModified();
    if (!Node || !CamList::isCamKey(CamNodes::keyOf(Node))) {
        showWelcome();
        return;
    }
    m_timerRefresh->stop();
    m_imgCam->hide();
    m_marker = Node->text(0);
    const QString address = CamList::addressOf(CamNodes::keyOf(Node));
    if (address != m_currentAddress || Node->text(0) != m_currentTitle) {
        // Another cam: its first picture is never taken for unchanged, and what the file
        // holds is the previous cam's picture, which must not appear under this one's title.
        m_download->clearStoredModified();
        QFile::remove(m_files.temporary());
    }
    m_currentAddress = address;
    m_currentTitle = Node->text(0);
    m_lblProgress->setText(QStringLiteral("Downloading Webcam ..."));
    setFullscreenRefreshing(true);
    m_panel1->setText(QStringLiteral("Busy"));
    m_picWelcome->hide();
    m_picProgress->show();
    m_imgCam->setScaledContents(false);
    m_panel2->setText(QStringLiteral("Downloading Cam: ") + m_currentTitle);
    relayout();
    const QString camText = Node->text(0);
    DownloadFile(m_currentAddress, m_files.temporary(),
                 [this, camText] { afterCamDownload(camText); });
}

void frmMain::afterCamDownload(const QString &camText)
{
    m_picProgress->hide();
    if (!loadPicture())
        m_imgCam->clear(); // this cam has no picture yet; the status line says why
    setFullscreenRefreshing(false);
    measurePicture();
    m_imgCam->show();
    setStatus(QStringLiteral("Ready"), QString());
    m_ini.setSection(camText);
    m_ini.setKey(QStringLiteral("UpdateInterval"));
    m_ini.setDefault(QStringLiteral("60"));
    scheduleRefresh(m_ini.VALUE());
    if (m_download->notModified()) {
        m_panel2->setText(m_currentTitle + QStringLiteral(" has not changed"));
    } else {
        deleteTempWhenDone();
        if (m_download->error()) {
            m_timerRefresh->stop();
            m_panel2->setText(oneLine(m_download->outcome()));
        }
    }
    relayout();
}

void frmMain::scheduleRefresh(const QString &rateText)
{
    m_timerRefresh->stop();
    m_countdown = m_interval = CamList::refreshSeconds(rateText, m_prefs.ForceNull60Sec);
    if (m_interval == 0)
        return;
    m_timerRefresh->start();
    if (rateText.compare(QLatin1String("x"), Qt::CaseInsensitive) != 0)
        m_panel2->setText(scheduled(m_countdown));
}

void frmMain::onTimerRefreshTimer()
{
    if (m_countdown > 0) {
        --m_countdown;
        m_panel2->setText(scheduled(m_countdown));
        return;
    }
    if (m_download->running())
        return; // tried again on the next tick
    m_panel2->setText(QStringLiteral("Refreshing ..."));
    if (m_imgCam->isHidden()) {
        afterRefreshDownload();
        return;
    }
    m_lblProgress->setText(QStringLiteral("Refreshing Webcam ..."));
    m_holdLayout = true;
    const QRect picture = m_imgCam->geometry();
    m_picProgress->move(picture.x() + picture.width() / 2 - m_picProgress->width() / 2,
                        picture.y() + picture.height() + twips(355));
    setFullscreenRefreshing(true);
    m_picProgress->show();
    DownloadFile(m_currentAddress, m_files.temporary(), [this] {
        m_picProgress->hide();
        loadPicture();
        setFullscreenRefreshing(false);
        m_holdLayout = false;
        relayout();
        deleteTempWhenDone();
        afterRefreshDownload();
    });
}

void frmMain::afterRefreshDownload()
{
    if (!m_timerRefresh->isActive())
        return; // the schedule ended while the picture was fetched
    m_countdown = m_interval;
    m_panel2->setText(scheduled(m_countdown));
}

void frmMain::onTbrStopClick()
{
    m_download->stop();
}
