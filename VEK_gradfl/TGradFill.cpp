// TGradFill: the bands, their colors, the grid lines and the color flipping.
#include "VEK_gradfl.h"

#include <frame/baselib/drawing.h>
#include <frame/runtime/rtl.h>

#include <algorithm>

namespace vek {

// Grid lines divide the panel into this many parts in each direction.
static constexpr int GridDivisions = 10;

TGradFill::TGradFill(QWidget* parent) : TGraphicControl(parent)
{
    SetDefaultSize(121, 121);
}

// ---- properties

void TGradFill::SetColorFirst(TColor value)
{
    (FColorFlipped ? FColLastOrg : FColFirstOrg) = value;
    Store(FColorFirst, value);
}

void TGradFill::SetColorLast(TColor value)
{
    (FColorFlipped ? FColFirstOrg : FColLastOrg) = value;
    Store(FColorLast, value);
}

void TGradFill::SetColorFlipped(bool value)
{
    FColorFlipped = value;
    FColorFirst = value ? FColLastOrg : FColFirstOrg;
    Store(FColorLast, value ? FColFirstOrg : FColLastOrg);
}

void TGradFill::SetFillType(TGradType value) { Store(FFillType, value); }
void TGradFill::SetFrameStyle(TFrameStyle value) { Store(FFrameStyle, value); }
void TGradFill::SetGridColor(TColor value) { Store(FGridColor, value); }
void TGradFill::SetGridMode(TGridMode value) { Store(FGridMode, value); }
void TGradFill::SetNrColors(int value) { Store(FNrColors, std::clamp(value, 1, 255)); }

// ---- painting

void TGradFill::Paint()
{
    PaintBands();
    PaintGrid();
    DrawFrame(Canvas(), FFrameStyle, 0, 0, Width() - 1, Height() - 1, 0xFFFFFF, 0xC0C0C0,
              0x808080, 0, 0);
    if (OnPaint)
        OnPaint(this);
}

void TGradFill::PaintBands()
{
    TCanvas* canvas = Canvas();
    canvas->Brush()->SetStyle(bsSolid);
    for (int k = 0; k < FNrColors; ++k) {
        canvas->Brush()->SetColor(BandColor(k));
        canvas->FillRect(BandRect(k)); // an empty band (more bands than pixels) paints nothing
    }
}

TRect TGradFill::BandRect(int k) const
{
    const int w = Width(), h = Height(), n = FNrColors;
    if (FFillType == gtHoriz || FFillType == gtMidBandHoriz)
        return TRect(0, MulDiv(k, h, n), w, MulDiv(k + 1, h, n));
    return TRect(MulDiv(k, w, n), 0, MulDiv(k + 1, w, n), h);
}

// Each channel steps from the first color by a share of the difference: k/N of it for
// the plain types, rising to all of it in the middle band for the mid-band types.
TColor TGradFill::BandColor(int k) const
{
    const TColor first = ColorToRGB(FColorFirst), last = ColorToRGB(FColorLast);
    const int n = FNrColors, half = n / 2;
    const bool midBand = FFillType == gtMidBandHoriz || FFillType == gtMidBandVert;
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
    if (FGridMode == gmNone)
        return;
    TCanvas* canvas = Canvas();
    canvas->Pen()->SetColor(FGridColor);
    canvas->Pen()->SetWidth(1);
    const int w = Width(), h = Height();
    for (int i = 1; i < GridDivisions; ++i) {
        if (FGridMode == gmHoriz || FGridMode == gmBoth) {
            const int y = MulDiv(i, h, GridDivisions);
            canvas->MoveTo(0, y);
            canvas->LineTo(w, y);
        }
        if (FGridMode == gmVert || FGridMode == gmBoth) {
            const int x = MulDiv(i, w, GridDivisions);
            canvas->MoveTo(x, 0);
            canvas->LineTo(x, h);
        }
    }
}

} // namespace vek
