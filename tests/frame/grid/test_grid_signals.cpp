// The grid as a Qt widget: its signals (current cell, selection, view, sizing, moving and
// editing, by code and by the mouse or keys), its size hints, and the color properties.
#include "grid_fixture.h"

#include <QScrollBar>
#include <QSignalSpy>
#include <QVBoxLayout>

using namespace vek;
using vektest::ColorAt;
using vektest::Render;

namespace {

struct SignalGrid : ::testing::Test {
    ProbeGrid grid;
    void SetUp() override
    {
        grid.SetRowCount(100);
        grid.SetColCount(10);
    }
    QPoint CenterOf(int c, int r) const { return grid.CellRect(c, r).ToQRect().center(); }
    void DragMouse(QPoint from, QPoint to)
    {
        QTest::mousePress(&grid, Qt::LeftButton, Qt::NoModifier, from);
        QMouseEvent move(QEvent::MouseMove, QPointF(to), QPointF(grid.mapToGlobal(to)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&grid, &move);
        QTest::mouseRelease(&grid, Qt::LeftButton, Qt::NoModifier, to);
    }
};

QList<QVariant> Args(int a, int b) { return {a, b}; }

} // namespace

TEST_F(SignalGrid, CurrentCellChangesByCodeKeysAndMouse)
{
    QSignalSpy current(&grid, &TCustomGrid::currentCellChanged);
    QSignalSpy selection(&grid, &TCustomGrid::selectionChanged);
    grid.SetCol(4);
    ASSERT_EQ(current.count(), 1);
    EXPECT_EQ(current.takeFirst(), Args(4, 1));
    EXPECT_EQ(selection.count(), 1);
    grid.SetCol(4); // no move, no signal
    EXPECT_EQ(current.count(), 0);
    grid.Key(Qt::Key_Down);
    ASSERT_EQ(current.count(), 1);
    EXPECT_EQ(current.takeFirst(), Args(4, 2));
    QTest::mouseClick(&grid, Qt::LeftButton, Qt::NoModifier, CenterOf(2, 3));
    ASSERT_EQ(current.count(), 1);
    EXPECT_EQ(current.takeFirst(), Args(2, 3));
    // Lowering the row count pulls the current cell inside.
    grid.SetRowCount(3);
    ASSERT_EQ(current.count(), 1);
    EXPECT_EQ(current.takeFirst(), Args(2, 2));
    // A refused cell stays unreported.
    grid.OnSelectCell = [](TObject*, int, int, bool& can) { can = false; };
    grid.SetCol(7);
    EXPECT_EQ(current.count(), 0);
}

TEST_F(SignalGrid, SelectionChangesWithoutTheCurrentCell)
{
    QSignalSpy current(&grid, &TCustomGrid::currentCellChanged);
    QSignalSpy selection(&grid, &TCustomGrid::selectionChanged);
    grid.Key(Qt::Key_Down, Qt::ShiftModifier); // extends the range from (1, 1)
    EXPECT_EQ(selection.count(), 1);
    EXPECT_EQ(grid.Selection(), (TGridRect{1, 1, 1, 2}));
    // Row selection widens the block to all scrolling columns: the current cell stays.
    current.clear();
    grid.SetOptions(grid.Options() | goRowSelect);
    EXPECT_EQ(selection.count(), 2);
    EXPECT_EQ(current.count(), 0);
    // ... and more columns widen it again.
    grid.SetColCount(12);
    EXPECT_EQ(selection.count(), 3);
    grid.SetSelection(grid.Selection()); // the same block: nothing to report
    EXPECT_EQ(selection.count(), 3);
}

TEST_F(SignalGrid, TopLeftChangesAfterTheEvent)
{
    std::vector<std::string> order;
    grid.OnTopLeftChanged = [&](TObject*) { order.push_back("event"); };
    QObject::connect(&grid, &TCustomGrid::topLeftChanged, [&] { order.push_back("signal"); });
    grid.SetTopRow(10);
    EXPECT_EQ(order, (std::vector<std::string>{"event", "signal"}));
    QWheelEvent wheel(QPointF(50, 50), grid.mapToGlobal(QPointF(50, 50)), QPoint(), QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&grid, &wheel);
    EXPECT_EQ(grid.TopRow(), 13);
    EXPECT_EQ(order.size(), 4u);
    grid.SetTopRow(13);
    EXPECT_EQ(order.size(), 4u);
}

TEST_F(SignalGrid, CountChangesThatMoveTheViewReportItOnce)
{
    int events = 0;
    grid.OnTopLeftChanged = [&](TObject*) { ++events; };
    QSignalSpy topLeft(&grid, &TCustomGrid::topLeftChanged);
    grid.SetFixedRows(3); // the view starts at the first scrolling row
    EXPECT_EQ(grid.TopRow(), 3);
    EXPECT_EQ(topLeft.count(), 1);
    grid.SetTopRow(90);
    grid.SetRowCount(60); // the view moves back inside the rows
    EXPECT_LT(grid.TopRow(), 60);
    EXPECT_EQ(topLeft.count(), 3);
    EXPECT_EQ(events, 3);
    grid.SetColCount(11); // the view stays
    EXPECT_EQ(topLeft.count(), 3);
}

TEST_F(SignalGrid, ColumnResizedByTheMouseNamesTheColumn)
{
    grid.SetOptions(grid.Options() | goColSizing);
    QSignalSpy resized(&grid, &TCustomGrid::columnResized);
    grid.SetColWidths(1, 70); // by code: not a mouse sizing
    EXPECT_EQ(resized.count(), 0);
    const TRect header = grid.CellRect(2, 0);
    const QPoint border(header.Right, header.Top + 5);
    DragMouse(border, border + QPoint(15, 0));
    ASSERT_EQ(resized.count(), 1);
    EXPECT_EQ(resized.takeFirst(), QList<QVariant>{2});
    EXPECT_EQ(grid.ColWidths(2), 79);
}

TEST_F(SignalGrid, MovedColumnsAndRowsAfterTheirEvents)
{
    QSignalSpy columns(&grid, &TCustomDrawGrid::columnMoved);
    QSignalSpy rows(&grid, &TCustomDrawGrid::rowMoved);
    bool eventFirst = false;
    grid.OnColumnMoved = [&](TObject*, int, int) { eventFirst = columns.isEmpty(); };
    grid.MoveColumn(2, 5);
    ASSERT_EQ(columns.count(), 1);
    EXPECT_EQ(columns.takeFirst(), Args(2, 5));
    EXPECT_TRUE(eventFirst);
    grid.MoveColumn(0, 3); // a fixed column: nothing moves
    EXPECT_EQ(columns.count(), 0);
    // The user drags row 2 by its fixed cell onto row 4.
    grid.SetOptions(grid.Options() | goRowMoving);
    DragMouse(CenterOf(0, 2), CenterOf(0, 4));
    ASSERT_EQ(rows.count(), 1);
    EXPECT_EQ(rows.takeFirst(), Args(2, 4));
}

TEST_F(SignalGrid, CurrentCellFollowsAMovedRowOnceTheOwnerMovedItsData)
{
    grid.SetRow(3);
    QSignalSpy current(&grid, &TCustomGrid::currentCellChanged);
    int signalsSeenByTheEvent = -1;
    grid.OnRowMoved = [&](TObject*, int, int) { signalsSeenByTheEvent = int(current.count()); };
    grid.MoveRow(3, 6);
    ASSERT_EQ(current.count(), 1);
    EXPECT_EQ(current.takeFirst(), Args(1, 6));
    EXPECT_EQ(signalsSeenByTheEvent, 0);
}

TEST_F(SignalGrid, CellEditedOnlyForAChangedText)
{
    grid.SetOptions(grid.Options() | goEditing);
    grid.OnGetEditText = [](TObject*, int, int, QString& v) { v = "abc"; };
    QSignalSpy edited(&grid, &TCustomDrawGrid::cellEdited);
    grid.Key(Qt::Key_F2);
    QTest::keyClick(grid.InplaceEditor()->Widget(), Qt::Key_Return); // unchanged
    EXPECT_EQ(edited.count(), 0);
    grid.Key(Qt::Key_Right);
    grid.Key(Qt::Key_F2);
    QTest::keyClicks(grid.InplaceEditor()->Widget(), "xy");
    QTest::keyClick(grid.InplaceEditor()->Widget(), Qt::Key_Return);
    ASSERT_EQ(edited.count(), 1);
    EXPECT_EQ(edited.takeFirst(), (QList<QVariant>{2, 1, QString("xy")}));
}

TEST_F(SignalGrid, TheEditorFollowsTheGridFont)
{
    QFont font = grid.font();
    font.setPixelSize(16);
    grid.setFont(font); // a font of the grid's own, not only the application's
    grid.SetOptions(grid.Options() | goEditing);
    grid.Key(Qt::Key_F2);
    ASSERT_TRUE(grid.EditorMode());
    EXPECT_EQ(grid.InplaceEditor()->Widget()->font().pixelSize(), 16);
    QFont big = font;
    big.setPixelSize(20);
    grid.setFont(big);
    EXPECT_EQ(grid.InplaceEditor()->Widget()->font().pixelSize(), 20);
}

TEST(GridSize, AScrollAreaHint)
{
    ProbeGrid grid;
    EXPECT_EQ(grid.sizeHint(), QSize(320, 120));
    EXPECT_EQ(grid.sizePolicy().horizontalPolicy(), QSizePolicy::Expanding);
    EXPECT_EQ(grid.sizePolicy().verticalPolicy(), QSizePolicy::Expanding);
    const QSize framed = grid.minimumSizeHint();
    EXPECT_LT(framed.width(), grid.sizeHint().width());
    EXPECT_LT(framed.height(), grid.sizeHint().height());
    grid.SetBorderStyle(bsNone);
    EXPECT_EQ(grid.minimumSizeHint(), framed - QSize(4, 4));
    grid.SetScrollBars(ssNone); // no bars: the minimum shrinks further
    const QSize bare = grid.minimumSizeHint();
    EXPECT_LT(bare.width(), framed.width() - 4);
    EXPECT_LT(bare.height(), framed.height() - 4);
    // In a layout the grid takes the room offered.
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* inLayout = new ProbeGrid;
    layout->addWidget(inLayout);
    window.resize(600, 400);
    layout->activate();
    EXPECT_GT(inLayout->width(), 500);
    EXPECT_GT(inLayout->height(), 300);
}

TEST(GridSize, ContentsHintShowsEveryCellUpToTheLimitWithTheBarsItNeeds)
{
    ProbeGrid grid; // 5 x 5 cells of 64 x 24 with 1-pixel lines, a 2-pixel border
    const int bar = QScrollBar(Qt::Vertical).sizeHint().width();
    EXPECT_EQ(grid.ContentsSizeHint(QSize(1000, 1000)), QSize(328, 128));
    // Taller than allowed: the height is cut and a vertical bar widens the hint.
    EXPECT_EQ(grid.ContentsSizeHint(QSize(1000, 100)), QSize(328 + bar, 100));
    // Both cut: both bars, the limit.
    EXPECT_EQ(grid.ContentsSizeHint(QSize(200, 100)), QSize(200, 100));
    grid.SetColWidths(4, 100);
    grid.SetGridLineWidth(0);
    grid.SetBorderStyle(bsNone);
    EXPECT_EQ(grid.ContentsSizeHint(QSize(1000, 1000)), QSize(4 * 64 + 100, 5 * 24));
}

TEST(GridColors, QColorPropertiesPaintTheLinesAndFixedCells)
{
    ProbeGrid grid;
    EXPECT_TRUE(grid.setProperty("GridLineColor", QColor(0, 0, 255)));
    EXPECT_EQ(grid.GridLineColor(), clBlue);
    EXPECT_TRUE(grid.setProperty("FixedColor", QColor(255, 0, 0)));
    EXPECT_EQ(grid.FixedColor(), clRed);
    const QImage image = Render(&grid);
    const TRect fixed = grid.CellRect(0, 0), cell = grid.CellRect(1, 1);
    EXPECT_EQ(ColorAt(image, fixed.Left + 5, fixed.Top + 5), clRed);
    EXPECT_EQ(ColorAt(image, cell.Right, cell.Top + 5), clBlue); // the line after the cell
    grid.resetFixedColor();
    EXPECT_EQ(grid.FixedColor(), clBtnFace);
    EXPECT_EQ(grid.property("FixedColor").value<QColor>(), ToQColor(clBtnFace));
}
