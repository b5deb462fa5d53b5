// TNTabEd geometry and structure: the header lines coming and going with their sizes,
// the header index convention, counts and what new columns inherit, precisions, the
// structure operations, a table changed from outside, and the two error messages.
#include "failing_allocation.h"
#include "ntabed_fixture.h"

using namespace vek;
using namespace ntabedtest;

TEST_F(Editor, StartsAsThreeByFourWithTheAttributeColumn)
{
    EXPECT_EQ(tab.NrOfColumns(), 3);
    EXPECT_EQ(tab.NrOfRows(), 4);
    EXPECT_EQ(tab.ColCount(), 5);
    EXPECT_EQ(tab.FixedCols(), 2);
    EXPECT_EQ(tab.FixedRows(), 1);
    EXPECT_TRUE(tab.AttribRowVisible());
    EXPECT_FALSE(tab.AttribColVisible());
    EXPECT_EQ(tab.ColWidths(-1), 32);
    EXPECT_EQ(tab.ColWidths(0), 80);
    EXPECT_EQ(tab.RowHeights(-1), 0);
    EXPECT_EQ(tab.Precision(3), 3);
    EXPECT_EQ(tab.Elem(3, 4), 0);
    EXPECT_EQ(tab.DefaultRowHeight(), 24);
    EXPECT_TRUE(tab.Options() & goEditing); // editable from the keyboard at once
    tab.SetDataReadOnly(true);
    EXPECT_FALSE(tab.Options() & goEditing);
    tab.SetDataReadOnly(false);
    EXPECT_TRUE(tab.Options() & goEditing);
}

TEST_F(Editor, AttributeColumnComesBackWithItsWidthAndDataWidthsMoveAlong)
{
    tab.SetColWidths(2, 99);
    tab.SetColWidths(-1, 50);
    tab.SetSelection({3, 2, 3, 2}); // data cell (2, 2)
    tab.SetAttribRowVisible(false);
    EXPECT_EQ(tab.ColWidths(-1), 0);
    EXPECT_EQ(tab.ColWidths(2), 99);
    EXPECT_EQ(tab.TCustomGrid::ColWidths(2), 99);
    EXPECT_EQ(tab.ColCount(), 4);
    EXPECT_EQ(tab.FixedCols(), 1);
    EXPECT_EQ(tab.Col(), 2); // still on data column 2
    tab.SetSelection({1, 1, 1, 1}); // data cell (1, 1): beside the fixed column
    tab.SetAttribRowVisible(true);
    tab.SetAttribColVisible(true);
    tab.SetAttribColVisible(false);
    tab.SetAttribRowVisible(false);
    EXPECT_EQ(tab.Selection(), (TGridRect{1, 1, 1, 1}));
    tab.SetColWidths(-1, 70); // ignored while hidden
    tab.SetAttribRowVisible(true);
    EXPECT_EQ(tab.ColWidths(-1), 50);
    EXPECT_EQ(tab.ColWidths(2), 99);
    EXPECT_EQ(tab.Col(), 2);
    // A width dragged with the mouse (the grid's own setter) is remembered too.
    tab.TCustomGrid::SetColWidths(1, 44);
    tab.SetAttribRowVisible(false);
    tab.SetAttribRowVisible(true);
    EXPECT_EQ(tab.ColWidths(-1), 44);
    // A new default width resets the data columns but not the header columns.
    tab.SetDefaultColWidth(55);
    EXPECT_EQ(tab.ColWidths(2), 55);
    EXPECT_EQ(tab.ColWidths(0), 80);
    EXPECT_EQ(tab.ColWidths(-1), 44);
}

TEST_F(Editor, AttributeRowTakesTheNameRowsHeight)
{
    tab.SetRowHeights(0, 30);
    tab.SetRowHeights(2, 40);
    tab.SetRowHeights(-1, 50); // hidden: ignored
    tab.SetRowHeights(5, 50);  // no such row: ignored
    tab.SetAttribColVisible(true);
    EXPECT_EQ(tab.RowHeights(-1), 30);
    EXPECT_EQ(tab.RowHeights(2), 40);
    EXPECT_EQ(tab.TCustomGrid::RowHeights(3), 40);
    EXPECT_EQ(tab.FixedRows(), 2);
    EXPECT_EQ(tab.RowCount(), 6);
    tab.SetAttribColVisible(false);
    EXPECT_EQ(tab.RowHeights(2), 40);
    EXPECT_EQ(tab.RowCount(), 5);
}

TEST_F(Editor, NewColumnsInheritTheLastColumnsWidthAndPrecision)
{
    tab.SetColWidths(3, 70);
    tab.SetPrecision(3, 5);
    tab.SetNrOfColumns(5);
    EXPECT_EQ(tab.ColWidths(4), 70);
    EXPECT_EQ(tab.ColWidths(5), 70);
    EXPECT_EQ(tab.Precision(5), 5);
    EXPECT_EQ(tab.ColCount(), 7);
    tab.SetNrOfColumns(0); // at least one column
    EXPECT_EQ(tab.NrOfColumns(), 1);
    tab.SetNrOfRows(-3);
    EXPECT_EQ(tab.NrOfRows(), 1);
    EXPECT_EQ(tab.RowCount(), 2);
}

TEST_F(Editor, PrecisionIsASignedByteReadUnsigned)
{
    tab.SetPrecision(1, -5);
    EXPECT_EQ(tab.Precision(1), 255);
    tab.SetPrecision(2, 12);
    EXPECT_EQ(tab.Precision(2), 10);
    tab.SetPrecision(4, 1); // no such column
    EXPECT_EQ(tab.Precision(4), 0);
    EXPECT_EQ(tab.Precision(0), 0);
    tab.SetNumWidth(0);
    tab.SetNumWidth(21);
    EXPECT_EQ(tab.NumWidth(), 1);
    tab.SetNumWidth(20);
    EXPECT_EQ(tab.NumWidth(), 20);
}

TEST_F(Editor, InsertAndRemoveKeepColumnsWithTheirSettings)
{
    tab.Clear();
    tab.SetPrecision(2, 0);
    tab.SetColWidths(2, 90);
    tab.InsertColumn(2);
    EXPECT_EQ(tab.NrOfColumns(), 4);
    EXPECT_EQ(tab.ColName(3), "C-2");
    EXPECT_EQ(tab.Precision(2), 0); // the neighbour's
    EXPECT_EQ(tab.Precision(3), 0);
    EXPECT_EQ(tab.Precision(4), 3);
    EXPECT_EQ(tab.ColWidths(2), 90);
    EXPECT_EQ(tab.ColWidths(3), 90);
    tab.RemoveColumn(1);
    EXPECT_EQ(tab.ColName(1), "");
    EXPECT_EQ(tab.Precision(3), 3);
    tab.InsertRow(tab.NrOfRows() + 1); // appends
    EXPECT_EQ(tab.NrOfRows(), 5);
    EXPECT_EQ(tab.RowName(4), "R-4");
    EXPECT_EQ(tab.RowCount(), 6);
    tab.InsertRow(0); // ignored
    EXPECT_EQ(tab.NrOfRows(), 5);
    tab.SetNrOfRows(1);
    tab.RemoveRow(1); // the last row stays
    EXPECT_EQ(tab.NrOfRows(), 1);
    tab.SetPrecision(1, 8);
    tab.MirrorColumns();
    EXPECT_EQ(tab.Precision(3), 8);
}

TEST_F(Editor, ClearNamesEverythingAndResetsPrecisions)
{
    tab.SetElem(1, 1, 5);
    tab.SetPrecision(2, 7);
    tab.SetComment("old run");
    tab.Clear();
    EXPECT_EQ(tab.ColName(3), "C-3");
    EXPECT_EQ(tab.RowName(4), "R-4");
    EXPECT_EQ(tab.Elem(1, 1), 0);
    EXPECT_EQ(tab.Precision(2), 3);
    EXPECT_EQ(tab.Comment(), "");
}

TEST_F(Editor, ViewPositionInDataIndices)
{
    tab.SetNrOfRows(200);
    tab.SetTopRow(50);
    EXPECT_EQ(tab.TopRow(), 50);
    EXPECT_EQ(tab.TCustomGrid::TopRow(), 50);
    tab.SetTopRow(0);
    EXPECT_EQ(tab.TopRow(), 1);
    tab.SetAttribColVisible(true);
    tab.SetTopRow(10);
    EXPECT_EQ(tab.TCustomGrid::TopRow(), 11);
    tab.SetNrOfColumns(30);
    tab.SetLeftCol(12);
    EXPECT_EQ(tab.LeftCol(), 12);
    tab.SetLeftCol(-4);
    EXPECT_EQ(tab.LeftCol(), 1);
}

TEST_F(Editor, TableChangedFromOutsideReachesTheGrid)
{
    tab.SetPrecision(3, 6);
    tab.Data()->Resize(6, 7);
    EXPECT_EQ(tab.ColCount(), 8);
    EXPECT_EQ(tab.RowCount(), 8);
    EXPECT_EQ(tab.Precision(6), 6);
    // Sorting columns with their headers takes their precisions along.
    tab.SetElem(3, 1, -1);
    tab.Data()->SortCols(1, true, 1, 1, 6, 7, true);
    EXPECT_EQ(tab.Elem(1, 1), -1);
    EXPECT_EQ(tab.Precision(1), 6);
    EXPECT_EQ(tab.Precision(3), 3);
}

TEST_F(Editor, RefusedSizeLeavesAUsableEditor)
{
    tab.SetName("Tab1");
    int layouts = 0;
    tab.OnLayoutChanged = [&](TObject*) { ++layouts; };
    EXPECT_THROW(tab.SetNrOfColumns(TDataTable::MaxCount + 1), EVEKError);
    EXPECT_THROW(tab.SetNrOfRows(TDataTable::MaxCells), EVEKError);
    EXPECT_EQ(tab.NrOfColumns(), 3);
    EXPECT_EQ(tab.NrOfRows(), 4);
    EXPECT_EQ(tab.ColCount(), 5);
    EXPECT_FALSE(tab.SuppressPaint());
    tab.SetPrecision(1, 2); // notifications and painting are back
    EXPECT_EQ(layouts, 1);
    const TRect cell = Cell(2, 2);
    EXPECT_EQ(vektest::ColorAt(vektest::Render(&tab), cell.Right - 2, cell.Top + 2),
              ColorToRGB(clWindow));
}

TEST_F(Editor, PrecisionsThatCannotGrowRaiseTheHeapMessage)
{
    tab.SetName("Tab1");
    failingallocation::FailNextAllocationOf(100000); // the precisions of 100000 columns
    try {
        tab.SetNrOfColumns(100000);
        FAIL() << "no exception";
    } catch (const EVEKNTabedError& e) {
        EXPECT_EQ(e.Message(), "Component \"Tab1\": not enough memory on heap");
    }
    failingallocation::Disarm();
    EXPECT_EQ(tab.NrOfColumns(), 3);
    EXPECT_EQ(tab.ColCount(), 5);
}

TEST(NTabEdConstruction, OutOfMemoryRaisesTheInitializationMessage)
{
    failingallocation::FailNextAllocationOf(3); // the precisions of the first 3 columns
    try {
        TNTabEd tab;
        FAIL() << "no exception";
    } catch (const EVEKNTabedError& e) {
        EXPECT_EQ(e.Message(), "Component \"\": failed to initialize table editor (out of memory)");
    }
    EXPECT_FALSE(failingallocation::Armed());
    failingallocation::Disarm();
}
