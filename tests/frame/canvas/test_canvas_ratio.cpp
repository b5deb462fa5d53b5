// Bitmaps at a device pixel ratio (back buffers for 2x screens) and smoothing: what the
// exact pixel rules give at ratio 1, a ratio-2 bitmap gives in 2 x 2 device blocks; curves
// are smoothed by default, but never in raster pen modes.
#include "canvas_fixture.h"

#include <frame/canvas/bitmap.h>

#include <functional>

using namespace vek;

namespace {

using Drawing = std::function<void(TCanvas*)>;

QImage DrawAt(qreal ratio, const Drawing& draw)
{
    TBitmap bitmap(30, 20, ratio);
    draw(bitmap.Canvas());
    return bitmap.Image().convertToFormat(QImage::Format_RGB32);
}

// The ratio-1 picture with every pixel as a 2 x 2 block.
QImage Doubled(const QImage& image)
{
    QImage doubled = image.scaled(image.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    doubled.setDevicePixelRatio(1);
    return doubled;
}

// Where the ratio-2 picture differs from the doubled ratio-1 one (empty when equal).
std::string Differences(const Drawing& draw)
{
    const QImage atTwo = DrawAt(2, draw), expected = Doubled(DrawAt(1, draw));
    std::string found;
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x)
            if (atTwo.pixel(x, y) != expected.pixel(x, y) && found.size() < 200)
                found += "(" + std::to_string(x) + "," + std::to_string(y) + ") ";
    return found;
}

void Ink(TCanvas* c, TColor pen, TColor brush)
{
    c->Pen()->SetColor(pen);
    c->Brush()->SetColor(brush);
}

} // namespace

TEST(CanvasRatio, BitmapSizesStayLogical)
{
    TBitmap bitmap(30, 20, 2);
    EXPECT_EQ(bitmap.Width(), 30);
    EXPECT_EQ(bitmap.Height(), 20);
    EXPECT_EQ(bitmap.Image().size(), QSize(60, 40));
    EXPECT_EQ(bitmap.Canvas()->DevicePixelRatio(), 2.0);

    bitmap.SetSize(10, 5);
    EXPECT_EQ(bitmap.Image().size(), QSize(20, 10));
    bitmap.SetDevicePixelRatio(1);
    EXPECT_EQ(bitmap.Image().size(), QSize(10, 5));
    EXPECT_EQ(bitmap.Width(), 10);
}

TEST(CanvasRatio, StraightShapesAndPixelOperationsCoverWholeLogicalPixels)
{
    const std::vector<std::pair<const char*, Drawing>> drawings = {
        {"Rectangle", [](TCanvas* c) { Ink(c, clRed, clBlue); c->Rectangle(2, 3, 12, 9); }},
        {"hollow Rectangle", [](TCanvas* c) {
             Ink(c, clRed, clBlue);
             c->Brush()->SetStyle(bsClear);
             c->Rectangle(3, 4, 11, 8);
         }},
        {"horizontal LineTo", [](TCanvas* c) { c->MoveTo(1, 15); c->LineTo(25, 15); }},
        {"vertical LineTo", [](TCanvas* c) { c->MoveTo(27, 1); c->LineTo(27, 18); }},
        {"FillRect", [](TCanvas* c) { Ink(c, clRed, clBlue); c->FillRect(TRect(14, 2, 20, 6)); }},
        {"FrameRect", [](TCanvas* c) { Ink(c, clRed, clBlue); c->FrameRect(TRect(14, 8, 22, 13)); }},
        {"DrawFocusRect", [](TCanvas* c) { c->DrawFocusRect(TRect(3, 11, 12, 14)); }},
        {"SetPixels", [](TCanvas* c) { c->SetPixels(1, 1, clRed); }},
        {"FloodFill", [](TCanvas* c) {
             Ink(c, clBlack, clYellow);
             c->Rectangle(4, 4, 16, 14);
             c->Brush()->SetColor(clGreen);
             c->FloodFill(8, 8, clYellow, fsSurface);
         }},
        {"XOR LineTo", [](TCanvas* c) {
             c->Pen()->SetMode(pmXor);
             c->Pen()->SetColor(clWhite);
             c->MoveTo(0, 17);
             c->LineTo(29, 17);
         }},
    };
    for (const auto& [name, draw] : drawings)
        EXPECT_EQ(Differences(draw), "") << name;
}

TEST(CanvasRatio, PixelsReadTheLogicalPixel)
{
    TBitmap bitmap(10, 10, 2);
    bitmap.Canvas()->SetPixels(3, 4, clRed);
    EXPECT_EQ(bitmap.Canvas()->Pixels(3, 4), clRed);
    EXPECT_EQ(bitmap.Canvas()->Pixels(4, 4), clWhite);
}

TEST(CanvasRatio, CopiesBetweenEqualRatiosArePixelExact)
{
    TBitmap source(20, 20, 2);
    source.Canvas()->Font()->SetSize(10);
    source.Canvas()->TextOut(1, 1, "Ag");
    TBitmap target(20, 20, 2);
    target.Canvas()->CopyRect(TRect(0, 0, 20, 20), source.Canvas(), TRect(0, 0, 20, 20));
    EXPECT_EQ(target.Image(), source.Image());
    target.Canvas()->Draw(0, 0, &source);
    EXPECT_EQ(target.Image(), source.Image());
}

TEST(CanvasRatio, TextIsDrawnAtDeviceResolution)
{
    TBitmap bitmap(40, 20, 2);
    bitmap.Canvas()->Font()->SetSize(10);
    bitmap.Canvas()->TextOut(2, 2, "Wg");
    // Glyph edges fall between device pixels of one logical pixel: an upscaled picture
    // would have every 2 x 2 block in one color.
    EXPECT_GT(vektest::MixedDeviceBlocks(bitmap.Image()), 10);
}

TEST(CanvasSmoothing, CurvesAreSmoothedWhenAskedAndExactOnBitmapsByDefault)
{
    EXPECT_TRUE(TCanvas().Antialiasing());
    TBitmap smooth(40, 40);
    smooth.Canvas()->SetAntialiasing(true);
    smooth.Canvas()->Brush()->SetColor(clBlack);
    smooth.Canvas()->Ellipse(5, 5, 35, 35);
    EXPECT_EQ(smooth.Canvas()->Pixels(20, 20), clBlack);
    EXPECT_EQ(smooth.Canvas()->Pixels(2, 20), clWhite);
    const QImage image = smooth.Image();
    int blended = 0;
    for (int x = 0; x < 40; ++x) {
        const int gray = qGray(image.pixel(x, 12));
        blended += gray > 0 && gray < 255;
    }
    EXPECT_GE(blended, 2); // edge pixels between ink and paper

    TBitmap exact(40, 40); // a key-colored glyph must not get blended edges
    EXPECT_FALSE(exact.Canvas()->Antialiasing());
    exact.Canvas()->Brush()->SetColor(clBlack);
    exact.Canvas()->Ellipse(5, 5, 35, 35);
    const QImage hard = exact.Image();
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x)
            ASSERT_TRUE(hard.pixel(x, y) == qRgb(0, 0, 0) || hard.pixel(x, y) == qRgb(255, 255, 255));
}

TEST(CanvasSmoothing, StraightLinesAndRasterModesStayExact)
{
    TBitmap bitmap(40, 40);
    TCanvas* c = bitmap.Canvas();
    c->SetAntialiasing(true);
    c->MoveTo(2, 5);
    c->LineTo(30, 5);
    EXPECT_EQ(vektest::RowPattern(bitmap.Image(), 5, 1, 31, clBlack), ".############################..");
    EXPECT_EQ(vektest::RowPattern(bitmap.Image(), 4, 1, 31, clWhite), std::string(31, '#'));

    // Drawn twice with an inverting pen, a smoothed curve would leave blended traces.
    const QImage before = bitmap.Image();
    c->Pen()->SetMode(pmXor);
    c->Pen()->SetColor(clWhite);
    c->Brush()->SetStyle(bsClear);
    for (int i = 0; i < 2; ++i) {
        c->Ellipse(5, 10, 35, 38);
        c->MoveTo(3, 12);
        c->LineTo(33, 36);
    }
    EXPECT_EQ(bitmap.Image(), before);
}
