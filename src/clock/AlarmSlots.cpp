#include "clock/AlarmSlots.h"

#include "clock/AlarmSettings.h"
#include "common/Twips.h"
#include "platform/AppFolder.h"
#include "platform/SettingsStore.h"
#include "widgets/LumoButton.h"
#include "widgets/PictureList.h"
#include "widgets/ReleaseRule.h"

#include <QLabel>
#include <QWidget>

namespace {

// Two columns of four under the clock face: button, then its title over two lines, which
// leaves the middle of the dashboard to the bills calendar.
constexpr int kColumnWidth = 1980; // twips

QPoint slotPlace(int index)
{
    return {twips(300 + (index / 4) * kColumnWidth), twips(1800 + (index % 4) * 540)};
}

constexpr int kButtonSize = 34;

} // namespace

AlarmSlots::AlarmSlots(Services &services, QWidget *surface)
    : QObject(surface)
    , m_services(services)
    , m_showsOn(AlarmSettings::kSlots, false)
    , m_states(AlarmSettings::kSlots)
{
    const PictureList pictures = PictureList::load(
        services.appFolder.path(QStringLiteral("\\resources\\pictures\\alarm")));
    m_off = pictures.at(1);
    m_on = pictures.at(2);
    for (int index = 0; index < AlarmSettings::kSlots; ++index) {
        const int slot = index + 1;
        auto *button
            = new LumoButton(QString(), surface, &services.sound, services.appFolder.root());
        button->setObjectName(QStringLiteral("cmdAlarm"));
        button->setProperty("index", index);
        button->setButtonStyle(LumoButton::Flat);
        button->setShowFocusRect(false);
        button->setPicture(m_off);
        const QPoint at = slotPlace(index);
        button->setGeometry(at.x(), at.y(), kButtonSize, kButtonSize);
        connect(button, &LumoButton::Click, this, [this, slot] { Q_EMIT clicked(slot); });
        connect(button, &LumoButton::MouseUp, this, [this, slot](int which, int, int x, int y) {
            if (which == LumoButton::RightButton
                && releasedInside({x, y}, {kButtonSize, kButtonSize}))
                Q_EMIT rightReleased(slot);
        });
        m_buttons.append(button);

        auto *title = new QLabel(surface);
        title->setObjectName(QStringLiteral("lblATitle"));
        title->setProperty("index", index);
        title->setGeometry(at.x() + kButtonSize + 4, at.y(), twips(kColumnWidth) - kButtonSize - 8,
                           kButtonSize);
        title->setWordWrap(true);
        m_titles.append(title);
        describe(slot);
    }
}

void AlarmSlots::readStates()
{
    for (int slot = 1; slot <= AlarmSettings::kSlots; ++slot) {
        m_states[slot - 1] = m_services.settings.getSetting(
            AlarmSettings::section(), AlarmSettings::stateKey(slot), QStringLiteral("1"));
        if (m_states[slot - 1] == QLatin1String("on"))
            showPicture(slot, true);
    }
}

void AlarmSlots::readTitles()
{
    for (int slot = 1; slot <= AlarmSettings::kSlots; ++slot)
        setTitle(
            slot,
            AlarmSettings::shownTitle(m_services.settings.getSetting(
                AlarmSettings::section(), AlarmSettings::titleKey(slot), QStringLiteral("1"))));
}

void AlarmSlots::switchSlot(int slot, bool on)
{
    showPicture(slot, on);
    m_services.settings.saveSetting(AlarmSettings::section(), AlarmSettings::stateKey(slot),
                                    on ? QStringLiteral("on") : QStringLiteral("off"));
    readStates();
}

QString AlarmSlots::title(int slot) const
{
    return m_titles.at(slot - 1)->text();
}

void AlarmSlots::setTitle(int slot, const QString &text)
{
    m_titles.at(slot - 1)->setText(text);
    describe(slot);
}

void AlarmSlots::showPicture(int slot, bool on)
{
    m_showsOn[slot - 1] = on;
    m_buttons.at(slot - 1)->setPicture(on ? m_on : m_off);
    describe(slot);
}

void AlarmSlots::describe(int slot)
{
    // A bell alone says nothing to a newcomer or a screen reader: name the slot, whether it
    // is on, and its time and title.
    QString text
        = QStringLiteral("Alarm %1 (%2)")
              .arg(slot)
              .arg(m_showsOn.value(slot - 1) ? QStringLiteral("on") : QStringLiteral("off"));
    const QString title = m_titles.value(slot - 1) ? m_titles.at(slot - 1)->text() : QString();
    text += title.isEmpty() ? QStringLiteral(": not set") : QStringLiteral(": ") + title;
    LumoButton *button = m_buttons.value(slot - 1);
    button->setToolTip(text);
    button->setAccessibleName(text);
}
