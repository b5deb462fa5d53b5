// TDataTable: shape changes keep cells and headers where they belong, refused sizes
// leave the table as it was, the state operations, nominal IDs, the stable sorts with
// their exchange reports, the search, and which notifications each change raises.
#include <VEK_datatable.h>

#include <gtest/gtest.h>
#include <qstring_printer.h>

#include <QSignalSpy>

#include <cmath>
#include <vector>

using namespace vek;

namespace {

// A table whose cells tell where they came from: value 10 * column + row, column names
// "c<n>", row names "r<n>", attributes equal to the index.
void Number(TDataTable& t, int cols, int rows)
{
    t.Resize(cols, rows);
    for (int c = 1; c <= cols; ++c) {
        t.SetColName(c, QString("c%1").arg(c));
        t.SetColAttrib(c, quint8(c));
        for (int r = 1; r <= rows; ++r)
            t.SetElem(c, r, 10 * c + r);
    }
    for (int r = 1; r <= rows; ++r) {
        t.SetRowName(r, QString("r%1").arg(r));
        t.SetRowAttrib(r, quint8(r));
    }
}

std::vector<double> Column(const TDataTable& t, int c)
{
    std::vector<double> v;
    for (int r = 1; r <= t.NrOfRows(); ++r)
        v.push_back(t.GetElem(c, r));
    return v;
}

std::vector<double> Row(const TDataTable& t, int r)
{
    std::vector<double> v;
    for (int c = 1; c <= t.NrOfColumns(); ++c)
        v.push_back(t.GetElem(c, r));
    return v;
}

} // namespace

TEST(DataTableShape, ResizeKeepsTheCommonCellsAndClearsNewOnes)
{
    TDataTable t;
    EXPECT_EQ(t.NrOfColumns(), 0);
    Number(t, 3, 4);
    t.SetCellState(2, 2, dtsMarkedA);
    t.Resize(5, 2);
    EXPECT_EQ(Row(t, 2), (std::vector<double>{12, 22, 32, 0, 0}));
    EXPECT_EQ(t.GetCellState(2, 2), dtsMarkedA);
    EXPECT_EQ(t.GetColName(3), "c3");
    EXPECT_EQ(t.GetColName(4), "");
    EXPECT_EQ(t.GetRowName(2), "r2");
    t.Resize(5, 3);
    EXPECT_EQ(Row(t, 3), (std::vector<double>(5, 0.0))); // the dropped row came back empty
    EXPECT_EQ(t.GetRowName(3), "");
    EXPECT_EQ(t.GetRowAttrib(3), 0);
    // Outside the table: reads give nothing, writes are ignored.
    t.SetElem(6, 1, 5);
    EXPECT_EQ(t.GetElem(6, 1), 0);
    EXPECT_EQ(t.GetElem(0, 1), 0);
    EXPECT_FALSE(t.GetIsNumber(1, 4));
}

TEST(DataTableShape, RefusedSizesRaiseAndLeaveTheTable)
{
    TDataTable t;
    t.SetName("Tab1");
    Number(t, 2, 2);
    QSignalSpy resized(&t, &TDataTable::resized);
    for (auto [cols, rows] : {std::pair{-1, 2}, {2, TDataTable::MaxCount + 1}, {100000, 100000}}) {
        try {
            t.Resize(cols, rows);
            FAIL() << "no exception for " << cols << " x " << rows;
        } catch (const EVEKError& e) {
            EXPECT_EQ(e.Message(), "Component \"Tab1\": invalid table size");
        }
    }
    EXPECT_EQ(t.NrOfColumns(), 2);
    EXPECT_EQ(Column(t, 2), (std::vector<double>{21, 22}));
    EXPECT_EQ(resized.count(), 0);
}

TEST(DataTableShape, InsertRemoveAndMirrorCarryHeaders)
{
    TDataTable t;
    Number(t, 3, 3);
    t.InsertRow(2);
    EXPECT_EQ(Column(t, 1), (std::vector<double>{11, 0, 12, 13}));
    EXPECT_EQ(t.GetRowName(3), "r2");
    EXPECT_EQ(t.GetRowAttrib(2), 0);
    t.InsertRow(t.NrOfRows() + 1); // appends
    EXPECT_EQ(t.NrOfRows(), 5);
    t.InsertRow(7);                // beyond: ignored
    EXPECT_EQ(t.NrOfRows(), 5);
    t.RemoveRow(1);
    EXPECT_EQ(Column(t, 1), (std::vector<double>{0, 12, 13, 0}));
    t.SetMScaleType(3, mstNominal);
    t.SetNominalID(3, 2, "blue");
    t.InsertColumn(1);
    EXPECT_EQ(Row(t, 2), (std::vector<double>{0, 12, 22, 32}));
    EXPECT_EQ(t.GetNominalID(4, 2), "blue");
    t.RemoveColumn(2);
    EXPECT_EQ(t.GetColName(2), "c2");
    t.MirrorColumns();
    EXPECT_EQ(Row(t, 2), (std::vector<double>{32, 22, 0}));
    EXPECT_EQ(t.GetColName(1), "c3");
    EXPECT_EQ(t.GetMScaleType(1), mstNominal);
    t.MirrorRows();
    EXPECT_EQ(Column(t, 1), (std::vector<double>{0, 33, 32, 0}));
    EXPECT_EQ(t.GetRowName(2), "r3");
}

TEST(DataTableStates, MarkingOperations)
{
    TDataTable t;
    t.Resize(2, 2);
    t.SetCellState(1, 1, dtsMarkedA | 0x04); // a bit of the program's own
    t.SetCellState(2, 1, dtsMarkedB | dtsEmpty);
    t.SetCellState(1, 2, dtsNotANumber);
    t.ExchangeMarkings();
    EXPECT_EQ(t.GetCellState(1, 1), dtsMarkedB | 0x04);
    EXPECT_EQ(t.GetCellState(2, 1), dtsMarkedA | dtsEmpty);
    EXPECT_EQ(t.CountCells(dtsMarkedA | dtsMarkedB), 2);
    // Filled cells become numbers and keep their marks.
    EXPECT_EQ(t.FillMarkedCells(7.5, dtsMarkedA), 1);
    EXPECT_EQ(t.GetElem(2, 1), 7.5);
    EXPECT_EQ(t.GetCellState(2, 1), dtsMarkedA);
    EXPECT_TRUE(t.GetIsNumber(2, 1));
    t.InvertCellStates(dtsNotANumber);
    EXPECT_EQ(t.GetCellState(1, 2), 0);
    EXPECT_EQ(t.GetCellState(2, 2), dtsNotANumber);
    t.UnmarkAllCells();
    EXPECT_EQ(t.GetCellState(1, 1), 0x04 | dtsNotANumber); // inverted above
    EXPECT_EQ(t.CountCells(dtsMarkedA | dtsMarkedB), 0);
}

TEST(DataTableHeaders, NamesIDsAndScaleTypes)
{
    TDataTable t;
    t.Resize(2, 2);
    t.SetColName(1, QString(60, 'x'));
    EXPECT_EQ(t.GetColName(1).size(), TDataTable::MaxNameLength);
    t.SetNominalID(2, 1, "Red");
    t.SetNominalID(2, 150, "Rather long ID");
    t.SetNominalID(2, 151, "none");
    EXPECT_EQ(t.GetNominalID(2, 150), "Rather lon");
    EXPECT_EQ(t.GetNominalID(2, 151), "");
    EXPECT_EQ(t.OrdinalOfNominalID(2, "red", true), 1);
    EXPECT_EQ(t.OrdinalOfNominalID(2, "red", false), 0);
    EXPECT_EQ(t.OrdinalOfNominalID(2, "Rather long ID!", false), 150);
    EXPECT_EQ(t.OrdinalOfNominalID(3, "Red", true), -1);
    t.SetMScaleType(1, mstOrdinal);
    t.SetMScaleType(1, 9); // no such scale: ignored
    EXPECT_EQ(t.GetMScaleType(1), mstOrdinal);
    EXPECT_EQ(MScaleTypeNames(mstNominal), "nominal");
    EXPECT_EQ(MScaleTypeNames(7), "");
    t.SetComment("lab run 4");
    t.Clear();
    EXPECT_EQ(t.Comment(), "");
    EXPECT_EQ(t.GetNominalID(2, 1), "");
    EXPECT_EQ(t.GetMScaleType(1), mstUndefined);
    EXPECT_EQ(t.NrOfColumns(), 2);
}

TEST(DataTableSort, RowsStableWithNoNumbersLast)
{
    TDataTable t;
    Number(t, 2, 6);
    const double keys[] = {3, 1, 3, 0, 2, NAN};
    for (int r = 1; r <= 6; ++r)
        t.SetElem(1, r, keys[r - 1]);
    t.SetCellState(1, 4, dtsEmpty); // no number, whatever its value
    t.SortRows(1, true, 1, 1, 2, 6, true);
    EXPECT_EQ(Column(t, 2), (std::vector<double>{22, 25, 21, 23, 24, 26}));
    EXPECT_EQ(t.GetRowName(1), "r2");
    EXPECT_EQ(t.GetRowAttrib(6), 6);
    t.SortRows(1, false, 1, 1, 2, 6, false);
    EXPECT_EQ(Column(t, 2), (std::vector<double>{21, 23, 25, 22, 24, 26}));
    EXPECT_EQ(t.GetRowName(1), "r2"); // names stayed where they were
}

TEST(DataTableSort, ColumnsOfABlockReportTheirExchanges)
{
    TDataTable t;
    Number(t, 4, 3);
    t.SetElem(2, 1, 99);
    t.SetElem(3, 1, -1);
    std::vector<int> order{1, 2, 3, 4}; // follows the exchanges, as the editor's precisions
    t.OnSortExchange = [&](TObject*, int kind, int low, int high, int i, int j) {
        EXPECT_EQ(kind, TDataTable::ekColumnsWithHeaders);
        EXPECT_EQ(low, 1);
        EXPECT_EQ(high, 2);
        std::swap(order[std::size_t(i - 1)], order[std::size_t(j - 1)]);
    };
    // Columns 2..4 by row 1, rows 1..2 only.
    t.SortCols(1, true, 2, 1, 4, 2, true);
    EXPECT_EQ(Row(t, 1), (std::vector<double>{11, -1, 41, 99}));
    EXPECT_EQ(Row(t, 3), (std::vector<double>{13, 23, 33, 43})); // outside the block
    EXPECT_EQ(order, (std::vector<int>{1, 3, 4, 2}));
    EXPECT_EQ(t.GetColName(4), "c2");
}

TEST(DataTableSort, ByAttributesAndNamesAndSearch)
{
    TDataTable t;
    Number(t, 3, 3);
    t.SetRowAttrib(1, 9);
    t.SortRowAttributes(true, 1, 1, 3, 3);
    EXPECT_EQ(Column(t, 1), (std::vector<double>{12, 13, 11}));
    t.SetColName(1, "beta");
    t.SetColName(2, "Alpha");
    t.SetColName(3, "alpha");
    t.SortColNames(true, true, 1, 1, 3, 3);
    EXPECT_EQ(t.GetColName(1), "Alpha"); // equal without case: the first stays first
    EXPECT_EQ(t.GetColName(2), "alpha");
    t.SortColNames(false, false, 1, 1, 3, 3);
    EXPECT_EQ(t.GetColName(1), "beta");
    EXPECT_EQ(t.FindColIndex("Alpha"), 3);
    EXPECT_EQ(t.FindColIndex("gamma"), 0);
    EXPECT_EQ(t.FindRowIndex("r1"), 3);
}

TEST(DataTableNotifications, EachChangeReportsOnceAndUnchangedWritesNot)
{
    TDataTable t;
    int changes = 0, setups = 0;
    std::vector<std::vector<int>> resizes;
    t.OnChange = [&](TObject* sender) {
        EXPECT_EQ(sender, &t);
        ++changes;
    };
    t.OnSetupChange = [&](TObject*) { ++setups; };
    t.OnResize = [&](TObject*, int oc, int orr, int nc, int nr) {
        resizes.push_back({oc, orr, nc, nr});
    };
    QSignalSpy changed(&t, &TDataTable::changed);
    t.Resize(2, 3);
    t.Resize(2, 3);
    t.SetElem(1, 1, 4);
    t.SetElem(1, 1, 4);
    t.SetElem(2, 2, NAN);
    t.SetElem(2, 2, NAN);
    t.SetCellState(1, 1, dtsEmpty);
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(changed.count(), 3);
    EXPECT_EQ(setups, 0);
    t.SetRowName(2, "x");
    t.InsertColumn(1);
    EXPECT_EQ(setups, 2);
    EXPECT_EQ(resizes, (std::vector<std::vector<int>>{{0, 0, 2, 3}, {2, 3, 3, 3}}));
}

TEST(DataTableMemory, NineBytesPerCell)
{
    TDataTable t;
    t.Resize(20, 1000);
    EXPECT_EQ(t.MemoryUsed() / 20000, 9u);
}
