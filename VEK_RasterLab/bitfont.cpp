// Bit fonts of the dot-matrix label: the built-in font, fonts rasterized from a TFont,
// and painting characters and strings as dots.
#include "builtinfont.h"

#include <frame/canvas/bitmap.h>

#include <bit>

namespace vek {

namespace rasterlab {

namespace {

int GlyphColumns(const TRDCharMatrix& font, int code)
{
    // A glyph without dots has its first column after its last: no columns at all.
    return std::max(0, font.RightMostBit[size_t(code)] - font.LeftMostBit[size_t(code)] + 1);
}

// A hollow box over the font's cell, rows top..bottom, for codes without a glyph.
void SetBoxGlyph(TRDCharMatrix& font, int code, int top, int bottom)
{
    const int width = std::max(font.FontWidth, 2);
    const quint32 full = width >= 32 ? 0xFFFFFFFFu : (1u << width) - 1;
    const quint32 sides = 1u | (1u << (width - 1));
    for (int r = 0; r < 32; ++r)
        font.BitData[size_t(code)][size_t(r)] =
            r == top || r == bottom ? full : (r > top && r < bottom ? sides : 0);
    font.LeftMostBit[size_t(code)] = 0;
    font.RightMostBit[size_t(code)] = quint8(width - 1);
}

} // namespace

TRDCharMatrix BuiltInCharMatrix()
{
    TRDCharMatrix font;
    font.FontWidth = 7;
    font.FontHeight = 12;
    for (int i = 0; i < BuiltInGlyphCount; ++i) {
        const auto code = size_t(32 + i);
        font.LeftMostBit[code] = BuiltInGlyphs[i][0];
        font.RightMostBit[code] = BuiltInGlyphs[i][1];
        for (size_t r = 0; r < 12; ++r)
            font.BitData[code][r] = BuiltInGlyphs[i][2 + r];
    }
    return font;
}

int GlyphCode(QChar ch)
{
    if (ch.unicode() == EuroSign)
        return EuroCode;
    return ch.unicode() > 255 || ch.unicode() == EuroCode ? ReplacementCode : ch.unicode();
}

QChar CodeChar(int code)
{
    return code == EuroCode ? QChar(EuroSign) : QChar(code);
}

int PaintChar(TCanvas* canvas, const TRDCharMatrix& font, int x, int y, int code, int dotSize,
              int dotSpacing, TColor dotColor, bool fullCell)
{
    const int step = dotSize + dotSpacing;
    const int first = fullCell ? 0 : font.LeftMostBit[size_t(code)];
    const int columns = fullCell ? font.FontWidth : GlyphColumns(font, code);
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(dotColor);
    const int rows = std::clamp(font.FontHeight, 0, 32);
    for (int r = 0; r < rows; ++r) {
        const quint32 bits = font.BitData[size_t(code)][size_t(r)];
        for (int c = first; c < first + columns && c < 32; ++c) {
            if (!(bits & (1u << c)))
                continue;
            const int dx = x + (c - first) * step, dy = y + r * step;
            if (dotSize == 1)
                canvas->SetPixels(dx, dy, dotColor);
            else
                canvas->FillRect(TRect(dx, dy, dx + dotSize, dy + dotSize));
        }
    }
    return columns * step;
}

int PaintString(TCanvas* canvas, const TRDCharMatrix& font, int x, int y, const QString& text,
                const StringStyle& style)
{
    const int step = style.dotSize + style.dotSpacing;
    const auto blankGap = [&](int at) {
        if (style.blockMode != TRasterLab::rdbmOn)
            return;
        canvas->Brush()->SetStyle(bsSolid);
        canvas->Brush()->SetColor(style.background);
        canvas->FillRect(TRect(at - step, 0, at - 1, style.height));
    };
    int pos = x;
    blankGap(pos);
    for (QChar ch : text) {
        const int width = PaintChar(canvas, font, pos, y, GlyphCode(ch), style.dotSize,
                                    style.dotSpacing, style.on, !style.proportional);
        pos += style.proportional ? width + step : (font.FontWidth + 1) * step;
        blankGap(pos);
    }
    return pos - x + 1;
}

int TextBitLength(const TRDCharMatrix& font, const QString& text, int step, bool proportional)
{
    int length = 0;
    for (QChar ch : text)
        length += proportional ? (GlyphColumns(font, GlyphCode(ch)) + 1) * step
                               : (font.FontWidth + 1) * step;
    return length;
}

} // namespace rasterlab

TRDCharMatrix TRasterLab::CreateBitFont(const TFont* Font)
{
    if (!Font || Font->Name().toLower() == QStringLiteral("default"))
        return rasterlab::BuiltInCharMatrix();
    TRDCharMatrix result;
    TBitmap cell(65, 65);
    TCanvas* canvas = cell.Canvas();
    canvas->Font()->Assign(Font);
    // Rasterized in black without smoothing: every pixel that is not white is a dot.
    canvas->Font()->SetColor(clBlack);
    canvas->Font()->SetOrientation(0);
    canvas->Font()->SetQuality(fqNonAntialiased);
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(clWhite);
    int lowestRow = -1;
    for (int code = 32; code <= 255; ++code) {
        canvas->FillRect(TRect(0, 0, 65, 65));
        canvas->TextOut(0, 0, QString(rasterlab::CodeChar(code)));
        const QImage& image = cell.Image();
        int left = 31, right = 0;
        for (int r = 0; r < 32; ++r) {
            const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(r));
            quint32 bits = 0;
            for (int c = 0; c < 32; ++c)
                if ((line[c] & 0xFFFFFF) != 0xFFFFFF)
                    bits |= 1u << c;
            result.BitData[size_t(code)][size_t(r)] = bits;
            if (bits) {
                lowestRow = std::max(lowestRow, r);
                left = std::min(left, std::countr_zero(bits));
                right = std::max(right, 31 - std::countl_zero(bits));
            }
        }
        result.LeftMostBit[size_t(code)] = quint8(left);
        result.RightMostBit[size_t(code)] = quint8(right);
        result.FontWidth = std::max(result.FontWidth, right - left + 1);
    }
    result.FontHeight = lowestRow + 1;
    result.LeftMostBit[32] = 0;
    result.RightMostBit[32] = quint8(result.FontWidth / 2);
    // The replacement for codes above 255 is a box over the height of the digits.
    int top = 31, bottom = 0;
    for (int r = 0; r < 32; ++r)
        if (result.BitData[size_t('0')][size_t(r)]) {
            top = std::min(top, r);
            bottom = std::max(bottom, r);
        }
    if (top < bottom)
        rasterlab::SetBoxGlyph(result, rasterlab::ReplacementCode, top, bottom);
    return result;
}

} // namespace vek
