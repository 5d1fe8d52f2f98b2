#include "clock/ClockPanel.h"

#include "clock/ClockFaceLabel.h"
#include "clock/TimeFormats.h"
#include "common/NamedTimer.h"
#include "common/TextValues.h"
#include "common/Twips.h"
#include "platform/Clock.h"
#include "platform/SettingsStore.h"

#include "widgets/ValueLabel.h"
#include <QAction>
#include <QFontMetrics>
#include <QLabel>
#include <QTimer>
#include <QWidget>

namespace {

const QString kClock = QStringLiteral("Clock");

} // namespace

ClockPanel::ClockPanel(Services &services, QWidget *surface, QAction *show24Hour,
                       QAction *showSeconds)
    : QObject(surface)
    , m_services(services)
    , m_mnu24Hour(show24Hour)
    , m_mnuShowSeconds(showSeconds)
    , m_timerClock2(namedTimer(this, "TimerClock2", 1000))
    , m_ticks(new ClockTicks(this))
{
    connect(m_timerClock2, &QTimer::timeout, this, &ClockPanel::onTimerClock2);
    QFont face(QStringLiteral("Arial"), 54, QFont::Bold);
    face.setStyleHint(QFont::SansSerif);
    const QRect black(twips(300), twips(300), twips(7200), twips(1350));
    // A stand-in for Arial may run wider; the longest time must still fit the face.
    while (face.pointSize() > 20
           && QFontMetrics(face).horizontalAdvance(QStringLiteral("00:00:00 AM")) > black.width())
        face.setPointSize(face.pointSize() - 2);
    // Index 0, black, underneath; index 1, yellow, 45 twips left of and 75 above it.
    for (int index = 0; index < 2; ++index) {
        auto *label = new ClockFaceLabel(index == 0 ? QColor(Qt::black) : QColor(0xff, 0xd4, 0x00),
                                         surface);
        label->setObjectName(QStringLiteral("lblClock"));
        label->setProperty("index", index);
        label->setFont(face);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        label->setGeometry(index == 0 ? black : black.translated(-twips(45), -twips(75)));
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        m_lblClock.append(label);
    }
    readAsValue(m_lblClock[1], QStringLiteral("Clock"));
    readAsShadow(m_lblClock[0]);
    m_lblClock[1]->raise();
}

void ClockPanel::load()
{
    auto &settings = m_services.settings;
    m_timeFormat = settings.getSetting(kClock, QStringLiteral("TimeFormat"), QStringLiteral("1"))
            == QLatin1String("24")
        ? 24
        : 12;
    // Anything but a number reads as the default: seconds shown.
    m_showSeconds
        = textToInt(settings.getSetting(kClock, QStringLiteral("ShowSecs"), QStringLiteral("1")))
              .value_or(1);
    show(TimeFormats::display(m_services.clock.now().time(), m_timeFormat, m_showSeconds));
    m_mnu24Hour->setChecked(m_timeFormat == 24);
    if (m_timeFormat == 12)
        m_mnuShowSeconds->setChecked(m_showSeconds == 1);
    else
        m_mnuShowSeconds->setChecked(false);
}

void ClockPanel::start()
{
    m_timerClock2->start();
}

void ClockPanel::onTimerClock2()
{
    const QDateTime now = m_services.clock.now();
    show(TimeFormats::display(now.time(), m_timeFormat, m_showSeconds));
    m_ticks->tick(now);
}

void ClockPanel::onMnuShow24HourClick()
{
    // The menu item toggles its own mark before this runs; the mode decides, not the mark.
    const QTime now = m_services.clock.now().time();
    if (m_timeFormat == 24) {
        m_mnu24Hour->setChecked(false);
        m_services.settings.saveSetting(kClock, QStringLiteral("TimeFormat"), QStringLiteral("12"));
        show(TimeFormats::mediumTime(now));
        m_timeFormat = 12;
        m_mnuShowSeconds->setEnabled(true);
        m_mnuShowSeconds->setChecked(m_showSeconds == 1);
    } else {
        m_mnu24Hour->setChecked(true);
        m_services.settings.saveSetting(kClock, QStringLiteral("TimeFormat"), QStringLiteral("24"));
        show(TimeFormats::shortTime(now));
        m_mnuShowSeconds->setChecked(false);
        m_mnuShowSeconds->setEnabled(false);
        m_timeFormat = 24;
    }
}

void ClockPanel::onMnuShowSecondsClick()
{
    if (m_timeFormat != 12) {
        m_mnuShowSeconds->setChecked(false); // undo the item's own toggle: nothing changes
        return;
    }
    m_showSeconds = m_showSeconds == 1 ? 0 : 1;
    m_mnuShowSeconds->setChecked(m_showSeconds == 1);
    m_services.settings.saveSetting(kClock, QStringLiteral("ShowSecs"),
                                    QString::number(m_showSeconds));
    show(TimeFormats::display(m_services.clock.now().time(), m_timeFormat, m_showSeconds));
}

QString ClockPanel::shownText() const
{
    return m_lblClock[0]->text();
}

void ClockPanel::show(const QString &text)
{
    if (m_lblClock[0]->text() == text)
        return;
    for (ClockFaceLabel *label : m_lblClock)
        label->setFaceText(text);
}
