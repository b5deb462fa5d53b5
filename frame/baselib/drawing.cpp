// DrawFrame and DrawRectangle.
#include "drawing.h"
#include "textcolors.h"

#include <frame/canvas/thinpen.h>

#include <QApplication>
#include <QPalette>

#include <cmath>
#include <utility>

namespace vek {

namespace {

struct RingColors {
    TColor topLeft, bottomRight;
};

// Draws the ring inset pixels inside Left..Right x Top..Bottom. The bottom-right color
// comes second and so owns the top-right and bottom-left corners.
void DrawRing(TCanvas* canvas, const TRect& box, int inset, RingColors colors)
{
    const int l = box.Left + inset, t = box.Top + inset;
    const int r = box.Right - inset, b = box.Bottom - inset;
    canvas->Pen()->SetColor(colors.topLeft);
    canvas->Polyline({TPoint(l, b), TPoint(l, t), TPoint(r, t)});
    canvas->Pen()->SetColor(colors.bottomRight);
    canvas->Polyline({TPoint(r, t), TPoint(r, b), TPoint(l - 1, b)});
}

} // namespace

void DrawFrame(TCanvas* Canvas, TFrameStyle Style, int Left, int Top, int Right, int Bottom,
               TColor Light, TColor Face, TColor Shadow, TColor DarkShadow, TColor Border)
{
    if (!Canvas)
        return;
    const ThinPen thin(Canvas);
    Canvas->Pen()->SetStyle(psSolid);
    Canvas->Pen()->SetMode(pmCopy);
    const TRect box(Left, Top, Right, Bottom);
    switch (Style) {
    case fsNone:
        break;
    case fsSingle:
        DrawRing(Canvas, box, 0, {Border, Border});
        break;
    case fsLowered:
        DrawRing(Canvas, box, 0, {Shadow, Light});
        DrawRing(Canvas, box, 1, {DarkShadow, Face});
        break;
    case fsRaised:
        DrawRing(Canvas, box, 0, {Face, DarkShadow});
        DrawRing(Canvas, box, 1, {Light, Shadow});
        break;
    case fsEmbossed:
        DrawRing(Canvas, box, 0, {Light, Shadow});
        DrawRing(Canvas, box, 1, {Shadow, Light});
        break;
    case fsEngraved:
        DrawRing(Canvas, box, 0, {Shadow, Light});
        DrawRing(Canvas, box, 1, {Light, Shadow});
        break;
    }
}

TSchemeLineColors SchemeLineColors(TColorScheme Scheme)
{
    if (Scheme == csFixedGrays)
        return {0x808080, 0xFFFFFF};
    return {clBtnShadow, clBtnHighlight};
}

void DrawRectangle(TCanvas* Canvas, int Left, int Top, int Right, int Bottom)
{
    if (!Canvas)
        return;
    if (Right < Left)
        std::swap(Left, Right);
    if (Bottom < Top)
        std::swap(Top, Bottom);
    // A box one pixel wide or high is a single line; going round it would draw the
    // line twice.
    if (Left == Right)
        Canvas->Polyline({TPoint(Left, Top), TPoint(Left, Bottom + 1)});
    else if (Top == Bottom)
        Canvas->Polyline({TPoint(Left, Top), TPoint(Right + 1, Top)});
    else // every segment leaves out its end, which the next one starts with
        Canvas->Polyline({TPoint(Left, Top), TPoint(Right, Top), TPoint(Right, Bottom),
                          TPoint(Left, Bottom), TPoint(Left, Top)});
}

namespace {

void DrawSideText(TCanvas* canvas, int x, int y, const QString& text, TColor color, bool enabled)
{
    if (!enabled) {
        DrawEngravedText(canvas, x, y, text, clGray, x + 1);
        return;
    }
    canvas->Font()->SetColor(color);
    canvas->TextOut(x, y, text);
}

} // namespace

void DrawSideTexts(TCanvas* Canvas, const TSideTexts& Texts, int BoxLeft, int BoxRight, int Width,
                   int Y, TColor Color, bool Enabled)
{
    const int lw = Canvas->TextWidth(Texts.Left);
    const int leftX = Texts.LeftAlignment == taLeftJustify    ? 7
                      : Texts.LeftAlignment == taRightJustify ? BoxLeft - lw - 5
                                                              : (BoxLeft - lw) / 2;
    DrawSideText(Canvas, leftX, Y, Texts.Left, Color, Enabled);
    const int rw = Canvas->TextWidth(Texts.Right);
    const int rightX = Texts.RightAlignment == taLeftJustify    ? BoxRight + 7
                       : Texts.RightAlignment == taRightJustify ? Width - rw - 6
                                                                : (Width - BoxRight - rw) / 2 + BoxRight + 1;
    DrawSideText(Canvas, rightX, Y, Texts.Right, Color, Enabled);
}

int SampleTextHeight(TCanvas* Canvas)
{
    static const QString sample = QStringLiteral("(8g]}\u00DC\u00C4\u00A7");
    return Canvas->TextHeight(sample);
}

bool DarkPaletteActive()
{
    return QApplication::palette().color(QPalette::Window).lightness() < 128;
}

TColor DisabledTextColor()
{
    return FromQColor(QApplication::palette().color(QPalette::Disabled, QPalette::WindowText));
}

namespace {

// Whether black contrasts more with the color than white does.
bool LightSurface(TColor color)
{
    return ContrastRatio(color, clBlack) > ContrastRatio(color, clWhite);
}

void DrawEngraved(TCanvas* Canvas, int X, int Y, const QString& Text, TColor Ink, int ShadowX)
{
    Canvas->Font()->SetColor(clWhite);
    Canvas->TextOut(ShadowX, Y + 1, Text);
    Canvas->Font()->SetColor(Ink);
    Canvas->TextOut(X, Y, Text);
}

void DrawOnce(TCanvas* Canvas, int X, int Y, const QString& Text, TColor Ink)
{
    Canvas->Font()->SetColor(Ink);
    Canvas->TextOut(X, Y, Text);
}

} // namespace

void DrawEngravedText(TCanvas* Canvas, int X, int Y, const QString& Text, TColor Ink, int ShadowX)
{
    Canvas->Brush()->SetStyle(bsClear);
    if (DarkPaletteActive())
        DrawOnce(Canvas, X, Y, Text, DisabledTextColor());
    else
        DrawEngraved(Canvas, X, Y, Text, Ink, ShadowX);
}

TColor TextColorOn(TColor Text, TColor Surface)
{
    return PairedTextColors(Text, Surface).Text;
}

void DrawEngravedTextOn(TCanvas* Canvas, int X, int Y, const QString& Text, TColor Ink,
                        int ShadowX, TColor Surface)
{
    if (IsSystemColor(Surface)) {
        DrawEngravedText(Canvas, X, Y, Text, Ink, ShadowX);
        return;
    }
    Canvas->Brush()->SetStyle(bsClear);
    if (LightSurface(Surface))
        DrawEngraved(Canvas, X, Y, Text, Ink, ShadowX);
    else
        DrawOnce(Canvas, X, Y, Text, Ink);
}

} // namespace vek
