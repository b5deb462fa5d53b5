// The input events shared by every control kind (drawn controls and edit boxes), with the
// default reactions of the input virtuals: each raises its On... event when assigned.
#pragma once

#include <frame/core/types.h>

class QKeyEvent;
class QMouseEvent;

namespace vek {

class VEK_EXPORT TInputEvents {
public:
    virtual ~TInputEvents() = default;

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseUp;
    TKeyEvent OnKeyDown;
    TKeyPressEvent OnKeyPress;
    TKeyEvent OnKeyUp;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;

protected:
    /// The object passed as Sender.
    virtual TObject* EventSender() = 0;

    virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void MouseMove(TShiftState Shift, int X, int Y);
    virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void Click();
    virtual void DblClick();
    virtual void KeyDown(int& Key, TShiftState Shift);
    virtual void KeyPress(QChar& Key);
    virtual void KeyUp(int& Key, TShiftState Shift);
    virtual void DoEnter();
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
