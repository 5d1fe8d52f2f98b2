#pragma once

#include <QComboBox>

class LumoButton;
class QCalendarWidget;
class QFrame;
class QLineEdit;
class QListWidget;
class QWidget;
struct Services;

// A type box that can be locked like the text boxes: it still shows its text, but nothing
// typed, scrolled or picked changes it.
class LockableComboBox : public QComboBox
{
public:
    using QComboBox::QComboBox;
    void setLocked(bool locked);
    bool isLocked() const { return m_locked; }
    void showPopup() override;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    bool m_locked = false;
};

// The controls of the events reminder: the calendar, search and count on the dashboard, the
// entry panel (picCalEvents) and the notify calendar (PicCal), laid out in their frames.
struct EventControls
{
    QCalendarWidget *monthView1 = nullptr;
    QComboBox *calSearch = nullptr;
    QLineEdit *noEvents = nullptr;
    LumoButton *viewAll = nullptr;

    QFrame *panel = nullptr;
    QListWidget *list = nullptr;
    QLineEdit *date = nullptr;
    QLineEdit *title = nullptr;
    QLineEdit *msg = nullptr;
    QLineEdit *notify = nullptr;
    LockableComboBox *type = nullptr;
    LumoButton *add = nullptr;
    LumoButton *edit = nullptr;
    LumoButton *save = nullptr;
    LumoButton *remove = nullptr;
    LumoButton *cancel = nullptr;
    LumoButton *close = nullptr;

    QFrame *picCal = nullptr;
    QCalendarWidget *monthView2 = nullptr;
    LumoButton *setDate = nullptr;

    // Frames the dashboard did not make (a panel tested on its own) are made here.
    static EventControls build(QWidget *surface, Services &services);
};
