// Frames, outlines and marker symbols drawn on a TCanvas, shared by the controls.
#pragma once

#include "baseenums.h"
#include <frame/canvas/canvas.h>

namespace vek {

/// Draws a frame of the given style around the box Left..Right x Top..Bottom (both
/// corners inclusive; callers pass (0, 0, Width - 1, Height - 1) or an inner box).
///
/// Only the frame lines are drawn, one pixel wide, solid and in copy mode whatever the
/// canvas's pen says; the pen is restored afterwards. The inside stays as it is, so a
/// frame may be drawn around content already painted; callers that want a filled box
/// fill it first.
///
/// The lines are rings: ring 0 is the box's outline, ring 1 lies one pixel inside it.
/// Each ring has a top-left color (top row and left column) and a bottom-right color
/// (bottom row and right column). As on classic 3-D bevels the bottom-right color owns
/// the ring's top-right and bottom-left corner pixels:
///
///   style        ring 0 top-left / bottom-right   ring 1 top-left / bottom-right
///   fsNone       (none)                           (none)
///   fsSingle     Border / Border                  (none)
///   fsLowered    Shadow / Light                   DarkShadow / Face
///   fsRaised     Face / DarkShadow                Light / Shadow
///   fsEmbossed   Light / Shadow                   Shadow / Light
///   fsEngraved   Shadow / Light                   Light / Shadow
///
/// So fsEmbossed is a complete Light rectangle (Left, Top)-(Right - 1, Bottom - 1) with a
/// Shadow line inside it at the left and top and outside it at the right and bottom,
/// which reaches the corners (Right, Top) and (Left, Bottom); fsEngraved exchanges the
/// two colors. The two-pixel styles leave Left + 2..Right - 2 x Top + 2..Bottom - 2
/// untouched.
VEK_EXPORT void DrawFrame(TCanvas* Canvas, TFrameStyle Style, int Left, int Top, int Right,
                          int Bottom, TColor Light, TColor Face, TColor Shadow,
                          TColor DarkShadow, TColor Border);

/// The frame line colors a color scheme stands for: fixed gray and white, or the theme's
/// button shadow and highlight.
struct TSchemeLineColors {
    /// The dark line ($808080 or clBtnShadow) and the light one ($FFFFFF or
    /// clBtnHighlight).
    TColor Gray;
    TColor White;
};
VEK_EXPORT TSchemeLineColors SchemeLineColors(TColorScheme Scheme);

/// Height of the canvas font's text cell measured on a sample with the tallest ascenders
/// and descenders, so that captions of one font line up whatever their letters.
VEK_EXPORT int SampleTextHeight(TCanvas* Canvas);

/// Whether the application palette is dark (a window color of lightness below 128). A
/// dark theme has no light bevel to engrave into: disabled captions are then drawn once
/// in DisabledTextColor() instead of engraved.
VEK_EXPORT bool DarkPaletteActive();
/// The application palette's disabled text color.
VEK_EXPORT TColor DisabledTextColor();

/// Draws Text with its cell at (X, Y) in the engraved look of disabled captions: a white
/// copy at (ShadowX, Y + 1) under a copy in Ink at (X, Y), both without background (the
/// brush is left clear). Under a dark application palette (a window color of lightness
/// below 128) it is one copy at (X, Y) in the palette's disabled text color instead.
VEK_EXPORT void DrawEngravedText(TCanvas* Canvas, int X, int Y, const QString& Text, TColor Ink,
                                 int ShadowX);

/// The color to draw text of color Text in on a surface of color Surface, so that text
/// and surface come from the same source. A system text color on a fixed surface would
/// follow the palette while the surface does not, and vanish under some palette (light
/// window text on a white dial): it becomes black or white, whichever contrasts more
/// with the surface. Any other pair is returned as it is: fixed text was chosen for its
/// surface, and system text on a system surface follows the palette together with it.
VEK_EXPORT TColor TextColorOn(TColor Text, TColor Surface);

/// DrawEngravedText for text on a surface of the given color. On a system-colored
/// surface the palette decides, as above; a fixed surface stays as light or dark under
/// every palette, and so does its text: engraved on a light one, one copy in Ink on a
/// dark one.
VEK_EXPORT void DrawEngravedTextOn(TCanvas* Canvas, int X, int Y, const QString& Text, TColor Ink,
                                   int ShadowX, TColor Surface);

/// The captions left and right of a value box, as numeric labels and fields show them.
struct TSideTexts {
    /// The captions and their alignment in their cells (left caption right-justified,
    /// right caption left-justified by default, both next to the box).
    QString Left;
    QString Right;
    TAlignment LeftAlignment = taRightJustify;
    TAlignment RightAlignment = taLeftJustify;
};

/// Draws the side texts with their cells' top at Y: Left in 0..BoxLeft (left-justified
/// at 7, right-justified 5 pixels before the box, else centred), Right in
/// BoxRight..Width (7 pixels after the box, 6 before the edge, or centred), in Color,
/// or engraved in gray when not Enabled. The brush fills the text cells.
VEK_EXPORT void DrawSideTexts(TCanvas* Canvas, const TSideTexts& Texts, int BoxLeft, int BoxRight,
                              int Width, int Y, TColor Color, bool Enabled);

/// The part of a side-text control X lies in: 0 left text, 1 value box, 2 right text.
constexpr int SideTextArea(int X, int BoxLeft, int BoxRight)
{
    return X > BoxRight ? 2 : X > BoxLeft ? 1 : 0;
}

// Outlines Left..Right x Top..Bottom (corners inclusive) with the current pen; the
/// inside and the pen position stay untouched. Each pixel is drawn once, so an outline
/// drawn twice with pmXor disappears.
VEK_EXPORT void DrawRectangle(TCanvas* Canvas, int Left, int Top, int Right, int Bottom);

/// Number of marker symbols known to DrawMarkOnCanvas (0..MarkerCount - 1).
constexpr int MarkerCount = 52;

/// Draws marker symbol MarkType centred on (X, Y); other numbers draw nothing. Symbols
/// fit in the 11 x 11 pixels around (X, Y). Outlines and lines are drawn in the pen's
/// color and mode, one pixel wide; the inside of an open symbol is filled with the
/// current brush (a clear brush leaves it untouched), a filled symbol is the pen color
/// throughout. The pen is restored afterwards.
///
///    0 dot (one pixel)          1 plus, 9 px               2 cross (x), 7 px
///    3 asterisk (plus and x)    4 horizontal bar, 9 px     5 vertical bar, 9 px
///    6 circle, 9 px             7 filled circle            8 square, 7 px
///    9 filled square           10 diamond, 9 px           11 filled diamond
///   12 triangle up, 9 px       13 filled triangle up      14 triangle down
///   15 filled triangle down    16 triangle left           17 filled triangle left
///   18 triangle right          19 filled triangle right   20 hexagon, 9 x 7 px
///   21 filled hexagon          22 pentagon, 9 px          23 filled pentagon
///   24 four-pointed star, 9 px 25 filled star             26 small circle, 5 px
///   27 filled small circle     28 small square, 5 px      29 filled small square
///   30 large circle, 11 px     31 filled large circle     32 large square, 9 px
///   33 filled large square     34 small diamond, 5 px     35 filled small diamond
///   36 large diamond, 11 px    37 filled large diamond    38 hourglass, 9 px
///   39 filled hourglass        40 bow tie, 9 px           41 filled bow tie
///   42 square with plus, 9 px  43 square with cross       44 circle with plus, 9 px
///   45 circle with cross       46 diamond with plus, 9 px 47 circle with centre dot
///   48 square with centre dot  49 three-armed star, one   50 three-armed star, one
///                                 arm up                     arm down (Y)
///   51 circle, lower half filled
VEK_EXPORT void DrawMarkOnCanvas(TCanvas* Canvas, int MarkType, int X, int Y);

} // namespace vek
