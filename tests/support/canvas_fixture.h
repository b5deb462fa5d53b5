// Shared fixture of the canvas tests: a white 40x40 bitmap whose pixels are read back
// exactly, with a few pattern helpers that make expectations readable. A bitmap's canvas
// does not smooth, so these tests pin the exact pixel rules control geometry relies on.
#pragma once

#include <frame/canvas/bitmap.h>

#include "pixels.h"

#include <gtest/gtest.h>

#include <string>

namespace vektest {

class CanvasTest : public ::testing::Test {
protected:
    static constexpr int Size = 40;

    vek::TBitmap bitmap{Size, Size};
    vek::TCanvas* canvas = bitmap.Canvas();

    vek::TColor At(int x, int y) { return canvas->Pixels(x, y); }
    // Pixels of color ink in row y (or column x) from a to b inclusive, as '#' and '.'.
    std::string Row(int y, int x0, int x1, vek::TColor ink = vek::clBlack)
    {
        return RowPattern(bitmap.Image(), y, x0, x1, ink);
    }
    std::string Column(int x, int y0, int y1, vek::TColor ink = vek::clBlack)
    {
        return ColumnPattern(bitmap.Image(), x, y0, y1, ink);
    }
    // Bounding box of everything that is no longer white.
    QRect Ink() { return InkBounds(bitmap.Image(), bitmap.Image().rect(), vek::clWhite); }
    int Count(vek::TColor color) { return CountColor(bitmap.Image(), bitmap.Image().rect(), color); }
    void UsePen(vek::TColor color, vek::TPenStyle style = vek::psSolid, int width = 1)
    {
        canvas->Pen()->SetColor(color);
        canvas->Pen()->SetStyle(style);
        canvas->Pen()->SetWidth(width);
    }
    void UseBrush(vek::TColor color, vek::TBrushStyle style = vek::bsSolid)
    {
        canvas->Brush()->SetColor(color);
        canvas->Brush()->SetStyle(style);
    }
};

// Fills the whole bitmap with one color; the canvas keeps its brush.
inline void Fill(vek::TBitmap& bitmap, vek::TColor color)
{
    vek::TBrush saved;
    saved.Assign(bitmap.Canvas()->Brush());
    bitmap.Canvas()->Brush()->SetColor(color);
    bitmap.Canvas()->FillRect(vek::TRect(0, 0, bitmap.Width(), bitmap.Height()));
    bitmap.Canvas()->Brush()->Assign(&saved);
}

} // namespace vektest
