#pragma once

#include "platform/Prompter.h"

#include <QPointer>
#include <QWidget>

class QMessageBox;

// Message boxes over QMessageBox, modal to the parent window when one is set.
class QtPrompter final : public Prompter
{
public:
    explicit QtPrompter(QWidget *parent = nullptr);

    void setParent(QWidget *parent);
    Answer ask(const Message &message) override;
    // The program is closing: the open box closes as Escape would, and every later question
    // gets that answer without a box, so nothing waits for a person who is gone.
    void dismiss();
    // Where a box of this size goes: centred over the active window, else over the parent's
    // window, else on the screen (a box during start-up, before the dashboard shows).
    static QPoint boxPlace(const QSize &box, const QWidget *parent);

private:
    QPointer<QWidget> m_parent;
    QPointer<QMessageBox> m_open;
    bool m_dismissed = false;
};
