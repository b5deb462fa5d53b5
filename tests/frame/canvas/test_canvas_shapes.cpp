// Rectangles, frames, ellipses, arcs, pies, chords and polygons: exact pixel extents.
#include "canvas_fixture.h"

using namespace vek;
using vektest::CanvasTest;
using vektest::Fill;

namespace {

class ShapeTest : public CanvasTest {
protected:
    void SetUp() override
    {
        UsePen(clRed);
        UseBrush(clBlue);
    }
};

} // namespace

// ---- rectangles ----------------------------------------------------------------------

TEST_F(ShapeTest, RectangleOutlinesWithThePenAndFillsWithTheBrushUpToRightMinusOne)
{
    canvas->Rectangle(5, 6, 15, 12);
    EXPECT_EQ(Ink(), QRect(QPoint(5, 6), QPoint(14, 11)));
    EXPECT_EQ(Row(6, 4, 15, clRed), ".##########.");
    EXPECT_EQ(Row(11, 4, 15, clRed), ".##########.");
    EXPECT_EQ(Column(5, 5, 12, clRed), ".######.");
    EXPECT_EQ(Column(14, 5, 12, clRed), ".######.");
    EXPECT_EQ(Row(8, 4, 15, clBlue), "..########..");
    EXPECT_EQ(Count(clBlue), 8 * 4);
}

TEST_F(ShapeTest, RectangleWithClearBrushOutlinesAndKeepsTheInside)
{
    canvas->Brush()->SetColor(clGreen);
    canvas->FillRect(TRect(0, 0, 20, 20));
    UseBrush(clBlue, bsClear);
    canvas->Rectangle(5, 6, 15, 12);
    EXPECT_EQ(Row(6, 4, 15, clRed), ".##########.");
    EXPECT_EQ(Row(11, 4, 15, clRed), ".##########.");
    EXPECT_EQ(Column(5, 5, 12, clRed), ".######.");
    EXPECT_EQ(Column(14, 5, 12, clRed), ".######.");
    EXPECT_EQ(Row(8, 4, 15, clGreen), "#.########.#");
    EXPECT_EQ(Count(clBlue), 0);
}

TEST_F(ShapeTest, RectangleWithSwappedCornersCoversTheSamePixels)
{
    canvas->Rectangle(15, 12, 5, 6);
    EXPECT_EQ(Ink(), QRect(QPoint(5, 6), QPoint(14, 11)));
    EXPECT_EQ(Count(clBlue), 8 * 4);
}

TEST_F(ShapeTest, RectangleWithoutPenFillsOnePixelLessAtRightAndBottom)
{
    UsePen(clRed, psClear);
    canvas->Rectangle(5, 6, 15, 12);
    EXPECT_EQ(Ink(), QRect(QPoint(5, 6), QPoint(13, 10)));
    EXPECT_EQ(Count(clBlue), 9 * 5);
}

TEST_F(ShapeTest, OnePixelWideOrHighRectangleIsAPenLine)
{
    canvas->Rectangle(5, 6, 6, 12);
    EXPECT_EQ(Column(5, 5, 12, clRed), ".######.");
    canvas->Rectangle(20, 6, 30, 7);
    EXPECT_EQ(Row(6, 19, 30, clRed), ".##########.");
    EXPECT_EQ(Count(clBlue), 0);
}

TEST_F(ShapeTest, EmptyRectangleDrawsNothing)
{
    canvas->Rectangle(5, 6, 5, 12);
    canvas->Rectangle(5, 6, 15, 6);
    EXPECT_TRUE(Ink().isEmpty());
}

TEST_F(ShapeTest, WidePenRectangleGrowsOutwardAndInward)
{
    UsePen(clRed, psSolid, 3);
    canvas->Rectangle(10, 10, 21, 21);
    EXPECT_EQ(Row(15, 8, 23, clRed), ".###.......###..");
    EXPECT_EQ(Count(clBlue), 7 * 7);
}

TEST_F(ShapeTest, RoundRectStaysInsideItsBoxWithClearCorners)
{
    canvas->RoundRect(5, 5, 25, 25, 8, 8);
    EXPECT_EQ(Ink(), QRect(QPoint(5, 5), QPoint(24, 24)));
    EXPECT_EQ(At(5, 5), clWhite);
    EXPECT_EQ(At(24, 24), clWhite);
    EXPECT_EQ(At(15, 5), clRed);
    EXPECT_EQ(At(15, 15), clBlue);
}

TEST_F(ShapeTest, FillRectCoversLeftToRightMinusOneWithTheBrushOnly)
{
    canvas->FillRect(TRect(5, 6, 15, 12));
    EXPECT_EQ(Ink(), QRect(QPoint(5, 6), QPoint(14, 11)));
    EXPECT_EQ(Count(clBlue), 10 * 6);
    canvas->FillRect(TRect(35, 36, 25, 30));
    EXPECT_EQ(Count(clBlue), 10 * 6 * 2);
    EXPECT_EQ(Ink(), QRect(QPoint(5, 6), QPoint(34, 35)));
}

TEST_F(ShapeTest, FillRectIgnoresThePenMode)
{
    canvas->Pen()->SetMode(pmXor);
    canvas->FillRect(TRect(5, 6, 15, 12));
    EXPECT_EQ(Count(clBlue), 10 * 6);
}

TEST_F(ShapeTest, HatchedBrushDrawsLinesAndLeavesTheGaps)
{
    UseBrush(clBlue, bsHorizontal);
    canvas->FillRect(TRect(0, 0, 20, 20));
    const int rows = Count(clBlue) / 20;
    EXPECT_GT(rows, 1);
    EXPECT_EQ(Count(clBlue) % 20, 0);
    EXPECT_EQ(Count(clWhite), Size * Size - Count(clBlue));
}

TEST_F(ShapeTest, FrameRectDrawsAOnePixelOutlineInTheBrushColor)
{
    Fill(bitmap, clYellow);
    UseBrush(clBlue);
    canvas->FrameRect(TRect(5, 6, 15, 12));
    EXPECT_EQ(Row(6, 4, 15, clBlue), ".##########.");
    EXPECT_EQ(Row(11, 4, 15, clBlue), ".##########.");
    EXPECT_EQ(Column(14, 5, 12, clBlue), ".######.");
    EXPECT_EQ(Count(clBlue), 2 * 10 + 2 * 4);
    EXPECT_EQ(At(8, 8), clYellow);
}

TEST_F(ShapeTest, FrameRectWithClearBrushDrawsNothing)
{
    UseBrush(clBlue, bsClear);
    canvas->FrameRect(TRect(5, 6, 15, 12));
    EXPECT_TRUE(Ink().isEmpty());
}

TEST_F(ShapeTest, FocusRectInvertsEveryOtherOutlinePixelAndTwiceRestores)
{
    canvas->DrawFocusRect(TRect(5, 6, 15, 12));
    EXPECT_EQ(Row(6, 4, 15), ".#.#.#.#.#..");
    EXPECT_EQ(Column(5, 6, 11), "#.#.#.");
    EXPECT_EQ(At(8, 8), clWhite);
    EXPECT_EQ(Count(clBlack), (2 * 10 + 2 * 4) / 2);
    canvas->DrawFocusRect(TRect(5, 6, 15, 12));
    EXPECT_TRUE(Ink().isEmpty());
}

TEST_F(ShapeTest, DottedFrameRectPaintsEveryOtherOutlinePixelInTheBrushColor)
{
    UseBrush(clBlue, bsSolid);
    canvas->DottedFrameRect(TRect(5, 6, 15, 12));
    EXPECT_EQ(At(5, 6), clBlue);
    EXPECT_EQ(At(6, 6), clWhite);
    EXPECT_EQ(At(13, 6), clBlue);
    EXPECT_EQ(At(14, 7), clBlue) << "on round the corner";
    EXPECT_EQ(At(8, 8), clWhite) << "the inside stays";
    EXPECT_EQ(Count(clBlue), (2 * 10 + 2 * 4) / 2);
    EXPECT_EQ(Ink(), QRect(QPoint(5, 6), QPoint(14, 11)));
    canvas->FillRect(TRect(0, 0, 40, 40)); // blue everywhere
    UseBrush(clRed, bsClear);
    canvas->DottedFrameRect(TRect(5, 6, 15, 12));
    EXPECT_EQ(Count(clRed), 0) << "a clear brush draws nothing";
}

// ---- ellipses and arcs ---------------------------------------------------------------

TEST_F(ShapeTest, EllipseTouchesItsBoxUpToRightMinusOne)
{
    canvas->Ellipse(10, 10, 31, 31);
    EXPECT_EQ(Ink(), QRect(QPoint(10, 10), QPoint(30, 30)));
    EXPECT_EQ(At(10, 20), clRed);
    EXPECT_EQ(At(30, 20), clRed);
    EXPECT_EQ(At(20, 10), clRed);
    EXPECT_EQ(At(20, 30), clRed);
    EXPECT_EQ(At(20, 20), clBlue);
    EXPECT_EQ(At(11, 11), clWhite);
}

TEST_F(ShapeTest, EllipseIsSymmetric)
{
    canvas->Ellipse(10, 10, 31, 25);
    const QImage& image = bitmap.Image();
    for (int y = 10; y < 25; ++y)
        for (int x = 10; x < 31; ++x)
            ASSERT_EQ(image.pixel(x, y), image.pixel(40 - x, y)) << x << "," << y;
    for (int y = 10; y < 25; ++y)
        ASSERT_EQ(image.pixel(20, y), image.pixel(20, 34 - y)) << y;
}

TEST_F(ShapeTest, ArcFromThreeToTwelveOClockCoversTheTopRightQuarter)
{
    canvas->Arc(10, 10, 31, 31, 40, 20, 20, 0);
    const QRect ink = Ink();
    EXPECT_GE(ink.left(), 20);
    EXPECT_LE(ink.bottom(), 20);
    EXPECT_EQ(At(30, 19), clRed);
    EXPECT_EQ(At(21, 10), clRed);
    EXPECT_EQ(Count(clBlue), 0);
}

TEST_F(ShapeTest, ArcRunsCounterclockwiseSoSwappedPointsGiveTheOtherThreeQuarters)
{
    canvas->Arc(10, 10, 31, 31, 20, 0, 40, 20);
    EXPECT_EQ(Ink(), QRect(QPoint(10, 10), QPoint(30, 30)));
    EXPECT_EQ(At(10, 20), clRed);
    EXPECT_EQ(At(20, 30), clRed);
    EXPECT_EQ(At(27, 13), clWhite);
}

TEST_F(ShapeTest, PieFillsTheSectorBetweenTheRadials)
{
    canvas->Pie(10, 10, 31, 31, 40, 20, 20, 0);
    EXPECT_EQ(At(25, 15), clBlue);
    EXPECT_EQ(At(23, 18), clBlue);
    EXPECT_EQ(At(15, 15), clWhite);
    EXPECT_EQ(At(25, 25), clWhite);
    EXPECT_EQ(At(25, 20), clRed); // the radial to 3 o'clock
    EXPECT_EQ(At(20, 15), clRed); // the radial to 12 o'clock
}

TEST_F(ShapeTest, ChordFillsOnlyTheSegmentBeyondTheChord)
{
    canvas->Chord(10, 10, 31, 31, 40, 20, 20, 0);
    EXPECT_EQ(At(26, 14), clBlue);
    EXPECT_EQ(At(23, 18), clWhite);
    EXPECT_EQ(At(25, 15), clRed); // on the chord
}

// ---- polygons ------------------------------------------------------------------------

TEST_F(ShapeTest, PolygonOutlinesThroughEveryVertexAndFillsInside)
{
    canvas->Polygon({TPoint(10, 10), TPoint(30, 10), TPoint(20, 30)});
    EXPECT_EQ(Ink(), QRect(QPoint(10, 10), QPoint(30, 30)));
    EXPECT_EQ(At(10, 10), clRed);
    EXPECT_EQ(At(30, 10), clRed);
    EXPECT_EQ(At(20, 30), clRed);
    EXPECT_EQ(Row(10, 9, 31, clRed), ".#####################.");
    EXPECT_EQ(At(20, 15), clBlue);
    EXPECT_EQ(At(12, 20), clWhite);
}

TEST_F(ShapeTest, PolygonWithClearBrushOnlyOutlines)
{
    UseBrush(clBlue, bsClear);
    canvas->Polygon({TPoint(10, 10), TPoint(30, 10), TPoint(20, 30)});
    EXPECT_EQ(Count(clBlue), 0);
    EXPECT_EQ(At(20, 15), clWhite);
}
