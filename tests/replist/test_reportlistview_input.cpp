// TReportListView driven as a user drives it: clicks, keys and the wheel select rows,
// toggle check marks, sort by a header and edit cells.
#include <VEK_replist.h>

#include <frame/core/application.h>

#include "qstring_printer.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>

using namespace vek;

namespace {

struct ListInput : ::testing::Test {
    TReportListView list;
    void SetUp() override
    {
        list.resize(500, 300);
        list.SetNrOfColumns(3);
        list.SetNrOfRows(8);
        for (int r = 1; r <= 8; ++r) {
            list.SetElem(1, r, QString("n%1").arg(r));
            list.SetElem(2, r, QString::number((r * 37) % 11)); // 4 8 1 5 9 2 6 10
        }
    }
    // A point in data cell (column, row), dx pixels right of the cell's left edge.
    QPoint CellPoint(int dataCol, int dataRow, int dx = 30) const
    {
        const TRect r = list.CellRect(dataCol - 1, dataRow + list.CountHeadRows() - 1);
        return {r.Left + dx, (r.Top + r.Bottom) / 2};
    }
    QPoint HeaderPoint(int gridCol, int dx) const
    {
        const TRect r = list.CellRect(gridCol, list.CountHeadRows() - 1);
        return {dx >= 0 ? r.Left + dx : r.Right + dx, (r.Top + r.Bottom) / 2};
    }
    void Click(QPoint at, Qt::KeyboardModifiers mods = {})
    {
        QTest::mouseClick(&list, Qt::LeftButton, mods, at);
    }
    std::vector<int> SelectedRows() const
    {
        std::vector<int> rows;
        for (int r = 1; r <= list.NrOfRows(); ++r)
            if (list.RowSelected(r))
                rows.push_back(r);
        return rows;
    }
    std::vector<QString> Column(int c) const
    {
        std::vector<QString> values;
        for (int r = 1; r <= list.NrOfRows(); ++r)
            values.push_back(list.Elem(c, r));
        return values;
    }
};

using Rows = std::vector<int>;

} // namespace

TEST_F(ListInput, SingleSelectionFollowsClicksAndKeys)
{
    int changes = 0;
    list.OnSelectedChange = [&](TObject*) { ++changes; };
    Click(CellPoint(1, 3));
    EXPECT_EQ(SelectedRows(), Rows{3});
    EXPECT_GT(changes, 0);
    QTest::keyClick(&list, Qt::Key_Down);
    EXPECT_EQ(SelectedRows(), Rows{4});
    QTest::keyClick(&list, Qt::Key_End);
    EXPECT_EQ(SelectedRows(), Rows{8});
}

TEST_F(ListInput, MultipleSelectionWithCtrlShiftAndTheAnchor)
{
    list.SetRowSelectMode(2);
    Click(CellPoint(1, 2));
    Click(CellPoint(1, 5), Qt::ControlModifier);
    EXPECT_EQ(SelectedRows(), (Rows{2, 5}));
    list.SetRowEnabled(5, false);
    Click(CellPoint(1, 4), Qt::ShiftModifier); // the anchor is row 5
    EXPECT_EQ(SelectedRows(), (Rows{2, 4, 5}));
    EXPECT_FALSE(list.RowEnabled(4)) << "rows take the anchor's whole attribute byte";
    Click(CellPoint(1, 7));
    EXPECT_EQ(SelectedRows(), Rows{7}) << "a plain click selects one row";
    QTest::keyClick(&list, Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_EQ(SelectedRows(), (Rows{6, 7}));
    QTest::keyClick(&list, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(list.NumSelectedRows(), 8);
    // Releasing the button right of the cells deselects all.
    const TRect cells = list.CellsExtent();
    QTest::mouseRelease(&list, Qt::LeftButton, {}, QPoint(cells.Right + 5, 40));
    EXPECT_EQ(list.NumSelectedRows(), 0);
}

TEST_F(ListInput, PlainClicksToggleWithoutCtrlForMultiSel)
{
    list.SetRowSelectMode(2);
    list.SetUseCtrlForMultiSel(false);
    Click(CellPoint(1, 2));
    Click(CellPoint(1, 3));
    EXPECT_EQ(SelectedRows(), (Rows{2, 3}));
    Click(CellPoint(1, 2));
    EXPECT_EQ(SelectedRows(), Rows{3});
}

TEST_F(ListInput, ModeZeroSelectsNothingAndClearsTheSelection)
{
    list.SetRowSelectMode(2);
    list.SelectAllRows();
    list.SetRowSelectMode(0);
    EXPECT_EQ(list.NumSelectedRows(), 0);
    Click(CellPoint(1, 3));
    QTest::keyClick(&list, Qt::Key_Down);
    EXPECT_EQ(list.NumSelectedRows(), 0);
}

TEST_F(ListInput, CheckMarksToggleNearTheCellsLeftEdge)
{
    list.SetColumnCheckMode(3, cmBox);
    std::vector<std::pair<bool, int>> after;
    list.OnCheckedChange = [&](TObject*, bool& state, int, int row) { after.push_back({state, row}); };
    Click(CellPoint(3, 2, 10));
    EXPECT_TRUE(list.ElemChecked(3, 2));
    ASSERT_EQ(after.size(), 1u);
    EXPECT_EQ(after[0], std::make_pair(false, 2)) << "the handler gets the former state";
    Click(CellPoint(3, 3, 18));
    EXPECT_FALSE(list.ElemChecked(3, 3)) << "18 pixels in is beside the box";
    list.OnBeforeCheckedChange = [](TObject*, bool& state, int, int) { state = false; };
    Click(CellPoint(3, 4, 10));
    EXPECT_FALSE(list.ElemChecked(3, 4)) << "the handler refused";
    list.OnBeforeCheckedChange = nullptr;
    list.SetRowEnabled(5, false);
    Click(CellPoint(3, 5, 10));
    EXPECT_FALSE(list.ElemChecked(3, 5)) << "disabled rows keep their marks";
    list.SetCheckMarksReadOnly(true);
    Click(CellPoint(3, 6, 10));
    EXPECT_FALSE(list.ElemChecked(3, 6));
    list.SetCheckMarksReadOnly(false);
    // Space toggles the current cell's mark.
    Click(CellPoint(3, 7, 40));
    QTest::keyClick(&list, Qt::Key_Space);
    EXPECT_TRUE(list.ElemChecked(3, 7));
}

TEST_F(ListInput, RadioClicksAlwaysCheckAndClearTheColumn)
{
    list.SetColumnCheckMode(3, cmRadio);
    list.OnBeforeCheckedChange = [](TObject*, bool& state, int, int) { state = false; };
    Click(CellPoint(3, 2, 10));
    EXPECT_TRUE(list.ElemChecked(3, 2));
    Click(CellPoint(3, 6, 10));
    EXPECT_TRUE(list.ElemChecked(3, 6));
    EXPECT_FALSE(list.ElemChecked(3, 2));
    Click(CellPoint(3, 6, 10));
    EXPECT_TRUE(list.ElemChecked(3, 6)) << "a second click leaves it checked";
}

TEST_F(ListInput, HeaderClicksSortDescendingThenAscending)
{
    Click(CellPoint(1, 3)); // selects "n3" (value 2)
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    Click(HeaderPoint(1, 30));
    EXPECT_EQ(list.LastSortColumn(), 2);
    EXPECT_FALSE(list.LastSortOrder());
    EXPECT_EQ(Column(2), (std::vector<QString>{"10", "9", "8", "6", "5", "4", "2", "1"}));
    EXPECT_EQ(SelectedRows(), Rows{8}) << "the selected row moved with its data";
    EXPECT_EQ(list.Row() - list.FixedRows() + 1, 8) << "and is still the current row";
    EXPECT_EQ(Screen()->Cursor(), crDefault) << "the wait cursor is gone";
    Click(HeaderPoint(1, 30));
    EXPECT_TRUE(list.LastSortOrder());
    EXPECT_EQ(list.Elem(2, 1), "1");
    QApplication::restoreOverrideCursor();
}

TEST_F(ListInput, HeaderClicksNearBordersOrWithSortingOffDoNotSort)
{
    Click(HeaderPoint(1, 4));
    Click(HeaderPoint(1, -4));
    EXPECT_EQ(list.LastSortColumn(), -1);
    list.SetSortEnabled(false);
    Click(HeaderPoint(1, 30));
    EXPECT_EQ(list.LastSortColumn(), -1);
    EXPECT_EQ(list.Elem(1, 1), "n1");
}

TEST_F(ListInput, SecondarySortColumnKeepsItsRange)
{
    int setups = 0;
    list.OnChangeSetup = [&](TObject*) { ++setups; };
    list.SetSecondarySortColumn(2);
    EXPECT_EQ(list.SecondarySortColumn(), 2);
    EXPECT_EQ(setups, 1);
    list.SetSecondarySortColumn(-2);
    list.SetSecondarySortColumn(list.NrOfColumns() + 1);
    EXPECT_EQ(list.SecondarySortColumn(), 2);
    EXPECT_EQ(setups, 1);
}

TEST_F(ListInput, EditableColumnsEditInPlaceInRowSelectMode)
{
    list.SetColumnEditable(1, true);
    list.SetColumnCheckMode(3, cmBox);
    list.SetColumnEditable(3, true);
    list.SetElemChecked(3, 2, true);
    std::vector<int> editedRows;
    list.OnSetEditText = [&](TObject*, int, int row, const QString&) { editedRows.push_back(row); };
    Click(CellPoint(1, 4));
    QTest::keyClick(&list, Qt::Key_F2);
    ASSERT_TRUE(list.EditorMode());
    auto* editor = qobject_cast<QLineEdit*>(list.InplaceEditor()->Widget());
    EXPECT_EQ(editor->text(), "n4");
    QTest::keyClicks(editor, "new");
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(list.Elem(1, 4), "new");
    EXPECT_EQ(editedRows, Rows{4}) << "one event, with the data row";
    // A check cell edits its value and keeps its mark.
    Click(CellPoint(3, 2, 40));
    QTest::keyClick(&list, Qt::Key_F2);
    editor = qobject_cast<QLineEdit*>(list.InplaceEditor()->Widget());
    EXPECT_EQ(editor->text(), "");
    QTest::keyClicks(editor, "yes");
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(list.Elem(3, 2), "yes");
    EXPECT_TRUE(list.ElemChecked(3, 2));
    // Not in columns that are not editable, nor in disabled rows.
    Click(CellPoint(2, 4));
    QTest::keyClick(&list, Qt::Key_F2);
    EXPECT_FALSE(list.EditorMode());
    list.SetRowEnabled(5, false);
    Click(CellPoint(1, 5));
    QTest::keyClick(&list, Qt::Key_F2);
    EXPECT_FALSE(list.EditorMode());
}

TEST_F(ListInput, AutoAdvanceMovesOnAfterEnter)
{
    list.SetAutoAdvance(true);
    list.SetColumnEditable(1, true);
    Click(CellPoint(1, 2));
    QTest::keyClick(&list, Qt::Key_F2);
    QTest::keyClicks(list.InplaceEditor()->Widget(), "x");
    QTest::keyClick(list.InplaceEditor()->Widget(), Qt::Key_Return);
    EXPECT_EQ(list.Elem(1, 2), "x");
    EXPECT_EQ(SelectedRows(), Rows{3});
    Click(CellPoint(2, 5)); // not editable: Enter advances at once
    QTest::keyClick(&list, Qt::Key_Return);
    EXPECT_EQ(SelectedRows(), Rows{6});
}

TEST_F(ListInput, DoubleClickOnAHeaderBorderFitsTheColumn)
{
    list.SetElem(1, 1, "a much longer text than fits");
    list.SetColWidths(1, 30);
    int doubleClicks = 0;
    list.OnDblClick = [&](TObject*) { ++doubleClicks; };
    const QPoint border = HeaderPoint(0, -2);
    QTest::mouseDClick(&list, Qt::LeftButton, {}, border);
    EXPECT_EQ(list.ColWidths(1), list.DetermineMaxColWidth(1, true));
    EXPECT_EQ(doubleClicks, 0) << "the header row raises no OnDblClick";
}

TEST_F(ListInput, TheWheelLeavesAnEmptyListAlone)
{
    list.SetNrOfRows(0);
    QWheelEvent wheel(QPointF(50, 50), list.mapToGlobal(QPointF(50, 50)), {}, QPoint(0, -120),
                      Qt::NoButton, {}, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&list, &wheel);
    EXPECT_FALSE(wheel.isAccepted());
    EXPECT_EQ(list.TopRow(), 1);
}
