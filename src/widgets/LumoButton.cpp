#include "widgets/LumoButton.h"

#include "platform/AppFolder.h"
#include "platform/SoundPlayer.h"
#include "widgets/KeyCodes.h"
#include "widgets/ReleaseRule.h"

#include <QFileInfo>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
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

bool LumoButton::event(QEvent *event)
{
    if (event->type() == QEvent::Shortcut) {
        // The access key clicks without a release: Click and the address, nothing else.
        if (isEnabled()) {
            Q_EMIT Click();
            followUrl();
        }
        return true;
    }
    return QAbstractButton::event(event);
}

void LumoButton::mousePressEvent(QMouseEvent *event)
{
    const int button = mouseButtonCode(event->button());
    if (button != RightButton) {
        m_pressed = true;
        update();
    }
    const QPoint at = event->position().toPoint();
    Q_EMIT MouseDown(button, shiftCode(event->modifiers()), at.x(), at.y());
}

void LumoButton::mouseDoubleClickEvent(QMouseEvent *event)
{
    mousePressEvent(event);
}

void LumoButton::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    const int shift = shiftCode(event->modifiers());
    const bool inside = rect().contains(at);
    if (inside && !m_hover)
        startHover(shift);
    Q_EMIT MouseMove(mouseButtonCode(event->buttons()), shift, at.x(), at.y());
    // A held mouse button keeps the pointer's events here and Qt sends the leave only after
    // the release: moving off while held ends the hover now.
    if (!inside && m_hover && !m_keyHeld)
        endHover(shift);
}

void LumoButton::mouseReleaseEvent(QMouseEvent *event)
{
    release(mouseButtonCode(event->button()), shiftCode(event->modifiers()),
            event->position().toPoint());
}

void LumoButton::release(int button, int shift, QPoint at)
{
    m_inRelease = true;
    m_pressed = false;
    if (button != RightButton) {
        update();
        if (rect().contains(at)) {
            playSound(m_soundClick);
            Q_EMIT Click();
            followUrl();
        }
    }
    Q_EMIT MouseUp(button, shift, at.x(), at.y());
    m_inRelease = false;
}

void LumoButton::keyPressEvent(QKeyEvent *event)
{
    const int shift = shiftCode(event->modifiers());
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat() && !m_keyHeld) {
        m_keyHeld = true;
        m_pressed = true;
        m_hover = true;
        update();
    }
    Q_EMIT KeyDown(vbKeyCode(event->key()), shift);
    if (!event->text().isEmpty())
        Q_EMIT KeyPress(event->text().at(0).unicode());
    event->accept();
}

void LumoButton::keyReleaseEvent(QKeyEvent *event)
{
    const int shift = shiftCode(event->modifiers());
    Q_EMIT KeyUp(vbKeyCode(event->key()), shift);
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat() && m_keyHeld) {
        m_keyHeld = false;
        m_pressed = false;
        m_hover = false;
        update();
        release(LeftButton, shift, QPoint(0, 0));
    }
    event->accept();
}

void LumoButton::focusInEvent(QFocusEvent *event)
{
    m_focused = true;
    update();
    QAbstractButton::focusInEvent(event);
}

void LumoButton::focusOutEvent(QFocusEvent *event)
{
    m_focused = false;
    m_pressed = false;
    m_keyHeld = false;
    update();
    QAbstractButton::focusOutEvent(event);
}

void LumoButton::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::EnabledChange || event->type() == QEvent::PaletteChange
        || event->type() == QEvent::FontChange)
        update();
    QAbstractButton::changeEvent(event);
}

void LumoButton::leaveEvent(QEvent *event)
{
    // The space bar holds the hover until it comes up, wherever the pointer goes.
    if (m_hover && !m_keyHeld)
        endHover(shiftCode(QGuiApplication::keyboardModifiers()));
    QAbstractButton::leaveEvent(event);
}

void LumoButton::hideEvent(QHideEvent *event)
{
    // A hidden button is under no pointer, and Qt sends no leave when its window goes.
    if (m_hover && !m_keyHeld)
        endHover(shiftCode(QGuiApplication::keyboardModifiers()));
    QAbstractButton::hideEvent(event);
}

void LumoButton::startHover(int shift)
{
    m_hover = true;
    Q_EMIT MouseIn(shift);
    update();
    playSound(m_soundOver);
}

void LumoButton::endHover(int shift)
{
    m_hover = false;
    Q_EMIT MouseOut(shift);
    update(); // a button still held is drawn released while the pointer is away
}

void LumoButton::followUrl()
{
    if (!m_url.isEmpty() && m_openAddress)
        m_openAddress(m_url);
}

void LumoButton::playSound(const QString &file)
{
    if (!m_sound || file.isEmpty() || !m_sound->hasWaveOutput())
        return;
    const QString path = file.startsWith(u'/') ? file : AppFolder(m_soundFolder).path(file);
    if (QFileInfo(path).isFile()) // a missing file plays nothing, not even a beep
        m_sound->playWave(path, 0);
}
