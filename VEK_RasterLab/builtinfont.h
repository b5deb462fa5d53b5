// The built-in 7 x 12 dot font and the dot painting routines of the dot-matrix label.
#pragma once

#include "VEK_RasterLab.h"

namespace vek::rasterlab {

constexpr int BuiltInGlyphCount = 224; // codes 32..255
// Per code: first used column, last used column, rows 0..11 (bit c = column c).
extern const quint8 BuiltInGlyphs[BuiltInGlyphCount][14];

// Glyph shown for codes above 255: the hollow box of code 127.
constexpr int ReplacementCode = 127;
// The euro sign (U+20AC) has its glyph at code 128, where 8-bit Western text has it.
constexpr int EuroCode = 128;
constexpr char16_t EuroSign = 0x20AC;

TRDCharMatrix BuiltInCharMatrix();

// Code used for a character: its code, EuroCode for the euro sign, or ReplacementCode
// above 255 and for the control character U+0080, whose code the euro took.
int GlyphCode(QChar ch);
// The character a code's glyph shows (GlyphCode's inverse for codes 32..255), for
// rasterizing a font.
QChar CodeChar(int code);

// Dots of one character at (x, y) in the dot color; the columns are the glyph's own or,
// with fullCell, 0..FontWidth - 1. Returns the width in pixels (columns * step).
int PaintChar(TCanvas* canvas, const TRDCharMatrix& font, int x, int y, int code,
              int dotSize, int dotSpacing, TColor dotColor, bool fullCell);

struct StringStyle {
    int dotSize;
    int dotSpacing;
    TColor on;
    TColor background;
    TRasterLab::TRDBlockMode blockMode;
    bool proportional;
    int height; // of the gap columns blanked in block mode
};

// The text from (x, y); returns the bit length (end position - x + 1).
int PaintString(TCanvas* canvas, const TRDCharMatrix& font, int x, int y, const QString& text,
                const StringStyle& style);

// Pixel length of the text: (glyph columns + 1) * step per character, or
// (FontWidth + 1) * step with fixed spacing.
int TextBitLength(const TRDCharMatrix& font, const QString& text, int step, bool proportional);

} // namespace vek::rasterlab
