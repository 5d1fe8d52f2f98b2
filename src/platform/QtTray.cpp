#include "platform/QtTray.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QWidget>

QtTray::QtTray(QObject *parent)
    : QtTray(&QSystemTrayIcon::isSystemTrayAvailable, parent)
{
}

QtTray::QtTray(AvailabilityCheck trayAvailable, QObject *parent)
    : QObject(parent)
    , m_trayAvailable(trayAvailable)
    , m_icon(this)
{
    connect(&m_icon, &QSystemTrayIcon::activated, this, &QtTray::onActivated);
}

QtTray::~QtTray()
{
    if (m_owner)
        m_owner->removeEventFilter(this);
}

void QtTray::setIcon(const QIcon &icon)
{
    m_icon.setIcon(icon);
    updateIcon();
}

void QtTray::setInTray(bool shown)
{
    m_inTray = shown;
    updateIcon();
}

void QtTray::setOwner(QWidget *window)
{
    if (m_owner)
        m_owner->removeEventFilter(this);
    m_owner = window;
    if (m_owner)
        m_owner->installEventFilter(this);
}

void QtTray::setPopupMenu(QMenu *menu)
{
    m_icon.setContextMenu(menu);
}

void QtTray::setToolTip(const QString &text)
{
    m_icon.setToolTip(text);
}

void QtTray::restore()
{
    m_holdingOwner = false;
    updateIcon();
    if (!m_owner)
        return;
    m_owner->showNormal();
    m_owner->raise();
    m_owner->activateWindow();
}

void QtTray::showMessage(const QString &title, const QString &text)
{
    m_icon.showMessage(title, text, QGuiApplication::windowIcon());
}

bool QtTray::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_owner && event->type() == QEvent::WindowStateChange
        && m_minimizeMode == MinimizeToTray && m_owner->isMinimized() && m_trayAvailable()) {
        // Hiding from inside the state change confuses some window managers; do it next.
        QMetaObject::invokeMethod(this, &QtTray::hideOwnerIntoTray, Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

void QtTray::onActivated(QSystemTrayIcon::ActivationReason reason)
{
    if (reason == QSystemTrayIcon::DoubleClick)
        restore();
}

void QtTray::hideOwnerIntoTray()
{
    if (!m_owner || !m_owner->isMinimized())
        return;
    m_holdingOwner = true;
    updateIcon();
    // With no picture the icon cannot be seen, and a hidden window could not be found again.
    if (!m_icon.isVisible()) {
        m_holdingOwner = false;
        return;
    }
    m_owner->hide();
}

void QtTray::updateIcon()
{
    if (m_icon.icon().isNull() && !QGuiApplication::windowIcon().isNull())
        m_icon.setIcon(QGuiApplication::windowIcon());
    // Showing an icon without a picture only earns a warning; it appears once one is set.
    m_icon.setVisible((m_inTray || m_holdingOwner) && !m_icon.icon().isNull());
}
