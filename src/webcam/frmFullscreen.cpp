#include "webcam/frmFullscreen.h"

#include "common/Twips.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>

namespace {

constexpr int kIndicatorSize = 16;
constexpr int kIndicatorMargin = 120; // twips from the right and bottom edges

// Two arrows chasing each other round a circle: the picture is being fetched again.
QPixmap refreshPixmap()
{
    QPixmap pixmap(kIndicatorSize, kIndicatorSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor green(0x40, 0xD0, 0x40);
    p.setPen(QPen(green, 2));
    const QRectF ring(3, 3, 10, 10);
    p.drawArc(ring, 30 * 16, 130 * 16);
    p.drawArc(ring, 210 * 16, 130 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(green);
    p.drawPolygon(QPolygonF({QPointF(11, 1), QPointF(15, 6), QPointF(9, 7)}));
    p.drawPolygon(QPolygonF({QPointF(5, 15), QPointF(1, 10), QPointF(7, 9)}));
    return pixmap;
}

} // namespace

frmFullscreen::frmFullscreen(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmFullscreen"));
    setWindowTitle(QStringLiteral("Orvane Fullscreen View"));
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);

    m_imgFullscreen = new QLabel(this);
    m_imgFullscreen->setObjectName(QStringLiteral("imgFullscreen"));
    m_imgFullscreen->setScaledContents(true);
    m_imgFullscreen->installEventFilter(this);

    m_imgRefresh = new QLabel(this);
    m_imgRefresh->setObjectName(QStringLiteral("imgRefresh"));
    m_imgRefresh->setPixmap(refreshPixmap());
    m_imgRefresh->setFixedSize(kIndicatorSize, kIndicatorSize);
    m_imgRefresh->setToolTip(QStringLiteral(" Refreshing Image ... "));
    m_imgRefresh->hide();

    setWindowState(Qt::WindowMaximized);
    place();
}

void frmFullscreen::setPicture(const QPixmap &picture)
{
    m_imgFullscreen->setPixmap(picture);
}

void frmFullscreen::setIndicatorVisible(bool on)
{
    m_imgRefresh->setVisible(on);
    if (on)
        m_imgRefresh->raise();
}

bool frmFullscreen::indicatorVisible() const
{
    return !m_imgRefresh->isHidden();
}

void frmFullscreen::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    place();
}

void frmFullscreen::place()
{
    m_imgFullscreen->setGeometry(rect());
    const int margin = twips(kIndicatorMargin);
    m_imgRefresh->move(m_imgFullscreen->width() - m_imgRefresh->width() - margin,
                       m_imgFullscreen->height() - m_imgRefresh->height() - margin);
}

// Only Esc and the space bar close the view. QDialog's own handling is bypassed so Enter and
// Return never accept it.
void frmFullscreen::keyPressEvent(QKeyEvent *event)
{
    event->accept();
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Space)
        reject();
}

bool frmFullscreen::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_imgFullscreen && event->type() == QEvent::MouseButtonPress) {
        reject();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
