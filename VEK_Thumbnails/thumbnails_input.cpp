// Hit testing and mouse input of the thumbnail grid: hover outline, clicks, selection
// and wheel scrolling.
#include "thumbnails_p.h"

#include <frame/baselib/mathlib.h>
#include <frame/core/application.h>
#include <frame/runtime/rtl.h>

#include <algorithm>

namespace vek {

void TThumbnails::CalcSlidePos(int SldNum, int& XPos, int& YPos) const
{
    const qint64 a = Round(Int(d->firstThumbIdx));
    const qint64 offset = SldNum - a;
    // Rounded down, so that slides above the view get the rows above it.
    const qint64 row = FloorDiv(offset, d->numSlidesHoriz);
    const int P = d->Pitch();
    XPos = int(P * (offset - row * d->numSlidesHoriz)) + Private::Border;
    YPos = int(P * row) + d->slideDistance - d->ScrollOffset() + Private::Border;
}

int TThumbnails::CalcSlideIndex(int X, int Y) const
{
    constexpr int Border = Private::Border;
    const int P = d->Pitch();
    const int B = d->BoxSize();
    int column = 0;
    if (X >= Border && X <= Width() - Border) {
        const int a = (X - Border) / P;
        if (P * a + Border <= X && X <= P * a + B + Border && a + 1 <= d->numSlidesHoriz)
            column = a + 1;
    }
    qint64 row = 0;
    if (Y >= Border && Y <= Height() - Border) {
        const qint64 f0 = d->ScrollOffset();
        const qint64 e = (qint64(Y) - Border + f0 - d->slideDistance) / P;
        const qint64 top = P * e + d->slideDistance - f0 + Border;
        if (top <= Y && Y <= top + B)
            row = e + 1;
    }
    if (column < 1 || row < 1)
        return 0;
    const qint64 n = Trunc(d->firstThumbIdx) + (row - 1) * d->numSlidesHoriz + column - 1;
    return d->IsSlide(n) ? int(n) : 0;
}

void TThumbnails::Private::SetFocused(int n)
{
    q->ResetLastHiLite();
    q->HiLite(n);
    focusedSlide = n;
    if (q->OnFocusChange)
        q->OnFocusChange(q);
    emit q->focusedSlideChanged(n);
}

void TThumbnails::MouseMove(TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseMove(Shift, X, Y);
    if (d->focusLinewidth == 0)
        return;
    const int n = CalcSlideIndex(X, Y);
    if (n != d->focusedSlide)
        d->SetFocused(n);
}

// Without this the outline would stay on the last slide after the mouse has left. The
// grid that has the focus keeps it: there it marks where the keys are.
void TThumbnails::leaveEvent(QEvent* event)
{
    TGraphicControl::leaveEvent(event);
    if (d->focusLinewidth > 0 && d->focusedSlide != 0 && !hasFocus())
        RunGuarded(this, [this] { d->SetFocused(0); });
}

// A disabled grid takes no mouse input, so nothing is under the mouse any more.
void TThumbnails::EnabledChanged()
{
    if (!isEnabled() && d->focusedSlide != 0)
        d->SetFocused(0);
    TGraphicControl::EnabledChanged();
}

void TThumbnails::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || !Shift.testFlag(ssDouble))
        return;
    d->ReportDoubleClick(CalcSlideIndex(X, Y), X, Y);
}

void TThumbnails::Private::ReportDoubleClick(int n, int X, int Y)
{
    if (q->OnImageDblClick)
        q->OnImageDblClick(q, X, Y, n);
    emit q->imageDoubleClicked(X, Y, n);
}

void TThumbnails::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseUp(Button, Shift, X, Y);
    if (Button != mbLeft || (X == -1 && Y == -1))
        return;
    d->ReportClick(CalcSlideIndex(X, Y), X, Y, Shift);
}

void TThumbnails::Private::ReportClick(int n, int X, int Y, TShiftState Shift)
{
    ClickSelect(n, Shift);
    if (q->OnImageClick)
        q->OnImageClick(q, X, Y, n);
    emit q->imageClicked(X, Y, n);
}

void TThumbnails::Private::ClickSelect(int n, TShiftState Shift)
{
    switch (slideSelectMode) {
    case ssmDisabled:
        return;
    case ssmSingle:
        EditSelection([&] {
            selection.Clear();
            if (Selectable(n))
                selection.SetBit(Bit(n), true);
        });
        lastClicked = n;
        break;
    case ssmMultiple:
        if (!Selectable(n))
            return;
        if (Shift.testFlag(ssShift) && Selectable(lastClicked)) {
            // Plain variables rather than a structured binding: clang before 16 cannot
            // capture bindings in a lambda, and the fuzz build uses clang 14.
            const int from = std::min(n, lastClicked), to = std::max(n, lastClicked);
            EditSelection([&] { selection.SetBits(Bit(from), Bit(to), true); });
        } else {
            EditSelection([&] { selection.SetBit(Bit(n), !selection.GetBit(Bit(n))); });
            lastClicked = n;
        }
        break;
    }
    q->Paint();
}

// The wheel scrolls by whole rows unless an OnMouseWheel handler took it; the slide
// under the mouse changes with the scroll, so the hover outline follows.
bool TThumbnails::DoMouseWheelDown(TShiftState Shift, QPoint MousePos)
{
    if (!TGraphicControl::DoMouseWheelDown(Shift, MousePos))
        d->WheelScroll(1, MousePos);
    return true;
}

bool TThumbnails::DoMouseWheelUp(TShiftState Shift, QPoint MousePos)
{
    if (!TGraphicControl::DoMouseWheelUp(Shift, MousePos))
        d->WheelScroll(-1, MousePos);
    return true;
}

void TThumbnails::Private::WheelScroll(int rows, QPoint MousePos)
{
    ScrollRows(rows);
    if (focusLinewidth == 0)
        return;
    const int n = q->CalcSlideIndex(MousePos.x(), MousePos.y());
    if (n != focusedSlide)
        SetFocused(n);
}

} // namespace vek
