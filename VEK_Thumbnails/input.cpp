// Hit testing and mouse input of the thumbnail grid: hover outline, clicks, selection
// and wheel scrolling.
#include "VEK_Thumbnails.h"

#include <frame/core/application.h>
#include <frame/runtime/rtl.h>

#include <algorithm>

namespace vek {

void TThumbnails::CalcSlidePos(int SldNum, int& XPos, int& YPos) const
{
    const qint64 a = Round(Int(FFirstThumbIdx));
    const qint64 offset = SldNum - a;
    const int P = Pitch();
    XPos = int(P * (offset % FNumSlidesHoriz)) + Border;
    YPos = int(P * (offset / FNumSlidesHoriz)) + FSlideDistance - ScrollOffset() + Border;
}

int TThumbnails::CalcSlideIndex(int X, int Y) const
{
    const int P = Pitch();
    const int B = BoxSize();
    int column = 0;
    if (X >= Border && X <= Width() - Border) {
        const int a = (X - Border) / P;
        if (P * a + Border <= X && X <= P * a + B + Border && a + 1 <= FNumSlidesHoriz)
            column = a + 1;
    }
    qint64 row = 0;
    if (Y >= Border && Y <= Height() - Border) {
        const qint64 f0 = ScrollOffset();
        const qint64 e = (qint64(Y) - Border + f0 - FSlideDistance) / P;
        const qint64 top = P * e + FSlideDistance - f0 + Border;
        if (top <= Y && Y <= top + B)
            row = e + 1;
    }
    if (column < 1 || row < 1)
        return 0;
    const qint64 n = Trunc(FFirstThumbIdx) + (row - 1) * FNumSlidesHoriz + column - 1;
    return IsSlide(n) ? int(n) : 0;
}

void TThumbnails::SetFocused(int n)
{
    ResetLastHiLite();
    HiLite(n);
    FFocusedSlide = n;
    if (OnFocusChange)
        OnFocusChange(this);
}

void TThumbnails::MouseMove(TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseMove(Shift, X, Y);
    if (FFocusLinewidth == 0)
        return;
    const int n = CalcSlideIndex(X, Y);
    if (n != FFocusedSlide)
        SetFocused(n);
}

// Without this the outline would stay on the last slide after the mouse has left.
void TThumbnails::leaveEvent(QEvent* event)
{
    TGraphicControl::leaveEvent(event);
    if (FFocusLinewidth > 0 && FFocusedSlide != 0)
        RunGuarded(this, [this] { SetFocused(0); });
}

void TThumbnails::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseDown(Button, Shift, X, Y);
    if (Button == mbLeft && Shift.testFlag(ssDouble) && OnImageDblClick)
        OnImageDblClick(this, X, Y, CalcSlideIndex(X, Y));
}

void TThumbnails::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseUp(Button, Shift, X, Y);
    if (Button != mbLeft || (X == -1 && Y == -1))
        return;
    const int n = CalcSlideIndex(X, Y);
    ClickSelect(n, Shift);
    if (OnImageClick)
        OnImageClick(this, X, Y, n);
}

void TThumbnails::ClickSelect(int n, TShiftState Shift)
{
    switch (FSlideSelectMode) {
    case ssmDisabled:
        return;
    case ssmSingle:
        FSelection.Clear();
        if (IsSlide(n))
            FSelection.SetBit(n - FMin, true);
        FLastClicked = n;
        break;
    case ssmMultiple:
        if (!IsSlide(n))
            return;
        if (Shift.testFlag(ssShift) && IsSlide(FLastClicked)) {
            const auto [from, to] = std::minmax(n, FLastClicked);
            for (int k = from; k <= to; ++k)
                FSelection.SetBit(k - FMin, true);
        } else {
            FSelection.SetBit(n - FMin, !FSelection.GetBit(n - FMin));
            FLastClicked = n;
        }
        break;
    }
    Paint();
}

// The wheel scrolls by whole rows unless an OnMouseWheel handler took it; the slide
// under the mouse changes with the scroll, so the hover outline follows.
bool TThumbnails::DoMouseWheelDown(TShiftState Shift, QPoint MousePos)
{
    if (!TGraphicControl::DoMouseWheelDown(Shift, MousePos))
        WheelScroll(1, MousePos);
    return true;
}

bool TThumbnails::DoMouseWheelUp(TShiftState Shift, QPoint MousePos)
{
    if (!TGraphicControl::DoMouseWheelUp(Shift, MousePos))
        WheelScroll(-1, MousePos);
    return true;
}

void TThumbnails::WheelScroll(int rows, QPoint MousePos)
{
    ScrollRows(rows);
    if (FFocusLinewidth == 0)
        return;
    const int n = CalcSlideIndex(MousePos.x(), MousePos.y());
    if (n != FFocusedSlide)
        SetFocused(n);
}

} // namespace vek
