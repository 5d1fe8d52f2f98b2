// The styled button's input: mouse, keyboard, focus and hover, and what a click sets off
// (its sound and its address).
#include "widgets/LumoButton.h"

#include "platform/AppFolder.h"
#include "platform/SoundPlayer.h"
#include "widgets/KeyCodes.h"

#include <QFileInfo>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>

bool LumoButton::event(QEvent *event)
{
    if (event->type() == QEvent::Shortcut) {
        // The access key presses the button as a click in its middle does, so the host acts.
        if (isEnabled())
            release(LeftButton, 0, rect().center());
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
    // Enter presses at once, as on a dialog's buttons; Space presses on its release.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && !event->isAutoRepeat() && !m_keyHeld && isEnabled())
        release(LeftButton, shift, rect().center());
    // The menu key (or Shift+F10) is a right click in the middle: the host's pop-up opens.
    const bool menu = event->key() == Qt::Key_Menu
        || (event->key() == Qt::Key_F10 && (event->modifiers() & Qt::ShiftModifier));
    if (menu && !event->isAutoRepeat() && isEnabled()) {
        const QPoint middle = rect().center();
        Q_EMIT MouseDown(RightButton, shift, middle.x(), middle.y());
        release(RightButton, shift, middle);
    }
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
        // In the middle, where every host's release rule counts it: from the keyboard the
        // button does what a click does.
        release(LeftButton, shift, rect().center());
    }
    event->accept();
}

void LumoButton::focusInEvent(QFocusEvent *event)
{
    m_focused = true;
    m_tabbedTo = tabbedTo(event->reason());
    update();
    QAbstractButton::focusInEvent(event);
}

void LumoButton::focusOutEvent(QFocusEvent *event)
{
    m_focused = false;
    m_tabbedTo = false;
    m_pressed = false;
    m_keyHeld = false;
    update();
    QAbstractButton::focusOutEvent(event);
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
