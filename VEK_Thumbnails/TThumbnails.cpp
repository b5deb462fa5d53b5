// Properties, selection set, scroll position, size hints and copying of the thumbnail grid.
#include "thumbnails_p.h"

#include <frame/core/change.h>
#include <frame/runtime/rtl.h>

#include <algorithm>
#include <climits>
#include <cmath>

namespace vek {

TThumbnails::TThumbnails(QWidget* parent)
    : TGraphicControl(parent), d(std::make_unique<Private>(this))
{
    SetDefaultSize(260, 400);
    // A browser of images makes use of any room a layout offers.
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    // Windowless as it is, the grid is browsed with the keys too.
    setFocusPolicy(Qt::StrongFocus);
    d->ResizeSelection();
    thumbnails::AnnounceChanges(this);
}

TThumbnails::~TThumbnails() = default;

// ---- properties ------------------------------------------------------------------------

bool TThumbnails::AntiAlias() const { return d->antiAlias; }
TColor TThumbnails::ColorBackGnd() const { return d->colors.BackGnd; }
TColor TThumbnails::ColorCover() const { return d->colors.Cover; }
TColor TThumbnails::ColorFocus() const { return d->colors.Focus; }
TColor TThumbnails::ColorMark() const { return d->colors.Mark; }
TColorScheme TThumbnails::ColorScheme() const { return d->colorScheme; }
TColor TThumbnails::ColorSelected() const { return d->colors.Selected; }
int TThumbnails::FocusLinewidth() const { return d->focusLinewidth; }
TFrameStyle TThumbnails::FrameStyle() const { return d->frameStyle; }
TFrameStyle TThumbnails::InnerFrameStyle() const { return d->innerFrameStyle; }
TFrameStyle TThumbnails::OuterFrameStyle() const { return d->outerFrameStyle; }
int TThumbnails::Max() const { return d->max; }
int TThumbnails::Min() const { return d->min; }
int TThumbnails::SlideDistance() const { return d->slideDistance; }
int TThumbnails::SlideMargin() const { return d->slideMargin; }
TThumbnails::TSlideSelectMode TThumbnails::SlideSelectMode() const { return d->slideSelectMode; }
int TThumbnails::SlideSize() const { return d->slideSize; }
int TThumbnails::FocusedSlide() const { return d->focusedSlide; }
int TThumbnails::NumSlidesHoriz() const { return d->numSlidesHoriz; }
int TThumbnails::NumSlidesVert() const { return d->numSlidesVert; }

void TThumbnails::SetAntiAlias(bool value)
{
    if (Change(d->antiAlias, value))
        Paint();
}

void TThumbnails::SetColorBackGnd(TColor value)
{
    if (Change(d->colors.BackGnd, value))
        Paint();
}

void TThumbnails::SetColorCover(TColor value)
{
    if (Change(d->colors.Cover, value))
        Paint();
}

void TThumbnails::SetColorFocus(TColor value)
{
    if (Change(d->colors.Focus, value))
        Paint();
}

void TThumbnails::SetColorMark(TColor value)
{
    if (Change(d->colors.Mark, value))
        Paint();
}

void TThumbnails::SetColorScheme(TColorScheme value)
{
    if (Change(d->colorScheme, value))
        Paint();
}

void TThumbnails::SetColorSelected(TColor value)
{
    if (Change(d->colors.Selected, value))
        Paint();
}

void TThumbnails::SetFrameStyle(TFrameStyle value)
{
    if (Change(d->frameStyle, value))
        Paint();
}

void TThumbnails::SetInnerFrameStyle(TFrameStyle value)
{
    if (Change(d->innerFrameStyle, value))
        Paint();
}

void TThumbnails::SetOuterFrameStyle(TFrameStyle value)
{
    if (Change(d->outerFrameStyle, value))
        Paint();
}

void TThumbnails::SetFocusLinewidth(int value)
{
    if (Change(d->focusLinewidth, std::clamp(value, 0, 10)))
        Paint();
}

// The three slide measures decide the smallest useful size (one slide box).
void TThumbnails::SetSlideDistance(int value)
{
    if (!Change(d->slideDistance, std::clamp(value, 0, 100)))
        return;
    Paint();
    updateGeometry();
}

void TThumbnails::SetSlideMargin(int value)
{
    if (!Change(d->slideMargin, std::clamp(value, 0, 100)))
        return;
    Paint();
    updateGeometry();
}

void TThumbnails::SetSlideSize(int value)
{
    value = std::max(value, 50);
    if (value > Width())
        value = Width();
    if (!Change(d->slideSize, value))
        return;
    Paint();
    updateGeometry();
}

void TThumbnails::SetSlideSelectMode(TSlideSelectMode value)
{
    if (!Change(d->slideSelectMode, value))
        return;
    d->EditSelection([this] { d->selection.Clear(); });
    Paint();
}

// A new range renumbers the selected slides or drops some.
void TThumbnails::SetMin(int value)
{
    // FirstSelectedSlide answers Min - 1 when none is selected: that must be an int.
    value = std::max(value, INT_MIN + 1);
    if (d->min == value)
        return;
    d->EditSelection([this, value] {
        d->min = value;
        d->ResizeSelection();
    });
    Paint();
}

void TThumbnails::SetMax(int value)
{
    value = std::max(value, 1);
    if (d->max == value)
        return;
    d->EditSelection([this, value] {
        d->max = value;
        d->ResizeSelection();
    });
    Paint();
}

// Bits of slides that stay keep their state. A range narrowed below the scroll position
// would leave an empty grid, so the position is pulled back into the range.
void TThumbnails::Private::ResizeSelection()
{
    const qint64 count = qint64(max) - min + 1;
    selection.SetSize(int(std::clamp<qint64>(count, 0, INT_MAX)));
    if (min <= max && (firstThumbIdx < min || firstThumbIdx > max))
        firstThumbIdx = NormalizedScroll(firstThumbIdx);
}

// ---- selection -------------------------------------------------------------------------

bool TThumbnails::SlideSelected(int n) const
{
    return d->Selectable(n) && d->selection.GetBit(d->Bit(n));
}

void TThumbnails::SetSlideSelected(int n, bool value)
{
    if (!d->Selectable(n) || SlideSelected(n) == value)
        return;
    d->selection.SetBit(d->Bit(n), value);
    Paint();
    emit selectionChanged();
}

void TThumbnails::ResetAllSelections()
{
    d->EditSelection([this] { d->selection.Clear(); });
    Paint();
}

int TThumbnails::FirstSelectedSlide() const { return d->selection.FirstTrueBit() + d->min; }

int TThumbnails::NumSlidesSelected() const { return d->selection.CountTrueBits(); }

// ---- scrolling -------------------------------------------------------------------------

// Rows are aligned to slide 1 (rows start at 1, 1 + N, 1 + 2N, ...); the share of x's
// place in its row becomes the scrolled-out fraction of that row.
double TThumbnails::Private::NormalizedScroll(double x) const
{
    x = std::max(std::min(x, double(max)), double(min));
    const qint64 r = Trunc(x - 1) / numSlidesHoriz;
    const double c = double(qint64(numSlidesHoriz) * r + 1);
    return c + (x - c) / numSlidesHoriz;
}

double TThumbnails::FirstThumbIdx() const { return d->firstThumbIdx; }

void TThumbnails::SetFirstThumbIdx(double value)
{
    if (!std::isnan(value) && Change(d->firstThumbIdx, d->NormalizedScroll(value)))
        Paint();
}

int TThumbnails::Private::ScrollOffset() const
{
    return int(Round(Frac(firstThumbIdx) * Pitch()));
}

void TThumbnails::Private::ScrollRows(int rows)
{
    const double slideAtTop = Int(firstThumbIdx) + Frac(firstThumbIdx) * numSlidesHoriz;
    q->SetFirstThumbIdx(slideAtTop + double(rows) * numSlidesHoriz);
}

// ---- size ------------------------------------------------------------------------------

QSize TThumbnails::sizeHint() const
{
    return TGraphicControl::sizeHint().expandedTo(minimumSizeHint());
}

QSize TThumbnails::minimumSizeHint() const
{
    const int box = d->BoxSize();
    return QSize(2 * Private::Border + box, 2 * Private::Border + d->slideDistance + box);
}

// ---- copying ---------------------------------------------------------------------------

void TThumbnails::Assign(const TPersistent* Source)
{
    const auto* source = dynamic_cast<const TThumbnails*>(Source);
    if (!source) {
        TGraphicControl::Assign(Source);
        return;
    }
    d->EditSelection([this, source] {
        // Everything but the mark color, the selection mode, the selection and the state
        // of input and painting comes from the source.
        Private copy = *source->d;
        copy.q = this;
        copy.colors.Mark = d->colors.Mark;
        copy.slideSelectMode = d->slideSelectMode;
        copy.lastClicked = d->lastClicked;
        copy.painting = d->painting;
        copy.selection = std::move(d->selection);
        // The kept selection must cover the copied slide range.
        *d = std::move(copy);
        d->ResizeSelection();
    });
    OnImageRequest = source->OnImageRequest;
    OnImageClick = source->OnImageClick;
    OnImageDblClick = source->OnImageDblClick;
    OnFocusChange = source->OnFocusChange;
    OnFirstImageRequest = source->OnFirstImageRequest;
    OnLastImageRequest = source->OnLastImageRequest;
    Paint();
    updateGeometry();
}

} // namespace vek
