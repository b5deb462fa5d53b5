// The meter's needles: an arrow polygon from the pivot to the scale, with its shadow.
#include "VEK_Meter.h"

#include <frame/runtime/rtl.h>

#include <cmath>

namespace vek {

namespace {

constexpr double Pi = 3.14159265358979323846;

int R(double v) { return int(Round(v)); }

} // namespace

// Points of the arrow: first barb, tip, second barb, head joint, the two sides of the
// shaft at the pivot, the other head joint. A zero Thickness collapses the shaft.
TMeter::NeedleShape TMeter::ShapeOf(const TNeedleLayout& layout, double value) const
{
    const double L = layout.PercentNeedleLength() * (FMeterRadius - 4) * 0.01;
    const double t = Theta(value) * Pi / 180;
    const double B = layout.HeadAngle() * Pi / 180;
    const double C = std::sin(t) * layout.Thickness() / 2;
    const double D = std::cos(t) * layout.Thickness() / 2;
    const double HS = layout.HeadSize();
    const double HM = layout.HeadMidLeng();
    const double cx = FMeterCenterX;
    const double cy = FMeterCenterY;
    const int xt = R(cx + std::cos(t) * L);
    const int yt = R(cy - std::sin(t) * L);
    NeedleShape shape;
    shape.body = {
        TPoint(R(xt - std::cos(t + B / 2) * HS), R(yt + std::sin(t + B / 2) * HS)),
        TPoint(xt, yt),
        TPoint(R(xt - std::cos(t - B / 2) * HS), R(yt + std::sin(t - B / 2) * HS)),
        TPoint(R(xt - C - std::cos(t) * HM), R(yt - D + std::sin(t) * HM)),
        TPoint(R(cx - C), R(cy - D)),
        TPoint(R(cx + C), R(cy + D)),
        TPoint(R(xt + C - std::cos(t) * HM), R(yt + D + std::sin(t) * HM)),
    };
    const TPoint offset(layout.ShadowDx(), layout.ShadowDy());
    shape.hasShadow = !offset.isNull();
    if (shape.hasShadow) {
        shape.shadow = shape.body;
        for (TPoint& p : shape.shadow)
            p -= offset;
    }
    return shape;
}

// The secondary needle goes first, so that the primary one stays on top where they
// cross. OnBeforeDrawNeedle is asked once for both.
void TMeter::PaintNeedles(TCanvas* c)
{
    bool needleDrawn = false;
    if (OnBeforeDrawNeedle)
        OnBeforeDrawNeedle(this, c, needleDrawn);
    if (needleDrawn)
        return;
    PaintNeedle(c, FNeedleSec, FValueSec);
    PaintNeedle(c, FNeedle, FValue);
}

void TMeter::PaintNeedle(TCanvas* c, const TNeedleLayout& layout, double value)
{
    if (!layout.Visible())
        return;
    c->Brush()->SetStyle(bsSolid);
    const NeedleShape shape = ShapeOf(layout, value);
    if (shape.hasShadow) {
        c->Pen()->SetColor(layout.ShadowColor());
        c->Brush()->SetColor(layout.ShadowColor());
        c->Polygon(shape.shadow);
    }
    c->Pen()->SetColor(layout.ColorOutline());
    c->Brush()->SetColor(layout.ColorBody());
    c->Polygon(shape.body);
}

} // namespace vek
