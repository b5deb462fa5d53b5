// Lines: end point excluded in every direction, pen position, pen modes, styles, widths.
#include "canvas_fixture.h"

#include <cstdlib>

using namespace vek;
using vektest::CanvasTest;
using vektest::Fill;

namespace {

struct Direction {
    int dx, dy;
};

// Eight compass directions plus the steep and shallow slopes between them.
const Direction kDirections[] = {
    {10, 0}, {-10, 0}, {0, 10}, {0, -10}, {10, 10}, {-10, 10}, {10, -10}, {-10, -10},
    {10, 4}, {-10, 4}, {10, -4}, {-10, -4}, {4, 10}, {-4, 10}, {4, -10}, {-4, -10},
};

} // namespace

TEST_F(CanvasTest, LineToDrawsTheStartButNotTheEndInEveryDirection)
{
    for (const Direction d : kDirections) {
        SCOPED_TRACE(testing::Message() << "direction " << d.dx << "," << d.dy);
        Fill(bitmap, clWhite);
        canvas->MoveTo(20, 20);
        canvas->LineTo(20 + d.dx, 20 + d.dy);
        EXPECT_EQ(At(20, 20), clBlack);
        EXPECT_EQ(At(20 + d.dx, 20 + d.dy), clWhite);
        // One pixel per step along the major axis, all within the line's box.
        EXPECT_EQ(Count(clBlack), std::max(std::abs(d.dx), std::abs(d.dy)));
        const QRect box(QPoint(20 + std::min(d.dx, 0), 20 + std::min(d.dy, 0)),
                        QPoint(20 + std::max(d.dx, 0), 20 + std::max(d.dy, 0)));
        EXPECT_TRUE(box.contains(Ink()));
    }
}

TEST_F(CanvasTest, LineToLeavesOutTheEndAfterUnclippedDrawing)
{
    UseBrush(clYellow);
    canvas->MoveTo(5, 5);
    canvas->LineTo(8, 5);
    canvas->FillRect(TRect(8, 5, 10, 6));
    canvas->MoveTo(10, 5);
    canvas->LineTo(13, 5);
    EXPECT_EQ(Row(5, 4, 14), ".###..###..");
    EXPECT_EQ(Row(5, 4, 14, clYellow), "....##.....");
}

TEST_F(CanvasTest, LineToOfOnePixelLengthDrawsOnlyTheStart)
{
    canvas->MoveTo(5, 5);
    canvas->LineTo(6, 5);
    EXPECT_EQ(Ink(), QRect(5, 5, 1, 1));
}

TEST_F(CanvasTest, LineToTheSamePointDrawsNothing)
{
    canvas->MoveTo(5, 5);
    canvas->LineTo(5, 5);
    EXPECT_TRUE(Ink().isEmpty());
}

TEST_F(CanvasTest, MoveToSetsThePenPositionWithoutDrawingAndLineToAdvancesIt)
{
    canvas->MoveTo(3, 4);
    EXPECT_EQ(canvas->PenPos(), TPoint(3, 4));
    EXPECT_TRUE(Ink().isEmpty());
    canvas->LineTo(9, 4);
    EXPECT_EQ(canvas->PenPos(), TPoint(9, 4));
    canvas->LineTo(9, 8);
    EXPECT_EQ(Row(4, 2, 10), ".#######.");
    EXPECT_EQ(Column(9, 3, 9), ".####..");
}

TEST_F(CanvasTest, PolylineJoinsThePointsAndLeavesOutTheLastOne)
{
    canvas->Polyline({TPoint(5, 5), TPoint(15, 5), TPoint(15, 15)});
    EXPECT_EQ(Row(5, 4, 16), ".###########.");
    EXPECT_EQ(Column(15, 4, 16), ".##########..");
    EXPECT_EQ(canvas->PenPos(), TPoint(0, 0));
}

// ---- pen modes -----------------------------------------------------------------------

TEST_F(CanvasTest, XorPenInvertsThePenBitsAndASecondLineRestores)
{
    Fill(bitmap, RGB(0x12, 0x34, 0x56));
    UsePen(RGB(0xF0, 0x0F, 0xFF));
    canvas->Pen()->SetMode(pmXor);
    canvas->MoveTo(2, 10);
    canvas->LineTo(30, 10);
    EXPECT_EQ(At(10, 10), RGB(0x12 ^ 0xF0, 0x34 ^ 0x0F, 0x56 ^ 0xFF));
    EXPECT_EQ(At(10, 11), RGB(0x12, 0x34, 0x56));
    canvas->MoveTo(2, 10);
    canvas->LineTo(30, 10);
    EXPECT_EQ(Count(RGB(0x12, 0x34, 0x56)), Size * Size);
}

TEST_F(CanvasTest, NotPenInvertsWhateverThePenColor)
{
    Fill(bitmap, RGB(0x10, 0x80, 0xF0));
    UsePen(clRed);
    canvas->Pen()->SetMode(pmNot);
    canvas->MoveTo(2, 10);
    canvas->LineTo(12, 10);
    EXPECT_EQ(At(5, 10), RGB(0xEF, 0x7F, 0x0F));
    EXPECT_EQ(At(12, 10), RGB(0x10, 0x80, 0xF0));
}

TEST_F(CanvasTest, NopPenDrawsNothingAndBlackPenIgnoresItsColor)
{
    UsePen(clRed);
    canvas->Pen()->SetMode(pmNop);
    canvas->MoveTo(2, 10);
    canvas->LineTo(12, 10);
    EXPECT_TRUE(Ink().isEmpty());
    canvas->Pen()->SetMode(pmBlack);
    canvas->MoveTo(2, 10);
    canvas->LineTo(12, 10);
    EXPECT_EQ(Row(10, 1, 12), ".##########.");
}

TEST_F(CanvasTest, PenModeAppliesToTheBrushOfShapesToo)
{
    Fill(bitmap, clBlack);
    UsePen(clWhite);
    UseBrush(clWhite);
    canvas->Pen()->SetMode(pmXor);
    canvas->Rectangle(5, 5, 10, 10);
    EXPECT_EQ(Count(clWhite), 25);
    canvas->Rectangle(5, 5, 10, 10);
    EXPECT_EQ(Count(clBlack), Size * Size);
}

// ---- styles and widths ---------------------------------------------------------------

TEST_F(CanvasTest, StyledPensDrawTheirDashPatterns)
{
    const std::pair<TPenStyle, std::string> cases[] = {
        {psDash, "##################......##################......"},
        {psDot, "###...###...###...###...###...###...###...###...##"},
        {psDashDot, "#########......###......#########......###......"},
        {psDashDotDot, "#########...###...###...#########...###...###...##"},
    };
    for (const auto& [style, pattern] : cases) {
        SCOPED_TRACE(style);
        TBitmap wide(80, 3);
        wide.Canvas()->Pen()->SetStyle(style);
        wide.Canvas()->MoveTo(0, 1);
        wide.Canvas()->LineTo(int(pattern.size()), 1);
        EXPECT_EQ(vektest::RowPattern(wide.Image(), 1, 0, int(pattern.size()) - 1, clBlack),
                  pattern);
    }
}

TEST_F(CanvasTest, ClearPenDrawsNoLine)
{
    UsePen(clBlack, psClear);
    canvas->MoveTo(2, 2);
    canvas->LineTo(30, 30);
    EXPECT_TRUE(Ink().isEmpty());
    EXPECT_EQ(canvas->PenPos(), TPoint(30, 30));
}

TEST_F(CanvasTest, WidePenLineIsCentredOnThePathAndReachesTheEnd)
{
    UsePen(clBlack, psSolid, 3);
    canvas->MoveTo(10, 20);
    canvas->LineTo(30, 20);
    EXPECT_EQ(Column(20, 17, 23), "..###..");
    EXPECT_EQ(At(30, 20), clBlack);
    EXPECT_EQ(At(10, 20), clBlack);
    EXPECT_EQ(At(33, 20), clWhite);
    EXPECT_EQ(At(7, 20), clWhite);
}

TEST_F(CanvasTest, WidePenIgnoresTheDashStyle)
{
    UsePen(clBlack, psDot, 3);
    canvas->MoveTo(2, 20);
    canvas->LineTo(30, 20);
    EXPECT_EQ(Row(20, 2, 30), std::string(29, '#'));
}
