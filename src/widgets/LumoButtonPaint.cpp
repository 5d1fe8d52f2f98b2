// Drawing of the styled button: background, edge, picture, focus rectangle, caption.
#include "widgets/LumoButton.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

namespace {

QColor shifted(const QColor &c, int step)
{
    return QColor(std::clamp(c.red() + step, 0, 255), std::clamp(c.green() + step, 0, 255),
                  std::clamp(c.blue() + step, 0, 255));
}

void frame(QPainter &p, const QRect &r, const QColor &topLeft, const QColor &bottomRight)
{
    p.setPen(topLeft);
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(bottomRight);
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
}

} // namespace

QColor LumoButton::faceColor() const
{
    if (m_style == Xp) {
        if (m_pressed && m_hover)
            return pressedColor();
        if (m_hover)
            return hoverColor();
    }
    return backColor();
}

void LumoButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QColor face = faceColor();
    if (m_style == Rounded)
        paintRoundedFace(p);
    else
        paintBackground(p, face);
    if (m_style != Rounded && m_style != Plain)
        paintEdge(p, face);
    const LumoLayout l = layoutNow();
    paintPicture(p, l);
    // A button reached with Tab always shows it: whoever moves by keyboard must see where.
    const bool ring = m_focused && (m_tabbedTo || (m_showFocusRect && m_style != Rounded));
    if (ring) {
        QPen dotted(palette().color(QPalette::WindowText), 1, Qt::DotLine);
        p.setPen(dotted);
        p.setBrush(Qt::NoBrush);
        if (m_style == Rounded)
            p.drawRoundedRect(rect().adjusted(2, 2, -3, -3), 3, 3);
        else
            p.drawRect(l.focus.adjusted(0, 0, -1, -1));
    }
    paintCaption(p, l);
}

void LumoButton::paintBackground(QPainter &p, const QColor &face)
{
    // A transparent button leaves the host's own background showing through, except while
    // a style-2 button is pressed.
    const bool pressedXp = m_style == Xp && m_pressed && m_hover;
    const bool hoverXp = m_style == Xp && m_hover;
    if (m_transparentBG && !pressedXp && !hoverXp)
        return;
    p.fillRect(rect(), face);
}

void LumoButton::paintEdge(QPainter &p, const QColor &face)
{
    const QPalette &pal = palette();
    const QColor light = pal.color(QPalette::Light);
    const QColor shadow = pal.color(QPalette::Dark);
    const QColor darkShadow = pal.color(QPalette::Shadow);
    const bool down = m_pressed && m_hover;
    const QRect r = rect().adjusted(0, 0, -1, -1);

    if (m_style == Xp) {
        if (m_hover || m_pressed || m_xpShowBorderAlways) {
            p.setPen(foreColor());
            p.setBrush(Qt::NoBrush);
            p.drawRect(r);
        }
        return;
    }
    if (m_style == Flat && !m_hover && !down)
        return;
    if (m_bevel > 1) {
        paintBevel(p, face, down);
        return;
    }
    QRect inner = r;
    const bool dark = m_style == Raised && (isDefault() || (m_focused && !down));
    if (dark) {
        p.setPen(darkShadow);
        p.drawRect(r);
        inner = r.adjusted(1, 1, -1, -1);
    }
    if (down)
        frame(p, inner, shadow, light);
    else
        frame(p, inner, light, shadow);
}

void LumoButton::paintBevel(QPainter &p, const QColor &face, bool sunken)
{
    // BEVELDEPTH + 1 rings from the outside in, each a step of BEVEL away from the face.
    QRect ring = rect().adjusted(0, 0, -1, -1);
    const int rings = m_bevelDepth + 1;
    for (int i = 0; i < rings && ring.width() > 0 && ring.height() > 0; ++i) {
        const int step = m_bevel * (rings - i);
        const QColor topLeft = shifted(face, sunken ? -step : step);
        const QColor bottomRight = shifted(face, sunken ? step : -step);
        frame(p, ring, topLeft, bottomRight);
        ring.adjust(1, 1, -1, -1);
    }
}

void LumoButton::paintRoundedFace(QPainter &p)
{
    const QColor base = backColor();
    const bool down = m_pressed && m_hover;
    const int steps = down ? 15 : 25;
    const int h = std::max(1, height());
    for (int y = 0; y < height(); ++y) {
        const int step = steps * y / h;
        p.setPen(shifted(base, down ? step - steps : -step + steps / 2));
        p.drawLine(0, y, width() - 1, y);
    }
    const QPalette &pal = palette();
    const QRect r = rect().adjusted(0, 0, -1, -1);
    // Shading just inside the edge, then the dark outline with its cut corners.
    p.setPen(shifted(base, down ? -30 : 30));
    p.drawLine(r.left() + 1, r.top() + 1, r.right() - 1, r.top() + 1);
    p.setPen(shifted(base, down ? 20 : -35));
    p.drawLine(r.left() + 1, r.bottom() - 1, r.right() - 1, r.bottom() - 1);
    p.setPen(pal.color(QPalette::Shadow));
    p.drawLine(r.left() + 2, r.top(), r.right() - 2, r.top());
    p.drawLine(r.left() + 2, r.bottom(), r.right() - 2, r.bottom());
    p.drawLine(r.left(), r.top() + 2, r.left(), r.bottom() - 2);
    p.drawLine(r.right(), r.top() + 2, r.right(), r.bottom() - 2);
    for (const QPoint &corner :
         {QPoint(r.left() + 1, r.top() + 1), QPoint(r.right() - 1, r.top() + 1),
          QPoint(r.left() + 1, r.bottom() - 1), QPoint(r.right() - 1, r.bottom() - 1)})
        p.drawPoint(corner);
    if (m_hover && !down) {
        const QColor top = m_xpDefaultColors ? QColor(225, 153, 71) : xpColorHover();
        const QColor bottom = m_xpDefaultColors ? QColor(140, 170, 230) : xpColorPressed();
        p.setPen(top);
        p.drawLine(r.left() + 2, r.top() + 1, r.right() - 2, r.top() + 1);
        p.drawLine(r.left() + 1, r.top() + 2, r.right() - 1, r.top() + 2);
        p.setPen(bottom);
        p.drawLine(r.left() + 2, r.bottom() - 1, r.right() - 2, r.bottom() - 1);
    }
}

void LumoButton::paintPicture(QPainter &p, const LumoLayout &l)
{
    QPixmap pic = shownPicture();
    if (pic.isNull() || l.picture.isEmpty())
        return;
    pic = pic.scaled(l.picture.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (!pic.hasAlphaChannel()) // bitmaps: the mask colour is transparent
        pic.setMask(pic.createMaskFromColor(m_maskColor, Qt::MaskInColor));
    if (!isEnabled()) {
        QStyleOption option;
        option.initFrom(this);
        pic = style()->generatedIconPixmap(QIcon::Disabled, pic, &option);
    }
    QRect at = l.picture;
    const bool down = m_pressed && m_hover;
    if (m_style == Xp && m_hover && !down && isEnabled()) {
        // The picture lifts: its shadow stays 1 pixel down-right, the picture moves up-left.
        QPixmap shadow(pic.size());
        shadow.fill(Qt::transparent);
        QPainter sp(&shadow);
        sp.drawPixmap(0, 0, pic);
        sp.setCompositionMode(QPainter::CompositionMode_SourceIn);
        sp.fillRect(shadow.rect(), QColor(0, 0, 0, 90));
        sp.end();
        p.drawPixmap(at.translated(1, 1), shadow);
        at.translate(-2, -2);
    } else if (down && m_style != Xp) {
        at.translate(1, 1);
    }
    p.drawPixmap(at, pic);
}

void LumoButton::paintCaption(QPainter &p, const LumoLayout &l)
{
    const QString caption = text();
    if (caption.isEmpty())
        return;
    const int flags = Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;
    QRect at = l.caption;
    if (m_pressed && m_hover && m_style != Xp)
        at.translate(1, 1);
    p.setFont(font());
    if (!isEnabled()) {
        // Embossed: the light copy 1 pixel down-right, then the shadow copy in place.
        p.setPen(palette().color(QPalette::Light));
        p.drawText(at.translated(1, 1), flags, caption);
        p.setPen(palette().color(QPalette::Dark));
        p.drawText(at, flags, caption);
        return;
    }
    p.setPen(foreColor());
    p.drawText(at, flags, caption);
}
