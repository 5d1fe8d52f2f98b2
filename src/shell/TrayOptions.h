#pragma once

#include "platform/Services.h"

#include <QObject>

class QCheckBox;
class QFrame;
class QMenu;
class LumoButton;
class QWidget;

// The "Tray Options" panel and the tray icon it drives. A box changed from its stored value
// at load acts exactly as a click by the user.
class TrayOptions : public QObject
{
    Q_OBJECT
public:
    TrayOptions(Services &services, QFrame *panel, QWidget *window, QMenu *popup);

    void load();
    bool showInTray() const;

    void onCheck1Click();                  // "Show In tray?"
    void onCheck2Click();                  // "Minimize to tray"
    void onCommand1Released(int x, int y); // "Close"
    // Every activation and every disc poll: no icon while the window is up.
    void removeIconWhileShown();
    // Unload: leave no icon behind.
    void unload();

private:
    Services &m_services;
    QFrame *m_panel;
    QWidget *m_window;
    QMenu *m_popup;
    QCheckBox *m_check1;
    QCheckBox *m_check2;
    LumoButton *m_close;
};
