// Painting of the value-independent face of the meter: background, range bands, scale
// with ticks and labels, caption.
#include "VEK_Meter.h"
#include "meter_p.h"
#include "ticks.h"

#include <frame/baselib/drawing.h>
#include <frame/runtime/rtl.h>

#include <cmath>

namespace vek {

namespace {

constexpr double Pi = 3.14159265358979323846;
// Decade loops and pie limits compare against values shrunk by this factor, so that
// a limit that is an exact power of ten still counts as inside.
constexpr double Shrink = 0.999999999;

} // namespace

void TMeter::Private::PaintFace(TCanvas* c)
{
    PaintBackground(c);
    if (scaleBkVisible)
        PaintRangeBands(c);
    c->Brush()->SetStyle(bsClear); // labels and caption without a text background
    if (scaleVisible)
        PaintScale(c);
    PaintCaption(c);
}

void TMeter::Private::PaintBackground(TCanvas* c)
{
    const int W = q->Width();
    const int H = q->Height();
    if (backGroundImg.isEmpty()) {
        c->Font()->Assign(q->Font());
        c->Pen()->SetColor(colorBakG);
        c->Brush()->SetColor(colorBakG);
        c->Rectangle(0, 0, W, H);
        return;
    }
    switch (bkgndFillMode) {
    case bfSimple:
        c->Rectangle(0, 0, W, H); // the fresh canvas's black pen and white brush
        c->Draw(0, 0, &auxBGBmp);
        break;
    case bfStretch:
        c->StretchDraw(TRect(0, 0, W, H), &auxBGBmp);
        break;
    case bfTile: {
        const int bw = auxBGBmp.Width();
        const int bh = auxBGBmp.Height();
        for (int i = 0; i <= (W - 1) / bw; ++i)
            for (int j = 0; j <= (H - 1) / bh; ++j)
                c->Draw(bw * i, bh * j, &auxBGBmp);
        break;
    }
    }
}

void TMeter::Private::PaintRangeBands(TCanvas* c)
{
    const int cx = centerX;
    const int cy = centerY;
    const double R = meterRadius;
    const int R4 = int(Round(R + 4));
    const int Rin = int(Round((100 - scaleBkWidth) * R / 100));
    const double thetaMin = 90 + meterAngle / 2.0;
    const double thetaMax = 90 - meterAngle / 2.0;
    const double thetaLow = Theta(thresholdLow);
    const double thetaHigh = Theta(thresholdHigh);
    auto band = [&](TColor color, double from, double to) {
        if (std::fabs(from - to) * Pi / 180 <= 1e-6)
            return;
        c->Pen()->SetColor(color);
        c->Brush()->SetColor(color);
        const TPoint p1 = PointAt(from, R);
        const TPoint p2 = PointAt(to, R);
        c->Pie(cx - R4, cy - R4, cx + R4 + 1, cy + R4, p1.x(), p1.y(), p2.x(), p2.y());
    };
    band(colorSclBkLow, thetaLow, thetaMin);
    band(colorSclBkNorm, thetaHigh, thetaLow);
    band(colorSclBkHigh, thetaMax, thetaHigh);
    c->Pen()->SetColor(colorBakG);
    c->Brush()->SetColor(colorBakG);
    c->Ellipse(cx - Rin, cy - Rin, cx + Rin + 1, cy + Rin);
}

void TMeter::Private::PaintScale(TCanvas* c)
{
    const double R = meterRadius;
    const double min = meterMinValue;
    const double max = meterMaxValue;
    c->Pen()->SetColor(colorScale);
    if (meterScaleLine) {
        const int Ri = int(Round(R));
        const TPoint from = PointAt(90 - meterAngle / 2.0, R);
        const TPoint to = PointAt(90 + meterAngle / 2.0, R);
        c->Arc(centerX - Ri, centerY - Ri, centerX + Ri + 1,
               centerY + Ri, from.x(), from.y(), to.x(), to.y());
    }
    const meter::TickStep ticks = meter::CalcTickStep(min, max, meterNrTicks);
    const bool decades = logarithmic && std::fabs(std::log10(max) - std::log10(min)) >= 1;
    // Over many decades the linear minor ticks would all crowd into the last one or two;
    // the decade ticks bring their own minor ticks there.
    const bool manyDecades = decades && meter::DecadeCount(min, max) > 2 * meterNrTicks;
    if (meterShortTicks && ticks.step != 0 && !manyDecades)
        PaintMinorTicks(c, ticks);
    SetTextFont(c, q->Font());
    const QString maxLabel = meter::TickLabel(max, meterDecPlaces);
    const double dx = c->TextWidth(maxLabel) / 2.0 + 15;
    const double dy = c->TextHeight(maxLabel) / 2.0 + 15;
    if (manyDecades)
        PaintSparseDecadeTicks(c, dx, dy);
    else if (decades)
        PaintDecadeTicks(c, dx, dy);
    else
        PaintLinearTicks(c, ticks, dx, dy);
}

// Minor ticks from the major tick before the first one on, skipping the major ticks.
void TMeter::Private::PaintMinorTicks(TCanvas* c, const meter::TickStep& ticks)
{
    const double m = ticks.step / ticks.subdivisions;
    for (int j = 0;; ++j) {
        const double t = meter::MinorTick(ticks, j);
        if (j % ticks.subdivisions != 0 && t >= meterMinValue)
            PaintMinorTick(c, t);
        if (!(meter::MinorTick(ticks, j + 1) <= meterMaxValue + 0.001 * m))
            break;
    }
}

void TMeter::Private::PaintLinearTicks(TCanvas* c, const meter::TickStep& ticks, double dx,
                                       double dy)
{
    for (int i = 0;; ++i) {
        PaintMajorTick(c, meter::MajorTick(ticks, i), true, dx, dy);
        if (ticks.step == 0 ||
            !(meter::MajorTick(ticks, i + 1) <= meterMaxValue + 0.001 * ticks.step))
            break;
    }
}

// A logarithmic scale of a decade or more: ticks at 1..9 times each power of ten with
// labels at 1, 2 and 5.
void TMeter::Private::PaintDecadeTicks(TCanvas* c, double dx, double dy)
{
    const double min = meterMinValue;
    const double max = meterMaxValue;
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
void TMeter::Private::PaintSparseDecadeTicks(TCanvas* c, double dx, double dy)
{
    const double min = meterMinValue;
    const double max = meterMaxValue;
    const int firstExponent = int(std::lround(std::log10(meter::FirstDecade(min))));
    const meter::TickStep ticks =
        meter::CalcTickStep(std::log10(min), std::log10(max), meterNrTicks);
    const int step = std::max(1, int(std::lround(ticks.step)));
    const int minorStep = std::max(1, step / ticks.subdivisions);
    for (int e = firstExponent; Shrink * std::pow(10.0, e) <= max; ++e) {
        const double t = std::pow(10.0, e);
        if (!(t / Shrink > min && t * Shrink < max) || e % minorStep != 0)
            continue;
        if (e % step == 0)
            PaintMajorTick(c, t, true, dx, dy);
        else if (meterShortTicks)
            PaintMinorTick(c, t);
    }
}

void TMeter::Private::PaintMinorTick(TCanvas* c, double t)
{
    const double theta = Theta(t);
    const TPoint outer = PointAt(theta, meterRadius);
    const TPoint inner = PointAt(theta, meterRadius - 4);
    c->MoveTo(outer.x(), outer.y());
    c->LineTo(inner.x(), inner.y());
}

void TMeter::Private::PaintMajorTick(TCanvas* c, double t, bool withLabel, double dx, double dy)
{
    const double theta = Theta(t);
    const TPoint outer = PointAt(theta, meterRadius);
    const TPoint inner = PointAt(theta, meterRadius - 8);
    c->MoveTo(outer.x(), outer.y());
    c->LineTo(inner.x(), inner.y());
    // A full circle puts max where min is: its label would cover min's.
    const bool wrapsOntoMin = meterAngle == 360 && Fraction(t) > 1 - 1e-9;
    if (withLabel && !wrapsOntoMin)
        PaintLabel(c, t, dx, dy);
}

void TMeter::Private::PaintLabel(TCanvas* c, double t, double dx, double dy)
{
    const double a = Theta(t) * Pi / 180;
    const int x = int(Round(centerX + std::cos(a) * (meterRadius - dx)));
    const int y = int(Round(centerY - std::sin(a) * (meterRadius - dy)));
    QString label = meter::TickLabel(t, meterDecPlaces);
    if (q->OnBeforeDrawScaleLabel)
        q->OnBeforeDrawScaleLabel(q, c, label, x - c->TextWidth(label) / 2,
                               y - c->TextHeight(label) / 2);
    if (label.isEmpty())
        return;
    PaintText(c, x - c->TextWidth(label) / 2, y - c->TextHeight(label) / 2, label);
}

void TMeter::Private::PaintCaption(TCanvas* c)
{
    SetTextFont(c, &fontCaption);
    const int x = centerX - c->TextWidth(caption) / 2;
    const int y = centerY - int(Round(meterRadius / 3)) - c->TextHeight(caption) / 2;
    PaintText(c, x, y, caption);
}

// The dial is white by default and keeps its colors under a dark palette, like the face
// of a real instrument; text in the palette's (then light) text color would vanish on
// it. So text on a fixed dial is fixed too, dark or light as the dial needs, and text
// follows the palette where the dial does. A fixed font color is the user's choice and
// stays.
TColor TMeter::Private::DialColor() const
{
    return backGroundImg.isEmpty() ? colorBakG : backgroundTone;
}

void TMeter::Private::SetTextFont(TCanvas* c, const TFont* font)
{
    c->Font()->Assign(font);
    c->Font()->SetColor(TextColorOn(font->Color(), DialColor()));
}

void TMeter::Private::PaintText(TCanvas* c, int x, int y, const QString& text)
{
    if (q->isEnabled())
        c->TextOut(x, y, text);
    else
        DrawEngravedTextOn(c, x, y, text, clGray, x + 1, DialColor());
}

} // namespace vek
