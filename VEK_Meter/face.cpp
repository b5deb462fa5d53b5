// Painting of the value-independent face of the meter: background, range bands, scale
// with ticks and labels, caption.
#include "VEK_Meter.h"
#include "ticks.h"

#include <frame/runtime/rtl.h>

#include <cmath>

namespace vek {

namespace {

constexpr double Pi = 3.14159265358979323846;
// Decade loops and pie limits compare against values shrunk by this factor, so that
// a limit that is an exact power of ten still counts as inside.
constexpr double Shrink = 0.999999999;

} // namespace

void TMeter::PaintFace(TCanvas* c)
{
    PaintBackground(c);
    if (FScaleBkVisible)
        PaintRangeBands(c);
    c->Brush()->SetStyle(bsClear); // labels and caption without a text background
    if (FScaleVisible)
        PaintScale(c);
    PaintCaption(c);
}

void TMeter::PaintBackground(TCanvas* c)
{
    const int W = Width();
    const int H = Height();
    if (FBackGroundImg.isEmpty()) {
        c->Font()->Assign(Font());
        c->Pen()->SetColor(FColorBakG);
        c->Brush()->SetColor(FColorBakG);
        c->Rectangle(0, 0, W, H);
        return;
    }
    switch (FBkgndFillMode) {
    case bfSimple:
        c->Rectangle(0, 0, W, H); // the fresh canvas's black pen and white brush
        c->Draw(0, 0, &FAuxBGBmp);
        break;
    case bfStretch:
        c->StretchDraw(TRect(0, 0, W, H), &FAuxBGBmp);
        break;
    case bfTile: {
        const int bw = FAuxBGBmp.Width();
        const int bh = FAuxBGBmp.Height();
        for (int i = 0; i <= (W - 1) / bw; ++i)
            for (int j = 0; j <= (H - 1) / bh; ++j)
                c->Draw(bw * i, bh * j, &FAuxBGBmp);
        break;
    }
    }
}

void TMeter::PaintRangeBands(TCanvas* c)
{
    const int cx = FMeterCenterX;
    const int cy = FMeterCenterY;
    const double R = FMeterRadius;
    const int R4 = int(Round(R + 4));
    const int Rin = int(Round((100 - FScaleBkWidth) * R / 100));
    const double thetaMin = 90 + FMeterAngle / 2.0;
    const double thetaMax = 90 - FMeterAngle / 2.0;
    const double thetaLow = Theta(FThresholdLow);
    const double thetaHigh = Theta(FThresholdHigh);
    auto band = [&](TColor color, double from, double to) {
        if (std::fabs(from - to) * Pi / 180 <= 1e-6)
            return;
        c->Pen()->SetColor(color);
        c->Brush()->SetColor(color);
        const TPoint p1 = PointAt(from, R);
        const TPoint p2 = PointAt(to, R);
        c->Pie(cx - R4, cy - R4, cx + R4 + 1, cy + R4, p1.x(), p1.y(), p2.x(), p2.y());
    };
    band(FColorSclBkLow, thetaLow, thetaMin);
    band(FColorSclBkNorm, thetaHigh, thetaLow);
    band(FColorSclBkHigh, thetaMax, thetaHigh);
    c->Pen()->SetColor(FColorBakG);
    c->Brush()->SetColor(FColorBakG);
    c->Ellipse(cx - Rin, cy - Rin, cx + Rin + 1, cy + Rin);
}

void TMeter::PaintScale(TCanvas* c)
{
    const double R = FMeterRadius;
    const double min = FMeterMinValue;
    const double max = FMeterMaxValue;
    c->Pen()->SetColor(FColorScale);
    if (FMeterScaleLine) {
        const int Ri = int(Round(R));
        const TPoint from = PointAt(90 - FMeterAngle / 2.0, R);
        const TPoint to = PointAt(90 + FMeterAngle / 2.0, R);
        c->Arc(FMeterCenterX - Ri, FMeterCenterY - Ri, FMeterCenterX + Ri + 1,
               FMeterCenterY + Ri, from.x(), from.y(), to.x(), to.y());
    }
    const meter::TickStep ticks = meter::CalcTickStep(min, max, FMeterNrTicks);
    const bool decades = FLogarithmic && std::fabs(std::log10(max) - std::log10(min)) >= 1;
    // Over many decades the linear minor ticks would all crowd into the last one or two;
    // the decade ticks bring their own minor ticks there.
    const bool manyDecades = decades && meter::DecadeCount(min, max) > 2 * FMeterNrTicks;
    if (FMeterShortTicks && ticks.step != 0 && !manyDecades) {
        const double m = ticks.step / ticks.subdivisions;
        const double g0 = ticks.first - ticks.step;
        for (int i = 0;; ++i) {
            const double t = g0 + i * m;
            if (std::fabs(Frac((t - ticks.first) / ticks.step)) > 1e-5 && t >= min)
                PaintMinorTick(c, t);
            if (!(t + m <= max + 0.001 * m))
                break;
        }
    }
    c->Font()->Assign(Font());
    const QString maxLabel = meter::TickLabel(max, FMeterDecPlaces);
    const double dx = c->TextWidth(maxLabel) / 2.0 + 15;
    const double dy = c->TextHeight(maxLabel) / 2.0 + 15;
    if (manyDecades)
        PaintSparseDecadeTicks(c, dx, dy);
    else if (decades)
        PaintDecadeTicks(c, dx, dy);
    else
        PaintLinearTicks(c, ticks.first, ticks.step, dx, dy);
}

void TMeter::PaintLinearTicks(TCanvas* c, double first, double step, double dx, double dy)
{
    for (int i = 0;; ++i) {
        const double t = first + i * step;
        PaintMajorTick(c, t, true, dx, dy);
        if (step == 0 || !(t + step <= FMeterMaxValue + 0.001 * step))
            break;
    }
}

// A logarithmic scale of a decade or more: ticks at 1..9 times each power of ten with
// labels at 1, 2 and 5.
void TMeter::PaintDecadeTicks(TCanvas* c, double dx, double dy)
{
    const double min = FMeterMinValue;
    const double max = FMeterMaxValue;
    const int firstExponent = int(std::lround(std::log10(meter::FirstDecade(min))));
    for (int j = 0; Shrink * std::pow(10.0, firstExponent + j) <= max; ++j) {
        const double decade = std::pow(10.0, firstExponent + j);
        for (int u = 1; u <= 9; ++u) {
            const double t = u * decade;
            if (t / Shrink > min && t * Shrink < max)
                PaintMajorTick(c, t, u == 1 || u == 2 || u == 5, dx, dy);
        }
    }
}

// More decades than twice the wanted number of intervals leave no room for 1, 2 and 5
// in each: the powers of ten are spaced like a linear scale of exponents, with labelled
// major ticks every few decades and minor ticks between.
void TMeter::PaintSparseDecadeTicks(TCanvas* c, double dx, double dy)
{
    const double min = FMeterMinValue;
    const double max = FMeterMaxValue;
    const int firstExponent = int(std::lround(std::log10(meter::FirstDecade(min))));
    const meter::TickStep ticks =
        meter::CalcTickStep(std::log10(min), std::log10(max), FMeterNrTicks);
    const int step = std::max(1, int(std::lround(ticks.step)));
    const int minorStep = std::max(1, step / ticks.subdivisions);
    for (int e = firstExponent; Shrink * std::pow(10.0, e) <= max; ++e) {
        const double t = std::pow(10.0, e);
        if (!(t / Shrink > min && t * Shrink < max) || e % minorStep != 0)
            continue;
        if (e % step == 0)
            PaintMajorTick(c, t, true, dx, dy);
        else if (FMeterShortTicks)
            PaintMinorTick(c, t);
    }
}

void TMeter::PaintMinorTick(TCanvas* c, double t)
{
    const double theta = Theta(t);
    const TPoint outer = PointAt(theta, FMeterRadius);
    const TPoint inner = PointAt(theta, FMeterRadius - 4);
    c->MoveTo(outer.x(), outer.y());
    c->LineTo(inner.x(), inner.y());
}

void TMeter::PaintMajorTick(TCanvas* c, double t, bool withLabel, double dx, double dy)
{
    const double theta = Theta(t);
    const TPoint outer = PointAt(theta, FMeterRadius);
    const TPoint inner = PointAt(theta, FMeterRadius - 8);
    c->MoveTo(outer.x(), outer.y());
    c->LineTo(inner.x(), inner.y());
    // A full circle puts max where min is: its label would cover min's.
    const bool wrapsOntoMin = FMeterAngle == 360 && Fraction(t) > 1 - 1e-9;
    if (withLabel && !wrapsOntoMin)
        PaintLabel(c, t, dx, dy);
}

void TMeter::PaintLabel(TCanvas* c, double t, double dx, double dy)
{
    const double a = Theta(t) * Pi / 180;
    const int x = int(Round(FMeterCenterX + std::cos(a) * (FMeterRadius - dx)));
    const int y = int(Round(FMeterCenterY - std::sin(a) * (FMeterRadius - dy)));
    QString label = meter::TickLabel(t, FMeterDecPlaces);
    if (OnBeforeDrawScaleLabel)
        OnBeforeDrawScaleLabel(this, c, label, x - c->TextWidth(label) / 2,
                               y - c->TextHeight(label) / 2);
    if (label.isEmpty())
        return;
    c->TextOut(x - c->TextWidth(label) / 2, y - c->TextHeight(label) / 2, label);
}

void TMeter::PaintCaption(TCanvas* c)
{
    c->Font()->Assign(&FFontCaption);
    const int x = FMeterCenterX - c->TextWidth(FCaption) / 2;
    const int y = FMeterCenterY - int(Round(FMeterRadius / 3)) - c->TextHeight(FCaption) / 2;
    c->TextOut(x, y, FCaption);
}

} // namespace vek
