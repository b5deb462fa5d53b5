// Grid moving: MoveColumn/MoveRow with their sizes, the current cell, the selection and
// the draw grid's events; dragging rows and columns by their fixed cells, the insertion
// marker, the cancel cases, and sizing taking precedence on a border.
#include "grid_fixture.h"

#include <string>

using namespace vek;
using vektest::ColorAt;
using vektest::ColumnPattern;
using vektest::Render;
using vektest::RowPattern;

namespace {

struct MovingGrid : ::testing::Test {
    ProbeGrid grid;
    std::vector<std::string> moves; // "row 2->5", "col 3->1"

    void SetUp() override
    {
        grid.SetRowCount(10);
        grid.SetColCount(6);
        grid.OnRowMoved = [this](TObject* sender, int from, int to) {
            EXPECT_EQ(sender, &grid);
            moves.push_back("row " + std::to_string(from) + "->" + std::to_string(to));
        };
        grid.OnColumnMoved = [this](TObject* sender, int from, int to) {
            EXPECT_EQ(sender, &grid);
            moves.push_back("col " + std::to_string(from) + "->" + std::to_string(to));
        };
    }
    void Allow(TGridOptions options) { grid.SetOptions(grid.Options() | options); }
    QPoint CenterOf(int c, int r) const { return grid.CellRect(c, r).ToQRect().center(); }

    void Press(QPoint at) { QTest::mousePress(&grid, Qt::LeftButton, Qt::NoModifier, at); }
    void MoveTo(QPoint at)
    {
        QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(grid.mapToGlobal(at)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&grid, &move);
    }
    void Release(QPoint at) { QTest::mouseRelease(&grid, Qt::LeftButton, Qt::NoModifier, at); }
    void Drag(QPoint from, QPoint to)
    {
        Press(from);
        MoveTo(to);
        Release(to);
    }
};

using Moves = std::vector<std::string>;

} // namespace

// ---- by code

TEST_F(MovingGrid, MoveRowAndColumnCarryTheirSizesAndFireTheEvents)
{
    grid.SetRowHeights(2, 40);
    grid.MoveRow(2, 5);
    EXPECT_EQ(grid.RowHeights(5), 40);
    EXPECT_EQ(grid.RowHeights(2), 24);
    EXPECT_EQ(grid.CellRect(1, 5).Bottom - grid.CellRect(1, 5).Top, 40);
    grid.MoveRow(5, 2);
    EXPECT_EQ(grid.RowHeights(2), 40);
    EXPECT_EQ(grid.RowHeights(5), 24);

    grid.SetColWidths(1, 30);
    grid.SetColWidths(3, 50);
    grid.MoveColumn(3, 1);
    EXPECT_EQ(grid.ColWidths(1), 50);
    EXPECT_EQ(grid.ColWidths(2), 30);
    EXPECT_EQ(grid.ColWidths(3), 64);
    EXPECT_EQ(grid.ColWidths(0), 64);
    EXPECT_EQ(moves, (Moves{"row 2->5", "row 5->2", "col 3->1"}));

    // Default sizes stay default sizes.
    grid.SetDefaultRowHeight(20);
    grid.MoveRow(1, 9);
    EXPECT_EQ(grid.RowHeights(9), 20);
}

TEST_F(MovingGrid, CurrentCellAndSelectionStayOnTheirCells)
{
    grid.SetRow(3);
    grid.MoveRow(3, 7); // the current row itself
    EXPECT_EQ(grid.Row(), 7);
    grid.MoveRow(2, 8); // a row above it goes below: it shifts up
    EXPECT_EQ(grid.Row(), 6);
    grid.MoveRow(9, 1); // a row below it goes above: it shifts down
    EXPECT_EQ(grid.Row(), 7);

    grid.SetSelection({1, 2, 2, 4});
    grid.MoveRow(5, 1);
    EXPECT_EQ(grid.Selection(), (TGridRect{1, 3, 2, 5}));
    // A block cannot stay on cells that are no longer side by side: its corners (the
    // anchor in column 1, the current cell in column 2) follow their cells.
    grid.MoveColumn(1, 5);
    EXPECT_EQ(grid.Selection(), (TGridRect{1, 3, 5, 5}));
    EXPECT_EQ(grid.Col(), 1);
}

TEST_F(MovingGrid, FixedOrOutOfRangeIndicesChangeNothing)
{
    grid.SetRowHeights(3, 33);
    for (auto [from, to] : {std::pair{0, 3}, {3, 0}, {-1, 3}, {3, 10}, {10, 3}, {3, 3}})
        grid.MoveRow(from, to);
    for (auto [from, to] : {std::pair{0, 2}, {2, 0}, {2, 6}, {-5, 2}, {2, 2}})
        grid.MoveColumn(from, to);
    EXPECT_TRUE(moves.empty());
    EXPECT_EQ(grid.RowHeights(3), 33);
    EXPECT_EQ(grid.RowHeights(0), 24);

    // Without a handler the move still happens.
    grid.OnRowMoved = nullptr;
    grid.MoveRow(3, 4);
    EXPECT_EQ(grid.RowHeights(4), 33);
}

TEST_F(MovingGrid, AnOpenEditorFollowsItsCell)
{
    Allow(goEditing);
    QString committedAt;
    grid.OnSetEditText = [&](TObject*, int c, int r, const QString&) {
        committedAt = QString("%1,%2").arg(c).arg(r);
    };
    grid.SetRow(2);
    grid.ShowEditor();
    QTest::keyClicks(grid.InplaceEditor()->Widget(), "x");
    grid.MoveRow(2, 4);
    ASSERT_TRUE(grid.EditorMode());
    EXPECT_EQ(TRect::FromQRect(grid.InplaceEditor()->Widget()->geometry()), grid.CellRect(1, 4));
    grid.HideEditor();
    EXPECT_EQ(committedAt, "1,4");
}

// ---- by dragging

TEST_F(MovingGrid, DraggingAFixedColumnCellMovesTheRow)
{
    Allow(goRowMoving);
    Drag(CenterOf(0, 2), CenterOf(0, 5));
    // Up, releasing over a scrolling cell of the target row: only the row counts.
    Drag(CenterOf(0, 5), CenterOf(3, 3));
    // A release without a move event before it still lands where it is released.
    Press(CenterOf(0, 4));
    Release(CenterOf(0, 1));
    EXPECT_EQ(moves, (Moves{"row 2->5", "row 5->3", "row 4->1"}));
    EXPECT_EQ((TGridCoord{grid.Col(), grid.Row()}), (TGridCoord{1, 2})); // row 1 moved down
}

TEST_F(MovingGrid, DraggingAFixedRowCellMovesTheColumn)
{
    Allow(goColMoving);
    Drag(CenterOf(2, 0), CenterOf(4, 0));
    Drag(CenterOf(3, 0), CenterOf(1, 2));
    EXPECT_EQ(moves, (Moves{"col 2->4", "col 3->1"}));
    EXPECT_EQ(grid.Row(), 1); // a drag selects nothing
}

TEST_F(MovingGrid, DraggingPastTheCellsLandsOnTheNearestVisibleOne)
{
    Allow(goRowMoving);
    grid.SetTopRow(3);
    // Above the scrolling rows (over the fixed row): the top visible row.
    Drag(CenterOf(0, 5), CenterOf(0, 0) - QPoint(0, 30));
    // Below the grid: the last (partly) visible row.
    int lastVisible = grid.TopRow();
    while (lastVisible + 1 < grid.RowCount() && !grid.CellRect(1, lastVisible + 1).IsEmpty())
        ++lastVisible;
    Drag(CenterOf(0, 4), QPoint(CenterOf(0, 4).x(), grid.height() + 50));
    EXPECT_EQ(moves, (Moves{"row 5->3", "row 4->" + std::to_string(lastVisible)}));
}

TEST_F(MovingGrid, HoldingADragBeyondTheCellsScrollsThem)
{
    Allow(goRowMoving);
    grid.SetRowCount(40);
    Press(CenterOf(0, 2));
    MoveTo(QPoint(CenterOf(0, 2).x(), grid.height() + 20));
    QTest::qWait(300);
    const int top = grid.TopRow();
    EXPECT_GT(top, 1);
    // Back over the cells: the scrolling stops, the drop lands where released.
    MoveTo(CenterOf(0, top + 1));
    QTest::qWait(150);
    EXPECT_EQ(grid.TopRow(), top);
    Release(CenterOf(0, top + 1));
    EXPECT_EQ(moves, (Moves{"row 2->" + std::to_string(top + 1)}));

    // Over the fixed row it scrolls back; Escape stops it.
    Press(CenterOf(0, top + 2));
    MoveTo(CenterOf(1, 0));
    QTest::qWait(200);
    EXPECT_LT(grid.TopRow(), top);
    grid.Key(Qt::Key_Escape);
    const int stopped = grid.TopRow();
    QTest::qWait(150);
    EXPECT_EQ(grid.TopRow(), stopped);
    EXPECT_EQ(moves.size(), 1u);
}

TEST_F(MovingGrid, SameIndexEscapeOrOptionsOffCancel)
{
    Allow(goRowMoving);
    Drag(CenterOf(0, 3), CenterOf(0, 3) + QPoint(0, 5));
    Press(CenterOf(0, 2));
    MoveTo(CenterOf(0, 6));
    grid.Key(Qt::Key_Escape);
    MoveTo(CenterOf(0, 7));
    Release(CenterOf(0, 7));
    EXPECT_TRUE(moves.empty());
    EXPECT_EQ(grid.Row(), 1);

    // Options off: the press on a fixed cell neither moves nor selects.
    grid.SetOptions(grid.Options() & ~goRowMoving);
    Drag(CenterOf(0, 2), CenterOf(0, 5));
    Drag(CenterOf(2, 0), CenterOf(4, 0));
    // The corner belongs to no scrolling row or column.
    Allow(goRowMoving | goColMoving);
    Drag(CenterOf(0, 0), CenterOf(3, 4));
    EXPECT_TRUE(moves.empty());
    EXPECT_EQ(grid.Selection(), (TGridRect{1, 1, 1, 1}));

    // Dragging scrolling cells still selects a range.
    Drag(CenterOf(1, 1), CenterOf(2, 3));
    EXPECT_EQ(grid.Selection(), (TGridRect{1, 1, 2, 3}));
}

TEST_F(MovingGrid, SizingWinsOnABorder)
{
    Allow(goRowMoving | goRowSizing | goColMoving | goColSizing);
    const TRect fixed = grid.CellRect(0, 2);
    const QPoint rowBorder(fixed.Left + 5, fixed.Bottom);
    Drag(rowBorder, rowBorder + QPoint(0, 30));
    EXPECT_EQ(grid.RowHeights(2), 54);
    const TRect header = grid.CellRect(2, 0);
    const QPoint colBorder(header.Right, header.Top + 5);
    Drag(colBorder, colBorder + QPoint(-20, 0));
    EXPECT_EQ(grid.ColWidths(2), 44);
    EXPECT_TRUE(moves.empty());
}

TEST_F(MovingGrid, TheCursorShowsTheDrag)
{
    Allow(goColMoving);
    Press(CenterOf(2, 0));
    EXPECT_EQ(grid.cursor().shape(), Qt::ClosedHandCursor);
    Release(CenterOf(3, 0));
    EXPECT_NE(grid.cursor().shape(), Qt::ClosedHandCursor);
    grid.SetCursor(crCross);
    Press(CenterOf(2, 0));
    grid.Key(Qt::Key_Escape);
    EXPECT_EQ(grid.cursor().shape(), Qt::CrossCursor); // the control's own cursor returns
}

// ---- the insertion marker

TEST_F(MovingGrid, RowMarkerLiesOnTheBorderTheRowWouldTake)
{
    Allow(goRowMoving);
    const TColor ink = ColorToRGB(clWindowText);
    const TRect target = grid.CellRect(1, 5);
    const int x = target.Left + 10;
    Press(CenterOf(0, 2));
    // A press alone shows no marker.
    EXPECT_EQ(ColumnPattern(Render(&grid), x, target.Top - 3, target.Bottom + 3, ink),
              std::string(std::size_t(target.Bottom - target.Top + 7), '.'));
    // Moving down: below the target row, on its grid line and the pixel above it.
    MoveTo(CenterOf(0, 5));
    QImage image = Render(&grid);
    EXPECT_EQ(ColumnPattern(image, x, target.Bottom - 2, target.Bottom + 1, ink), ".##.");
    // Across the whole grid, fixed column included; the columns overflow the view here,
    // so it reaches the cell area's right edge.
    const TRect client = grid.GridClientRect();
    EXPECT_EQ(RowPattern(image, target.Bottom, client.Left, client.Right - 1, ink),
              std::string(std::size_t(client.Width()), '#'));
    EXPECT_NE(ColorAt(image, client.Left - 1, target.Bottom), ink); // the border stays

    // Moving up: above the target row, on the grid line before it.
    Release(CenterOf(0, 5));
    const TRect upper = grid.CellRect(1, 3);
    Press(CenterOf(0, 6));
    MoveTo(CenterOf(0, 3));
    image = Render(&grid);
    EXPECT_EQ(ColumnPattern(image, x, upper.Top - 3, upper.Top, ink), ".##.");
    grid.Key(Qt::Key_Escape);
    EXPECT_EQ(ColumnPattern(Render(&grid), x, upper.Top - 3, upper.Top, ink), "....");
}

TEST_F(MovingGrid, ColumnMarkerIsVisibleOverTheSelection)
{
    Allow(goColMoving | goRowSelect);
    const TColor ink = ColorToRGB(clWindowText);
    const TRect target = grid.CellRect(3, 1); // in the selected row
    Press(CenterOf(1, 0));
    MoveTo(CenterOf(3, 0));
    const QImage image = Render(&grid);
    EXPECT_EQ(RowPattern(image, target.Top + 5, target.Right - 2, target.Right + 1, ink), ".##.");
    EXPECT_EQ(ColorAt(image, target.Right - 3, target.Top + 5), ColorToRGB(clHighlight));
    EXPECT_EQ(ColorAt(image, target.Right, grid.CellRect(3, 0).Top + 5), ink); // header too
}
