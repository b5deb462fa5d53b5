// TProgBar painting: margin, inner background and picture, the bar with its gradient
// and grid, the frames and the rotated value text, drawn in that order.
#include "VEK_ProgBar.h"
#include "progbar_p.h"

#include "barlayout.h"
#include "bartext.h"

namespace vek {

namespace {

using progbar::TBarAxis;
using progbar::TVisibleSpan;

// (Value - Min) / (Max - Min); an empty range shows a full bar once Value reaches it.
double Fraction(double value, double min, double max)
{
    if (max == min)
        return value >= max ? 1.0 : 0.0;
    return (value - min) / (max - min);
}

void FillWith(TCanvas* canvas, const TRect& r, TColor color)
{
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(color);
    canvas->FillRect(r);
}

// One line across the bar per pixel along it, in the gradient color of its index. The
// colors are laid out in a one-pixel strip in screen order and stretched across the bar
// in one transfer, which costs a fraction of one fill per line on long bars.
void PaintGradient(TCanvas* canvas, const TBarAxis& axis, const TVisibleSpan& span,
                   TProgBar::TColorMapping mode, const TColor* colors)
{
    const int count = span.End - span.First;
    if (count <= 0)
        return;
    QImage strip(axis.Horizontal ? count : 1, axis.Horizontal ? 1 : count, QImage::Format_RGB32);
    auto* pixels = reinterpret_cast<QRgb*>(strip.bits());
    for (int k = span.First; k < span.End; ++k) {
        const int n = progbar::GradientIndex(mode, k, axis.Length, axis.Extent);
        // Growing toward smaller coordinates puts pixel k further to the strip's start.
        const int slot = axis.Step > 0 ? k - span.First : span.End - 1 - k;
        pixels[slot] = ToQRgb(colors[n]);
    }
    canvas->SetStretchBltMode(smColorOnColor);
    canvas->StretchBlt(progbar::SpanRect(axis, span.First, span.End), strip,
                       TRect(0, 0, strip.width(), strip.height()), cmSrcCopy);
}

// Lines across the bar at distances 0, gridDist, ... from its origin, as far as
// GridReach and the control's edge allow.
void PaintGrid(TCanvas* canvas, const TBarAxis& axis, int limit, int gridDist, TColor color)
{
    if (axis.GridReach < 0)
        return;
    const TVisibleSpan span = progbar::VisibleSpan(axis, axis.GridReach + 1, limit);
    const int firstLine = (span.First + gridDist - 1) / gridDist;
    for (qint64 k = qint64(firstLine) * gridDist; k < span.End; k += gridDist)
        FillWith(canvas, progbar::LineAcross(axis, axis.Origin + axis.Step * int(k)), color);
}

} // namespace

void TProgBar::Paint()
{
    if (!Visible() && !d->Designing())
        return;
    TCanvas* canvas = Canvas();
    const TRect inner(d->marginLeft, d->marginTop, Width() - d->marginRight,
                      Height() - d->marginBottom);
    d->PaintBackground(canvas, inner);
    d->PaintBar(canvas, inner);
    d->PaintFrame(canvas, d->frameStyleInner, inner);
    d->PaintFrame(canvas, d->frameStyleOuter, ClientRect());
    if (d->textVisible)
        d->PaintValueText(canvas);
}

void TProgBar::Private::PaintBackground(TCanvas* canvas, const TRect& inner)
{
    FillWith(canvas, q->ClientRect(), colorMargin);
    FillWith(canvas, inner, colorBackGnd);
    // Without a picture to draw the plain background stays.
    if (!backGroundImg.isEmpty() && !auxBmp.Empty() && !inner.IsEmpty()) {
        canvas->SetCopyMode(cmSrcCopy);
        canvas->StretchDraw(inner, &auxBmp);
    }
}

void TProgBar::Private::PaintBar(TCanvas* canvas, const TRect& inner)
{
    const TBarAxis axis = progbar::BarAxis(direction, inner, Fraction(value, min, max));
    const int limit = axis.Horizontal ? q->Width() : q->Height();
    // Only pixels on the control are drawn: a value far above Max gives a bar much
    // longer than the control.
    const TVisibleSpan span = progbar::VisibleSpan(axis, axis.Length, limit);
    if (showColorGradient)
        PaintGradient(canvas, axis, span, colorMapMode, barColors.data());
    else if (span.First < span.End)
        FillWith(canvas, progbar::SpanRect(axis, span.First, span.End), barColors.front());
    if (gridDist > 1)
        PaintGrid(canvas, axis, limit, gridDist, colorGrid);
}

// A disabled bar engraves the text; the light copy lies one pixel down and right on the
// screen, whatever the text's angle.
void TProgBar::Private::PaintValueText(TCanvas* canvas)
{
    QString text = q->ValueText();
    if (q->OnShowValue)
        q->OnShowValue(q, text);
    canvas->Font()->Assign(q->Font());
    canvas->Font()->SetOrientation(textAngle * 10);
    canvas->Brush()->SetStyle(bsClear);
    const QPoint origin =
        progbar::TextCellOrigin(textAlignment, QPoint(textPosX, textPosY), textAngle,
                                canvas->TextWidth(text), canvas->TextHeight(text));
    if (q->isEnabled())
        canvas->TextOut(origin.x(), origin.y(), text);
    else
        DrawEngravedText(canvas, origin.x(), origin.y(), text, clGray, origin.x() + 1);
}

} // namespace vek
