#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

// A panel that opens over the window takes the keyboard focus to its first control, and gives
// it back to where it was when it closes; and while it is open, a control of its own that is
// switched off under the focus hands the focus to its nearest neighbour in the panel rather than
// out of it. Whoever moves by keyboard is never left on a control the panel covers.
class PanelFocus : public QObject
{
    Q_OBJECT
public:
    explicit PanelFocus(QWidget *panel);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void enter();
    void leave();
    void onFocusChanged(QWidget *old, QWidget *now);
    void stayInside(QWidget *disabled);

    QWidget *m_panel;
    QPointer<QWidget> m_before;
};
