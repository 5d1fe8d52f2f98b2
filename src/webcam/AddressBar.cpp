#include "webcam/AddressBar.h"

#include "common/Twips.h"
#include "platform/Services.h"
#include "platform/Shell.h"
#include "webcam/CamNodes.h"
#include "webcam/CamTree.h"
#include "webcam/CamViewer.h"
#include "webcam/WebcamIcons.h"
#include "webcam/WebcamWidgets.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QTimer>
#include <QTreeWidgetItem>

#include <algorithm>

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

AddressBar::AddressBar(Services &services, const WebcamWidgets &widgets, CamTree &tree,
                       CamViewer &viewer, QObject *parent)
    : QObject(parent)
    , m_services(services)
    , m_w(widgets)
    , m_cboAddress(widgets.cboAddress)
    , m_tree(tree)
    , m_viewer(viewer)
{
    QLineEdit *edit = m_cboAddress->lineEdit();
    m_cboAddress->installEventFilter(this); // the focus arrives at the box, not its editor
    edit->installEventFilter(this);
    m_w.addressBox->installEventFilter(this);
    connect(m_cboAddress, &QComboBox::editTextChanged, this, &AddressBar::onImageCombo1Change);
    connect(m_cboAddress, &QComboBox::activated, this, [this] { ParseAddressChange(); });
    connect(edit, &QLineEdit::returnPressed, this, &AddressBar::ParseAddressChange);
}

void AddressBar::ReloadAddressCombo()
{
    m_w.setStatus(QStringLiteral("Loading"), QStringLiteral("Populating Address List ..."));
    m_cboAddress->clear();
    m_cboAddress->addItem(WebcamIcons::home(), QStringLiteral("Homepage"));
    m_cboAddress->addItem(WebcamIcons::folder(), QStringLiteral("Webcams"));
    for (const QTreeWidgetItem *node : m_tree.camsInFileOrder()) {
        m_cboAddress->addItem(WebcamIcons::cam(), node->text(0));
        m_cboAddress->setItemData(m_cboAddress->count() - 1, 2, CamNodes::IndentRole);
    }
    m_cboAddress->setCurrentIndex(0);
    m_w.setStatus(QStringLiteral("Ready"), QString());
}

void AddressBar::showCam(const QString &title)
{
    for (int i = m_cboAddress->count() - 1; i >= 0; --i) {
        if (m_cboAddress->itemText(i) == title) {
            m_cboAddress->setCurrentIndex(i);
            return;
        }
    }
}

void AddressBar::onImageCombo1Change()
{
    colourAddress(m_cboAddress->currentText());
}

void AddressBar::colourAddress(const QString &text)
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

void AddressBar::ParseAddressChange()
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
            m_viewer.downloadGraphic(text);
        } else {
            m_services.shell.openAddress(text);
            m_tree.selectAddCam();
        }
        return;
    }
    if (text == m_tree.selectionMarker() || m_viewer.busy())
        return;
    if (QTreeWidgetItem *node = m_tree.findCam(text)) {
        m_viewer.clearStoredModified();
        m_tree.selectNode(node);
        m_w.setStatus(QStringLiteral("Ready"), QString());
        m_tree.setSelectionMarker(text);
        m_tree.LoadCamFromNode(node);
    }
}

bool AddressBar::eventFilter(QObject *watched, QEvent *event)
{
    const auto type = event->type();
    if (type == QEvent::FocusIn && watched != m_w.addressBox) {
        // After the click that gave the focus, which would place the caret instead.
        QTimer::singleShot(0, m_cboAddress->lineEdit(), &QLineEdit::selectAll);
    } else if (type == QEvent::Resize && watched == m_w.addressBox) {
        const int width = std::max(40, m_w.addressBox->width() - twips(700));
        if (m_cboAddress->width() != width)
            m_cboAddress->resize(width, m_cboAddress->height());
    }
    return QObject::eventFilter(watched, event);
}
