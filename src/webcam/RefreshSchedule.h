#pragma once

#include <QObject>

class QLabel;
class QTimer;
struct ViewerPrefs;

// The refresh schedule of the cam on display. Its timer "TimerRefresh" ticks once a second only
// while a refresh is scheduled, counting the seconds down on the status bar; at zero it asks for
// the picture again, and the countdown starts afresh once that is done.
class RefreshSchedule : public QObject
{
    Q_OBJECT
public:
    RefreshSchedule(QLabel *panel2, const ViewerPrefs &prefs, QObject *parent);

    // The cam's rate text: no refresh for "x" (unless forced), 60 seconds for what is no whole
    // number from 1 up.
    void scheduleRefresh(const QString &rateText);
    void stop();
    bool active() const;
    // The picture was fetched again, or there was none to fetch.
    void afterRefreshDownload();

    void onTimerRefreshTimer();

Q_SIGNALS:
    // The countdown is over: fetch the picture again. Asked again on the next tick while the
    // window cannot start a download.
    void refreshDue();

private:
    void showCountdown();

    QLabel *m_panel2;
    const ViewerPrefs &m_prefs;
    QTimer *m_timerRefresh;
    // Seconds left and the cam's rate.
    int m_countdown = -1, m_interval = -1;
};
