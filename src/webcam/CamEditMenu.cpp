#include "webcam/CamEditMenu.h"

#include "webcam/CamTree.h"
#include "webcam/WebcamWidgets.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QTimer>
#include <QTreeWidget>

CamEditMenu::CamEditMenu(const WebcamWidgets &widgets, const CamTree &tree, QObject *parent)
    : QObject(parent)
    , m_w(widgets)
    , m_tree(tree)
{
    setMenuBarEditState();
    m_w.tree->viewport()->installEventFilter(this);
    m_w.imgCam->installEventFilter(this);
}

void CamEditMenu::setMenuBarEditState()
{
    const WebcamMenus &m = m_w.menus;
    for (QAction *a : {m.addCam, m.sepAfterAdd, m.refreshCam, m.sepAfterRefreshCam})
        a->setVisible(false);
    for (QAction *a : {m.refresh, m.sepAfterRefresh, m.sepBeforeCopy, m.copyImage})
        a->setVisible(true);
    m.edit->setDefaultAction(nullptr);
}

void CamEditMenu::PopupEditMnu(QPoint at)
{
    const QTreeWidgetItem *node = m_tree.selectedNode();
    if (!node || node->text(0).isEmpty())
        return;
    const WebcamMenus &m = m_w.menus;
    m.refreshCam->setText(node->text(0) == m_tree.selectionMarker() ? QStringLiteral("&Refresh Cam")
                                                                    : QStringLiteral("&View Cam"));
    for (QAction *a : {m.refresh, m.sepAfterRefresh, m.sepBeforeCopy, m.copyImage})
        a->setVisible(false);
    m.refreshCam->setVisible(true);
    m.sepAfterRefreshCam->setVisible(true);
    // The entries act after the menu closed; the menu bar gets its own entries back then.
    connect(
        m.edit, &QMenu::aboutToHide, this,
        [this] { QTimer::singleShot(0, this, &CamEditMenu::setMenuBarEditState); },
        Qt::SingleShotConnection);
    m.edit->popup(at);
}

void CamEditMenu::PopupEditMnu2(QPoint at)
{
    const QTreeWidgetItem *node = m_tree.selectedNode();
    if (!node || node->text(0).isEmpty())
        return;
    const WebcamMenus &m = m_w.menus;
    m.addCam->setVisible(true);
    m.sepAfterAdd->setVisible(true);
    m.edit->setDefaultAction(m.addCam);
    PopupEditMnu(at);
}

void CamEditMenu::onTreeView1MouseDown(Qt::MouseButton button, QPoint at)
{
    if (button == Qt::RightButton)
        PopupEditMnu(at);
}

void CamEditMenu::onImgCamMouseDown(Qt::MouseButton button, QPoint at)
{
    if (button == Qt::RightButton)
        PopupEditMnu2(at);
}

bool CamEditMenu::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const QPoint at = mouse->globalPosition().toPoint();
        if (watched == m_w.tree->viewport() && mouse->button() == Qt::RightButton) {
            onTreeView1MouseDown(mouse->button(), at);
            return true;
        }
        if (watched == m_w.imgCam)
            onImgCamMouseDown(mouse->button(), at);
    }
    return QObject::eventFilter(watched, event);
}
