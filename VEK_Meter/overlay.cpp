// Painting of what lies over the needles: cover strips, the sunken edge of the dial
// window, the hub, the limit lamps and the outer frame.
#include "VEK_Meter.h"
#include "meter_p.h"

namespace vek {

namespace {

constexpr TColor EdgeLight = 0xFFFFFF;
constexpr TColor EdgeDark = 0x808080;

void LineTo(TCanvas* c, TColor color, int x, int y)
{
    c->Pen()->SetColor(color);
    c->LineTo(x, y);
}

} // namespace

void TMeter::Private::PaintOverlay(TCanvas* c)
{
    PaintNeedles(c);
    PaintCover(c);
    PaintHub(c);
    if (limWatchHighOn)
        PaintLamp(c, q->Width() - rimSide - 18, overLimit);
    if (limWatchLowOn)
        PaintLamp(c, rimSide + 8, underLimit);
    if (q->OnMeterRendered)
        q->OnMeterRendered(q, c);
    PaintFrame(c);
}

void TMeter::Private::PaintCover(TCanvas* c)
{
    const int W = q->Width();
    const int H = q->Height();
    c->Pen()->SetColor(colorCover);
    c->Brush()->SetColor(colorCover);
    c->Brush()->SetStyle(bsSolid);
    c->Rectangle(0, 0, rimSide - 1, H);
    c->Rectangle(0, 0, W, rimTop);
    c->Rectangle(W - rimSide, 0, W, H);
    c->Rectangle(0, H - rimBottom, W, H);
}

// The sunken edge of the dial window runs white along the bottom and right, gray along
// the top and left. The half disc hub on its post interrupts the bottom edge.
void TMeter::Private::PaintHub(TCanvas* c)
{
    const int W = q->Width();
    const int H = q->Height();
    const int cx = centerX;
    const int cy = centerY;
    const int S = anchorSize;
    const int bottom = H - rimBottom;
    auto edgeFromBottomLeft = [&] {
        LineTo(c, EdgeLight, W - rimSide, bottom);
        LineTo(c, EdgeLight, W - rimSide, rimTop);
        LineTo(c, EdgeDark, rimSide - 1, rimTop);
        LineTo(c, EdgeDark, rimSide - 1, bottom);
    };
    const bool covered = anchorCovered;
    const bool image = covered && !anchorImage.isEmpty();
    if (!covered || image) {
        c->MoveTo(rimSide - 1, bottom);
        edgeFromBottomLeft();
        if (image) {
            const int x = cx - auxACBmp.Width() / 2;
            const int y = cy - auxACBmp.Height() / 2;
            c->SetCopyMode(cmSrcAnd);
            c->Draw(x, y, &auxACMaskBmp);
            c->SetCopyMode(cmSrcPaint);
            c->Draw(x, y, &auxACBmp);
            c->SetCopyMode(cmSrcCopy);
        }
        return;
    }
    c->Pen()->SetColor(colorCover);
    c->Brush()->SetColor(colorCover);
    if (FullDiscHub()) {
        c->Ellipse(cx - S, cy - S, cx + S, cy + S);
        c->MoveTo(rimSide - 1, bottom);
        edgeFromBottomLeft();
        c->Pen()->SetColor(EdgeLight);
        c->Arc(cx - S, cy - S, cx + S, cy + S, cx + S, cy - S, cx - S, cy + S);
        c->Pen()->SetColor(EdgeDark);
        c->Arc(cx - S, cy - S, cx + S, cy + S, cx - S, cy + S, cx + S, cy - S);
        return;
    }
    c->Pie(cx - S, cy - S, cx + S, cy + S, W, cy, 0, cy);
    c->Rectangle(cx - S, cy, cx + S, bottom);
    c->Pen()->SetColor(EdgeDark);
    c->MoveTo(cx + S - 1, cy);
    c->LineTo(cx + S - 1, bottom);
    edgeFromBottomLeft();
    LineTo(c, EdgeLight, cx - S, bottom);
    LineTo(c, EdgeLight, cx - S, cy - 1);
    c->Arc(cx - S, cy - S, cx + S, cy + S, W, cy, 0, cy);
    c->Pen()->SetColor(EdgeDark);
    c->Arc(cx - S, cy - S, cx + S, cy + S, cx + S, cy, cx + S, cy - S);
}

// A 10 x 10 lamp at (left, RimTop + 8), black outlined, with a bevel of white, silver
// and gray lines inside.
void TMeter::Private::PaintLamp(TCanvas* c, int left, bool active)
{
    const int top = rimTop;
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(active ? limWatchActColor : limWatchPsvColor);
    c->Pen()->SetColor(clBlack);
    c->Rectangle(left, top + 8, left + 10, top + 18);
    c->Pen()->SetColor(EdgeLight);
    c->Polyline({TPoint(left + 1, top + 17), TPoint(left + 9, top + 17), TPoint(left + 9, top + 8)});
    c->Pen()->SetColor(clSilver);
    c->Polyline({TPoint(left + 2, top + 16), TPoint(left + 8, top + 16), TPoint(left + 8, top + 9)});
    c->Pen()->SetColor(EdgeDark);
    c->Polyline({TPoint(left + 1, top + 16), TPoint(left + 1, top + 9), TPoint(left + 9, top + 9)});
}

void TMeter::Private::PaintFrame(TCanvas* c)
{
    const int W = q->Width();
    const int H = q->Height();
    auto path = [c](TColor color, std::initializer_list<TPoint> points) {
        c->Pen()->SetColor(color);
        c->Polyline(QVector<TPoint>(points));
    };
    const TColor light = lines.White;
    const TColor dark = lines.Gray;
    switch (frameStyle) {
    case fsNone:
        break;
    case fsSingle:
        path(colorBakG, {{0, H - 1}, {0, 0}, {W - 1, 0}, {W - 1, H - 1}, {0, H - 1}});
        break;
    case fsLowered:
    case fsRaised: {
        const bool lowered = frameStyle == fsLowered;
        path(lowered ? dark : light, {{0, H - 1}, {0, 0}, {W - 1, 0}});
        path(lowered ? light : dark, {{W - 1, 0}, {W - 1, H - 1}, {0, H - 1}});
        break;
    }
    case fsEmbossed:
    case fsEngraved: {
        const bool embossed = frameStyle == fsEmbossed;
        const TColor outer = embossed ? light : dark;
        const TColor inner = embossed ? dark : light;
        path(outer, {{0, 0}, {W - 2, 0}, {W - 2, H - 2}, {0, H - 2}, {0, 0}});
        path(inner, {{1, H - 3}, {1, 1}, {W - 2, 1}});
        path(inner, {{1, H - 1}, {W - 1, H - 1}, {W - 1, 0}});
        break;
    }
    }
}

} // namespace vek
