// The address bar: a cam title selects and shows that cam, a picture address is downloaded
// and shown, any other web address opens in the user's browser.
#include "platform/Services.h"
#include "platform/Shell.h"
#include "webcam/CamDownload.h"
#include "webcam/CamList.h"
#include "webcam/CamNodes.h"
#include "webcam/WebcamIcons.h"
#include "webcam/frmMain.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

namespace {

const QString kHttp = QStringLiteral("http://");
const QString kWebpages = QStringLiteral("Webpages");

bool isPictureAddress(const QString &text)
{
    // The ending as typed: ".JPG" is no picture address and goes to the browser.
    return text.endsWith(QLatin1String(".jpg")) || text.endsWith(QLatin1String(".gif"))
        || text.endsWith(QLatin1String(".bmp"));
}

} // namespace

void frmMain::onImageCombo1Change()
{
    colourAddress(m_cboAddress->currentText());
}

void frmMain::colourAddress(const QString &text)
{
    QLineEdit *edit = m_cboAddress->lineEdit();
    const QColor colour = text.startsWith(kHttp)
        ? QColor(0, 0, 255)
        : QApplication::palette(edit).color(QPalette::Text);
    if (edit->palette().color(QPalette::Text) == colour)
        return;
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Text, colour);
    edit->setPalette(palette);
}

void frmMain::ParseAddressChange()
{
    const QString text = m_cboAddress->currentText();
    if (text.startsWith(kHttp)) {
        if (m_cboAddress->findText(kWebpages, Qt::MatchExactly) < 0)
            m_cboAddress->addItem(WebcamIcons::webPages(), kWebpages);
        int index = m_cboAddress->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (index < 0) {
            m_cboAddress->addItem(WebcamIcons::webAddress(), text, text);
            index = m_cboAddress->count() - 1;
            m_cboAddress->setItemData(index, 2, CamNodes::IndentRole);
        }
        m_cboAddress->setCurrentIndex(index);
        if (isPictureAddress(text)) {
            downloadGraphic(text);
        } else {
            m_services.shell.openAddress(text);
            m_tree->setCurrentItem(m_tree->topLevelItem(0));
        }
        return;
    }
    if (text == m_marker || m_download->running())
        return;
    for (QTreeWidgetItemIterator it(m_tree); *it; ++it) {
        QTreeWidgetItem *node = *it;
        if (CamList::isCamKey(CamNodes::keyOf(node)) && node->text(0) == text) {
            m_download->clearStoredModified();
            m_tree->setCurrentItem(node);
            setStatus(QStringLiteral("Ready"), QString());
            m_marker = text;
            LoadCamFromNode(node);
            return;
        }
    }
}

void frmMain::downloadGraphic(const QString &address)
{
    if (m_download->running())
        return;
    m_timerRefresh->stop();
    m_lblProgress->setText(QStringLiteral("Downloading Graphic ..."));
    // The cam's schedule ended: its countdown text must not stay.
    setStatus(QStringLiteral("Busy"), QStringLiteral("Downloading: ") + address);
    setFullscreenRefreshing(true);
    m_imgCam->hide();
    m_imgCam->setScaledContents(false);
    m_picWelcome->hide();
    m_picProgress->show();
    relayout();
    DownloadFile(address, m_files.temporary(), [this] {
        m_picProgress->hide();
        loadPicture();
        setFullscreenRefreshing(false);
        measurePicture();
        m_imgCam->show();
        m_tree->setCurrentItem(m_tree->topLevelItem(0));
        if (m_download->completed() && m_prefs.DeleteTemps) {
            deleteTempWhenDone();
            m_timerRefresh->stop();
        }
        setStatus(QStringLiteral("Ready"), QString());
        relayout();
    });
}
