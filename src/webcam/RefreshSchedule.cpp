#include "webcam/RefreshSchedule.h"

#include "webcam/CamList.h"
#include "webcam/ViewerPrefs.h"

#include <QLabel>
#include <QTimer>

RefreshSchedule::RefreshSchedule(QLabel *panel2, const ViewerPrefs &prefs, QObject *parent)
    : QObject(parent)
    , m_panel2(panel2)
    , m_prefs(prefs)
    , m_timerRefresh(new QTimer(this))
{
    m_timerRefresh->setObjectName(QStringLiteral("TimerRefresh"));
    m_timerRefresh->setInterval(1000);
    connect(m_timerRefresh, &QTimer::timeout, this, &RefreshSchedule::onTimerRefreshTimer);
}

void RefreshSchedule::scheduleRefresh(const QString &rateText)
{
    m_timerRefresh->stop();
    m_countdown = m_interval = CamList::refreshSeconds(rateText, m_prefs.ForceNull60Sec);
    if (m_interval == 0)
        return;
    m_timerRefresh->start();
    if (rateText.compare(QLatin1String("x"), Qt::CaseInsensitive) != 0)
        showCountdown();
}

void RefreshSchedule::stop()
{
    m_timerRefresh->stop();
}

bool RefreshSchedule::active() const
{
    return m_timerRefresh->isActive();
}

void RefreshSchedule::showCountdown()
{
    m_panel2->setText(QStringLiteral("Refresh Scheduled in %1 Seconds").arg(m_countdown));
}

void RefreshSchedule::onTimerRefreshTimer()
{
    if (m_countdown > 0) {
        --m_countdown;
        showCountdown();
        return;
    }
    Q_EMIT refreshDue();
}

void RefreshSchedule::afterRefreshDownload()
{
    if (!active())
        return; // the schedule ended while the picture was fetched
    m_countdown = m_interval;
    showCountdown();
}
