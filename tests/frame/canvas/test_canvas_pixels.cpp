// Single pixels, flood fills and the clip rectangle.
#include "canvas_fixture.h"

using namespace vek;
using vektest::CanvasTest;
using vektest::Fill;

namespace {

class FloodFillTest : public CanvasTest {
protected:
    // A red outline around white pixels 6..13 x 6..13 on a white bitmap.
    void SetUp() override
    {
        UsePen(clRed);
        UseBrush(clWhite);
        canvas->Rectangle(5, 5, 15, 15);
        UseBrush(clBlue);
    }
};

} // namespace

TEST_F(CanvasTest, PixelsReadAndWriteSingleColors)
{
    canvas->SetPixels(3, 4, RGB(1, 2, 3));
    EXPECT_EQ(canvas->Pixels(3, 4), RGB(1, 2, 3));
    EXPECT_EQ(Ink(), QRect(3, 4, 1, 1));
}

TEST_F(CanvasTest, PixelsResolveSystemColorsWhenWriting)
{
    canvas->SetPixels(3, 4, clBtnFace);
    EXPECT_EQ(canvas->Pixels(3, 4), ColorToRGB(clBtnFace));
}

TEST_F(CanvasTest, PixelsOutsideTheBitmapReadAsInvalidAndIgnoreWrites)
{
    EXPECT_EQ(canvas->Pixels(-1, 0), 0xFFFFFFFFu);
    EXPECT_EQ(canvas->Pixels(0, -1), 0xFFFFFFFFu);
    EXPECT_EQ(canvas->Pixels(Size, 0), 0xFFFFFFFFu);
    EXPECT_EQ(canvas->Pixels(0, Size), 0xFFFFFFFFu);
    canvas->SetPixels(Size, 0, clBlack);
    canvas->SetPixels(-1, -1, clBlack);
    EXPECT_TRUE(Ink().isEmpty());
}

TEST_F(CanvasTest, PixelsOfAnUnboundCanvasReadAsInvalid)
{
    TCanvas unbound;
    EXPECT_EQ(unbound.Pixels(0, 0), 0xFFFFFFFFu);
    unbound.SetPixels(0, 0, clBlack);
    unbound.Rectangle(0, 0, 5, 5);
    unbound.TextOut(0, 0, "x");
}

TEST_F(CanvasTest, PixelsSeeShapesDrawnJustBefore)
{
    UseBrush(clGreen);
    canvas->FillRect(TRect(0, 0, 5, 5));
    EXPECT_EQ(canvas->Pixels(4, 4), clGreen);
    canvas->SetPixels(4, 4, clRed);
    canvas->FillRect(TRect(5, 5, 6, 6));
    EXPECT_EQ(canvas->Pixels(4, 4), clRed);
    EXPECT_EQ(canvas->Pixels(5, 5), clGreen);
}

// ---- clipping ------------------------------------------------------------------------

TEST_F(CanvasTest, IntersectClipRectLimitsDrawingUntilResetClip)
{
    EXPECT_EQ(canvas->ClipRect(), TRect(0, 0, Size, Size));
    canvas->IntersectClipRect(TRect(5, 5, 20, 20));
    canvas->IntersectClipRect(TRect(10, 0, 30, 15));
    EXPECT_EQ(canvas->ClipRect(), TRect(10, 5, 20, 15));
    UseBrush(clBlack);
    canvas->FillRect(TRect(0, 0, Size, Size));
    EXPECT_EQ(Ink(), QRect(10, 5, 10, 10));
    canvas->SetPixels(0, 0, clBlack);
    EXPECT_EQ(At(0, 0), clWhite);
    canvas->ResetClip();
    canvas->SetPixels(0, 0, clBlack);
    EXPECT_EQ(At(0, 0), clBlack);
}

TEST_F(CanvasTest, LinesAreClippedToo)
{
    canvas->IntersectClipRect(TRect(0, 0, 10, Size));
    canvas->MoveTo(0, 5);
    canvas->LineTo(30, 5);
    EXPECT_EQ(Ink(), QRect(0, 5, 10, 1));
}

// ---- flood fill ----------------------------------------------------------------------

TEST_F(FloodFillTest, SurfaceFillReplacesTheConnectedAreaOfTheGivenColor)
{
    canvas->FloodFill(10, 10, clWhite, fsSurface);
    EXPECT_EQ(Count(clBlue), 8 * 8);
    EXPECT_EQ(Row(10, 4, 15, clBlue), "..########..");
    EXPECT_EQ(Count(clRed), 4 * 9);
}

TEST_F(FloodFillTest, BorderFillStopsAtTheBorderColor)
{
    canvas->SetPixels(8, 8, clGreen);
    canvas->FloodFill(10, 10, clRed, fsBorder);
    EXPECT_EQ(Count(clBlue), 8 * 8);
    EXPECT_EQ(At(0, 0), clWhite);
}

TEST_F(FloodFillTest, SurfaceFillStartingOnAnotherColorDoesNothing)
{
    canvas->FloodFill(5, 5, clWhite, fsSurface);
    EXPECT_EQ(Count(clBlue), 0);
}

TEST_F(FloodFillTest, BorderFillStartingOnTheBorderDoesNothing)
{
    canvas->FloodFill(5, 5, clRed, fsBorder);
    EXPECT_EQ(Count(clBlue), 0);
}

TEST_F(FloodFillTest, FillWithTheRegionsOwnColorEnds)
{
    UseBrush(clWhite);
    canvas->FloodFill(10, 10, clWhite, fsSurface);
    canvas->FloodFill(10, 10, clRed, fsBorder);
    EXPECT_EQ(Count(clRed), 4 * 9);
    EXPECT_EQ(Count(clWhite), Size * Size - 4 * 9);
}

TEST_F(FloodFillTest, FillDoesNotLeakThroughDiagonalGaps)
{
    // A diagonal line is 8-connected only: the area on the other side stays white.
    UsePen(clRed);
    canvas->MoveTo(0, 30);
    canvas->LineTo(10, 40);
    canvas->FloodFill(0, 39, clWhite, fsSurface);
    EXPECT_EQ(Count(clBlue), 9 * 10 / 2);
    EXPECT_EQ(At(0, 31), clBlue);
    EXPECT_EQ(At(2, 31), clWhite);
}

TEST_F(FloodFillTest, FillOutsideSurroundsTheOutline)
{
    canvas->FloodFill(0, 0, clWhite, fsSurface);
    EXPECT_EQ(Count(clBlue), Size * Size - 10 * 10);
    EXPECT_EQ(At(10, 10), clWhite);
}

TEST_F(FloodFillTest, FillRespectsTheClipRect)
{
    canvas->IntersectClipRect(TRect(0, 0, 10, Size));
    canvas->FloodFill(8, 8, clWhite, fsSurface);
    EXPECT_EQ(Count(clBlue), 4 * 8);
    canvas->FloodFill(20, 20, clWhite, fsSurface);
    EXPECT_EQ(Count(clBlue), 4 * 8);
}
