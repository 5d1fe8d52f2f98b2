// The styled button's properties, layout, window region and cursor.
#include "widgets/LumoButton.h"

#include "widgets/ReleaseRule.h"

#include <QRegularExpression>

LumoButton::LumoButton(const QString &caption, QWidget *parent, SoundPlayer *sound,
                       QString soundFolder)
    : QAbstractButton(parent)
    , m_sound(sound)
    , m_soundFolder(std::move(soundFolder))
{
    setText(caption);
    setAccessibleName(QString(caption).remove(QRegularExpression(QStringLiteral("&(?!&)"))));
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_Hover, false);
    // Assistive technology presses through QAbstractButton::click(); run the same release
    // as a click just inside the button.
    connect(this, &QAbstractButton::clicked, this, [this] {
        if (!m_inRelease)
            release(LeftButton, 0, kPressPoint);
    });
    updateCursor();
}

LumoButton::~LumoButton() = default;

QSize LumoButton::sizeHint() const
{
    const QSize text = fontMetrics().size(Qt::TextShowMnemonic, this->text());
    return {std::max(75, text.width() + 24), std::max(25, text.height() + 12)};
}

void LumoButton::setButtonStyle(int style)
{
    m_style = std::clamp(style, 0, 4);
    updateRegion();
    update();
}

void LumoButton::setPicturePosition(int position)
{
    m_picturePosition = std::clamp(position, 0, 3);
    update();
}

void LumoButton::setPicture(const QPixmap &picture)
{
    m_picture = picture;
    if (!picture.isNull())
        m_originalSize = picture.size();
    setPictureSize(m_pictureSize);
}

void LumoButton::setPictureHover(const QPixmap &picture)
{
    m_pictureHover = picture;
    update();
}

void LumoButton::setPictureSize(int size)
{
    m_pictureSize = std::clamp(size, 0, 2);
    QSize drawn(32, 32);
    if (m_pictureSize == 0)
        drawn = QSize(16, 16);
    else if (m_pictureSize == 2 && !m_picture.isNull())
        drawn = m_originalSize;
    m_pictureWidth = drawn.width();
    m_pictureHeight = drawn.height();
    update();
}

QColor LumoButton::backColor() const
{
    return m_backColor.isValid() ? m_backColor : palette().color(QPalette::Button);
}

void LumoButton::setBackColor(const QColor &color)
{
    m_backColor = color;
    update();
}

QColor LumoButton::foreColor() const
{
    return m_foreColor.isValid() ? m_foreColor : palette().color(QPalette::ButtonText);
}

void LumoButton::setForeColor(const QColor &color)
{
    m_foreColor = color;
    update();
}

void LumoButton::setShowFocusRect(bool show)
{
    m_showFocusRect = show;
    update();
}

void LumoButton::setDefCurHand(bool hand)
{
    m_defCurHand = hand;
    updateCursor();
}

void LumoButton::setXpDefaultColors(bool on)
{
    m_xpDefaultColors = on;
    update();
}

QColor LumoButton::xpColorHover() const
{
    return m_xpHover.isValid() ? m_xpHover : palette().color(QPalette::Light);
}

void LumoButton::setXpColorHover(const QColor &color)
{
    m_xpHover = color;
    update();
}

QColor LumoButton::xpColorPressed() const
{
    return m_xpPressed.isValid() ? m_xpPressed : palette().color(QPalette::Midlight);
}

void LumoButton::setXpColorPressed(const QColor &color)
{
    m_xpPressed = color;
    update();
}

void LumoButton::setXpShowBorderAlways(bool on)
{
    m_xpShowBorderAlways = on;
    update();
}

void LumoButton::setMaskColor(const QColor &color)
{
    m_maskColor = color;
    update();
}

void LumoButton::setTransparentBG(bool on)
{
    m_transparentBG = on;
    update();
}

void LumoButton::setBevel(int bevel)
{
    m_bevel = bevel;
    update();
}

void LumoButton::setBevelDepth(int depth)
{
    m_bevelDepth = std::max(0, depth);
    update();
}

QColor LumoButton::hoverColor() const
{
    if (!m_xpDefaultColors)
        return xpColorHover();
    const QColor h = palette().color(QPalette::Highlight);
    return QColor(std::min(255, h.red() + 171), std::min(255, h.green() + 154),
                  std::min(255, h.blue() + 108));
}

QColor LumoButton::pressedColor() const
{
    if (!m_xpDefaultColors)
        return xpColorPressed();
    const QColor h = palette().color(QPalette::Highlight);
    return QColor(std::min(255, h.red() + 156), std::min(255, h.green() + 139),
                  std::min(255, h.blue() + 108));
}

LumoLayout LumoButton::layoutNow() const
{
    const bool hasPicture = !shownPicture().isNull() || m_pictureSize == 2;
    const QString caption = text();
    const QSize captionSize = fontMetrics()
                                  .boundingRect(QRect(0, 0, std::max(1, width() - 7), height()),
                                                Qt::TextWordWrap | Qt::TextShowMnemonic, caption)
                                  .size();
    return LumoLayout::compute(size(), QSize(m_pictureWidth, m_pictureHeight), hasPicture,
                               captionSize, !caption.isEmpty(), m_picturePosition);
}

QPixmap LumoButton::shownPicture() const
{
    return m_hover && !m_pictureHover.isNull() ? m_pictureHover : m_picture;
}

void LumoButton::resizeEvent(QResizeEvent *event)
{
    // Too small to see or hit: such a dimension becomes 150 twips.
    if (width() < 10 || height() < 10) {
        resize(width() < 10 ? 10 : width(), height() < 10 ? 10 : height());
        return;
    }
    updateRegion();
    QAbstractButton::resizeEvent(event);
}

void LumoButton::updateRegion()
{
    if (m_style != Rounded) {
        clearMask();
        return;
    }
    // Cut corners: a 2 x 1 and a 1 x 2 notch at each corner.
    const int w = width(), h = height();
    QRegion region(0, 0, w, h);
    for (const QPoint &corner :
         {QPoint(0, 0), QPoint(w - 2, 0), QPoint(0, h - 1), QPoint(w - 2, h - 1)})
        region -= QRegion(corner.x(), corner.y(), 2, 1);
    for (const QPoint &corner :
         {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 2), QPoint(w - 1, h - 2)})
        region -= QRegion(corner.x(), corner.y(), 1, 2);
    setMask(region);
}

void LumoButton::updateCursor()
{
    if (m_defCurHand)
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
}

void LumoButton::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::EnabledChange || event->type() == QEvent::PaletteChange
        || event->type() == QEvent::FontChange)
        update();
    QAbstractButton::changeEvent(event);
}
