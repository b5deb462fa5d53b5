// The meter's needles: an arrow polygon from the pivot to the scale, with its shadow.
#include "VEK_Meter.h"
#include "meter_p.h"

#include <frame/runtime/rtl.h>

#include <cmath>

namespace vek {

namespace {

constexpr double Pi = 3.14159265358979323846;

int R(double v) { return int(Round(v)); }

} // namespace

// Points of the arrow: first barb, tip, second barb, head joint, the two sides of the
// shaft at the pivot, the other head joint. A zero Thickness collapses the shaft.
TMeter::Private::NeedleShape TMeter::Private::ShapeOf(const TNeedleLayout& layout, double v) const
{
    const double L = layout.PercentNeedleLength() * (meterRadius - 4) * 0.01;
    const double t = Theta(v) * Pi / 180;
    const double B = layout.HeadAngle() * Pi / 180;
    const double C = std::sin(t) * layout.Thickness() / 2;
    const double D = std::cos(t) * layout.Thickness() / 2;
    const double HS = layout.HeadSize();
    const double HM = layout.HeadMidLeng();
    const double cx = centerX;
    const double cy = centerY;
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
void TMeter::Private::PaintNeedles(TCanvas* c)
{
    bool needleDrawn = false;
    if (q->OnBeforeDrawNeedle)
        q->OnBeforeDrawNeedle(q, c, needleDrawn);
    if (needleDrawn)
        return;
    PaintNeedle(c, needleSec, valueSec);
    PaintNeedle(c, needle, value);
}

void TMeter::Private::PaintNeedle(TCanvas* c, const TNeedleLayout& layout, double v)
{
    if (!layout.Visible())
        return;
    c->Brush()->SetStyle(bsSolid);
    const NeedleShape shape = ShapeOf(layout, v);
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
