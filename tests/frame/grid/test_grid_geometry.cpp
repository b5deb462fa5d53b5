// Grid geometry and painting: cell rectangles, hit testing, grid lines, fixed cells that
// never scroll, the visible-cells-only paint, the view clamps and the scroll bars.
#include "grid_fixture.h"

#include <frame/core/errors.h>

#include <QScrollBar>

using namespace vek;
using vektest::ColorAt;
using vektest::Render;

TEST(GridGeometry, CellRectsFollowSizesLinesAndBorder)
{
    ProbeGrid grid;
    // Border 2, default 64 x 24 cells, 1-pixel lines after each cell.
    EXPECT_EQ(grid.CellRect(0, 0), TRect(2, 2, 66, 26));
    EXPECT_EQ(grid.CellRect(1, 0), TRect(67, 2, 131, 26));
    EXPECT_EQ(grid.CellRect(1, 1), TRect(67, 27, 131, 51));
    grid.SetColWidths(1, 30);
    grid.SetGridLineWidth(3);
    EXPECT_EQ(grid.CellRect(2, 2), TRect(2 + 64 + 3 + 30 + 3, 2 + 2 * 27, 2 + 64 + 3 + 30 + 3 + 64,
                                         2 + 2 * 27 + 24));
    grid.SetBorderStyle(bsNone);
    grid.SetOptions(goRangeSelect); // no lines: no line space either
    EXPECT_EQ(grid.CellRect(1, 1), TRect(64, 24, 94, 48));
    // Off-screen or out-of-range cells have no rectangle.
    EXPECT_TRUE(grid.CellRect(99, 1).IsEmpty());
}

TEST(GridGeometry, MouseCoordHitsCellsNotLines)
{
    ProbeGrid grid;
    EXPECT_EQ(grid.MouseCoord(70, 30), (TGridCoord{1, 1}));
    EXPECT_EQ(grid.MouseCoord(2, 2), (TGridCoord{0, 0}));
    EXPECT_EQ(grid.MouseCoord(66, 30).X, -1); // the vertical line after column 0
    EXPECT_EQ(grid.MouseCoord(0, 0), (TGridCoord{-1, -1})); // the border
    grid.SetRowCount(20);
    grid.SetTopRow(3);
    EXPECT_EQ(grid.MouseCoord(70, 30), (TGridCoord{1, 3}));
}

TEST(GridGeometry, SizesAndCountsValidate)
{
    ProbeGrid grid;
    EXPECT_EQ(grid.ColWidths(3), 64);
    EXPECT_EQ(grid.ColWidths(50), 0);
    EXPECT_THROW(grid.SetColWidths(5, 10), EVEKError);
    try {
        grid.SetFixedRows(5);
        FAIL();
    } catch (const EVEKError& e) {
        EXPECT_STREQ(e.what(), "Fixed row count must be less than row count");
    }
    EXPECT_THROW(grid.SetFixedCols(-1), EVEKError);
    grid.SetRowHeights(2, 40);
    grid.SetDefaultRowHeight(20); // resets the individual heights
    EXPECT_EQ(grid.RowHeights(2), 20);
    grid.SetRow(4);
    grid.SetRowCount(3);
    EXPECT_EQ(grid.Row(), 2);
    grid.SetRowCount(1); // fixed rows give way
    EXPECT_EQ(grid.FixedRows(), 0);
    EXPECT_EQ(grid.Row(), 0);
}

TEST(GridPaint, LinesCellsAndBorderHaveTheirColors)
{
    ProbeGrid grid;
    grid.SetGridLineColor(clRed);
    const QImage image = Render(&grid);
    const TRect data = grid.CellRect(1, 1), fixed = grid.CellRect(1, 0);
    EXPECT_EQ(ColorAt(image, data.Right, data.Top + 5), clRed);    // vertical data line
    EXPECT_EQ(ColorAt(image, data.Left + 5, data.Bottom), clRed);  // horizontal data line
    EXPECT_EQ(ColorAt(image, fixed.Right, fixed.Top + 5), ColorToRGB(clBtnShadow));
    EXPECT_EQ(ColorAt(image, fixed.Left + 5, fixed.Top + 5), ColorToRGB(clBtnFace));
    EXPECT_EQ(ColorAt(image, fixed.Left, fixed.Top + 5), ColorToRGB(clBtnHighlight)); // bevel
    EXPECT_EQ(ColorAt(image, data.Left + 5, data.Top + 5), ColorToRGB(clWindow));
    EXPECT_EQ(ColorAt(image, 0, 50), ColorToRGB(clBtnShadow)); // sunken border
    // Without data lines the gap keeps the background, and fixed lines stay.
    grid.SetOptions(goFixedVertLine | goFixedHorzLine);
    const QImage plain = Render(&grid);
    EXPECT_EQ(ColorAt(plain, data.Right, data.Top + 5), ColorToRGB(clWindow));
    EXPECT_EQ(ColorAt(plain, fixed.Right, fixed.Top + 5), ColorToRGB(clBtnShadow));
}

TEST(GridPaint, SelectionIsHighlightedAndFocusedCellIsNot)
{
    ProbeGrid grid;
    grid.SetSelection({1, 1, 2, 2});
    const QImage image = Render(&grid);
    const TRect other = grid.CellRect(1, 1), current = grid.CellRect(2, 2);
    EXPECT_EQ(ColorAt(image, other.Left + 5, other.Top + 5), ColorToRGB(clHighlight));
    EXPECT_EQ(ColorAt(image, current.Left + 5, current.Top + 5), ColorToRGB(clWindow));
    EXPECT_EQ(grid.StateOf(2, 2), gdSelected | gdFocused);
    EXPECT_EQ(grid.StateOf(0, 2), TGridDrawState(gdFixed));
    grid.SetOptions(grid.Options() | goDrawFocusSelected);
    EXPECT_EQ(ColorAt(Render(&grid), current.Left + 5, current.Top + 5),
              ColorToRGB(clHighlight));
}

TEST(GridPaint, OnlyVisibleCellsAreDrawn)
{
    ProbeGrid grid;
    grid.SetRowCount(1000000);
    grid.SetColCount(200);
    const int cells = grid.PaintCount();
    // 300 x 200 pixels hold at most 5 columns and 8 rows (partial ones included).
    EXPECT_LE(cells, 5 * 8);
    grid.SetTopRow(999990);
    EXPECT_LE(grid.PaintCount(), 5 * 8);
    EXPECT_EQ(grid.drawn.front(), (TGridCoord{0, 0})); // the fixed corner stays
}

TEST(GridScroll, FixedCellsStayAndTheViewClamps)
{
    ProbeGrid grid;
    grid.SetRowCount(100);
    grid.SetColCount(20);
    int changes = 0;
    grid.OnTopLeftChanged = [&](TObject*) { ++changes; };
    grid.SetTopRow(10);
    EXPECT_EQ(grid.TopRow(), 10);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(grid.CellRect(1, 0).Top, 2);
    EXPECT_EQ(grid.CellRect(1, 10).Top, 27);
    EXPECT_TRUE(grid.CellRect(1, 9).IsEmpty());
    // The view never scrolls past the last row: it stays completely visible.
    grid.SetTopRow(1000);
    const int visible = grid.VisibleRowCount();
    EXPECT_EQ(grid.TopRow() + visible, 100);
    EXPECT_FALSE(grid.CellRect(1, 99).IsEmpty());
    EXPECT_LE(grid.CellRect(1, 99).Bottom, grid.GridClientRect().Bottom);
    grid.SetTopRow(-5);
    EXPECT_EQ(grid.TopRow(), 1);
    // Moving the current cell scrolls it into view.
    grid.SetRow(50);
    EXPECT_LE(grid.TopRow(), 50);
    EXPECT_GT(grid.TopRow() + grid.VisibleRowCount(), 50);
    grid.SetCol(19);
    EXPECT_FALSE(grid.CellRect(19, 50).IsEmpty());
    EXPECT_LE(grid.CellRect(19, 50).Right, grid.GridClientRect().Right);
}

TEST(GridScroll, ScrollBarsAppearWhenNeededAndMoveTheView)
{
    ProbeGrid grid;
    QScrollBar* vert = nullptr;
    for (QScrollBar* bar : grid.findChildren<QScrollBar*>())
        if (bar->orientation() == Qt::Vertical)
            vert = bar;
    ASSERT_NE(vert, nullptr);
    EXPECT_TRUE(vert->isHidden()); // 5 rows fit
    grid.SetRowCount(100);
    EXPECT_FALSE(vert->isHidden());
    EXPECT_EQ(grid.GridClientRect().Right, 300 - 2 - vert->sizeHint().width());
    vert->setValue(40);
    EXPECT_EQ(grid.TopRow(), 40);
    grid.SetTopRow(20);
    EXPECT_EQ(vert->value(), 20);
    EXPECT_FALSE(vert->hasTracking());
    grid.SetOptions(grid.Options() | goThumbTracking);
    EXPECT_TRUE(vert->hasTracking());
    grid.SetScrollBars(ssHorizontal);
    EXPECT_TRUE(vert->isHidden());
}

TEST(GridOptions, BitsKeepTheirStoredValues)
{
    EXPECT_EQ((goFixedVertLine | goFixedHorzLine | goColSizing | goRowSelect | goThumbTracking)
                  .toInt(),
              0x5083u);
    ProbeGrid grid;
    grid.setProperty("Options", 0x5083);
    EXPECT_TRUE(grid.Options() & goRowSelect);
    EXPECT_FALSE(grid.Options() & goVertLine);
    EXPECT_EQ(grid.property("Options").toInt(), 0x5083);
}
