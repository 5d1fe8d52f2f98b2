#include "clock/AlarmPanel.h"

#include "clock/AlarmMenu.h"
#include "clock/AlarmRinging.h"
#include "clock/AlarmSettings.h"
#include "clock/AlarmSettingsPanel.h"
#include "clock/AlarmSlots.h"
#include "clock/ClockTicks.h"
#include "clock/MissedAlarms.h"
#include "platform/Clock.h"
#include "platform/SettingsStore.h"
#include "platform/SleepWatch.h"
#include "widgets/LumoButton.h"
#include "widgets/TipPanel.h"

#include <QAction>
#include <QCursor>
#include <QFrame>
#include <QMenu>
#include <QWidget>

AlarmPanel::AlarmPanel(Services &services, QWidget *surface, TipPanel &tips,
                       const AlarmControls &controls)
    : QObject(surface)
    , m_services(services)
    , m_tips(tips)
    , m_controls(controls)
    , m_slots(new AlarmSlots(services, surface))
    , m_settingsPanel(new AlarmSettingsPanel(
          services, surface->findChild<QFrame *>(QStringLiteral("picAlarms")), *m_slots, tips,
          controls.show24Hour))
    , m_ringing(new AlarmRinging(
          services, surface->findChild<QFrame *>(QStringLiteral("picAlarmActive")), controls))
    , m_menu(new AlarmMenu(services, surface->window(), controls, *m_ringing))
    , m_watch(services.settings)
{
    connect(m_slots, &AlarmSlots::clicked, this, &AlarmPanel::onCmdAlarmClick);
    connect(m_slots, &AlarmSlots::rightReleased, this, &AlarmPanel::onCmdAlarmRightReleased);
    connect(controls.on, &QAction::triggered, this, &AlarmPanel::onMnuAlarmOnClick);
    connect(controls.off, &QAction::triggered, this, &AlarmPanel::onMnuAlarmOffClick);
    // After the chosen item has been handled.
    connect(
        controls.popUp, &QMenu::aboutToHide, this, [this] { m_tips.hide(); }, Qt::QueuedConnection);
}

void AlarmPanel::resetAtLoad()
{
    m_ringing->resetAtLoad();
}

void AlarmPanel::load()
{
    m_slots->readStates();
    m_slots->readTitles();
    m_menu->load();
    reportMissed(m_watch.startWatching(m_slots->states(), m_services.clock.now()));
}

void AlarmPanel::start(ClockTicks &ticks)
{
    connect(&ticks, &ClockTicks::second, this, &AlarmPanel::checkAlarms);
    // With every alarm off there is nothing to miss: the settings file is left alone.
    connect(&ticks, &ClockTicks::minute, this, [this] {
        if (anyAlarmOn())
            recordWatched();
    });
    connect(&m_services.sleep, &SleepWatch::aboutToSleep, this, [this] {
        checkAlarms();
        recordWatched();
    });
    // Woken, the alarms slept through are seen at once rather than on the next second.
    connect(&m_services.sleep, &SleepWatch::wokeUp, this, &AlarmPanel::checkAlarms);
}

void AlarmPanel::recordWatched()
{
    m_watch.record();
}

void AlarmPanel::silenceOnExit()
{
    m_ringing->silenceOnExit();
}

QString AlarmPanel::alarmSource()
{
    return AlarmSettings::alarmSource(m_services.settings);
}

bool AlarmPanel::snoozed() const
{
    return m_ringing->snoozed();
}

void AlarmPanel::checkAlarms()
{
    const QDateTime now = m_services.clock.now();
    // The span still moves on, so a slot switched on later does not catch a moment that
    // passed while it was off.
    if (!anyAlarmOn()) {
        m_watch.pass(now);
        return;
    }
    const AlarmWatch::Found found = m_watch.check(m_slots->states(), now);
    for (const AlarmMoment &due : found.due)
        m_ringing->ring(due.slot, due.at, m_slots->title(due.slot));
    for (const AlarmMoment &late : found.late)
        m_ringing->ring(late.slot, late.at, m_slots->title(late.slot),
                        MissedAlarms::lateText(late.slot, late.at, now));
    reportMissed(found.missed);
    // Kept at once, so a crash soon after does not report a rung alarm as missed.
    if (!found.due.isEmpty() || !found.late.isEmpty() || !found.missed.isEmpty())
        recordWatched();
}

bool AlarmPanel::anyAlarmOn() const
{
    return m_slots->states().contains(QLatin1String("on"));
}

void AlarmPanel::reportMissed(const QList<AlarmMoment> &missed)
{
    if (missed.isEmpty())
        return;
    QStringList reports;
    for (const AlarmMoment &moment : missed)
        reports << MissedAlarms::missedText(moment.slot, m_slots->title(moment.slot), moment.at);
    Q_EMIT alarmsMissed(reports);
}

void AlarmPanel::onCmdAlarmClick(int slot)
{
    m_settingsPanel->open(slot);
}

void AlarmPanel::onCmdAlarmRightReleased(int slot)
{
    m_popupSlot = slot;
    // Opened from the keyboard, the menu sits on the button rather than wherever the pointer is.
    const LumoButton *button = m_slots->button(slot);
    const bool pointed = !button || button->underMouse();
    m_controls.popUp->popup(pointed ? QCursor::pos()
                                    : button->mapToGlobal(button->rect().center()));
}

void AlarmPanel::onMnuAlarmOnClick()
{
    // Caught up to now first (ringing what fell due since the last tick), so the time the slot
    // was off never reads as missed after a crash, and no other slot's moment is skipped.
    checkAlarms();
    m_slots->switchSlot(m_popupSlot, true);
    recordWatched();
}

void AlarmPanel::onMnuAlarmOffClick()
{
    m_slots->switchSlot(m_popupSlot, false);
}
