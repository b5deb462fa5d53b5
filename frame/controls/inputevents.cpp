#include "inputevents.h"

#include <frame/core/application.h>
#include "keys.h"

#include <QMouseEvent>

namespace vek {

void TInputEvents::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (OnMouseDown)
        OnMouseDown(EventSender(), Button, Shift, X, Y);
}

void TInputEvents::MouseMove(TShiftState Shift, int X, int Y)
{
    if (OnMouseMove)
        OnMouseMove(EventSender(), Shift, X, Y);
}

void TInputEvents::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (OnMouseUp)
        OnMouseUp(EventSender(), Button, Shift, X, Y);
}

void TInputEvents::Click()
{
    if (OnClick)
        OnClick(EventSender());
}

void TInputEvents::DblClick()
{
    if (OnDblClick)
        OnDblClick(EventSender());
}

void TInputEvents::KeyDown(int& Key, TShiftState Shift)
{
    if (OnKeyDown)
        OnKeyDown(EventSender(), Key, Shift);
}

void TInputEvents::KeyPress(QChar& Key)
{
    if (OnKeyPress)
        OnKeyPress(EventSender(), Key);
}

void TInputEvents::KeyUp(int& Key, TShiftState Shift)
{
    if (OnKeyUp)
        OnKeyUp(EventSender(), Key, Shift);
}

void TInputEvents::DoEnter()
{
    if (OnEnter)
        OnEnter(EventSender());
}

void TInputEvents::DoExit()
{
    if (OnExit)
        OnExit(EventSender());
}

bool TInputEvents::DispatchKeyPress(const QKeyEvent* event)
{
    int key = VirtualKeyOf(event);
    QChar ch = KeyPressCharOf(event);
    const bool hadKey = key != 0;
    const bool hadChar = !ch.isNull();
    RunGuarded(EventSender(), [&] {
        if (hadKey)
            KeyDown(key, ShiftStateOf(event->modifiers()));
        if ((key != 0 || !hadKey) && hadChar)
            KeyPress(ch);
    });
    return (hadKey && key == 0) || (hadChar && ch.isNull());
}

void TInputEvents::DispatchKeyRelease(const QKeyEvent* event)
{
    int key = VirtualKeyOf(event);
    if (key != 0)
        RunGuarded(EventSender(), [&] { KeyUp(key, ShiftStateOf(event->modifiers())); });
}

void TInputEvents::DispatchMouseDown(const QMouseEvent* event)
{
    DispatchMouseButton(event, true);
}

void TInputEvents::DispatchMouseMove(const QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    RunGuarded(EventSender(), [&] {
        MouseMove(ShiftStateOf(event->modifiers(), event->buttons()), p.x(), p.y());
    });
}

void TInputEvents::DispatchMouseUp(const QMouseEvent* event)
{
    DispatchMouseButton(event, false);
}

void TInputEvents::DispatchMouseButton(const QMouseEvent* event, bool pressed)
{
    TMouseButton button;
    if (!MouseButtonOf(event->button(), button))
        return;
    const QPoint p = event->position().toPoint();
    const TShiftState shift = ShiftStateOf(event->modifiers(), event->buttons());
    RunGuarded(EventSender(), [&] {
        if (pressed)
            MouseDown(button, shift, p.x(), p.y());
        else
            MouseUp(button, shift, p.x(), p.y());
    });
}

} // namespace vek
