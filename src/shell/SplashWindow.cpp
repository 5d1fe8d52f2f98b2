#include "shell/SplashWindow.h"

#include "common/Twips.h"
#include "platform/Clock.h"
#include "platform/Prompter.h"
#include "shell/AppIcon.h"
#include "shell/SplashTiming.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTimer>

SplashWindow::SplashWindow(Clock &clock)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , m_clock(clock)
    , m_loadedAtMs(clock.monotonicMs())
{
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(kApplicationTitle);
    setAttribute(Qt::WA_DeleteOnClose, false);
    resize(twips(7800), twips(3900));
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    m_cursorOverridden = true;
}

SplashWindow::~SplashWindow()
{
    if (m_cursorOverridden)
        QGuiApplication::restoreOverrideCursor();
}

void SplashWindow::closeWhenDue()
{
    const qint64 remaining = splashRemainingMs(m_loadedAtMs, m_clock.monotonicMs());
    QTimer::singleShot(remaining, this, &SplashWindow::finish);
}

void SplashWindow::finish()
{
    if (m_cursorOverridden) {
        QGuiApplication::restoreOverrideCursor();
        m_cursorOverridden = false;
    }
    close();
}

void SplashWindow::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    // The background picture fills the window less a 15-twip (one pixel) margin.
    const QRect picture = rect().adjusted(twips(15), twips(15), -twips(15), -twips(15));
    p.fillRect(rect(), QColor(0x1f, 0x2a, 0x44));
    QLinearGradient sky(picture.topLeft(), picture.bottomRight());
    sky.setColorAt(0, QColor(0x2b, 0x4c, 0x8c));
    sky.setColorAt(1, QColor(0x0f, 0x1a, 0x33));
    p.fillRect(picture, sky);

    const int iconSize = height() / 2;
    p.drawPixmap(picture.left() + 24, (height() - iconSize) / 2, orvanePixmap(iconSize));
    const int textLeft = picture.left() + 48 + iconSize;
    QFont title = font();
    title.setPointSize(30);
    title.setBold(true);
    p.setFont(title);
    p.setPen(QColor(0xff, 0xd8, 0x6b));
    p.drawText(QRect(textLeft, picture.top() + 40, picture.width() - textLeft, 60),
               Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Orvane"));
    QFont small = font();
    small.setPointSize(11);
    p.setFont(small);
    p.setPen(Qt::white);
    p.drawText(QRect(textLeft, picture.top() + 104, picture.width() - textLeft, 22), Qt::AlignLeft,
               QStringLiteral("Reminders, clock, music and more"));
    p.drawText(QRect(textLeft, picture.bottom() - 70, picture.width() - textLeft, 22),
               Qt::AlignLeft, QStringLiteral("Version 1.0"));
    p.drawText(QRect(textLeft, picture.bottom() - 46, picture.width() - textLeft, 22),
               Qt::AlignLeft, QStringLiteral("For Linux"));
}
