// TNTabEd sorting, search and other tables: what moves with the cells (names,
// attributes, precisions), the notifications each operation fires, Redimension, a bound
// table the program owns, and contents and states taken from another editor.
#include "event_log.h"
#include "ntabed_fixture.h"

#include <QRandomGenerator>

#include <algorithm>

using namespace vek;
using namespace ntabedtest;

namespace {

struct Sorting : Editor {
    // Column c holds the values of one row per entry, rows named "R-1", "R-2", ...
    void SetColumn(int c, std::initializer_list<double> values)
    {
        tab.SetNrOfRows(int(values.size()));
        int r = 1;
        for (double v : values) {
            tab.SetElem(c, r, v);
            tab.SetRowName(r, "R-" + QString::number(r));
            ++r;
        }
    }
    std::vector<double> Column(int c) const
    {
        std::vector<double> values;
        for (int r = 1; r <= tab.NrOfRows(); ++r)
            values.push_back(tab.Elem(c, r));
        return values;
    }
    QStringList RowNames() const
    {
        QStringList names;
        for (int r = 1; r <= tab.NrOfRows(); ++r)
            names << tab.RowName(r);
        return names;
    }
};

} // namespace

TEST_F(Sorting, RowSortsMoveTheBlockAndTheHeadersAsAsked)
{
    SetColumn(1, {3, 1, 2, 0});
    SetColumn(2, {30, 10, 20, 0});
    tab.SetIsEmpty(1, 1, true); // no number: last in either direction
    tab.SetRowAttrib(2, 7);
    EventLog log(tab);
    tab.SortRows(1, true, 1, 1, 1, 3, false); // column 1 only, rows 1..3
    EXPECT_EQ(Column(1), (std::vector<double>{1, 2, 3, 0}));
    EXPECT_EQ(Column(2), (std::vector<double>{30, 10, 20, 0}));
    EXPECT_TRUE(tab.IsEmpty(1, 3));
    EXPECT_EQ(RowNames(), (QStringList{"R-1", "R-2", "R-3", "R-4"}));
    EXPECT_EQ(log.Take(), (QStringList{"OnChange", "OnCellStateChanged"}));

    tab.SortRows(2, false, 1, 1, 2, 4, true);
    EXPECT_EQ(Column(2), (std::vector<double>{30, 20, 10, 0}));
    EXPECT_EQ(Column(1), (std::vector<double>{1, 3, 2, 0}));
    EXPECT_TRUE(tab.IsEmpty(1, 2));
    EXPECT_EQ(RowNames(), (QStringList{"R-1", "R-3", "R-2", "R-4"}));
    EXPECT_EQ(tab.RowAttrib(3), 7);
    EXPECT_EQ(tab.FindRowIndex("R-2"), 3);
    EXPECT_EQ(tab.FindRowIndex("r-2"), 0);
    EXPECT_EQ(log.Take(), (QStringList{"OnChange", "OnCellStateChanged", "OnHeadingChanged",
                                       "OnAttributeChanged"}));

    tab.SortRowNames(true, false, 1, 1, 2, 4);
    EXPECT_EQ(RowNames(), (QStringList{"R-1", "R-2", "R-3", "R-4"}));
    tab.SortRowAttributes(false, 1, 1, 2, 4);
    EXPECT_EQ(tab.RowAttrib(1), 7);
    log.Take();
    // A key or block outside the table sorts nothing and reports nothing.
    tab.SortRows(9, true, 1, 1, 2, 4, true);
    tab.SortRows(1, true, 1, 7, 2, 9, true);
    tab.SortRowNames(true, true, 5, 1, 9, 4);
    EXPECT_EQ(log.Take(), QStringList());
}

TEST_F(Sorting, PrecisionsFollowColumnsThatMoveWithTheirHeaders)
{
    for (int c = 1; c <= 3; ++c) {
        tab.SetElem(c, 1, 4 - c);
        tab.SetColName(c, QString(QChar(u'a' + 3 - c)));
        tab.SetPrecision(c, c);
    }
    EventLog log(tab);
    tab.SortCols(1, true, 1, 1, 3, 1, false); // the headers and precisions stay
    EXPECT_EQ(tab.Elem(1, 1), 1);
    EXPECT_EQ(tab.ColName(1), "c");
    EXPECT_EQ(tab.Precision(1), 1);
    EXPECT_EQ(log.Take(), (QStringList{"OnChange", "OnCellStateChanged"}));

    tab.SortColNames(true, 1, 1, 3, 4); // names c b a -> a b c, with the precisions
    EXPECT_EQ(tab.ColName(1), "a");
    EXPECT_EQ(tab.Precision(1), 3);
    EXPECT_EQ(tab.Precision(3), 1);
    EXPECT_EQ(tab.Elem(1, 1), 3);
    EXPECT_EQ(log.Take(), (QStringList{"OnChange", "OnCellStateChanged", "OnHeadingChanged",
                                       "OnAttributeChanged", "OnLayoutChanged"}));

    tab.SortCols(1, true, 1, 1, 3, 4, true);
    EXPECT_EQ(tab.ColName(1), "c");
    EXPECT_EQ(tab.Precision(1), 1);
    tab.SetColAttrib(2, 9);
    tab.SortColAttributes(false, 1, 1, 3, 4);
    EXPECT_EQ(tab.ColAttrib(1), 9);
    EXPECT_EQ(tab.ColName(1), "b");
    EXPECT_EQ(tab.Precision(1), 2);
    EXPECT_EQ(tab.FindColIndex("a"), 3);
    EXPECT_EQ(tab.FindColIndex("d"), 0);
}

// Long cycles of the permutation: every column must end where a stable sort puts it,
// with its own name and precision.
TEST_F(Sorting, ManyColumnsAndRowsEndInStableOrder)
{
    constexpr int Cols = 60, Rows = 500;
    tab.Redimension(Cols, Rows);
    tab.Clear(); // names C-1.., R-1..
    QRandomGenerator random(5);
    auto byKey = [](const auto& a, const auto& b) { return a.first < b.first; };
    std::vector<std::pair<double, int>> expected; // key, original index
    for (int c = 1; c <= Cols; ++c) {
        tab.SetPrecision(c, c % 12 - 1);
        tab.SetElem(c, 1, random.bounded(8));
        expected.push_back({tab.Elem(c, 1), c});
    }
    std::stable_sort(expected.begin(), expected.end(), byKey);
    tab.SortCols(1, true, 1, 1, Cols, Rows, true);
    for (int c = 1; c <= Cols; ++c) {
        const int from = expected[std::size_t(c - 1)].second;
        EXPECT_EQ(tab.ColName(c), "C-" + QString::number(from));
        EXPECT_EQ(qint8(tab.Precision(c)), from % 12 - 1);
    }

    expected.clear();
    for (int r = 1; r <= Rows; ++r) {
        tab.SetElem(2, r, random.bounded(30));
        tab.SetIsEmpty(2, r, r % 7 == 0); // no number: after all numbers
        expected.push_back({r % 7 ? tab.Elem(2, r) : 1e300, r});
    }
    std::stable_sort(expected.begin(), expected.end(), byKey);
    tab.SortRows(2, true, 1, 1, Cols, Rows, true);
    for (int r = 1; r <= Rows; ++r)
        EXPECT_EQ(tab.RowName(r), "R-" + QString::number(expected[std::size_t(r - 1)].second));
}

// ---- sizes

TEST_F(Sorting, RedimensionResizesBothWaysInOneStep)
{
    tab.SetPrecision(3, 6);
    tab.SetColWidths(3, 77);
    EventLog log(tab);
    tab.Redimension(5, 9);
    EXPECT_EQ(tab.NrOfColumns(), 5);
    EXPECT_EQ(tab.NrOfRows(), 9);
    EXPECT_EQ(tab.Precision(5), 6);
    EXPECT_EQ(tab.ColWidths(5), 77);
    EXPECT_EQ(log.Take(), QStringList{"OnChangeSetup"});
    tab.Redimension(5, 9);
    tab.Redimension(-3, 0); // at least one column and one row
    EXPECT_EQ(tab.NrOfColumns(), 1);
    EXPECT_EQ(tab.NrOfRows(), 1);
    EXPECT_THROW(tab.Redimension(TDataTable::MaxCount, 10), EVEKError);
    EXPECT_EQ(tab.NrOfColumns(), 1);
    EXPECT_EQ(log.Take(), QStringList{"OnChangeSetup"});
}

// ---- other tables

TEST_F(Sorting, BoundTableStaysTheProgramsOwn)
{
    auto* table = new TDataTable;
    table->Resize(6, 2);
    table->SetElem(6, 2, 42);
    EventLog log(tab);
    tab.SetPrecision(1, 7);
    log.Take();
    tab.AssignAnotherDataMatrix(table);
    EXPECT_EQ(tab.Data(), table);
    EXPECT_EQ(tab.NrOfColumns(), 6);
    EXPECT_EQ(tab.ColCount(), 8);
    EXPECT_EQ(tab.Elem(6, 2), 42);
    EXPECT_EQ(tab.Precision(1), 3);
    EXPECT_EQ(log.Take(), (QStringList{"OnChangeSetup", "OnChange", "OnLayoutChanged"}));
    table->SetElem(1, 1, 5); // the table's changes reach the editor
    table->Resize(2, 2);
    EXPECT_EQ(tab.ColCount(), 4);
    EXPECT_EQ(log.Take(), QStringList{"OnChange"});

    // An editor that took the table over and is destroyed leaves it alive, without
    // handlers into the editor.
    {
        TNTabEd other;
        other.AssignAnotherDataMatrix(table);
    }
    EXPECT_TRUE(table->OnChange == nullptr);
    EXPECT_TRUE(table->OnResize == nullptr);
    table->SetElem(1, 1, 6);
    EXPECT_EQ(log.Take(), QStringList()); // tab gave up its slots to the other editor

    // Destroying the table first leaves the editor a table of its own of that size.
    delete table;
    EXPECT_NE(tab.Data(), nullptr);
    EXPECT_EQ(tab.NrOfColumns(), 2);
    EXPECT_EQ(tab.NrOfRows(), 2);
    EXPECT_EQ(tab.Elem(1, 1), 0);
    EXPECT_EQ(log.Take(), (QStringList{"OnChangeSetup", "OnChange", "OnLayoutChanged"}));
    tab.SetElem(2, 2, 1);
    EXPECT_EQ(tab.Elem(2, 2), 1);
    EXPECT_EQ(log.Take(), QStringList{"OnChange"});
}

TEST_F(Sorting, ContentsAndStatesComeFromAnotherEditor)
{
    TNTabEd source;
    source.Redimension(4, 2);
    source.SetElem(4, 2, 8);
    source.SetColName(4, "d");
    source.SetPrecision(4, 1);
    source.SetElemMarkedB(1, 1, true);
    source.SetComment("from elsewhere");
    tab.SetElemMarkedA(2, 3, true);
    EventLog log(tab);
    tab.CopyContentsFrom(&source);
    EXPECT_EQ(tab.NrOfColumns(), 4);
    EXPECT_EQ(tab.NrOfRows(), 2);
    EXPECT_EQ(tab.Elem(4, 2), 8);
    EXPECT_EQ(tab.ColName(4), "d");
    EXPECT_EQ(tab.Precision(4), 1);
    EXPECT_TRUE(tab.ElemMarkedB(1, 1));
    EXPECT_EQ(tab.Comment(), "from elsewhere");
    EXPECT_EQ(log.Take(), (QStringList{"OnChangeSetup", "OnChange", "OnLayoutChanged"}));
    source.SetElem(4, 2, 9); // a copy, not a shared table
    EXPECT_EQ(tab.Elem(4, 2), 8);

    // States are taken where both tables have cells.
    tab.Redimension(5, 3);
    tab.SetCellState(5, 3, dtsEmpty | 0x04);
    EXPECT_EQ(tab.CellState(5, 3), dtsEmpty | 0x04);
    source.SetCellState(1, 1, 0x20);
    source.SetCellState(2, 2, dtsNotANumber);
    log.Take();
    tab.CopyCellStatesFrom(&source);
    EXPECT_EQ(tab.CellState(1, 1), 0x20);
    EXPECT_EQ(tab.CellState(2, 2), dtsNotANumber);
    EXPECT_EQ(tab.CellState(5, 3), dtsEmpty | 0x04);
    EXPECT_EQ(tab.Elem(4, 2), 8); // values stay
    EXPECT_EQ(log.Take(), QStringList{"OnCellStateChanged"});
    tab.SetCellState(6, 1, dtsEmpty); // outside: ignored
    tab.CopyContentsFrom(&tab);
    tab.CopyCellStatesFrom(nullptr);
    EXPECT_EQ(log.Take(), QStringList());
}
