#include "reminders/EventControls.h"

#include "common/Twips.h"
#include "reminders/EventTexts.h"
#include "widgets/HintList.h"
#include "widgets/LumoButton.h"
#include "widgets/SmallControls.h"

#include <QCalendarWidget>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

void LockableComboBox::setLocked(bool locked)
{
    m_locked = locked;
    if (lineEdit())
        lineEdit()->setReadOnly(locked);
}

void LockableComboBox::showPopup()
{
    if (!m_locked)
        QComboBox::showPopup();
}

void LockableComboBox::keyPressEvent(QKeyEvent *event)
{
    // Tab and the like still move the focus; nothing else reaches a locked box.
    if (m_locked && event->key() != Qt::Key_Tab && event->key() != Qt::Key_Backtab)
        return;
    QComboBox::keyPressEvent(event);
}

void LockableComboBox::wheelEvent(QWheelEvent *event)
{
    if (!m_locked)
        QComboBox::wheelEvent(event);
}

namespace {

QFrame *frame(QWidget *surface, const QString &name, int widthTw, int heightTw)
{
    if (auto *found = surface->findChild<QFrame *>(name))
        return found;
    auto *made = new QFrame(surface);
    made->setObjectName(name);
    made->setFrameShape(QFrame::Panel);
    made->setAutoFillBackground(true);
    made->resize(twips(widthTw), twips(heightTw));
    made->hide();
    return made;
}

LumoButton *button(const QString &caption, QWidget *parent, Services &services, const char *name)
{
    return smallButton(caption, name, parent, services);
}

template<typename W> W *named(W *widget, const char *name, const QString &toolTip = {})
{
    widget->setObjectName(QString::fromLatin1(name));
    if (!toolTip.isEmpty())
        widget->setToolTip(toolTip);
    return widget;
}

QLineEdit *box(QWidget *parent, const char *name, int maxLength, const QString &toolTip)
{
    auto *edit = named(new QLineEdit(parent), name, toolTip);
    edit->setMaxLength(maxLength);
    edit->setReadOnly(true);
    return edit;
}

QCalendarWidget *calendar(QWidget *parent, const char *name)
{
    auto *cal = namedCalendar(parent, name);
    cal->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    cal->setGridVisible(true);
    // Small enough that "Wed" fits a column of a calendar the width of the column.
    QFont small = cal->font();
    small.setPointSizeF(8);
    cal->setFont(small);
    return cal;
}

void label(QWidget *parent, const QString &text, QWidget *buddy, int x, int y, int w)
{
    auto *l = new QLabel(text, parent);
    l->setBuddy(buddy);
    l->setGeometry(x, y, w, 22);
}

// The right-hand column of the surface, clear of the bills calendar in the middle band; the
// events panel covers it while shown, until "Close" moves the panel to the left.
void placeDashboardControls(EventControls &c, QWidget *surface, Services &services)
{
    const int left = twips(7830), right = twips(11310);
    c.monthView1 = calendar(surface, "MonthView1");
    c.monthView1->setToolTip(
        QStringLiteral("Select a date to see the events or to add a new event"));
    c.monthView1->setGeometry(left, twips(300), right - left, twips(2400));

    c.calSearch
        = named(new QComboBox(surface), "cboCALSearch", QStringLiteral("Search for an Event TYPE"));
    for (const QString &type : EventTexts::kTypes)
        c.calSearch->addItem(type);
    c.calSearch->setPlaceholderText(QStringLiteral("Search"));
    c.calSearch->setCurrentIndex(-1);
    c.calSearch->setAccessibleName(QStringLiteral("Search"));
    c.calSearch->setGeometry(left, twips(2790), right - left - 128 - 6, 22);

    c.viewAll = button(QStringLiteral("View All Events"), surface, services, "cmdViewAllEvents");
    c.viewAll->setGeometry(right - 128, twips(2790), 128, 21);

    c.noEvents = named(new QLineEdit(surface), "txtNoEvents",
                       QStringLiteral("Displays the number of events for a specified day"));
    c.noEvents->setReadOnly(true);
    c.noEvents->setAccessibleName(QStringLiteral("Events"));
    c.noEvents->setGeometry(left, twips(3180), right - left, 22);
}

void placePanelControls(EventControls &c, Services &services)
{
    QFrame *p = c.panel;
    c.list = named(new HintList(EventTexts::kNoRecords, p), "lstData",
                   QStringLiteral("Click here to display the event"));
    c.list->setGeometry(6, 6, p->width() - 12, 96);
    c.list->setAccessibleName(QStringLiteral("Event list"));

    const int field = 66;
    const int wide = p->width() - field - 6;
    c.date = box(p, "txtEventDate", 10,
                 QStringLiteral("Date is Automatically Entered, but you can change it"));
    c.date->setGeometry(40, 108, 86, 22);
    c.notify
        = box(p, "txtNotifyDate", 10, QStringLiteral("Select a DATE you want to be notified on"));
    c.notify->setGeometry(p->width() - 6 - 86, 108, 86, 22);
    c.type = named(new LockableComboBox(p), "cboEventType", QStringLiteral("Select a TYPE"));
    c.type->setEditable(true);
    c.type->setInsertPolicy(QComboBox::NoInsert);
    for (const QString &type : EventTexts::kTypes)
        c.type->addItem(type);
    c.type->setGeometry(field, 134, wide, 22);
    c.title = box(p, "txtEventTitle", 30, QStringLiteral("Enter a title like 'Dad's Birthday"));
    c.title->setGeometry(field, 160, wide, 22);
    c.msg = box(p, "txtEventMsg", 100, QStringLiteral("Enter a message up to 100 characters long"));
    c.msg->setGeometry(field, 186, wide, 22);

    label(p, QStringLiteral("&Date:"), c.date, 6, 108, 34);
    label(p, QStringLiteral("&Notify:"), c.notify, c.notify->x() - 44, 108, 44);
    label(p, QStringLiteral("T&ype:"), c.type, 6, 134, field - 6);
    label(p, QStringLiteral("&Title:"), c.title, 6, 160, field - 6);
    label(p, QStringLiteral("&Message:"), c.msg, 6, 186, field - 6);

    LumoButton **buttons[] = {&c.add, &c.edit, &c.save, &c.remove, &c.cancel, &c.close};
    const char *captions[]
        = {"Add Event", "Edit Event", "Save Event", "Delete Event", "Cancel", "Close"};
    const char *names[] = {"cmdAddEvent",    "cmdEditEvent",   "cmdSaveEvent",
                           "cmdDeleteEvent", "cmdCancelEvent", "cmdCloseEvents"};
    const int gap = (p->width() - 3 * 81) / 4;
    for (int i = 0; i < 6; ++i) {
        *buttons[i] = button(QString::fromLatin1(captions[i]), p, services, names[i]);
        (*buttons[i])->setGeometry(gap + (i % 3) * (81 + gap), 216 + (i / 3) * 30, 81, 25);
    }
}

void placeNotifyCalendar(EventControls &c, Services &services)
{
    QFrame *p = c.picCal;
    c.monthView2 = calendar(p, "MonthView2");
    c.monthView2->setGeometry(4, 4, p->width() - 8, p->height() - 8 - 25 - 4);
    c.setDate = button(QStringLiteral("Set Date"), p, services, "cmdSetEventDate");
    c.setDate->setGeometry((p->width() - 81) / 2, p->height() - 4 - 25, 81, 25);
}

} // namespace

EventControls EventControls::build(QWidget *surface, Services &services)
{
    EventControls c;
    placeDashboardControls(c, surface, services);
    c.panel = frame(surface, QStringLiteral("picCalEvents"), 4080, 4320);
    // Wide enough to cover the calendar column while it stands at its first place.
    c.panel->resize(twips(4080), twips(4320));
    placePanelControls(c, services);
    c.picCal = frame(surface, QStringLiteral("PicCal"), 3720, 3120);
    placeNotifyCalendar(c, services);
    return c;
}
