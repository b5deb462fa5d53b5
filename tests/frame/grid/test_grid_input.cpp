// Grid input: keyboard navigation, selection by keys and mouse, SelectCell vetoes,
// column sizing by dragging a header border, and the in-place editors.
#include "grid_fixture.h"

using namespace vek;

namespace {

TGridRect Rect4(int l, int t, int r, int b) { return {l, t, r, b}; }

struct InputGrid : ::testing::Test {
    ProbeGrid grid;
    void SetUp() override
    {
        grid.SetRowCount(100);
        grid.SetColCount(10);
    }
    QPoint CenterOf(int c, int r) const { return grid.CellRect(c, r).ToQRect().center(); }
};

} // namespace

TEST_F(InputGrid, ArrowsPagesHomeEnd)
{
    EXPECT_EQ(grid.Col(), 1);
    EXPECT_EQ(grid.Row(), 1);
    grid.Key(Qt::Key_Down);
    grid.Key(Qt::Key_Right);
    EXPECT_EQ((TGridCoord{grid.Col(), grid.Row()}), (TGridCoord{2, 2}));
    grid.Key(Qt::Key_Up);
    grid.Key(Qt::Key_Up); // stops at the first scrolling row
    EXPECT_EQ(grid.Row(), 1);
    grid.Key(Qt::Key_PageDown);
    EXPECT_EQ(grid.Row(), 1 + grid.VisibleRowCount());
    grid.Key(Qt::Key_End);
    EXPECT_EQ(grid.Col(), 9);
    grid.Key(Qt::Key_Home);
    EXPECT_EQ(grid.Col(), 1);
    grid.Key(Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ((TGridCoord{grid.Col(), grid.Row()}), (TGridCoord{9, 99}));
    EXPECT_FALSE(grid.CellRect(9, 99).IsEmpty());
    grid.Key(Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ((TGridCoord{grid.Col(), grid.Row()}), (TGridCoord{1, 1}));
    EXPECT_EQ(grid.TopRow(), 1);
}

TEST_F(InputGrid, TabMovesOnlyWithGoTabsAndWraps)
{
    grid.Key(Qt::Key_Tab);
    EXPECT_EQ(grid.Col(), 1);
    grid.SetOptions(grid.Options() | goTabs);
    grid.SetCol(9);
    grid.Key(Qt::Key_Tab);
    EXPECT_EQ((TGridCoord{grid.Col(), grid.Row()}), (TGridCoord{1, 2}));
    grid.Key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ((TGridCoord{grid.Col(), grid.Row()}), (TGridCoord{9, 1}));
}

TEST_F(InputGrid, ShiftExtendsRangeOnlyWithGoRangeSelect)
{
    grid.Key(Qt::Key_Down, Qt::ShiftModifier);
    grid.Key(Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(grid.Selection(), Rect4(1, 1, 2, 2));
    grid.Key(Qt::Key_Down);
    EXPECT_EQ(grid.Selection(), Rect4(2, 3, 2, 3));
    grid.SetOptions(grid.Options() & ~goRangeSelect);
    grid.Key(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(grid.Selection(), Rect4(2, 4, 2, 4));
}

TEST_F(InputGrid, RowSelectCoversAllScrollingColumns)
{
    grid.SetOptions(goFixedVertLine | goFixedHorzLine | goRowSelect);
    grid.SetRow(5);
    EXPECT_EQ(grid.Selection(), Rect4(1, 5, 9, 5));
    EXPECT_TRUE(grid.StateOf(3, 5) & gdSelected);
    // Left and right scroll instead of moving a selection that spans the row.
    grid.Key(Qt::Key_Right);
    EXPECT_EQ(grid.LeftCol(), 2);
    EXPECT_EQ(grid.Selection(), Rect4(1, 5, 9, 5));
}

TEST_F(InputGrid, MouseClickAndDragSelect)
{
    QTest::mouseClick(&grid, Qt::LeftButton, Qt::NoModifier, CenterOf(3, 2));
    EXPECT_EQ(grid.Selection(), Rect4(3, 2, 3, 2));
    QTest::mousePress(&grid, Qt::LeftButton, Qt::NoModifier, CenterOf(1, 1));
    QTest::mouseMove(&grid, CenterOf(2, 3));
    QMouseEvent move(QEvent::MouseMove, QPointF(CenterOf(2, 3)), QPointF(grid.mapToGlobal(CenterOf(2, 3))),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&grid, &move);
    QTest::mouseRelease(&grid, Qt::LeftButton, Qt::NoModifier, CenterOf(2, 3));
    EXPECT_EQ(grid.Selection(), Rect4(1, 1, 2, 3));
    // Clicks on fixed cells do not move the current cell.
    QTest::mouseClick(&grid, Qt::LeftButton, Qt::NoModifier, CenterOf(0, 4));
    EXPECT_EQ(grid.Row(), 3);
}

TEST_F(InputGrid, SelectCellCanRefuse)
{
    grid.OnSelectCell = [](TObject*, int, int r, bool& can) { can = r != 2; };
    grid.Key(Qt::Key_Down);
    EXPECT_EQ(grid.Row(), 1);
    grid.SetRow(3);
    EXPECT_EQ(grid.Row(), 3);
}

TEST_F(InputGrid, ColumnSizingByDraggingTheHeaderBorder)
{
    int resized = 0;
    grid.OnColumnResized = [&](TObject*) { ++resized; };
    const TRect header = grid.CellRect(1, 0);
    const QPoint border(header.Right, header.Top + 5);
    auto drag = [&](int dx) {
        QTest::mousePress(&grid, Qt::LeftButton, Qt::NoModifier, border);
        QMouseEvent move(QEvent::MouseMove, QPointF(border + QPoint(dx, 0)),
                         QPointF(grid.mapToGlobal(border + QPoint(dx, 0))), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&grid, &move);
        QTest::mouseRelease(&grid, Qt::LeftButton, Qt::NoModifier, border + QPoint(dx, 0));
    };
    drag(20);
    EXPECT_EQ(grid.ColWidths(1), 64); // sizing is off by default
    EXPECT_EQ(resized, 0);
    grid.SetOptions(grid.Options() | goColSizing);
    drag(20);
    EXPECT_EQ(grid.ColWidths(1), 84);
    EXPECT_EQ(grid.CellRect(2, 0).Left, header.Left + 84 + 1);
    EXPECT_EQ(resized, 1);
    EXPECT_EQ(grid.Selection(), Rect4(1, 1, 1, 1)); // a sizing drag selects nothing
}

TEST_F(InputGrid, EditorShowsCommitsAndCancels)
{
    QString stored = "abc";
    std::vector<QString> commits;
    grid.OnGetEditText = [&](TObject*, int, int, QString& v) { v = stored; };
    grid.OnSetEditText = [&](TObject*, int c, int r, const QString& v) {
        commits.push_back(QString("%1,%2=%3").arg(c).arg(r).arg(v));
    };
    grid.Key(Qt::Key_F2);
    EXPECT_FALSE(grid.EditorMode()); // goEditing is off
    grid.SetOptions(grid.Options() | goEditing);
    grid.Key(Qt::Key_F2);
    ASSERT_TRUE(grid.EditorMode());
    TInplaceEditor* editor = grid.InplaceEditor();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->Text(), "abc");
    EXPECT_EQ(TRect::FromQRect(editor->Widget()->geometry()), grid.CellRect(1, 1));
    QTest::keyClicks(editor->Widget(), "xy");
    QTest::keyClick(editor->Widget(), Qt::Key_Return);
    EXPECT_FALSE(grid.EditorMode());
    EXPECT_EQ(commits, std::vector<QString>{"1,1=xy"});
    // Escape restores the text and stores nothing.
    grid.Key(Qt::Key_F2);
    QTest::keyClicks(grid.InplaceEditor()->Widget(), "zz");
    QTest::keyClick(grid.InplaceEditor()->Widget(), Qt::Key_Escape);
    EXPECT_FALSE(grid.EditorMode());
    EXPECT_EQ(commits.size(), 1u);
    // Typing on the grid starts editing with that character; Down commits and moves.
    grid.Key(Qt::Key_Q);
    ASSERT_TRUE(grid.EditorMode());
    EXPECT_EQ(grid.InplaceEditor()->Text(), "q");
    QTest::keyClicks(grid.InplaceEditor()->Widget(), "r"); // typed behind the first
    QTest::keyClick(grid.InplaceEditor()->Widget(), Qt::Key_Down);
    EXPECT_EQ(commits.back(), "1,1=qr");
    EXPECT_EQ(grid.Row(), 2);
    EXPECT_FALSE(grid.EditorMode());
}

TEST_F(InputGrid, PickListEditorOffersItems)
{
    grid.SetOptions(grid.Options() | goEditing);
    grid.OnGetEditStyle = [](TObject*, int c, int, TEditStyle& s) {
        if (c == 2)
            s = esPickList;
    };
    grid.OnGetPickListItems = [](TObject*, int, int, QStringList& items) {
        items = {"red", "green"};
    };
    grid.OnGetEditText = [](TObject*, int, int, QString& v) { v = "green"; };
    QString committed;
    grid.OnSetEditText = [&](TObject*, int, int, const QString& v) { committed = v; };
    grid.SetCol(2);
    grid.SetEditorMode(true);
    auto* list = dynamic_cast<TInplaceEditList*>(grid.InplaceEditor());
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->PickList(), (QStringList{"red", "green"}));
    EXPECT_EQ(list->Text(), "green");
    list->setCurrentIndex(0);
    grid.HideEditor();
    EXPECT_EQ(committed, "red");
    // Another column gets the plain editor again.
    grid.SetCol(3);
    grid.ShowEditor();
    EXPECT_NE(dynamic_cast<TInplaceEdit*>(grid.InplaceEditor()), nullptr);
}

TEST_F(InputGrid, RowSizingByDraggingTheFixedColumnBorder)
{
    grid.SetOptions(grid.Options() | goRowSizing);
    const TRect fixed = grid.CellRect(0, 2);
    const QPoint border(fixed.Left + 5, fixed.Bottom);
    QTest::mousePress(&grid, Qt::LeftButton, Qt::NoModifier, border);
    QMouseEvent move(QEvent::MouseMove, QPointF(border + QPoint(0, -10)),
                     QPointF(grid.mapToGlobal(border + QPoint(0, -10))), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&grid, &move);
    QTest::mouseRelease(&grid, Qt::LeftButton, Qt::NoModifier, border + QPoint(0, -10));
    EXPECT_EQ(grid.RowHeights(2), 14);
    EXPECT_EQ(grid.RowHeights(3), 24);
    EXPECT_EQ(grid.CellRect(1, 3).Top, fixed.Top + 14 + 1);
}

TEST_F(InputGrid, WheelScrollsTheViewNotTheSelection)
{
    QWheelEvent down(QPointF(50, 50), QPointF(grid.mapToGlobal(QPoint(50, 50))), QPoint(),
                     QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&grid, &down);
    EXPECT_EQ(grid.TopRow(), 4);
    EXPECT_EQ(grid.Row(), 1);
}

TEST_F(InputGrid, EditorFollowsTheCellWhenTheViewScrolls)
{
    grid.SetOptions(grid.Options() | goEditing);
    grid.SetRow(3);
    grid.ShowEditor();
    QWidget* editor = grid.InplaceEditor()->Widget();
    grid.SetTopRow(2);
    EXPECT_EQ(TRect::FromQRect(editor->geometry()), grid.CellRect(1, 3));
    grid.SetTopRow(10); // scrolled out of view: hidden, still editing
    EXPECT_TRUE(editor->isHidden());
    EXPECT_TRUE(grid.EditorMode());
}
