#include "reminders/EventsGuide.h"

#include "common/DateText.h"
#include "platform/Clock.h"
#include "platform/Services.h"
#include "reminders/EventControls.h"
#include "reminders/EventTexts.h"
#include "widgets/LumoButton.h"
#include "widgets/ReleaseRule.h"
#include "widgets/TipPanel.h"

#include <QCalendarWidget>
#include <QFrame>
#include <QLineEdit>
#include <QMouseEvent>

EventsGuide::EventsGuide(Services &services, const EventControls &controls, TipPanel &tips)
    : m_services(services)
    , m_c(controls)
    , m_tips(tips)
{
    for (QLineEdit *box : {m_c.notify, m_c.title, m_c.msg})
        box->installEventFilter(this);
    connect(m_c.monthView2, &QCalendarWidget::clicked, this, &EventsGuide::onMonthView2DateClick);
    connect(m_c.setDate, &LumoButton::MouseUp, this,
            [this](int, int, int x, int y) { onCmdSetEventDateReleased(x, y); });
    connect(m_c.type, &QComboBox::activated, this, &EventsGuide::onCboEventTypeClick);
}

bool EventsGuide::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        if (watched == m_c.notify)
            onTxtNotifyDateClick();
        else if (watched == m_c.title)
            onTxtEventTitleClick();
        else if (watched == m_c.msg)
            onTxtEventMsgClick();
    } else if (event->type() == QEvent::FocusIn && watched == m_c.msg) {
        onTxtEventMsgGotFocus();
    }
    return QObject::eventFilter(watched, event);
}

void EventsGuide::onTxtNotifyDateClick()
{
    m_c.monthView2->setSelectedDate(m_services.clock.now().date());
    m_c.picCal->show();
    m_c.picCal->raise();
    setTip(EventTexts::kNotifyTip);
}

void EventsGuide::onMonthView2DateClick(const QDate &)
{
    m_c.notify->setText(DateText::toText(m_c.monthView2->selectedDate()));
    m_c.setDate->setFocus();
}

void EventsGuide::onCmdSetEventDateReleased(int x, int y)
{
    if (!releasedInside({x, y}, m_c.setDate->size()))
        return;
    m_c.picCal->hide();
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
    if (m_c.title->text().isEmpty())
        m_c.title->setFocus();
}

void EventsGuide::setTip(const QString &text)
{
    if (m_tips.tipsOn())
        m_tips.setText(text);
}
