#include "widgets/PanelFocus.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace {

// The nearest control inside `within` that Tab stops at, going on from `from` in Tab order or
// back against it; a chain is finite, but guard it all the same.
QWidget *tabStop(QWidget *within, QWidget *from, bool forward)
{
    const auto step = [forward](QWidget *w) {
        return forward ? w->nextInFocusChain() : w->previousInFocusChain();
    };
    QWidget *w = step(from);
    for (int count = 0; w != from && count < 10000; ++count, w = step(w)) {
        if (within->isAncestorOf(w) && w->isVisible() && w->isEnabled()
            && (w->focusPolicy() & Qt::TabFocus))
            return w;
    }
    return nullptr;
}

QWidget *firstTabStop(QWidget *within)
{
    return tabStop(within, within, true);
}

} // namespace

PanelFocus::PanelFocus(QWidget *panel)
    : QObject(panel)
    , m_panel(panel)
{
    panel->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this, &PanelFocus::onFocusChanged);
}

void PanelFocus::onFocusChanged(QWidget *old, QWidget *now)
{
    if (!old || old->isEnabled() || !m_panel->isVisible() || !m_panel->isAncestorOf(old))
        return;
    if (now && m_panel->isAncestorOf(now))
        return;
    // Several controls may be switched off in a row: look once they are all done.
    QMetaObject::invokeMethod(
        this, [this, gone = QPointer<QWidget>(old)] { stayInside(gone); }, Qt::QueuedConnection);
}

void PanelFocus::stayInside(QWidget *disabled)
{
    QWidget *focus = QApplication::focusWidget();
    if (!disabled || !m_panel->isVisible() || (focus && m_panel->isAncestorOf(focus)))
        return;
    // The nearest control before it in Tab order: the one that was pressed is often followed by
    // controls switched off with it.
    if (QWidget *nearest = tabStop(m_panel, disabled, false))
        nearest->setFocus(Qt::TabFocusReason);
}

bool PanelFocus::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_panel && event->type() == QEvent::Show) {
        QWidget *focus = QApplication::focusWidget();
        if (!focus || !m_panel->isAncestorOf(focus))
            m_before = focus;
        // Its controls show only once the panel's own show is over.
        QMetaObject::invokeMethod(this, &PanelFocus::enter, Qt::QueuedConnection);
    } else if (watched == m_panel && event->type() == QEvent::Hide && m_panel->isHidden()
               && m_panel->window()->isVisible()) {
        leave(); // the panel itself closed, not its window
    }
    return QObject::eventFilter(watched, event);
}

void PanelFocus::enter()
{
    if (!m_panel->isVisible())
        return;
    QWidget *focus = QApplication::focusWidget();
    if (focus && m_panel->isAncestorOf(focus))
        return; // the panel's owner chose already
    if (QWidget *first = firstTabStop(m_panel))
        first->setFocus(Qt::TabFocusReason);
}

void PanelFocus::leave()
{
    // Only a focus the panel holds goes back; elsewhere it has moved on already.
    QWidget *focus = QApplication::focusWidget();
    if (!focus || !m_panel->isAncestorOf(focus))
        return;
    if (m_before && m_before->isVisible() && m_before->isEnabled())
        m_before->setFocus(Qt::TabFocusReason);
    else if (QWidget *first = firstTabStop(m_panel->window()))
        first->setFocus(Qt::TabFocusReason);
}
