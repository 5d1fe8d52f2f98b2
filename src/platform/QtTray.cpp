#include "platform/QtTray.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QWidget>
#include <QWindow>

QtTray::QtTray(QObject *parent)
    : QtTray(&QSystemTrayIcon::isSystemTrayAvailable, &QtTray::statusNotifierHost, parent)
{
}

QtTray::QtTray(AvailabilityCheck trayAvailable, AvailabilityCheck statusNotifierHost,
               QObject *parent)
    : QObject(parent)
    , m_trayAvailable(trayAvailable)
    , m_statusNotifierHost(statusNotifierHost)
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
    if (m_owner) {
        m_owner->removeEventFilter(this);
        if (m_owner->windowHandle())
            disconnect(m_owner->windowHandle(), nullptr, this, nullptr);
    }
    m_owner = window;
    if (m_owner) {
        m_owner->installEventFilter(this);
        watchOwnerWindow();
    }
}

void QtTray::watchOwnerWindow()
{
    if (QWindow *handle = m_owner ? m_owner->windowHandle() : nullptr)
        connect(handle, &QWindow::windowStateChanged, this, &QtTray::onOwnerStateChanged,
                Qt::UniqueConnection);
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
    // The owner's window exists from its first showing on, and again after a re-creation.
    if (watched == m_owner && event->type() == QEvent::Show)
        watchOwnerWindow();
    return QObject::eventFilter(watched, event);
}

void QtTray::onOwnerStateChanged(Qt::WindowState state)
{
    // The window, not the widget: a minimize from a title bar Qt draws itself on Wayland is
    // told only here, and Wayland takes the state back at once.
    if (state == Qt::WindowMinimized && m_minimizeMode == MinimizeToTray && m_trayAvailable()) {
        // Hiding from inside the state change confuses some window managers; do it next.
        QMetaObject::invokeMethod(this, &QtTray::hideOwnerIntoTray, Qt::QueuedConnection);
    }
}

bool QtTray::statusNotifierHost()
{
    // The same question Qt asks before it puts its icon on the D-Bus tray.
    const QDBusConnection bus = QDBusConnection::sessionBus();
    return bus.isConnected()
        && bus.interface()->isServiceRegistered(QStringLiteral("org.kde.StatusNotifierWatcher"));
}

void QtTray::onActivated(QSystemTrayIcon::ActivationReason reason)
{
    if (reason == QSystemTrayIcon::DoubleClick
        || (reason == QSystemTrayIcon::Trigger && m_statusNotifierHost()))
        restore();
}

void QtTray::hideOwnerIntoTray()
{
    // The request is what counts, not the state now (see onOwnerStateChanged).
    if (!m_owner || !m_owner->isVisible())
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
