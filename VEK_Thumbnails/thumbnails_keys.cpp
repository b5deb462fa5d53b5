// Keyboard input of the thumbnail grid. The keys move the outlined slide (FocusedSlide)
// as the mouse does and scroll it into view; Space and Enter act on it as a click and a
// double click in its centre would, so selection and events follow the same paths.
#include "thumbnails_p.h"

#include <frame/controls/keys.h>
#include <frame/core/application.h>
#include <frame/runtime/rtl.h>

#include <QFocusEvent>
#include <QMetaMethod>

#include <algorithm>

namespace vek {

void TThumbnails::KeyDown(int& Key, TShiftState Shift)
{
    TGraphicControl::KeyDown(Key, Shift);
    if (d->min > d->max || !isEnabled())
        return;
    const qint64 here = d->KeyboardSlide();
    const qint64 row = d->numSlidesHoriz, page = row * d->FullRows();
    switch (Key) {
    case VK_LEFT: d->KeyMove(here - 1, Shift); break;
    case VK_RIGHT: d->KeyMove(here + 1, Shift); break;
    case VK_UP: d->KeyMove(here - row, Shift); break;
    case VK_DOWN: d->KeyMove(here + row, Shift); break;
    case VK_PRIOR: d->KeyMove(here - page, Shift); break;
    case VK_NEXT: d->KeyMove(here + page, Shift); break;
    case VK_HOME: d->KeyMove(d->min, Shift); break;
    case VK_END: d->KeyMove(d->max, Shift); break;
    case VK_SPACE: d->KeyClick(int(here), Shift, false); break;
    case VK_RETURN:
        // Without a double click to report Enter goes on to the dialog's default button.
        if (!OnImageDblClick
            && !isSignalConnected(QMetaMethod::fromSignal(&TThumbnails::imageDoubleClicked)))
            return;
        d->KeyClick(int(here), Shift, true);
        break;
    default: return;
    }
    Key = 0;
}

// The outline leaves with the focus unless the mouse is over a slide.
void TThumbnails::focusOutEvent(QFocusEvent* event)
{
    TGraphicControl::focusOutEvent(event);
    if (!underMouse() && d->focusedSlide != 0)
        RunGuarded(this, [this] { d->SetFocused(0); });
}

// The slide the keys start from: the outlined one, else the last clicked one, else the
// first one in view.
qint64 TThumbnails::Private::KeyboardSlide() const
{
    if (IsSlide(focusedSlide))
        return focusedSlide;
    if (IsSlide(lastClicked))
        return lastClicked;
    return std::clamp<qint64>(Trunc(firstThumbIdx), min, max);
}

// Rows whose boxes fit between the bands; at least one.
int TThumbnails::Private::FullRows() const
{
    const int room = q->Height() - 2 * Border - slideDistance - BoxSize();
    return room < 0 ? 1 : room / Pitch() + 1;
}

// Moves the outline, and with Shift in multiple selection extends the selection from
// the last clicked slide as a Shift click does; in single selection the selection
// follows the outline.
void TThumbnails::Private::KeyMove(qint64 target, TShiftState Shift)
{
    const int n = int(std::clamp<qint64>(target, min, max));
    ScrollIntoView(n);
    if (n != focusedSlide)
        SetFocused(n);
    if (slideSelectMode == ssmSingle || (slideSelectMode == ssmMultiple && Shift.testFlag(ssShift)))
        ClickSelect(n, Shift);
}

void TThumbnails::Private::KeyClick(int n, TShiftState Shift, bool doubleClick)
{
    ScrollIntoView(n);
    if (n != focusedSlide)
        SetFocused(n);
    int x = 0, y = 0;
    q->CalcSlidePos(n, x, y);
    x += BoxSize() / 2;
    y += BoxSize() / 2;
    if (doubleClick)
        ReportDoubleClick(n, x, y);
    else
        ReportClick(n, x, y, Shift);
}

// Scrolls by whole rows so that slide n's row is the top one (n above the view, or in a
// top row scrolled partly out) or the bottom one of the rows that fit (n below it).
void TThumbnails::Private::ScrollIntoView(int n)
{
    const qint64 rowStart = Trunc(NormalizedScroll(n)), topRowStart = Trunc(firstThumbIdx);
    if (rowStart < topRowStart || (rowStart == topRowStart && Frac(firstThumbIdx) > 0)) {
        q->SetFirstThumbIdx(double(rowStart));
        return;
    }
    int x = 0, y = 0;
    q->CalcSlidePos(n, x, y);
    if (y + BoxSize() > q->Height() - Border)
        q->SetFirstThumbIdx(double(rowStart - qint64(FullRows() - 1) * numSlidesHoriz));
}

// The grid that has the focus shows a dotted outline in the palette's highlight color
// in the band inside its frame, where no slide reaches.
void TThumbnails::Private::PaintFocusFrame(TCanvas* canvas)
{
    if (!q->hasFocus())
        return;
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(clHighlight);
    canvas->DottedFrameRect(TRect(4, 4, q->Width() - 5, q->Height() - 5));
}

} // namespace vek
