#pragma once

#include <QObject>

class QDate;
class TipPanel;
struct EventControls;
struct Services;

// The step-by-step entry of an event: the notify calendar that pops up from the notify box,
// and the tip that tells the next step as each box is reached.
class EventsGuide : public QObject
{
    Q_OBJECT
public:
    EventsGuide(Services &services, const EventControls &controls, TipPanel &tips);

    void onTxtNotifyDateClick();
    void onMonthView2DateClick(const QDate &date);
    void onCmdSetEventDateReleased(int x, int y);
    void onCboEventTypeClick();
    void onTxtEventTitleClick();
    void onTxtEventMsgClick();
    void onTxtEventMsgGotFocus();

    // A step's tip changes only the text (and only with tips on); the panel stays as it is.
    void setTip(const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Services &m_services;
    const EventControls &m_ui;
    TipPanel &m_tips;
};
