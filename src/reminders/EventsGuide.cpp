#include "reminders/EventsGuide.h"

#include "common/DateText.h"
#include "platform/Clock.h"
#include "platform/Services.h"
#include "reminders/EventControls.h"
#include "reminders/EventTexts.h"
#include "widgets/KeyCodes.h"
#include "widgets/LumoButton.h"
#include "widgets/ReleaseRule.h"
#include "widgets/TipPanel.h"

#include <QCalendarWidget>
#include <QFocusEvent>
#include <QFrame>
#include <QLineEdit>
#include <QMouseEvent>

EventsGuide::EventsGuide(Services &services, const EventControls &controls, TipPanel &tips)
    : m_services(services)
    , m_ui(controls)
    , m_tips(tips)
{
    for (QLineEdit *box : {m_ui.notify, m_ui.title, m_ui.msg})
        box->installEventFilter(this);
    connect(m_ui.monthView2, &QCalendarWidget::clicked, this, &EventsGuide::onMonthView2DateClick);
    connect(m_ui.setDate, &LumoButton::MouseUp, this,
            [this](int, int, int x, int y) { onCmdSetEventDateReleased(x, y); });
    connect(m_ui.type, &QComboBox::activated, this, &EventsGuide::onCboEventTypeClick);
}

bool EventsGuide::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        if (watched == m_ui.notify)
            onTxtNotifyDateClick();
        else if (watched == m_ui.title)
            onTxtEventTitleClick();
        else if (watched == m_ui.msg)
            onTxtEventMsgClick();
    } else if (event->type() == QEvent::FocusIn && watched == m_ui.msg) {
        // Tab passes on: sent back to the title, a keyboard user could never leave the fields.
        if (!tabbedTo(static_cast<QFocusEvent *>(event)->reason()))
            onTxtEventMsgGotFocus();
    }
    return QObject::eventFilter(watched, event);
}

void EventsGuide::onTxtNotifyDateClick()
{
    m_ui.monthView2->setSelectedDate(m_services.clock.now().date());
    m_ui.picCal->show();
    m_ui.picCal->raise();
    setTip(EventTexts::kNotifyTip);
}

void EventsGuide::onMonthView2DateClick(const QDate &)
{
    m_ui.notify->setText(DateText::toText(m_ui.monthView2->selectedDate()));
    m_ui.setDate->setFocus();
}

void EventsGuide::onCmdSetEventDateReleased(int x, int y)
{
    if (!releasedInside({x, y}, m_ui.setDate->size()))
        return;
    m_ui.picCal->hide();
    setTip(EventTexts::kSetDateTip);
}

void EventsGuide::onCboEventTypeClick()
{
    setTip(EventTexts::kTypeTip);
}

void EventsGuide::onTxtEventTitleClick()
{
    setTip(EventTexts::kTitleTip);
}

void EventsGuide::onTxtEventMsgClick()
{
    setTip(EventTexts::kMessageTip);
}

void EventsGuide::onTxtEventMsgGotFocus()
{
    // The title comes first: it is what the reminder is known by.
    if (m_ui.title->text().isEmpty())
        m_ui.title->setFocus();
}

void EventsGuide::setTip(const QString &text)
{
    if (m_tips.tipsOn())
        m_tips.setText(text);
}
