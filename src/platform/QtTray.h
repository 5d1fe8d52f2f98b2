#pragma once

#include "platform/Tray.h"

#include <QObject>
#include <QPointer>
#include <QSystemTrayIcon>

// The notification-area icon over QSystemTrayIcon, and hiding a minimized owner into it.
// Hiding only happens where a notification area exists, or the window could not be found.
// A StatusNotifier host (the D-Bus tray of Wayland desktops and KDE) knows no double-click:
// there, one activation restores.
class QtTray final : public QObject, public Tray
{
    Q_OBJECT

public:
    using AvailabilityCheck = bool (*)();

    explicit QtTray(QObject *parent = nullptr);
    // Lets tests stand in for the desktop's answers to "is there a notification area?" and
    // "is it a StatusNotifier host?".
    explicit QtTray(AvailabilityCheck trayAvailable,
                    AvailabilityCheck statusNotifierHost = &QtTray::statusNotifierHost,
                    QObject *parent = nullptr);
    ~QtTray() override;

    void setMinimizeMode(int mode) override { m_minimizeMode = mode; }
    void setIcon(const QIcon &icon) override;
    void setInTray(bool shown) override;
    bool inTray() const override { return m_inTray; }
    void setOwner(QWidget *window) override;
    void setPopupMenu(QMenu *menu) override;
    void setToolTip(const QString &text) override;
    void restore() override;
    void showMessage(const QString &title, const QString &text) override;

    bool iconVisible() const { return m_icon.isVisible(); }
    static bool statusNotifierHost();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void onActivated(QSystemTrayIcon::ActivationReason reason);
    void watchOwnerWindow();
    void onOwnerStateChanged(Qt::WindowState state);
    void hideOwnerIntoTray();
    void updateIcon();

    AvailabilityCheck m_trayAvailable;
    AvailabilityCheck m_statusNotifierHost;
    QSystemTrayIcon m_icon;
    QPointer<QWidget> m_owner;
    int m_minimizeMode = MinimizeNormally;
    bool m_inTray = false;
    bool m_holdingOwner = false; // the owner is hidden in the tray by a minimize
};
