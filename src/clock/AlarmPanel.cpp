#include "clock/AlarmPanel.h"

#include "clock/AlarmMenu.h"
#include "clock/AlarmRinging.h"
#include "clock/AlarmSettings.h"
#include "clock/AlarmSettingsPanel.h"
#include "clock/AlarmSlots.h"
#include "clock/ClockTicks.h"
#include "platform/Clock.h"
#include "platform/SettingsStore.h"
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
    m_window.start(m_services.clock.now());
}

void AlarmPanel::start(ClockTicks &ticks)
{
    connect(&ticks, &ClockTicks::second, this, &AlarmPanel::checkAlarms);
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
    if (!m_slots->states().contains(QLatin1String("on"))) {
        m_window.advance(now);
        return;
    }
    const QList<DueSlot> due = dueSlots(m_services.settings, m_slots->states(), m_window, now);
    for (const DueSlot &slot : due)
        m_ringing->ring(slot.slot, slot.at, m_slots->title(slot.slot));
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
    m_slots->switchSlot(m_popupSlot, true);
}

void AlarmPanel::onMnuAlarmOffClick()
{
    m_slots->switchSlot(m_popupSlot, false);
}
