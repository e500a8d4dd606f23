#include "widgets/styled_button/styled_button.h"

#include "widgets/styled_button/windows_input_codes.h"

#include <QApplication>
#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>

// Mouse, keyboard and focus handling of the styled button, and its hover tracking.

namespace Tavo {

namespace {

constexpr short kLeft = 1;
constexpr short kRight = 2;
constexpr short kSpace = 32;

// Wayland keeps the global pointer position from applications.
bool hasGlobalPointerPosition()
{
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

} // namespace

bool StyledButton::isInsideShape(QPoint pos) const
{
    return mask().isEmpty() ? rect().contains(pos) : mask().contains(pos);
}

bool StyledButton::IsPointerOver() const
{
    // A disabled window is never the one under the pointer, as in the window system's hit test.
    if (!isEnabled() || !isVisible())
        return false;
    if (hasGlobalPointerPosition())
        return QApplication::widgetAt(QCursor::pos()) == this; // honours the mask
    return m_pointerInside && isInsideShape(m_lastPointerPos);
}

void StyledButton::pressButton(short button, short shift, float x, float y)
{
    Q_EMIT MouseDown(button, shift, x, y);
    m_LastButton = quint8(button);
    if (button != kRight)
        Redraw(StateDown, false);
}

void StyledButton::mousePressEvent(QMouseEvent *event)
{
    // The first button held starts a press (a release may have been lost while the button
    // was disabled or hidden).
    if (event->buttons() == event->button()) {
        m_pressedButton = event->button();
        m_afterDoubleClick = false;
    }
    m_lastPointerPos = event->position().toPoint();
    pressButton(WindowsInput::buttonBits(event->button()),
                WindowsInput::shiftBits(event->modifiers()), float(event->position().x()),
                float(event->position().y()));
}

// Qt reports the second press of a double click as this event alone.
void StyledButton::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->buttons() == event->button())
        m_pressedButton = event->button();
    m_afterDoubleClick = true; // its release clicks nothing
    if (m_LastButton != kLeft)
        return;
    pressButton(kLeft, 0, 0.0f, 0.0f);
    if (isVisible()) {
        grabMouse();
        m_grabbedAfterDoubleClick = true;
    }
}

void StyledButton::mouseMoveEvent(QMouseEvent *event)
{
    m_lastPointerPos = event->position().toPoint();
    short button = WindowsInput::buttonBits(event->buttons());
    short shift = WindowsInput::shiftBits(event->modifiers());
    float x = float(event->position().x());
    float y = float(event->position().y());
    Q_EMIT MouseMove(button, shift, x, y);
    if (button >= kRight)
        return;
    if (!IsPointerOver()) {
        Redraw(StateUp, false);
        return;
    }
    if (button == 0 && !m_model.Hovering) {
        OverTimer.start();
        m_model.Hovering = true;
        Redraw(StateUp, true);
        Q_EMIT MouseOver();
    } else if (button == kLeft) {
        m_model.Hovering = true;
        Redraw(StateDown, false);
        m_model.Hovering = false;
    }
}

void StyledButton::mouseReleaseEvent(QMouseEvent *event)
{
    m_lastPointerPos = event->position().toPoint();
    const bool endsPress = event->button() == m_pressedButton;
    const bool clicks = endsPress && !m_afterDoubleClick && isInsideShape(m_lastPointerPos);
    if (endsPress) {
        m_pressedButton = Qt::NoButton;
        if (m_grabbedAfterDoubleClick) {
            releaseMouse();
            m_grabbedAfterDoubleClick = false;
        }
    }
    short button = WindowsInput::buttonBits(event->button());
    short shift = WindowsInput::shiftBits(event->modifiers());
    float x = float(event->position().x());
    float y = float(event->position().y());
    Q_EMIT MouseUp(button, shift, x, y);
    if (button != kRight)
        Redraw(StateUp, false);
    if (clicks)
        clickButton();
}

void StyledButton::clickButton()
{
    if (m_LastButton != kLeft || !m_model.Enabled)
        return;
    if (m_model.CheckBoxBehaviour)
        m_model.Value = !m_model.Value;
    Redraw(StateUp, true);
    repaint(); // the released look is on screen while the window handles Click
    Q_EMIT Click();
}

void StyledButton::accessKeyPressed()
{
    m_LastButton = kLeft;
    clickButton();
}

void StyledButton::overTimerTick()
{
    if (IsPointerOver())
        return;
    OverTimer.stop();
    m_model.Hovering = false;
    Redraw(StateUp, true);
    Q_EMIT MouseOut();
}

void StyledButton::enterEvent(QEnterEvent *event)
{
    m_pointerInside = true;
    m_lastPointerPos = event->position().toPoint();
    QWidget::enterEvent(event);
}

void StyledButton::leaveEvent(QEvent *event)
{
    m_pointerInside = false;
    // Without a global pointer position the timer cannot see the pointer go; the leave event
    // ends the tracking instead.
    if (!hasGlobalPointerPosition() && OverTimer.isActive())
        overTimerTick();
    QWidget::leaveEvent(event);
}

void StyledButton::moveFocus(bool next)
{
    // Like a typed Tab or Shift+Tab: the window moves the focus once this key is handled.
    QCoreApplication::postEvent(
        this, next ? new QKeyEvent(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier)
                   : new QKeyEvent(QEvent::KeyPress, Qt::Key_Backtab, Qt::ShiftModifier));
}

void StyledButton::keyPressEvent(QKeyEvent *event)
{
    // A held Space repeats as release and press pairs on some platforms: one press is one
    // click.
    if (event->isAutoRepeat() && event->key() == Qt::Key_Space) {
        event->accept();
        return;
    }
    short keyCode = WindowsInput::keyCode(event->key(), event->modifiers());
    short shift = WindowsInput::shiftBits(event->modifiers());
    Q_EMIT KeyDown(keyCode, shift);
    m_LastKeyCode = quint8(keyCode);
    bool handled = true;
    switch (keyCode) {
    case kSpace:
        Redraw(StateDown, false);
        break;
    case 37: // Left
    case 38: // Up
        moveFocus(false);
        break;
    case 39: // Right
    case 40: // Down
        moveFocus(true);
        break;
    default:
        handled = false;
        break;
    }
    short character = WindowsInput::characterCode(event->text());
    if (character >= 0)
        Q_EMIT KeyPress(character);
    // Other keys go on to the window (Enter and Escape reach its default and cancel buttons).
    event->setAccepted(handled);
}

void StyledButton::keyReleaseEvent(QKeyEvent *event)
{
    if (event->isAutoRepeat()) {
        event->accept();
        return;
    }
    short keyCode = WindowsInput::keyCode(event->key(), event->modifiers());
    short shift = WindowsInput::shiftBits(event->modifiers());
    Q_EMIT KeyUp(keyCode, shift);
    if (m_LastKeyCode != kSpace || keyCode != kSpace) {
        event->ignore();
        return;
    }
    // A KeyDown handler may have disabled the button meanwhile: a disabled button clicks no more.
    if (!m_model.Enabled)
        return;
    if (m_model.CheckBoxBehaviour)
        m_model.Value = !m_model.Value;
    Redraw(StateUp, false);
    repaint();
    Q_EMIT Click();
}

void StyledButton::focusInEvent(QFocusEvent *event)
{
    m_model.HasFocus = true;
    redrawAsLastDrawn();
    QWidget::focusInEvent(event);
}

void StyledButton::focusOutEvent(QFocusEvent *event)
{
    m_model.HasFocus = false;
    redrawAsLastDrawn();
    QWidget::focusOutEvent(event);
}

} // namespace Tavo
