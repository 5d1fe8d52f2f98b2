#include "webcam/CamTree.h"

#include "platform/Prompter.h"
#include "platform/Services.h"
#include "webcam/CamList.h"
#include "webcam/CamNodes.h"
#include "webcam/CamViewer.h"
#include "webcam/WebcamIcons.h"
#include "webcam/WebcamTexts.h"
#include "webcam/WebcamWidgets.h"
#include "webcam/cInifile.h"
#include "webcam/frmAddModify.h"

#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include <algorithm>
#include <utility>

namespace {

using namespace CamNodes;

QTreeWidgetItem *makeNode(const QString &key, const QString &text, const QIcon &icon)
{
    auto *node = new QTreeWidgetItem({text});
    node->setData(0, KeyRole, key);
    node->setIcon(0, icon);
    return node;
}

} // namespace

CamTree::CamTree(Services &services, WebcamFiles files, cInifile &favorites,
                 const WebcamWidgets &widgets, CamViewer &viewer, QWidget *window)
    : QObject(window)
    , m_services(services)
    , m_files(std::move(files))
    , m_favorites(favorites)
    , m_w(widgets)
    , m_viewer(viewer)
    , m_window(window)
{
    connect(m_w.tree, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem *node) { onTreeView1NodeClick(node); });
}

frmAddModify *CamTree::camDialog() const
{
    return m_camDialog;
}

QTreeWidgetItem *CamTree::camsNode() const
{
    return m_w.tree->topLevelItemCount() > 1 ? m_w.tree->topLevelItem(1) : nullptr;
}

QTreeWidgetItem *CamTree::selectedNode() const
{
    return m_w.tree->currentItem();
}

void CamTree::selectNode(QTreeWidgetItem *node)
{
    m_w.tree->setCurrentItem(node);
}

void CamTree::selectAddCam()
{
    if (m_w.tree->topLevelItemCount() > 0)
        m_w.tree->setCurrentItem(m_w.tree->topLevelItem(0));
}

void CamTree::ReloadCamList()
{
    m_w.setStatus(QStringLiteral("Loading"), QStringLiteral("Populating Cam List ..."));
    QTreeWidget *tree = m_w.tree;
    tree->clear();
    QTreeWidgetItem *add
        = makeNode(CamList::kAddCamKey, QStringLiteral("Add a Cam"), WebcamIcons::add());
    QTreeWidgetItem *cams
        = makeNode(CamList::kCamsKey, QStringLiteral("Webcams"), WebcamIcons::folder());
    tree->addTopLevelItems({add, cams});
    tree->setCurrentItem(add);
    cams->setExpanded(true);

    m_favorites.setPath(m_files.favorites());
    const QList<CamList::Node> nodes = CamList::readNodes(m_favorites);
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
    m_w.setStatus(QStringLiteral("Ready"), QString());
}

QList<QTreeWidgetItem *> CamTree::camsInFileOrder() const
{
    const QTreeWidgetItem *cams = camsNode();
    QList<QTreeWidgetItem *> nodes;
    for (int i = 0; cams && i < cams->childCount(); ++i)
        nodes << cams->child(i);
    std::sort(nodes.begin(), nodes.end(), [](QTreeWidgetItem *a, QTreeWidgetItem *b) {
        return a->data(0, OrderRole).toInt() < b->data(0, OrderRole).toInt();
    });
    return nodes;
}

QTreeWidgetItem *CamTree::findCam(const QString &title) const
{
    for (QTreeWidgetItemIterator it(m_w.tree); *it; ++it) {
        if (CamList::isCamKey(keyOf(*it)) && (*it)->text(0) == title)
            return *it;
    }
    return nullptr;
}

void CamTree::LoadCamFromNode(QTreeWidgetItem *Node)
{
    if (m_viewer.busy())
        return; // the picture being fetched goes into the same file
    if (!Node || Node->text(0).isEmpty())
        Node = selectedNode();
    m_viewer.clearNotModified();
    if (!Node || !CamList::isCamKey(keyOf(Node))) {
        m_viewer.showWelcome();
        return;
    }
    m_marker = Node->text(0);
    m_viewer.showCam(Node->text(0), CamList::addressOf(keyOf(Node)));
}

void CamTree::onTreeView1NodeClick(QTreeWidgetItem *node)
{
    if (!node)
        return;
    const QString key = keyOf(node);
    if (CamList::isCamKey(key)) {
        if (node->text(0) == m_marker)
            return;
        m_w.setStatus(QStringLiteral("Ready"), QString());
        Q_EMIT camClicked(node->text(0));
        LoadCamFromNode(node);
    } else if (key == CamList::kAddCamKey) {
        m_w.setStatus(QStringLiteral("Ready"), QString());
        m_viewer.showWelcome();
        openCamDialog(false, [this] {
            selectAddCam();
            m_marker = CamList::kAddCamMarker;
        });
    } else {
        m_w.setStatus(QStringLiteral("Ready"), QString());
        m_viewer.showWelcome();
        m_marker = CamList::kCamsMarker;
    }
}

void CamTree::openCamDialog(bool modify, const std::function<void()> &closed)
{
    if (m_camDialog) {
        m_camDialog->raise();
        return;
    }
    m_camDialog = new frmAddModify(m_services, m_favorites, m_window);
    m_camDialog->setAttribute(Qt::WA_DeleteOnClose);
    m_camDialog->setWindowModality(Qt::ApplicationModal);
    m_camDialog->ModifyMode = modify;
    if (modify) {
        const QTreeWidgetItem *node = selectedNode();
        m_camDialog->camTitle = node->text(0);
        m_camDialog->camLocal = CamList::addressOf(keyOf(node));
        m_favorites.setSection(m_camDialog->camTitle);
        m_favorites.setKey(QStringLiteral("UpdateInterval"));
        m_favorites.setDefault(QStringLiteral("60"));
        m_camDialog->camRate = m_favorites.VALUE();
    }
    m_camDialog->start();
    frmAddModify *dialog = m_camDialog;
    connect(dialog, &QDialog::finished, this, [this, dialog, closed] {
        if (dialog->applied()) {
            ReloadCamList();
            Q_EMIT camsEdited();
        }
        if (closed)
            closed();
    });
    m_camDialog->show();
}

void CamTree::onMnuAddCamClick()
{
    openCamDialog(false, {});
}

// Both commands are offered for cam nodes only; while a download holds the command states the
// menu may still offer them with "Add a Cam" or "Webcams" selected.
void CamTree::onMnuModifyCamClick()
{
    if (!CamList::isCamKey(keyOf(selectedNode())))
        return;
    openCamDialog(true, [this] { LoadCamFromNode(); });
}

void CamTree::onMnuRemoveCamClick()
{
    const QTreeWidgetItem *node = selectedNode();
    if (!CamList::isCamKey(keyOf(node)))
        return;
    const auto answer
        = m_services.prompter.ask({WebcamTexts::removeQuestion(node->text(0)), kApplicationTitle,
                                   Prompter::Icon::None, Prompter::Buttons::YesNo});
    if (answer != Prompter::Answer::Yes)
        return;
    m_favorites.setSection(node->text(0));
    m_favorites.DeleteSection();
    ReloadCamList();
}

void CamTree::onMnuRefreshClick()
{
    const QTreeWidgetItem *node = selectedNode();
    const QString text = node ? node->text(0) : QString();
    const QString key = keyOf(node);
    ReloadCamList();
    for (QTreeWidgetItemIterator it(m_w.tree); *it; ++it) {
        if (keyOf(*it) == key && (*it)->text(0) == text) {
            m_w.tree->setCurrentItem(*it);
            LoadCamFromNode(*it);
            return;
        }
    }
}

void CamTree::onMnuViewCamClick()
{
    LoadCamFromNode();
}
