#include "webcam/CommandStates.h"

#include "webcam/CamList.h"
#include "webcam/CamNodes.h"
#include "webcam/ViewerPrefs.h"
#include "webcam/WebcamWidgets.h"

#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QTreeWidget>

CommandStates::CommandStates(const WebcamWidgets &widgets, const ViewerPrefs &prefs,
                             QWidget *window)
    : m_w(widgets)
    , m_prefs(prefs)
    , m_window(window)
{
}

void CommandStates::setLocked(bool locked)
{
    m_locked = locked;
    for (int index = 1; index <= m_w.buttons.size(); ++index)
        m_w.button(index)->setEnabled(index == 2 ? locked : !locked);
    if (m_prefs.LockLists) {
        m_w.tree->setEnabled(!locked);
        m_w.cboAddress->setEnabled(!locked);
    }
    if (locked) {
        m_window->setCursor(Qt::WaitCursor);
    } else {
        m_window->unsetCursor();
        // The buttons were all enabled above; the cam commands take their state back.
        setCamCommands(m_camCommands, true);
        followSelection();
    }
}

void CommandStates::followSelection()
{
    if (m_locked)
        return;
    const QTreeWidgetItem *node = m_w.tree->currentItem();
    setCamCommands(node && CamList::isCamKey(CamNodes::keyOf(node)));
}

void CommandStates::setCamCommands(bool on, bool force)
{
    if (on == m_camCommands && !force)
        return;
    m_camCommands = on;
    for (int index : {4, 5, 7, 8, 10})
        m_w.button(index)->setEnabled(on);
    const WebcamMenus &m = m_w.menus;
    for (QAction *a : {m.saveAs, m.print, m.removeCam, m.modifyCam, m.copyImage})
        a->setEnabled(on);
    m.view->setEnabled(on);
}

void CommandStates::showViewMode(int mode)
{
    const WebcamMenus &m = m_w.menus;
    QAction *const modes[] = {m.normalSize, m.halfSize, m.doubleSize, m.fullscreen};
    for (int i = 1; i <= 4; ++i)
        modes[i - 1]->setChecked(i == mode);
}
