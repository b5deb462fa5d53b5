// Bitmap transfer: Draw, StretchDraw and CopyRect with raster operations, mirroring,
// stretch modes, transparent bitmaps and the alpha rule on transparent targets.
#include "canvas_fixture.h"

using namespace vek;
using vektest::CanvasTest;
using vektest::Fill;

namespace {

constexpr TColor kDest = RGB(0x0F, 0x55, 0xF0);
constexpr TColor kSource = RGB(0x3C, 0xFF, 0x99);

// A 2x2 source: one distinct color per pixel.
constexpr TColor kQuad[2][2] = {{clRed, clLime}, {clBlue, clYellow}};

void PaintQuad(TBitmap& bitmap)
{
    bitmap.SetSize(2, 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 2; ++x)
            bitmap.Canvas()->SetPixels(x, y, kQuad[y][x]);
}

class TransferTest : public CanvasTest {
protected:
    TBitmap source{4, 4};

    void SetUp() override { Fill(source, kSource); }
    // Draws the source at (10, 10) over a kDest background with the copy mode.
    TColor Combined(TCopyMode mode)
    {
        Fill(bitmap, kDest);
        canvas->SetCopyMode(mode);
        canvas->Draw(10, 10, &source);
        return At(11, 11);
    }
};

} // namespace

TEST_F(TransferTest, DrawCopiesTheBitmapAtItsOwnSize)
{
    PaintQuad(source);
    canvas->Draw(10, 20, &source);
    EXPECT_EQ(At(10, 20), clRed);
    EXPECT_EQ(At(11, 20), clLime);
    EXPECT_EQ(At(10, 21), clBlue);
    EXPECT_EQ(At(11, 21), clYellow);
    EXPECT_EQ(Ink(), QRect(10, 20, 2, 2));
}

TEST_F(TransferTest, CopyModesCombineSourceAndDestination)
{
    EXPECT_EQ(Combined(cmSrcCopy), kSource);
    EXPECT_EQ(Combined(cmSrcAnd), kSource & kDest);
    EXPECT_EQ(Combined(cmSrcPaint), kSource | kDest);
    EXPECT_EQ(Combined(cmSrcInvert), kSource ^ kDest);
    EXPECT_EQ(Combined(cmNotSrcCopy), ~kSource & 0xFFFFFF);
    EXPECT_EQ(Combined(cmDstInvert), ~kDest & 0xFFFFFF);
    EXPECT_EQ(Combined(cmBlackness), clBlack);
    EXPECT_EQ(Combined(cmWhiteness), clWhite);
    EXPECT_EQ(At(9, 9), kDest);
    EXPECT_EQ(At(14, 14), kDest);
}

TEST_F(TransferTest, CopyModePatCopyUsesTheBrushColor)
{
    canvas->Brush()->SetColor(clTeal);
    EXPECT_EQ(Combined(cmPatCopy), clTeal);
    EXPECT_EQ(Combined(cmPatInvert), clTeal ^ kDest);
}

TEST_F(TransferTest, DrawRespectsTheClipRect)
{
    canvas->IntersectClipRect(TRect(0, 0, 12, 40));
    Combined(cmSrcCopy);
    EXPECT_EQ(Count(kSource), 2 * 4);
    canvas->ResetClip();
    EXPECT_EQ(canvas->ClipRect(), TRect(0, 0, Size, Size));
    Combined(cmSrcInvert);
    EXPECT_EQ(Count(kSource ^ kDest), 4 * 4);
}

TEST_F(TransferTest, CopyRectWithNotSrcCopyOntoItselfInvertsTheArea)
{
    Fill(bitmap, kDest);
    canvas->SetCopyMode(cmNotSrcCopy);
    canvas->CopyRect(TRect(5, 5, 10, 10), canvas, TRect(5, 5, 10, 10));
    EXPECT_EQ(Count(~kDest & 0xFFFFFF), 25);
    EXPECT_EQ(At(4, 4), kDest);
}

TEST_F(TransferTest, CopyRectMovesAreasBetweenCanvases)
{
    PaintQuad(source);
    canvas->CopyRect(TRect(20, 20, 21, 22), source.Canvas(), TRect(1, 0, 2, 2));
    EXPECT_EQ(At(20, 20), clLime);
    EXPECT_EQ(At(20, 21), clYellow);
    EXPECT_EQ(Ink(), QRect(20, 20, 1, 2));
}

TEST_F(TransferTest, CopyRectWithNegativeWidthMirrors)
{
    PaintQuad(source);
    canvas->CopyRect(TRect(22, 20, 20, 22), source.Canvas(), TRect(0, 0, 2, 2));
    EXPECT_EQ(At(20, 20), clLime);
    EXPECT_EQ(At(21, 20), clRed);
    EXPECT_EQ(At(20, 21), clYellow);
    EXPECT_EQ(Ink(), QRect(20, 20, 2, 2));
}

TEST_F(TransferTest, CopyRectWithNegativeHeightFlips)
{
    PaintQuad(source);
    canvas->CopyRect(TRect(20, 22, 22, 20), source.Canvas(), TRect(0, 0, 2, 2));
    EXPECT_EQ(At(20, 20), clBlue);
    EXPECT_EQ(At(21, 21), clLime);
}

TEST_F(TransferTest, CopyRectWithBothRectanglesReversedDoesNotMirror)
{
    PaintQuad(source);
    canvas->CopyRect(TRect(22, 20, 20, 22), source.Canvas(), TRect(2, 0, 0, 2));
    EXPECT_EQ(At(20, 20), clRed);
    EXPECT_EQ(At(21, 20), clLime);
}

TEST_F(TransferTest, StretchBltFromAnImageTakesTheSourceRectangle)
{
    QImage image(3, 1, QImage::Format_RGB32);
    image.setPixel(0, 0, qRgb(255, 0, 0));
    image.setPixel(1, 0, qRgb(0, 255, 0));
    image.setPixel(2, 0, qRgb(0, 0, 255));
    canvas->StretchBlt(TRect(5, 5, 7, 6), image, TRect(1, 0, 3, 1), cmSrcCopy);
    EXPECT_EQ(At(5, 5), clLime);
    EXPECT_EQ(At(6, 5), clBlue);
    EXPECT_EQ(Ink(), QRect(5, 5, 2, 1));
}

// ---- stretching ----------------------------------------------------------------------

TEST_F(TransferTest, ColorOnColorStretchReplicatesPixelsExactly)
{
    PaintQuad(source);
    canvas->SetStretchBltMode(smColorOnColor);
    canvas->StretchDraw(TRect(10, 10, 14, 14), &source);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(At(10 + x, 10 + y), kQuad[y / 2][x / 2]) << x << "," << y;
    EXPECT_EQ(Ink(), QRect(10, 10, 4, 4));
}

TEST_F(TransferTest, ColorOnColorShrinkPicksSourcePixels)
{
    source.SetSize(2, 1);
    source.Canvas()->SetPixels(0, 0, clBlack);
    source.Canvas()->SetPixels(1, 0, clWhite);
    canvas->SetStretchBltMode(smColorOnColor);
    canvas->StretchDraw(TRect(10, 10, 11, 11), &source);
    EXPECT_TRUE(At(10, 10) == clBlack || At(10, 10) == clWhite);
}

TEST_F(TransferTest, HalftoneShrinkAveragesColors)
{
    source.SetSize(2, 2);
    Fill(source, clWhite);
    source.Canvas()->SetPixels(0, 0, clBlack);
    source.Canvas()->SetPixels(1, 1, clBlack);
    canvas->SetStretchBltMode(smHalftone);
    canvas->StretchDraw(TRect(10, 10, 11, 11), &source);
    const TColor mean = At(10, 10);
    EXPECT_NEAR(GetRValue(mean), 128, 2);
    EXPECT_EQ(GetRValue(mean), GetGValue(mean));
    EXPECT_EQ(GetRValue(mean), GetBValue(mean));
}

TEST_F(TransferTest, StretchDrawIntoAMirroredRectangleMirrors)
{
    PaintQuad(source);
    canvas->StretchDraw(TRect(14, 10, 10, 14), &source);
    EXPECT_EQ(At(13, 10), clRed);
    EXPECT_EQ(At(10, 13), clYellow);
}

// ---- transparent bitmaps -------------------------------------------------------------

TEST_F(TransferTest, TransparentBitmapLeavesOutItsBottomLeftColor)
{
    PaintQuad(source);
    source.SetTransparent(true);
    EXPECT_EQ(source.TransparentColor(), clBlue);
    Fill(bitmap, kDest);
    canvas->Draw(10, 10, &source);
    EXPECT_EQ(At(10, 10), clRed);
    EXPECT_EQ(At(10, 11), kDest);
    EXPECT_EQ(At(11, 11), clYellow);
}

TEST_F(TransferTest, TransparentBitmapWithFixedColorLeavesOutThatColor)
{
    PaintQuad(source);
    source.SetTransparent(true);
    source.SetTransparentColor(clLime);
    EXPECT_EQ(source.TransparentMode(), tmFixed);
    Fill(bitmap, kDest);
    canvas->Draw(10, 10, &source);
    EXPECT_EQ(At(11, 10), kDest);
    EXPECT_EQ(At(10, 11), clBlue);
}

TEST_F(TransferTest, TransparentBitmapWithRasterOperationStillLeavesOutItsColor)
{
    PaintQuad(source);
    source.SetTransparent(true);
    Fill(bitmap, kDest);
    canvas->SetCopyMode(cmSrcInvert);
    canvas->Draw(10, 10, &source);
    EXPECT_EQ(At(10, 11), kDest);
    EXPECT_EQ(At(10, 10), clRed ^ kDest);
}

TEST_F(TransferTest, StretchedTransparentBitmapLeavesOutItsColor)
{
    PaintQuad(source);
    source.SetTransparent(true);
    Fill(bitmap, kDest);
    canvas->StretchDraw(TRect(10, 10, 14, 14), &source);
    EXPECT_EQ(Count(clBlue), 0);
    EXPECT_EQ(Count(clRed), 4);
}

TEST_F(TransferTest, NonTransparentBitmapDrawsEveryPixel)
{
    PaintQuad(source);
    canvas->Draw(10, 10, &source);
    EXPECT_EQ(At(10, 11), clBlue);
}

// ---- the alpha rule ------------------------------------------------------------------

namespace {

class AlphaTargetTest : public ::testing::Test {
protected:
    QImage target{6, 6, QImage::Format_ARGB32_Premultiplied};
    TCanvas canvas{&target};
    TBitmap source{6, 6};

    void SetUp() override
    {
        target.fill(Qt::red);
        canvas.Clear();
        canvas.Flush();
    }
    void DrawSource(TCopyMode mode)
    {
        canvas.SetCopyMode(mode);
        canvas.Draw(0, 0, &source);
        canvas.Flush();
    }
    int Alpha(int x, int y) const { return qAlpha(target.pixel(x, y)); }
};

} // namespace

TEST_F(AlphaTargetTest, ClearMakesEveryPixelTransparent)
{
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x)
            ASSERT_EQ(Alpha(x, y), 0);
}

TEST_F(AlphaTargetTest, SrcAndOfWhiteKeepsThePixelTransparentAndBlackMakesItOpaque)
{
    source.Canvas()->SetPixels(2, 3, clBlack);
    source.Canvas()->SetPixels(4, 1, kSource);
    DrawSource(cmSrcAnd);
    EXPECT_EQ(Alpha(0, 0), 0);
    EXPECT_EQ(target.pixel(2, 3), qRgba(0, 0, 0, 255));
    EXPECT_EQ(target.pixel(4, 1), ToQRgb(kSource));
}

TEST_F(AlphaTargetTest, SrcPaintOfBlackKeepsThePixelTransparent)
{
    Fill(source, clBlack);
    source.Canvas()->SetPixels(2, 3, kSource);
    DrawSource(cmSrcPaint);
    EXPECT_EQ(Alpha(0, 0), 0);
    EXPECT_EQ(target.pixel(2, 3), ToQRgb(kSource));
}

TEST_F(AlphaTargetTest, MaskThenImageLeavesTheImageOpaqueAndTheRestTransparent)
{
    // The usual two-step transparency: a mask (black where the image is) with SRCAND,
    // then the image (black where the parent shows) with SRCPAINT.
    source.Canvas()->SetPixels(2, 3, clBlack);
    DrawSource(cmSrcAnd);
    Fill(source, clBlack);
    source.Canvas()->SetPixels(2, 3, kSource);
    DrawSource(cmSrcPaint);
    EXPECT_EQ(Alpha(0, 0), 0);
    EXPECT_EQ(Alpha(5, 5), 0);
    EXPECT_EQ(target.pixel(2, 3), ToQRgb(kSource));
}

TEST_F(AlphaTargetTest, SrcCopyMakesPixelsOpaque)
{
    DrawSource(cmSrcCopy);
    EXPECT_EQ(target.pixel(0, 0), qRgba(255, 255, 255, 255));
}

TEST_F(AlphaTargetTest, OpaquePixelsCombineNormally)
{
    DrawSource(cmSrcCopy);
    Fill(source, kSource);
    DrawSource(cmSrcInvert);
    EXPECT_EQ(FromQRgb(target.pixel(1, 1)), kSource ^ clWhite);
    EXPECT_EQ(Alpha(1, 1), 255);
}

TEST(CanvasTarget, RasterOperationsWorkOnTargetsOfOtherPixelFormats)
{
    QImage target(4, 4, QImage::Format_RGB888);
    target.fill(Qt::white);
    TCanvas canvas(&target);
    TBitmap source(2, 2);
    Fill(source, kSource);
    canvas.SetCopyMode(cmSrcInvert);
    canvas.Draw(1, 1, &source);
    EXPECT_EQ(canvas.Pixels(1, 1), kSource ^ clWhite);
    EXPECT_EQ(canvas.Pixels(0, 0), clWhite);
    EXPECT_EQ(target.format(), QImage::Format_RGB888);
}

TEST(CanvasTarget, RasterOperationsReadNonPremultipliedTargetsAsTheyAre)
{
    QImage target(2, 1, QImage::Format_ARGB32);
    target.fill(qRgba(0x10, 0x20, 0x30, 0x80));
    TCanvas canvas(&target);
    TBitmap source(2, 1);
    canvas.SetCopyMode(cmSrcAnd);
    canvas.Draw(0, 0, &source);
    canvas.Flush();
    EXPECT_EQ(target.pixel(0, 0), qRgba(0x10, 0x20, 0x30, 0xFF));
}
