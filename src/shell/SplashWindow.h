#pragma once

#include <QWidget>

class Clock;

// The splash (frmSplash): up at once, at least three seconds, hourglass pointer meanwhile.
class SplashWindow : public QWidget
{
    Q_OBJECT
public:
    explicit SplashWindow(Clock &clock);
    ~SplashWindow() override;

    // Closes the splash once more than three seconds have passed since it loaded, without
    // holding up the event loop meanwhile.
    void closeWhenDue();
    qint64 loadedAtMs() const { return m_loadedAtMs; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void finish();

    Clock &m_clock;
    qint64 m_loadedAtMs;
    bool m_cursorOverridden = false;
};
