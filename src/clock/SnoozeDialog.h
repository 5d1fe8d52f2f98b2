#pragma once

#include "platform/Services.h"

#include <QDialog>
#include <QList>

class LumoButton;
class QComboBox;
class QLabel;

// frmSnooze, "Set Snooze Duration": picks the snooze length from a fixed list and stores it
// as "Clock"/"Snooze". Only the listed lengths can be chosen.
class SnoozeDialog : public QDialog
{
    Q_OBJECT
public:
    SnoozeDialog(Services &services, QWidget *parent);

    void onCboSnoozeClick();
    void onCmdSetSnoozeReleased(int x, int y);

    QComboBox *combo() const { return m_combo; }
    LumoButton *setButton() const { return m_set; }
    QString shownLength() const;

private:
    Services &m_services;
    QList<QLabel *> m_lengths;
    QComboBox *m_combo;
    LumoButton *m_set;
};
