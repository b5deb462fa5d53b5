// Properties, selection set, scroll position and copying of the thumbnail grid.
#include "VEK_Thumbnails.h"

#include <frame/runtime/rtl.h>

#include <algorithm>
#include <climits>
#include <cmath>

namespace vek {

TThumbnails::TThumbnails(QWidget* parent) : TGraphicControl(parent)
{
    SetDefaultSize(260, 400);
    ResizeSelection();
}

template <typename T>
void TThumbnails::Change(T& field, const T& value)
{
    if (field == value)
        return;
    field = value;
    Paint();
}

void TThumbnails::SetAntiAlias(bool value) { Change(FAntiAlias, value); }
void TThumbnails::SetColorBackGnd(TColor value) { Change(FColorBackGnd, value); }
void TThumbnails::SetColorCover(TColor value) { Change(FColorCover, value); }
void TThumbnails::SetColorFocus(TColor value) { Change(FColorFocus, value); }
void TThumbnails::SetColorMark(TColor value) { Change(FColorMark, value); }
void TThumbnails::SetColorScheme(TColorScheme value) { Change(FColorScheme, value); }
void TThumbnails::SetColorSelected(TColor value) { Change(FColorSelected, value); }
void TThumbnails::SetFrameStyle(TFrameStyle value) { Change(FFrameStyle, value); }
void TThumbnails::SetInnerFrameStyle(TFrameStyle value) { Change(FInnerFrameStyle, value); }
void TThumbnails::SetOuterFrameStyle(TFrameStyle value) { Change(FOuterFrameStyle, value); }

void TThumbnails::SetFocusLinewidth(int value)
{
    Change(FFocusLinewidth, std::clamp(value, 0, 10));
}

void TThumbnails::SetSlideDistance(int value)
{
    Change(FSlideDistance, std::clamp(value, 0, 100));
}

void TThumbnails::SetSlideMargin(int value) { Change(FSlideMargin, std::clamp(value, 0, 100)); }

void TThumbnails::SetSlideSize(int value)
{
    value = std::max(value, 50);
    if (value > Width())
        value = Width();
    Change(FSlideSize, value);
}

void TThumbnails::SetSlideSelectMode(TSlideSelectMode value)
{
    if (FSlideSelectMode == value)
        return;
    FSlideSelectMode = value;
    FSelection.Clear();
    Paint();
}

void TThumbnails::SetMin(int value)
{
    if (FMin == value)
        return;
    FMin = value;
    ResizeSelection();
    Paint();
}

void TThumbnails::SetMax(int value)
{
    value = std::max(value, 1);
    if (FMax == value)
        return;
    FMax = value;
    ResizeSelection();
    Paint();
}

// The selection holds one bit per slide; bits of slides that stay keep their state.
// A range narrowed below the scroll position would leave an empty grid, so the position
// is pulled back into the range.
void TThumbnails::ResizeSelection()
{
    const qint64 count = qint64(FMax) - FMin + 1;
    FSelection.SetSize(int(std::clamp<qint64>(count, 0, INT_MAX)));
    if (FMin <= FMax && (FFirstThumbIdx < FMin || FFirstThumbIdx > FMax))
        FFirstThumbIdx = NormalizedScroll(FFirstThumbIdx);
}

// ---- selection -------------------------------------------------------------------------

bool TThumbnails::SlideSelected(int n) const
{
    return IsSlide(n) && FSelection.GetBit(n - FMin);
}

void TThumbnails::SetSlideSelected(int n, bool value)
{
    if (!IsSlide(n) || SlideSelected(n) == value)
        return;
    FSelection.SetBit(n - FMin, value);
    Paint();
}

void TThumbnails::ResetAllSelections()
{
    FSelection.Clear();
    Paint();
}

int TThumbnails::FirstSelectedSlide() const { return FSelection.FirstTrueBit() + FMin; }

int TThumbnails::NumSlidesSelected() const { return FSelection.CountTrueBits(); }

// ---- scrolling -------------------------------------------------------------------------

// Rows are aligned to slide 1 (rows start at 1, 1 + N, 1 + 2N, ...); the share of x's
// place in its row becomes the scrolled-out fraction of that row.
double TThumbnails::NormalizedScroll(double x) const
{
    x = std::max(std::min(x, double(FMax)), double(FMin));
    const qint64 r = Trunc(x - 1) / FNumSlidesHoriz;
    const double c = double(qint64(FNumSlidesHoriz) * r + 1);
    return c + (x - c) / FNumSlidesHoriz;
}

void TThumbnails::SetFirstThumbIdx(double value)
{
    if (std::isnan(value))
        return;
    Change(FFirstThumbIdx, NormalizedScroll(value));
}

int TThumbnails::ScrollOffset() const { return int(Round(Frac(FFirstThumbIdx) * Pitch())); }

void TThumbnails::ScrollRows(int rows)
{
    const double slideAtTop =
        Int(FFirstThumbIdx) + Frac(FFirstThumbIdx) * FNumSlidesHoriz;
    SetFirstThumbIdx(slideAtTop + double(rows) * FNumSlidesHoriz);
}

// ---- copying ---------------------------------------------------------------------------

void TThumbnails::Assign(const TPersistent* Source)
{
    const auto* source = dynamic_cast<const TThumbnails*>(Source);
    if (!source) {
        TGraphicControl::Assign(Source);
        return;
    }
    FFrameStyle = source->FFrameStyle;
    FOuterFrameStyle = source->FOuterFrameStyle;
    FInnerFrameStyle = source->FInnerFrameStyle;
    FColorBackGnd = source->FColorBackGnd;
    FColorScheme = source->FColorScheme;
    FFirstThumbIdx = source->FFirstThumbIdx;
    FMin = source->FMin;
    FMax = source->FMax;
    FNumSlidesHoriz = source->FNumSlidesHoriz;
    FNumSlidesVert = source->FNumSlidesVert;
    FSlideSize = source->FSlideSize;
    FSlideDistance = source->FSlideDistance;
    FSlideMargin = source->FSlideMargin;
    OnImageRequest = source->OnImageRequest;
    OnImageClick = source->OnImageClick;
    OnImageDblClick = source->OnImageDblClick;
    OnFocusChange = source->OnFocusChange;
    OnFirstImageRequest = source->OnFirstImageRequest;
    OnLastImageRequest = source->OnLastImageRequest;
    FAntiAlias = source->FAntiAlias;
    FColorCover = source->FColorCover;
    FColorSelected = source->FColorSelected;
    FColorFocus = source->FColorFocus;
    FFocusedSlide = source->FFocusedSlide;
    FFocusLinewidth = source->FFocusLinewidth;
    // The selection is not copied, but it must cover the copied slide range.
    ResizeSelection();
    Paint();
}

void TThumbnails::AssignTo(TPersistent* Dest) const
{
    if (auto* dest = dynamic_cast<TThumbnails*>(Dest))
        dest->Assign(this);
    else
        TGraphicControl::AssignTo(Dest);
}

} // namespace vek
