#pragma once

#include "platform/Services.h"

#include <QList>
#include <QObject>
#include <QPixmap>
#include <QStringList>

class LumoButton;
class QLabel;
class QWidget;

// The eight slot buttons (cmdAlarm) and title labels (lblATitle), indices 0 to 7 for slots
// 1 to 8, with the slots' on/off states as last read from the store.
class AlarmSlots : public QObject
{
    Q_OBJECT
public:
    AlarmSlots(Services &services, QWidget *surface);

    // Reads the eight states and gives every "on" slot the on picture.
    void readStates();
    // Each slot's label from its stored title line.
    void readTitles();
    // "On" / "Off" for one slot: its picture and its stored state, then all states again.
    void switchSlot(int slot, bool on);

    const QStringList &states() const { return m_states; }
    bool showsOn(int slot) const { return m_showsOn.value(slot - 1); }
    QString title(int slot) const;
    void setTitle(int slot, const QString &text);
    LumoButton *button(int slot) const { return m_buttons.value(slot - 1); }

Q_SIGNALS:
    void clicked(int slot);       // left button
    void rightReleased(int slot); // right button released over the button

private:
    void showPicture(int slot, bool on);
    void describe(int slot); // the button's tooltip and accessible name

    Services &m_services;
    QList<LumoButton *> m_buttons;
    QList<QLabel *> m_titles;
    QList<bool> m_showsOn;
    QStringList m_states;
    QPixmap m_off, m_on;
};
