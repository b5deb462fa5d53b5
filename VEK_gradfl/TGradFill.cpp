// TGradFill: the bands, their colors, the grid lines and the color flipping.
#include "VEK_gradfl.h"

#include "gradfl_p.h"

#include <frame/baselib/drawing.h>
#include <frame/core/change.h>
#include <frame/runtime/rtl.h>

#include <algorithm>

namespace vek {

// Grid lines divide the panel into this many parts in each direction.
static constexpr int GridDivisions = 10;

TGradFill::TGradFill(QWidget* parent) : TGraphicControl(parent), d(std::make_unique<Private>())
{
    SetDefaultSize(121, 121);
    SetGrayWhenDisabled(true);
}

TGradFill::~TGradFill() = default;

TColor TGradFill::ColorFirst() const { return d->colorFirst; }
TColor TGradFill::ColorLast() const { return d->colorLast; }
bool TGradFill::ColorFlipped() const { return d->colorFlipped; }
TGradFill::TGradType TGradFill::FillType() const { return d->fillType; }
TFrameStyle TGradFill::FrameStyle() const { return d->frameStyle; }
TColor TGradFill::GridColor() const { return d->gridColor; }
TGradFill::TGridMode TGradFill::GridMode() const { return d->gridMode; }
int TGradFill::NrColors() const { return d->nrColors; }

// ---- properties: stored and repainted later, as a decorative panel needs no
// synchronous repaint

void TGradFill::SetColorFirst(TColor value)
{
    (d->colorFlipped ? d->colorLastOrg : d->colorFirstOrg) = value;
    if (Change(d->colorFirst, value))
        Invalidate();
}

void TGradFill::SetColorLast(TColor value)
{
    (d->colorFlipped ? d->colorFirstOrg : d->colorLastOrg) = value;
    if (Change(d->colorLast, value))
        Invalidate();
}

void TGradFill::SetColorFlipped(bool value)
{
    if (!Change(d->colorFlipped, value))
        return;
    d->colorFirst = value ? d->colorLastOrg : d->colorFirstOrg;
    d->colorLast = value ? d->colorFirstOrg : d->colorLastOrg;
    Invalidate();
}

void TGradFill::SetFillType(TGradType value)
{
    if (Change(d->fillType, value))
        Invalidate();
}

void TGradFill::SetFrameStyle(TFrameStyle value)
{
    if (Change(d->frameStyle, value))
        Invalidate();
}

void TGradFill::SetGridColor(TColor value)
{
    if (Change(d->gridColor, value))
        Invalidate();
}

void TGradFill::SetGridMode(TGridMode value)
{
    if (Change(d->gridMode, value))
        Invalidate();
}

void TGradFill::SetNrColors(int value)
{
    if (Change(d->nrColors, std::clamp(value, 1, 255)))
        Invalidate();
}

// ---- painting

void TGradFill::Paint()
{
    PaintBands();
    PaintGrid();
    DrawFrame(Canvas(), d->frameStyle, 0, 0, Width() - 1, Height() - 1, 0xFFFFFF, 0xC0C0C0,
              0x808080, 0, 0);
    if (OnPaint)
        OnPaint(this);
}

void TGradFill::PaintBands()
{
    TCanvas* canvas = Canvas();
    canvas->Brush()->SetStyle(bsSolid);
    for (int k = 0; k < d->nrColors; ++k) {
        canvas->Brush()->SetColor(BandColor(k));
        canvas->FillRect(BandRect(k)); // an empty band (more bands than pixels) paints nothing
    }
}

TRect TGradFill::BandRect(int k) const
{
    const int w = Width(), h = Height(), n = d->nrColors;
    if (d->fillType == gtHoriz || d->fillType == gtMidBandHoriz)
        return TRect(0, MulDiv(k, h, n), w, MulDiv(k + 1, h, n));
    return TRect(MulDiv(k, w, n), 0, MulDiv(k + 1, w, n), h);
}

// Each channel steps from the first color by a share of the difference: k/N of it for
// the plain types, rising to all of it in the middle band for the mid-band types.
TColor TGradFill::BandColor(int k) const
{
    const TColor first = ColorToRGB(d->colorFirst), last = ColorToRGB(d->colorLast);
    const int n = d->nrColors, half = n / 2;
    const bool midBand = d->fillType == gtMidBandHoriz || d->fillType == gtMidBandVert;
    auto channel = [&](int shift) {
        const int c0 = int((first >> shift) & 0xFF);
        const int dc = int((last >> shift) & 0xFF) - c0;
        int step = 0;
        if (midBand)
            step = half == 0 ? 0 : MulDiv(k <= half ? k : n - k - 1, dc, half);
        else if (n >= 2)
            step = MulDiv(k, dc, n);
        return TColor((c0 + step) & 0xFF) << shift;
    };
    return channel(0) | channel(8) | channel(16);
}

void TGradFill::PaintGrid()
{
    if (d->gridMode == gmNone)
        return;
    TCanvas* canvas = Canvas();
    canvas->Pen()->SetColor(d->gridColor);
    canvas->Pen()->SetWidth(1);
    const int w = Width(), h = Height();
    for (int i = 1; i < GridDivisions; ++i) {
        if (d->gridMode == gmHoriz || d->gridMode == gmBoth) {
            const int y = MulDiv(i, h, GridDivisions);
            canvas->MoveTo(0, y);
            canvas->LineTo(w, y);
        }
        if (d->gridMode == gmVert || d->gridMode == gmBoth) {
            const int x = MulDiv(i, w, GridDivisions);
            canvas->MoveTo(x, 0);
            canvas->LineTo(x, h);
        }
    }
}

} // namespace vek
