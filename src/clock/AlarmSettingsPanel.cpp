#include "clock/AlarmSettingsPanel.h"

#include "clock/AlarmSettings.h"
#include "clock/AlarmSlots.h"
#include "platform/AppFolder.h"
#include "platform/SettingsStore.h"
#include "widgets/LumoButton.h"
#include "widgets/ReleaseRule.h"
#include "widgets/TipPanel.h"
#include "widgets/ValueLabel.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

namespace {

const QSize kButtonArea{84, 25};

// A text and its shadow: index 0 dark underneath, index 1 light one pixel up and left.
QList<QLabel *> pair(QFrame *panel, const char *name, const QRect &place, int pointSize,
                     const QString &text)
{
    QList<QLabel *> labels;
    for (int index = 0; index < 2; ++index) {
        auto *label = new QLabel(text, panel);
        label->setObjectName(QLatin1String(name));
        label->setProperty("index", index);
        QFont font = label->font();
        font.setPointSize(pointSize);
        font.setBold(true);
        label->setFont(font);
        label->setStyleSheet(index == 0 ? QStringLiteral("color: #303030;")
                                        : QStringLiteral("color: #1c5fd0;"));
        label->setGeometry(index == 0 ? place : place.translated(-1, -1));
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        labels.append(label);
    }
    readAsShadow(labels.first()); // heard once
    return labels;
}

QScrollBar *slider(QFrame *panel, const char *name, const QString &accessible, int low, int high,
                   int value, int top)
{
    auto *bar = new QScrollBar(Qt::Horizontal, panel);
    bar->setObjectName(QLatin1String(name));
    // A Tab stop the arrow keys move, so the time is set without a mouse.
    bar->setFocusPolicy(Qt::StrongFocus);
    bar->setInvertedControls(false); // a scroll bar's default turns Left into "more"
    bar->setAccessibleName(accessible);
    bar->setRange(low, high);
    bar->setValue(value);
    bar->setGeometry(12, top, 180, 18);
    return bar;
}

} // namespace

AlarmSettingsPanel::AlarmSettingsPanel(Services &services, QFrame *panel, AlarmSlots &alarmSlots,
                                       TipPanel &tips, QAction *show24Hour)
    : QObject(panel)
    , m_services(services)
    , m_panel(panel)
    , m_slots(alarmSlots)
    , m_tips(tips)
    , m_show24Hour(show24Hour)
    , m_header(pair(panel, "lblAlarmHeader", {10, 6, 244, 22}, 11, QString()))
    , m_hourLabels(pair(panel, "lblAlarmHour", {200, 40, 58, 18}, 9, QStringLiteral("12")))
    , m_minuteLabels(pair(panel, "lblAlarmMin", {200, 70, 58, 18}, 9, QStringLiteral("59")))
    , m_timeLabels(pair(panel, "lblAlarmTime", {12, 96, 240, 30}, 16, m_picker.timeLabel()))
    , m_hour(slider(panel, "hsbHour", QStringLiteral("Hour"), 1, 24, 12, 40))
    , m_minute(slider(panel, "hsbMin", QStringLiteral("Minute"), 0, 59, 59, 70))
    , m_title(new QLineEdit(QStringLiteral("*No Title*"), panel))
    , m_set(new LumoButton(QStringLiteral("Set Alarm"), panel, &services.sound,
                           services.appFolder.root()))
    , m_cancel(new LumoButton(QStringLiteral("Cancel"), panel, &services.sound,
                              services.appFolder.root()))
{
    m_title->setObjectName(QStringLiteral("txtAlarmTitle"));
    m_title->setAccessibleName(QStringLiteral("Alarm title"));
    m_title->setGeometry(12, 134, 240, 22);
    m_set->setObjectName(QStringLiteral("cmdSetAlarm"));
    m_cancel->setObjectName(QStringLiteral("cmdCancelAlarm"));
    m_set->setGeometry(36, 172, kButtonArea.width(), kButtonArea.height());
    m_cancel->setGeometry(144, 172, kButtonArea.width(), kButtonArea.height());
    m_set->setDefault(true);
    m_set->setButtonStyle(LumoButton::Raised);
    m_cancel->setButtonStyle(LumoButton::Raised);

    connect(m_hour, &QScrollBar::valueChanged, this, &AlarmSettingsPanel::onHsbHourChange);
    connect(m_minute, &QScrollBar::valueChanged, this, &AlarmSettingsPanel::onHsbMinChange);
    connect(m_set, &LumoButton::MouseUp, this,
            [this](int, int, int x, int y) { onCmdSetAlarmReleased(x, y); });
    connect(m_cancel, &LumoButton::MouseUp, this,
            [this](int, int, int x, int y) { onCmdCancelReleased(x, y); });
}

void AlarmSettingsPanel::open(int slot)
{
    m_slot = slot;
    setPair(m_header, QStringLiteral("Alarm %1 Settings").arg(slot));
    m_panel->show();
    m_panel->raise();
    m_tips.show(QStringLiteral("To set the alarm, use the slide bars then enter a title for if "
                               "you wish.\r\n\r\nThen click SET ALARM"),
                QPoint(4275, 2460));
}

void AlarmSettingsPanel::onHsbHourChange()
{
    m_picker.setHour(m_hour->value(), m_show24Hour && m_show24Hour->isChecked());
    showPicked();
}

void AlarmSettingsPanel::onHsbMinChange()
{
    m_picker.setMinute(m_minute->value());
    showPicked();
}

QString AlarmSettingsPanel::timeText() const
{
    return m_timeLabels.first()->text();
}

void AlarmSettingsPanel::onCmdSetAlarmReleased(int x, int y)
{
    if (!releasedInside({x, y}, kButtonArea))
        return;
    const std::optional<QTime> time = AlarmSettings::parseTime(timeText());
    if (!time)
        return; // every text the sliders make converts; nothing else reaches here
    const QString stored = AlarmSettings::timeText(*time);
    SettingsStore &settings = m_services.settings;
    settings.saveSetting(AlarmSettings::section(), AlarmSettings::timeKey(m_slot), stored);
    m_slots.setTitle(m_slot, stored + QStringLiteral(": ") + m_title->text());
    settings.saveSetting(AlarmSettings::section(), AlarmSettings::titleKey(m_slot),
                         m_slots.title(m_slot));
    m_panel->hide();
    if (m_slots.showsOn(m_slot))
        m_tips.hide();
    else
        m_tips.show(QStringLiteral("You have setup the alarm however you need to activate "
                                   "it.\r\nTo activate the alarm, right-click on the alarm "
                                   "button and choose ON from the pop-up menu"));
}

void AlarmSettingsPanel::onCmdCancelReleased(int x, int y)
{
    if (!releasedInside({x, y}, kButtonArea))
        return;
    m_panel->hide();
    m_tips.hide();
}

void AlarmSettingsPanel::setPair(const QList<QLabel *> &pair, const QString &text)
{
    for (QLabel *label : pair)
        label->setText(text);
}

void AlarmSettingsPanel::showPicked()
{
    setPair(m_hourLabels, m_picker.hourLabel());
    setPair(m_minuteLabels, m_picker.minuteLabel());
    setPair(m_timeLabels, m_picker.timeLabel());
}
