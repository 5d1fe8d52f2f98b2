#pragma once

class QIcon;

#include <QString>

class QMenu;
class QWidget;

// The notification-area icon that a minimized dashboard can hide into. Where the desktop has
// no notification area every call still succeeds and nothing is hidden out of reach.
class Tray
{
public:
    enum MinimizeMode { MinimizeNormally = 0, MinimizeToTray = 3 };

    virtual ~Tray() = default;
    virtual void setMinimizeMode(int mode) = 0;
    virtual void setIcon(const QIcon &icon) = 0;
    virtual void setInTray(bool shown) = 0;
    virtual bool inTray() const = 0;
    virtual void setOwner(QWidget *window) = 0;
    virtual void setPopupMenu(QMenu *menu) = 0;
    virtual void setToolTip(const QString &text) = 0;
    virtual void restore() = 0;
    // A balloon message from the icon, where the desktop shows one.
    virtual void showMessage(const QString &title, const QString &text) = 0;
};
