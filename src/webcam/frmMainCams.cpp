// The cam list of the webcam window: the tree and the address list built from the favourites
// file, tree clicks, the Edit menu and its pop-ups, and the commands that change the list.
#include "platform/Prompter.h"
#include "platform/Services.h"
#include "webcam/CamList.h"
#include "webcam/CamNodes.h"
#include "webcam/WebcamIcons.h"
#include "webcam/WebcamTexts.h"
#include "webcam/frmAddModify.h"
#include "webcam/frmMain.h"

#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QTimer>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include <algorithm>

namespace {

using namespace CamNodes;

QTreeWidgetItem *makeNode(const QString &key, const QString &text, const QIcon &icon)
{
    auto *node = new QTreeWidgetItem({text});
    node->setData(0, KeyRole, key);
    node->setIcon(0, icon);
    return node;
}

// The cam nodes in the order they were added: file order.
QList<QTreeWidgetItem *> inAddedOrder(QTreeWidgetItem *cams)
{
    QList<QTreeWidgetItem *> nodes;
    for (int i = 0; cams && i < cams->childCount(); ++i)
        nodes << cams->child(i);
    std::sort(nodes.begin(), nodes.end(), [](QTreeWidgetItem *a, QTreeWidgetItem *b) {
        return a->data(0, OrderRole).toInt() < b->data(0, OrderRole).toInt();
    });
    return nodes;
}

} // namespace

void frmMain::setStatus(const QString &first, const QString &second)
{
    m_panel1->setText(first);
    m_panel2->setText(second);
}

QTreeWidgetItem *frmMain::camsNode() const
{
    return m_tree->topLevelItemCount() > 1 ? m_tree->topLevelItem(1) : nullptr;
}

QTreeWidgetItem *frmMain::selectedNode() const
{
    return m_tree->currentItem();
}

void frmMain::ReloadCamList()
{
    setStatus(QStringLiteral("Loading"), QStringLiteral("Populating Cam List ..."));
    m_tree->clear();
    QTreeWidgetItem *add
        = makeNode(CamList::kAddCamKey, QStringLiteral("Add a Cam"), WebcamIcons::add());
    QTreeWidgetItem *cams
        = makeNode(CamList::kCamsKey, QStringLiteral("Webcams"), WebcamIcons::folder());
    m_tree->addTopLevelItems({add, cams});
    m_tree->setCurrentItem(add);
    cams->setExpanded(true);

    m_ini.setPath(m_files.favorites());
    const QList<CamList::Node> nodes = CamList::readNodes(m_ini);
    QList<QTreeWidgetItem *> children;
    for (int i = 0; i < nodes.size(); ++i) {
        children << makeNode(nodes[i].key, nodes[i].text, WebcamIcons::cam());
        children.back()->setData(0, OrderRole, i);
    }
    // Sorted by text whatever the case; cams of the same text keep their file order.
    std::stable_sort(children.begin(), children.end(), [](auto *a, auto *b) {
        return a->text(0).compare(b->text(0), Qt::CaseInsensitive) < 0;
    });
    cams->addChildren(children);
    setStatus(QStringLiteral("Ready"), QString());
}

void frmMain::ReloadAddressCombo()
{
    setStatus(QStringLiteral("Loading"), QStringLiteral("Populating Address List ..."));
    m_cboAddress->clear();
    m_cboAddress->addItem(WebcamIcons::home(), QStringLiteral("Homepage"));
    m_cboAddress->addItem(WebcamIcons::folder(), QStringLiteral("Webcams"));
    for (QTreeWidgetItem *node : inAddedOrder(camsNode())) {
        m_cboAddress->addItem(WebcamIcons::cam(), node->text(0));
        m_cboAddress->setItemData(m_cboAddress->count() - 1, 2, IndentRole);
    }
    m_cboAddress->setCurrentIndex(0);
    setStatus(QStringLiteral("Ready"), QString());
}

void frmMain::showWelcome()
{
    m_timerRefresh->stop();
    m_imgCam->hide();
    m_picWelcome->show();
    relayout();
}

void frmMain::onTreeView1NodeClick(QTreeWidgetItem *node)
{
    if (!node)
        return;
    const QString key = keyOf(node);
    if (CamList::isCamKey(key)) {
        if (node->text(0) == m_marker)
            return;
        setStatus(QStringLiteral("Ready"), QString());
        for (int i = m_cboAddress->count() - 1; i >= 0; --i) {
            if (m_cboAddress->itemText(i) == node->text(0)) {
                m_cboAddress->setCurrentIndex(i);
                break;
            }
        }
        LoadCamFromNode(node);
    } else if (key == CamList::kAddCamKey) {
        setStatus(QStringLiteral("Ready"), QString());
        showWelcome();
        openCamDialog(false, [this] {
            if (m_tree->topLevelItemCount() > 0)
                m_tree->setCurrentItem(m_tree->topLevelItem(0));
            m_marker = CamList::kAddCamMarker;
        });
    } else {
        setStatus(QStringLiteral("Ready"), QString());
        showWelcome();
        m_marker = CamList::kCamsMarker;
    }
}

void frmMain::openCamDialog(bool modify, const std::function<void()> &closed)
{
    if (m_camDialog) {
        m_camDialog->raise();
        return;
    }
    m_camDialog = new frmAddModify(m_services, m_ini, this);
    m_camDialog->setAttribute(Qt::WA_DeleteOnClose);
    m_camDialog->setWindowModality(Qt::ApplicationModal);
    m_camDialog->ModifyMode = modify;
    if (modify) {
        const QTreeWidgetItem *node = selectedNode();
        m_camDialog->camTitle = node->text(0);
        m_camDialog->camLocal = CamList::addressOf(keyOf(node));
        m_ini.setSection(m_camDialog->camTitle);
        m_ini.setKey(QStringLiteral("UpdateInterval"));
        m_ini.setDefault(QStringLiteral("60"));
        m_camDialog->camRate = m_ini.VALUE();
    }
    m_camDialog->start();
    frmAddModify *dialog = m_camDialog;
    connect(dialog, &QDialog::finished, this, [this, dialog, closed] {
        if (dialog->applied()) {
            ReloadCamList();
            ReloadAddressCombo();
        }
        if (closed)
            closed();
    });
    m_camDialog->show();
}

void frmMain::setMenuBarEditState()
{
    const WebcamMenus &m = m_menus;
    for (QAction *a : {m.addCam, m.sepAfterAdd, m.refreshCam, m.sepAfterRefreshCam})
        a->setVisible(false);
    for (QAction *a : {m.refresh, m.sepAfterRefresh, m.sepBeforeCopy, m.copyImage})
        a->setVisible(true);
    m.edit->setDefaultAction(nullptr);
}

void frmMain::PopupEditMnu(QPoint at)
{
    const QTreeWidgetItem *node = selectedNode();
    if (!node || node->text(0).isEmpty())
        return;
    const WebcamMenus &m = m_menus;
    m.refreshCam->setText(node->text(0) == m_marker ? QStringLiteral("&Refresh Cam")
                                                    : QStringLiteral("&View Cam"));
    for (QAction *a : {m.refresh, m.sepAfterRefresh, m.sepBeforeCopy, m.copyImage})
        a->setVisible(false);
    m.refreshCam->setVisible(true);
    m.sepAfterRefreshCam->setVisible(true);
    // The entries act after the menu closed; the menu bar gets its own entries back then.
    connect(
        m.edit, &QMenu::aboutToHide, this,
        [this] { QTimer::singleShot(0, this, &frmMain::setMenuBarEditState); },
        Qt::SingleShotConnection);
    m.edit->popup(at);
}

void frmMain::PopupEditMnu2(QPoint at)
{
    const QTreeWidgetItem *node = selectedNode();
    if (!node || node->text(0).isEmpty())
        return;
    m_menus.addCam->setVisible(true);
    m_menus.sepAfterAdd->setVisible(true);
    m_menus.edit->setDefaultAction(m_menus.addCam);
    PopupEditMnu(at);
}

void frmMain::onTreeView1MouseDown(Qt::MouseButton button, QPoint at)
{
    if (button == Qt::RightButton)
        PopupEditMnu(at);
}

void frmMain::onImgCamMouseDown(Qt::MouseButton button, QPoint at)
{
    if (button == Qt::RightButton)
        PopupEditMnu2(at);
}

void frmMain::onMnuAddCamClick()
{
    openCamDialog(false, {});
}

// Both commands are offered for cam nodes only; while a download holds the command states the
// menu may still offer them with "Add a Cam" or "Webcams" selected.
void frmMain::onMnuModifyCamClick()
{
    if (!CamList::isCamKey(keyOf(selectedNode())))
        return;
    openCamDialog(true, [this] { LoadCamFromNode(); });
}

void frmMain::onMnuRemoveCamClick()
{
    const QTreeWidgetItem *node = selectedNode();
    if (!CamList::isCamKey(keyOf(node)))
        return;
    const auto answer
        = m_services.prompter.ask({WebcamTexts::removeQuestion(node->text(0)), kApplicationTitle,
                                   Prompter::Icon::None, Prompter::Buttons::YesNo});
    if (answer != Prompter::Answer::Yes)
        return;
    m_ini.setSection(node->text(0));
    m_ini.DeleteSection();
    ReloadCamList();
}

void frmMain::onMnuRefreshClick()
{
    const QTreeWidgetItem *node = selectedNode();
    const QString text = node ? node->text(0) : QString();
    const QString key = keyOf(node);
    ReloadCamList();
    for (QTreeWidgetItemIterator it(m_tree); *it; ++it) {
        if (keyOf(*it) == key && (*it)->text(0) == text) {
            m_tree->setCurrentItem(*it);
            LoadCamFromNode(*it);
            return;
        }
    }
}

void frmMain::onMnuViewCamClick()
{
    LoadCamFromNode();
}
