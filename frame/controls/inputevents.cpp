#include "inputevents.h"

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

} // namespace vek
