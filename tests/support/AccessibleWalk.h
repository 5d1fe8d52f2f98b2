#pragma once

#include <QSet>
#include <QStringList>

class QWidget;

// What a screen reader and a keyboard user meet in one window, as the accessibility tree
// shows it: every shown control has a name, every value label says its value, every control
// is a Tab stop, no two access keys in the window (or in one menu) are the same, and no text
// longer than a few lines is a label.
struct AccessibleWalk
{
    int controls = 0; // focusable or pressable
    int labels = 0;
    int menuItems = 0;
    QStringList faults;

    static AccessibleWalk of(QWidget *window);
    // Adds what is shown now in window (a panel shown since, a page switched to).
    void walk(QWidget *window);
    QString summary(const QString &window) const;

private:
    QSet<const QWidget *> m_seen; // a control shown on several walks counts once
    bool m_menusWalked = false;
};
