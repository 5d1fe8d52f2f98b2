#include "widgets/ImageButton.h"

#include "widgets/KeyCodes.h"
#include "widgets/ReleaseRule.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

namespace {

constexpr int kTwipsPerPixel = 15;
constexpr int kLeftButton = 1;

QPoint toTwips(const QMouseEvent *event)
{
    return event->position().toPoint() * kTwipsPerPixel;
}

} // namespace

ImageButton::ImageButton(QWidget *parent)
    : QAbstractButton(parent)
{
    // Reached with Tab and pressed with Space or Enter; a click leaves the focus where it was.
    setFocusPolicy(Qt::TabFocus);
    // Assistive technology presses through QAbstractButton::click(); run the same release
    // as a click just inside the button. A host that clicks from its MouseUp handler must
    // not start another release.
    connect(this, &QAbstractButton::clicked, this, [this] {
        if (!m_inRelease)
            release(kLeftButton, 0, kPressPoint);
    });
}

ImageButton::~ImageButton() = default;

void ImageButton::setPictures(const QPixmap &normal, const QPixmap &pressed, const QPixmap &lit)
{
    m_normal = normal;
    m_pressed = pressed;
    m_lit = lit;
    updateGeometry();
    if (!sizeHint().isEmpty())
        resize(sizeHint());
    update();
}

QPixmap ImageButton::picture(Look which) const
{
    switch (which) {
    case Look::Lit:
        return m_lit;
    case Look::Pressed:
        return m_pressed;
    case Look::Normal:
        break;
    }
    return m_normal;
}

void ImageButton::setLook(Look look)
{
    if (m_look == look)
        return;
    m_look = look;
    update();
}

ImageButton::Look ImageButton::currentPicture() const
{
    // isDown() covers the short press shown by an animated (assistive) click.
    if (m_held || isDown())
        return Look::Pressed;
    return m_look;
}

QSize ImageButton::sizeHint() const
{
    for (const QPixmap *p : {&m_normal, &m_pressed, &m_lit}) {
        if (!p->isNull())
            return p->deviceIndependentSize().toSize();
    }
    return {};
}

void ImageButton::paintEvent(QPaintEvent *)
{
    QPixmap shown = picture(currentPicture());
    if (shown.isNull())
        shown = m_normal; // a host that gave one picture still shows something
    if (shown.isNull())
        return;
    QPainter p(this);
    if (shown.deviceIndependentSize().toSize() == size()) {
        p.drawPixmap(0, 0, shown);
    } else {
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawPixmap(rect(), shown);
    }
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect().adjusted(1, 1, -1, -1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &p, this);
    }
}

void ImageButton::keyPressEvent(QKeyEvent *event)
{
    // Space is QAbstractButton's own; Enter presses too, as on any dialog's buttons.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        && !event->isAutoRepeat()) {
        click();
        event->accept();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void ImageButton::focusInEvent(QFocusEvent *event)
{
    update();
    QAbstractButton::focusInEvent(event);
}

void ImageButton::focusOutEvent(QFocusEvent *event)
{
    update();
    QAbstractButton::focusOutEvent(event);
}

// A disabled button never gets here: QAbstractButton swallows its mouse events. The second
// press of a double click comes here too (QWidget's default), a press like any other.
void ImageButton::mousePressEvent(QMouseEvent *event)
{
    const int button = mouseButtonCode(event->button());
    if (button == kLeftButton) {
        m_held = true;
        update();
    }
    const QPoint at = toTwips(event);
    Q_EMIT MouseDown(button, shiftCode(event->modifiers()), at.x(), at.y());
}

void ImageButton::mouseReleaseEvent(QMouseEvent *event)
{
    release(mouseButtonCode(event->button()), shiftCode(event->modifiers()), toTwips(event));
}

void ImageButton::release(int button, int shift, QPoint at)
{
    m_inRelease = true;
    if (button == kLeftButton)
        letGo();
    Q_EMIT MouseUp(button, shift, at.x(), at.y());
    m_inRelease = false;
}

void ImageButton::letGo()
{
    if (!m_held)
        return;
    m_held = false;
    update();
}

void ImageButton::changeEvent(QEvent *event)
{
    // Disabled while held (a host reacting to MouseDown): the release will not come.
    if (event->type() == QEvent::EnabledChange) {
        if (!isEnabled())
            m_held = false;
        update();
    }
    QAbstractButton::changeEvent(event);
}

void ImageButton::hideEvent(QHideEvent *event)
{
    // Hidden while held, the mouse grab goes and the release never arrives.
    letGo();
    QAbstractButton::hideEvent(event);
}
