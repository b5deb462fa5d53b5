// The input events shared by every control kind (drawn controls and edit boxes), with the
// default reactions of the input virtuals: each raises its On... event when assigned.
#pragma once

#include <frame/core/types.h>

class QKeyEvent;
class QMouseEvent;

namespace vek {

/// The mouse, keyboard and focus events of a control, and the virtuals that raise them.
/// A control reacts to input by overriding a virtual; an application by assigning the
/// event. Each virtual's default raises its event when it is assigned.
class VEK_EXPORT TInputEvents {
public:
    virtual ~TInputEvents() = default;

    /// A click: a left press and release on the control, or what the control counts as
    /// one (Space on a focused button).
    TNotifyEvent OnClick;
    /// A double click with the left button.
    TNotifyEvent OnDblClick;
    /// A mouse button went down over the control: button, shift state and position in
    /// the control's pixels.
    TMouseEvent OnMouseDown;
    /// The mouse moved over the control (or anywhere while a button is held on it).
    TMouseMoveEvent OnMouseMove;
    /// A mouse button went up after a press on the control.
    TMouseEvent OnMouseUp;
    /// A key went down; Key is the virtual-key code, which the handler may change or set
    /// to 0 to swallow the key.
    TKeyEvent OnKeyDown;
    /// A character was typed; the handler may change it or set it to 0 to swallow it.
    TKeyPressEvent OnKeyPress;
    /// A key went up; as OnKeyDown.
    TKeyEvent OnKeyUp;
    /// The control got the keyboard focus.
    TNotifyEvent OnEnter;
    /// The control lost the keyboard focus.
    TNotifyEvent OnExit;

protected:
    /// The object passed as Sender.
    virtual TObject* EventSender() = 0;

    /// A mouse button went down at (X, Y); raises OnMouseDown.
    virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
    /// The mouse moved to (X, Y); raises OnMouseMove.
    virtual void MouseMove(TShiftState Shift, int X, int Y);
    /// A mouse button went up at (X, Y); raises OnMouseUp.
    virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
    /// A click; raises OnClick.
    virtual void Click();
    /// A double click; raises OnDblClick.
    virtual void DblClick();
    /// A key went down; raises OnKeyDown, which may change or clear Key.
    virtual void KeyDown(int& Key, TShiftState Shift);
    /// A character was typed; raises OnKeyPress, which may change or clear Key.
    virtual void KeyPress(QChar& Key);
    /// A key went up; raises OnKeyUp.
    virtual void KeyUp(int& Key, TShiftState Shift);
    /// The control got the focus; raises OnEnter.
    virtual void DoEnter();
    /// The control lost the focus; raises OnExit.
    virtual void DoExit();

    // Qt's input events turned into the virtuals above, for controls on a Qt widget of
    // their own (a combo box, a tree view). An exception from a handler goes to
    // Application()->HandleException.
    /// KeyDown, then KeyPress for the character unless KeyDown cleared the key; true when
    /// a handler swallowed the key stroke (cleared the key or the character).
    bool DispatchKeyPress(const QKeyEvent* event);
    /// KeyUp for keys with a virtual-key code.
    void DispatchKeyRelease(const QKeyEvent* event);
    /// MouseDown, MouseMove and MouseUp at the event's position, for the buttons the
    /// host knows.
    void DispatchMouseDown(const QMouseEvent* event);
    void DispatchMouseMove(const QMouseEvent* event);
    void DispatchMouseUp(const QMouseEvent* event);

private:
    void DispatchMouseButton(const QMouseEvent* event, bool pressed);
};

} // namespace vek
