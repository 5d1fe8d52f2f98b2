#include "clock/ClockFaceLabel.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>

ClockFaceLabel::ClockFaceLabel(const QColor &colour, QWidget *parent)
    : QLabel(parent)
    , m_colour(colour)
{
}

void ClockFaceLabel::setFaceText(const QString &text)
{
    const QString old = QLabel::text();
    if (old == text)
        return;
    int first = 0;
    while (first < old.size() && first < text.size() && old[first] == text[first])
        ++first;
    // QLabel repaints itself whole on a new text; the part that changed is enough.
    const bool wasDisabled = testAttribute(Qt::WA_UpdatesDisabled);
    setAttribute(Qt::WA_UpdatesDisabled, true);
    setText(text);
    setAttribute(Qt::WA_UpdatesDisabled, wasDisabled);
    const int left = std::min(charLeft(old, first), charLeft(text, first));
    // Reaching back a little covers ink that leans over the previous character's cell.
    update(QRect(left - fontMetrics().height() / 4, 0, width(), height()));
}

void ClockFaceLabel::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QString shown = text();
    const int top = baseline() - fontMetrics().ascent();
    int x = 0;
    for (const QChar c : shown) {
        const QPixmap &picture = glyph(c);
        const QRect cell(QPoint(x - m_glyphLeft.value(c), top),
                         picture.size() / picture.devicePixelRatio());
        if (event->rect().intersects(cell))
            painter.drawPixmap(cell.topLeft(), picture);
        x += fontMetrics().horizontalAdvance(c);
    }
}

void ClockFaceLabel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange) {
        m_glyphs.clear();
        m_glyphLeft.clear();
    }
    QLabel::changeEvent(event);
}

const QPixmap &ClockFaceLabel::glyph(QChar c)
{
    auto found = m_glyphs.constFind(c);
    if (found != m_glyphs.constEnd())
        return *found;
    const QFontMetrics metrics = fontMetrics();
    const QRect ink = metrics.boundingRect(c);
    const int left = std::max(0, -ink.left());
    const int width = std::max(metrics.horizontalAdvance(c), ink.right() + 1) + left;
    const qreal ratio = devicePixelRatioF();
    QPixmap picture(QSize(width, metrics.height()) * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setFont(font());
    painter.setPen(m_colour);
    painter.drawText(left, metrics.ascent(), QString(c));
    painter.end();
    m_glyphLeft.insert(c, left);
    return *m_glyphs.insert(c, picture);
}

int ClockFaceLabel::baseline() const
{
    const QFontMetrics metrics = fontMetrics();
    return (height() - metrics.height()) / 2 + metrics.ascent();
}

int ClockFaceLabel::charLeft(const QString &text, int i) const
{
    int x = 0;
    for (int k = 0; k < i && k < text.size(); ++k)
        x += fontMetrics().horizontalAdvance(text[k]);
    return x;
}
