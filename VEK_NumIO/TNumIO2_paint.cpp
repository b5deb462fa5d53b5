// TNumIO2 painting: the face is composed in an off-screen bitmap and copied in one step.
#include "VEK_NumIO.h"

#include <frame/baselib/drawing.h>
#include <frame/canvas/bitmap.h>
#include <frame/runtime/rtl.h>

#include <QFontMetrics>

namespace vek {

namespace {

constexpr TColor DisabledInk = 0x808080;
constexpr TColor DisabledFace = 0xC0C0C0;

// Text, or its engraved (disabled) look: a white copy one pixel down and right under a
// gray copy at the normal place.
void DrawSideText(TCanvas* canvas, int x, int y, const QString& text, bool enabled, TColor color)
{
    if (enabled) {
        canvas->Font()->SetColor(color);
        canvas->TextOut(x, y, text);
        return;
    }
    DrawEngravedText(canvas, x, y, text, DisabledInk, x + 1);
}

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
    if (FSuppressPaint || (!Visible() && !ComponentState().testFlag(csDesigning)))
        return;
    if (FAutoSize) {
        // One text line and the frame; never below the height the spin buttons need.
        const int wanted = std::max(QFontMetrics(Font()->ToQFont()).height() + 6, 18);
        if (wanted != Height()) {
            TCustomControl::SetBounds(Left(), Top(), Width(), wanted);
            FButHeight = std::min(FButHeight, Height());
        }
    }
    const int W = Width();
    const int H = Height();
    TBitmap face(W, H);
    TCanvas* fc = face.Canvas();
    fc->Font()->Assign(Font());
    const int y0 = (H - GaugeStripHeight() - SampleTextHeight(fc)) / 2;

    fc->Pen()->SetColor(FColorOutBG);
    fc->Brush()->SetColor(FColorOutBG);
    fc->Rectangle(0, 0, W, H);
    const int buttonArea = FButVisible ? FButWidth + FButSpace : 0;
    PaintSideTexts(fc, y0, buttonArea);
    if (FButVisible)
        PaintButtons(fc);
    if (FGaugeVisib)
        PaintGauge(fc);
    PaintBox(fc);
    PaintBoxText(fc, y0);
    PaintSelection(fc);

    TCanvas* canvas = Canvas();
    canvas->SetCopyMode(cmSrcCopy);
    canvas->Draw(0, 0, &face);
}

void TNumIO2::PaintSideTexts(TCanvas* canvas, int y0, int buttonArea)
{
    const int W = Width();
    const int lw = canvas->TextWidth(FLeftText);
    int x = FLTAlignment == taLeftJustify    ? 7
            : FLTAlignment == taRightJustify ? FLeftSpace - lw - 5
                                             : (FLeftSpace - lw) / 2;
    DrawSideText(canvas, x, y0, FLeftText, Enabled(), FColorOutText);

    canvas->Brush()->SetColor(FColorOutBG);
    const int rw = canvas->TextWidth(FRightText);
    const int boxEnd = FLeftSpace + buttonArea + FTextBoxWidth;
    x = FRTAlignment == taLeftJustify    ? boxEnd + 7
        : FRTAlignment == taRightJustify ? W - rw - 6
                                         : (W - (boxEnd + rw)) / 2 + boxEnd + 1;
    DrawSideText(canvas, x, y0, FRightText, Enabled(), FColorOutText);
}

void TNumIO2::PaintButtons(TCanvas* canvas)
{
    const int x0 = FLeftSpace + FTextBoxWidth + FButSpace;
    const int x1 = x0 + FButWidth;
    const int h2 = FButHeight / 2;
    canvas->Pen()->SetColor(DisabledInk);
    canvas->Brush()->SetColor(FButColor);
    canvas->Rectangle(x0, 0, x1 + 1, 2 * h2 - 1);
    Line(canvas, x0, h2 - 1, x1, h2 - 1);
    if (FBut3D) {
        canvas->Pen()->SetColor(clWhite);
        Polyline3(canvas, x0 + 1, 2 * h2 - 3, x0 + 1, h2, x1, h2);
        Polyline3(canvas, x0 + 1, h2 - 2, x0 + 1, 1, x1, 1);
        canvas->Pen()->SetColor(clBlack);
        Polyline3(canvas, x0 + 1, 2 * h2 - 1, x1 + 1, 2 * h2 - 1, x1 + 1, 1);
    }
    // The arrows: three runs each, widening away from the tip.
    canvas->Pen()->SetColor(Enabled() ? clBlack : DisabledInk);
    const int xc = x0 + FButWidth / 2;
    const int q = h2 / 2;
    const int down = h2 + q;
    for (int run = 0; run < 3; ++run) {
        Line(canvas, xc - run, q - 1 + run, xc + 2 + run, q - 1 + run);
        Line(canvas, xc - run, down - run, xc + 2 + run, down - run);
    }
}

void TNumIO2::PaintGauge(TCanvas* canvas)
{
    const int H = Height();
    const int y1 = H - GaugeStripHeight() + FGaugeTopMarg;
    const int y2 = y1 + FGaugeHeight;
    const int x1 = FGaugeLeftMarg;
    const int x2 = x1 + FGaugeWidth;
    canvas->Pen()->SetColor(FGaugeFrameSt == fsNone ? FGaugeColorBg : FGaugeColorFrm);
    canvas->Brush()->SetColor(FGaugeColorBg);
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Rectangle(x1, y1, x2, y2);

    const TColor bar = Enabled() ? FGaugeColor : DisabledInk;
    canvas->Pen()->SetColor(bar);
    canvas->Brush()->SetColor(bar);
    double fraction = FMaximum == FMinimum ? 1.0 : (Value() - FMinimum) / (FMaximum - FMinimum);
    if (!(fraction >= 0)) // below the range, or undefined with infinite bounds
        fraction = 0;
    fraction = std::min(fraction, 1.0);
    canvas->Rectangle(x1, y1, x1 + int(Round(FGaugeWidth * fraction)), y2);

    if (FGaugeFrameSt == fsNone)
        return;
    canvas->Pen()->SetColor(FrameEdgeColor(FGaugeFrameSt, FGaugeColorFrm));
    canvas->Brush()->SetStyle(bsClear);
    canvas->Rectangle(x1, y1, x2, y2);
    DrawEdges(canvas, FGaugeFrameSt, x1, y1, x2, y2);
}

// Outline color of a frame: the single line's own color, white for embossed, gray for
// the others.
TColor TNumIO2::FrameEdgeColor(TFrameStyle style, TColor singleColor) const
{
    switch (style) {
    case fsSingle: return singleColor;
    case fsEmbossed: return FColWhiteLine;
    default: return FColGrayLine;
    }
}

// The inner edges of the 3-D frame styles around the rectangle (l, t, r, b): a line
// along the inside of the top-left corner and one along the outside of the bottom-right
// corner.
void TNumIO2::DrawEdges(TCanvas* canvas, TFrameStyle style, int l, int t, int r, int b) const
{
    if (style < fsLowered)
        return;
    TColor topLeft = FColWhiteLine;
    TColor bottomRight = FColWhiteLine;
    switch (style) {
    case fsLowered: topLeft = FColBlackLine; break;
    case fsRaised: bottomRight = FColBlackLine; break;
    case fsEmbossed: topLeft = bottomRight = FColGrayLine; break;
    default: break;
    }
    canvas->Pen()->SetColor(topLeft);
    Polyline3(canvas, l + 1, b - 2, l + 1, t + 1, r - 1, t + 1);
    canvas->Pen()->SetColor(bottomRight);
    Polyline3(canvas, l + 1, b, r, b, r, t);
}

void TNumIO2::PaintBox(TCanvas* canvas)
{
    const int bottom = Height() - GaugeStripHeight();
    const int right = FLeftSpace + FTextBoxWidth + 2;
    const bool warn = OutOfRange();
    TColor pen = FrameEdgeColor(FFrameStyle, FColGrayLine);
    TColor fill = warn ? FColorWarnBG : FColorBoxBG;
    if (FFrameStyle == fsNone)
        pen = Enabled() ? fill : DisabledFace;
    if (!Enabled())
        fill = DisabledFace;
    canvas->Pen()->SetColor(pen);
    canvas->Brush()->SetColor(fill);
    canvas->Brush()->SetStyle(bsSolid);
    if (FFrameStyle <= fsSingle) {
        canvas->Rectangle(FLeftSpace, 0, right, bottom);
        return;
    }
    canvas->Rectangle(FLeftSpace, 0, right, bottom - 1);
    DrawEdges(canvas, FFrameStyle, FLeftSpace, 0, right, bottom - 1);
}

void TNumIO2::PaintBoxText(TCanvas* canvas, int y0)
{
    const int bottom = Height() - GaugeStripHeight();
    const int tw = canvas->TextWidth(FInBuffer);
    const int cw = canvas->TextWidth(FInBuffer.left(FCaretPos));
    const bool warn = OutOfRange();
    canvas->Font()->SetColor(!Enabled() ? DisabledInk : warn ? FColorWarnTxt : FColorBoxText);
    canvas->Brush()->SetColor(!Enabled() ? DisabledFace : warn ? FColorWarnBG : FColorBoxBG);
    canvas->Brush()->SetStyle(bsSolid);
    const int x = TextLeft(tw);
    canvas->TextRect(TRect(FLeftSpace + 3, 2, FLeftSpace + FTextBoxWidth - 1, bottom - 3), x, y0,
                     FInBuffer);

    // The caret stands one pixel left of the character boundary.
    const int k = x - FLeftSpace + cw - 1;
    if (FCaretVisib && !FReadOnly && Focused() && k > 0 && k < FTextBoxWidth) {
        canvas->Pen()->SetColor(clBlack);
        Line(canvas, FLeftSpace + k, 3, FLeftSpace + k, bottom - 3);
    }
}

void TNumIO2::PaintSelection(TCanvas* canvas)
{
    if (FSelBegin >= FSelEnd || (!Focused() && FHideSel))
        return;
    const int low = FLeftSpace;
    const int high = FLeftSpace + FTextBoxWidth;
    const int x1 = std::clamp(CharPosToXCoords(FSelBegin), low, high);
    const int x2 = std::clamp(CharPosToXCoords(FSelEnd), low, high);
    const TRect area(x1, 3, x2, Height() - GaugeStripHeight() - 3);
    canvas->SetCopyMode(cmNotSrcCopy);
    canvas->CopyRect(area, canvas, area);
    canvas->SetCopyMode(cmSrcCopy);
}

} // namespace vek
