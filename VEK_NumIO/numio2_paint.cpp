// TNumIO2 painting: the face is composed in an off-screen bitmap and copied in one step.
#include "numio2_p.h"

#include <frame/baselib/textcolors.h>
#include <frame/canvas/bitmap.h>
#include <frame/runtime/rtl.h>

#include <QFontMetrics>

namespace vek {

namespace {

constexpr TColor DisabledInk = 0x808080;
constexpr TColor DisabledFace = 0xC0C0C0;

void Line(TCanvas* canvas, int x1, int y1, int x2, int y2)
{
    canvas->MoveTo(x1, y1);
    canvas->LineTo(x2, y2);
}

void Polyline3(TCanvas* canvas, int x1, int y1, int x2, int y2, int x3, int y3)
{
    canvas->MoveTo(x1, y1);
    canvas->LineTo(x2, y2);
    canvas->LineTo(x3, y3);
}

} // namespace

void TNumIO2::Paint()
{
    if (d->suppressPaint || (!Visible() && !ComponentState().testFlag(csDesigning)))
        return;
    if (d->autoSize) {
        // One text line and the frame; never below the height the spin buttons need.
        const int wanted = std::max(QFontMetrics(Font()->ToQFont()).height() + 6, 18);
        if (wanted != Height()) {
            TCustomControl::SetBounds(Left(), Top(), Width(), wanted);
            d->buttons.height = std::min(d->buttons.height, Height());
        }
    }
    const int W = Width();
    const int H = Height();
    TBitmap face(W, H);
    PrepareOffscreen(face);
    TCanvas* fc = face.Canvas();
    fc->Font()->Assign(Font());
    const int y0 = (H - d->GaugeStripHeight() - SampleTextHeight(fc)) / 2;

    const TTextColors out = PairedTextColors(d->colorOutText, d->colorOutBG);
    fc->Pen()->SetColor(out.Background);
    fc->Brush()->SetColor(out.Background);
    fc->Rectangle(0, 0, W, H);
    const int buttonArea = d->buttons.visible ? d->buttons.width + d->buttons.space : 0;
    DrawSideTexts(fc, {d->leftText, d->rightText, d->leftTextAlignment, d->rightTextAlignment},
                  d->leftSpace, d->leftSpace + buttonArea + d->textBoxWidth, W, y0, out.Text,
                  Enabled());
    if (d->buttons.visible)
        d->PaintButtons(fc);
    if (d->gauge.visible)
        d->PaintGauge(fc);
    d->PaintBox(fc);
    d->PaintBoxText(fc, y0);
    d->PaintSelection(fc);

    TCanvas* canvas = Canvas();
    canvas->SetCopyMode(cmSrcCopy);
    canvas->Draw(0, 0, &face);
}

void TNumIO2::Private::PaintButtons(TCanvas* canvas) const
{
    const int x0 = leftSpace + textBoxWidth + buttons.space;
    const int x1 = x0 + buttons.width;
    const int h2 = buttons.height / 2;
    canvas->Pen()->SetColor(DisabledInk);
    canvas->Brush()->SetColor(buttons.color);
    canvas->Rectangle(x0, 0, x1 + 1, 2 * h2 - 1);
    Line(canvas, x0, h2 - 1, x1, h2 - 1);
    if (buttons.threeD) {
        canvas->Pen()->SetColor(clWhite);
        Polyline3(canvas, x0 + 1, 2 * h2 - 3, x0 + 1, h2, x1, h2);
        Polyline3(canvas, x0 + 1, h2 - 2, x0 + 1, 1, x1, 1);
        canvas->Pen()->SetColor(clBlack);
        Polyline3(canvas, x0 + 1, 2 * h2 - 1, x1 + 1, 2 * h2 - 1, x1 + 1, 1);
    }
    // The arrows: three runs each, widening away from the tip.
    canvas->Pen()->SetColor(q->Enabled() ? clBlack : DisabledInk);
    const int xc = x0 + buttons.width / 2;
    const int quarter = h2 / 2;
    const int down = h2 + quarter;
    for (int run = 0; run < 3; ++run) {
        Line(canvas, xc - run, quarter - 1 + run, xc + 2 + run, quarter - 1 + run);
        Line(canvas, xc - run, down - run, xc + 2 + run, down - run);
    }
}

void TNumIO2::Private::PaintGauge(TCanvas* canvas) const
{
    const int y1 = q->Height() - GaugeStripHeight() + gauge.topMargin;
    const int y2 = y1 + gauge.height;
    const int x1 = gauge.leftMargin;
    const int x2 = x1 + gauge.width;
    canvas->Pen()->SetColor(gauge.frameStyle == fsNone ? gauge.colorBg : gauge.colorFrame);
    canvas->Brush()->SetColor(gauge.colorBg);
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Rectangle(x1, y1, x2, y2);

    const TColor bar = q->Enabled() ? gauge.color : DisabledInk;
    canvas->Pen()->SetColor(bar);
    canvas->Brush()->SetColor(bar);
    double fraction = maximum == minimum ? 1.0 : (q->Value() - minimum) / (maximum - minimum);
    if (!(fraction >= 0)) // below the range, or undefined with infinite bounds
        fraction = 0;
    fraction = std::min(fraction, 1.0);
    canvas->Rectangle(x1, y1, x1 + int(Round(gauge.width * fraction)), y2);

    if (gauge.frameStyle == fsNone)
        return;
    canvas->Pen()->SetColor(FrameEdgeColor(gauge.frameStyle, gauge.colorFrame));
    canvas->Brush()->SetStyle(bsClear);
    canvas->Rectangle(x1, y1, x2, y2);
    DrawEdges(canvas, gauge.frameStyle, x1, y1, x2, y2);
}

// Outline color of a frame: the single line's own color, white for embossed, gray for
// the others.
TColor TNumIO2::Private::FrameEdgeColor(TFrameStyle style, TColor singleColor) const
{
    switch (style) {
    case fsSingle: return singleColor;
    case fsEmbossed: return lines.White;
    default: return lines.Gray;
    }
}

// The inner edges of the 3-D frame styles around the rectangle (l, t, r, b): a line
// along the inside of the top-left corner and one along the outside of the bottom-right
// corner.
void TNumIO2::Private::DrawEdges(TCanvas* canvas, TFrameStyle style, int l, int t, int r,
                                 int b) const
{
    if (style < fsLowered)
        return;
    TColor topLeft = lines.White;
    TColor bottomRight = lines.White;
    switch (style) {
    case fsLowered: topLeft = clBlack; break;
    case fsRaised: bottomRight = clBlack; break;
    case fsEmbossed: topLeft = bottomRight = lines.Gray; break;
    default: break;
    }
    canvas->Pen()->SetColor(topLeft);
    Polyline3(canvas, l + 1, b - 2, l + 1, t + 1, r - 1, t + 1);
    canvas->Pen()->SetColor(bottomRight);
    Polyline3(canvas, l + 1, b, r, b, r, t);
}

void TNumIO2::Private::PaintBox(TCanvas* canvas) const
{
    const bool enabled = q->Enabled();
    const int bottom = q->Height() - GaugeStripHeight();
    const int right = leftSpace + textBoxWidth + 2;
    TColor pen = FrameEdgeColor(frameStyle, lines.Gray);
    TColor fill = q->OutOfRange() ? colorWarnBG : colorBoxBG;
    if (frameStyle == fsNone)
        pen = enabled ? fill : DisabledFace;
    if (!enabled)
        fill = DisabledFace;
    canvas->Pen()->SetColor(pen);
    canvas->Brush()->SetColor(fill);
    canvas->Brush()->SetStyle(bsSolid);
    if (frameStyle <= fsSingle) {
        canvas->Rectangle(leftSpace, 0, right, bottom);
        return;
    }
    canvas->Rectangle(leftSpace, 0, right, bottom - 1);
    DrawEdges(canvas, frameStyle, leftSpace, 0, right, bottom - 1);
}

void TNumIO2::Private::PaintBoxText(TCanvas* canvas, int y0) const
{
    const bool enabled = q->Enabled();
    const int bottom = q->Height() - GaugeStripHeight();
    const int tw = canvas->TextWidth(inBuffer);
    const int cw = canvas->TextWidth(inBuffer.left(caretPos));
    const bool warn = q->OutOfRange();
    const TColor ink = !enabled ? DisabledInk : warn ? colorWarnText : colorBoxText;
    canvas->Font()->SetColor(ink);
    canvas->Brush()->SetColor(!enabled ? DisabledFace : warn ? colorWarnBG : colorBoxBG);
    canvas->Brush()->SetStyle(bsSolid);
    const int x = TextLeft(tw);
    canvas->TextRect(TRect(leftSpace + 3, 2, leftSpace + textBoxWidth - 1, bottom - 3), x, y0,
                     inBuffer);

    // The caret stands one pixel left of the character boundary, in the text's color:
    // it reads wherever the text does, on a dark field as on the warning colors, and
    // unlike an inverting caret it cannot vanish on a mid-gray field.
    const int k = x - leftSpace + cw - 1;
    if (caretVisible && !readOnly && q->Focused() && k > 0 && k < textBoxWidth) {
        canvas->Pen()->SetColor(ink);
        Line(canvas, leftSpace + k, 3, leftSpace + k, bottom - 3);
    }
}

void TNumIO2::Private::PaintSelection(TCanvas* canvas) const
{
    if (selBegin >= selEnd || (!q->Focused() && hideSelection))
        return;
    const int low = leftSpace;
    const int high = leftSpace + textBoxWidth;
    const int x1 = std::clamp(q->CharPosToXCoords(selBegin), low, high);
    const int x2 = std::clamp(q->CharPosToXCoords(selEnd), low, high);
    const TRect area(x1, 3, x2, q->Height() - GaugeStripHeight() - 3);
    canvas->SetCopyMode(cmNotSrcCopy);
    canvas->CopyRect(area, canvas, area);
    canvas->SetCopyMode(cmSrcCopy);
}

} // namespace vek
