// TRLData: defaults, size rules, column properties, check marks, default values, rows,
// sorting bookkeeping and Assign.
#include "rldata_fixture.h"

#include <gtest/gtest.h>
#include <qstring_printer.h>

#include <QVariant>

using namespace vek;
using namespace rldatatest;

TEST(RLDataDefaults, NewListHasOneNamedColumnAndNoRows)
{
    TRLData data;
    EXPECT_EQ(data.NrOfColumns(), 1);
    EXPECT_EQ(data.NrOfRows(), 0);
    EXPECT_EQ(data.Header(1), "C-1");
    EXPECT_EQ(data.CommonHeader(), "Vek Report Listview");
    EXPECT_EQ(data.LastSortColumn(), -1);
    EXPECT_TRUE(data.LastSortOrder());
    EXPECT_TRUE(data.SortToggle());
    EXPECT_EQ(data.Strings->NrOfRows(), 1); // one row always allocated
    EXPECT_EQ(data.Strings->AllocRowsBy, 10);
    EXPECT_EQ(data.property("NrOfColumns").toInt(), 1);
}

TEST(RLDataSize, ColumnAndRowCountsAreLimitedAndNewColumnsNamed)
{
    TRLData data;
    data.SetNrOfColumns(0);
    EXPECT_EQ(data.NrOfColumns(), 1);
    data.SetNrOfColumns(-5);
    EXPECT_EQ(data.NrOfColumns(), 1);
    data.SetNrOfColumns(2);
    data.SetHeader(1, "Name");
    data.SetHeader(2, "Surname");
    data.SetNrOfColumns(4);
    EXPECT_EQ(data.Header(1), "Name");
    EXPECT_EQ(data.Header(2), "Surname");
    EXPECT_EQ(data.Header(3), "C-3");
    EXPECT_EQ(data.Header(4), "C-4");
    data.SetNrOfRows(-1);
    EXPECT_EQ(data.NrOfRows(), 0);
}

TEST(RLDataSize, RefusedResizeRaisesAndKeepsTheCount)
{
    TRLData data;
    data.SetName("List1");
    data.SetNrOfColumns(3);
    try {
        data.SetNrOfColumns(TStringArray::MaxColumns + 1);
        FAIL() << "no exception";
    } catch (const EVEKError& e) {
        EXPECT_EQ(e.Message(), "Component \"List1\": cannot make 65536 columns");
    }
    EXPECT_EQ(data.NrOfColumns(), 3);
    EXPECT_EQ(data.Strings->NrOfColumns(), 3);
}

TEST(RLDataColumns, NamesAndFormatsAreCutAndRangeChecked)
{
    TRLData data;
    data.SetHeader(1, QString(60, u'n'));
    data.SetColumnFormat(1, QString(90, u'f'));
    EXPECT_EQ(data.Header(1).size(), 50);
    EXPECT_EQ(data.ColumnFormat(1).size(), 80);
    data.SetHeader(2, "ignored");
    EXPECT_EQ(data.Header(2), "");
    EXPECT_EQ(data.Header(0), "");
    EXPECT_EQ(data.ColumnFormat(-1), "");
    EXPECT_EQ(data.ColumnCheckMode(5), cmNone);
}

TEST(RLDataColumns, ColumnIndexFindsTheHighestMatch)
{
    TRLData data;
    data.SetNrOfColumns(3);
    data.SetHeader(2, "Name");
    data.SetHeader(3, "Surname");
    EXPECT_EQ(data.ColumnIndex("c-1", false), 1);
    EXPECT_EQ(data.ColumnIndex("name", true), 3);
    EXPECT_EQ(data.ColumnIndex("name", false), 2);
    EXPECT_EQ(data.ColumnIndex("xyz", true), -1);
}

TEST(RLDataChecks, SwitchingModesAddsAndRemovesFlags)
{
    TRLData data;
    FillColumns(data, {{"a", "", "b"}});
    data.SetColumnCheckMode(1, cmBox);
    EXPECT_EQ(StoredColumn(data, 1), QStringList({" a", "", " b"}));
    EXPECT_EQ(ColumnValues(data, 1), QStringList({"a", "", "b"}));
    EXPECT_TRUE(data.IsCheckedColumn(1));
    data.SetColumnCheckMode(1, cmNone);
    EXPECT_EQ(StoredColumn(data, 1), QStringList({"a", "", "b"}));
}

TEST(RLDataChecks, ModeChangeRaisesNoChangePerCell)
{
    TRLData data;
    FillColumns(data, {{"a", "b", "c"}});
    int changes = 0;
    data.Strings->OnChange = [&](TObject*) { ++changes; };
    data.SetColumnCheckMode(1, cmBox);
    EXPECT_EQ(changes, 0);
    data.SetElem(1, 1, "x");
    EXPECT_EQ(changes, 1); // the handler is back
}

TEST(RLDataChecks, BoxToRadioClearsFlagsRadioToBoxKeepsThem)
{
    TRLData data;
    FillColumns(data, {{"a", "", "b"}});
    data.SetColumnCheckMode(1, cmBox);
    data.SetElemChecked(1, 1, true);
    data.SetElemChecked(1, 3, true);
    data.SetColumnCheckMode(1, cmRadio);
    EXPECT_EQ(StoredColumn(data, 1), QStringList({" a", " ", " b"}));
    EXPECT_FALSE(data.IsCheckedColumn(1));
    data.SetElemChecked(1, 2, true);
    data.SetColumnCheckMode(1, cmBox);
    EXPECT_EQ(StoredColumn(data, 1), QStringList({" a", "X", " b"}));
}

TEST(RLDataChecks, RadioColumnHasOneCheckedCell)
{
    TRLData data;
    FillColumns(data, {{"a", "b", "c"}});
    data.SetColumnCheckMode(1, cmRadio);
    data.SetElemChecked(1, 2, true);
    data.SetElemChecked(1, 3, true);
    EXPECT_FALSE(data.ElemChecked(1, 2));
    EXPECT_TRUE(data.ElemChecked(1, 3));
    EXPECT_EQ(data.CountCheckedElemsInCol(1), 1);
    EXPECT_EQ(data.FirstCheckedElemInCol(1), 3);
    data.SetAllCheckmarksOfCol(1, true); // box columns only
    EXPECT_EQ(data.CountCheckedElemsInCol(1), 1);
}

TEST(RLDataChecks, ValuesKeepTheirFlagsAndCountsPerRow)
{
    TRLData data;
    FillColumns(data, {{"a", "b"}, {"c", "d"}, {"e", "f"}});
    data.SetColumnCheckMode(2, cmBox);
    data.SetColumnCheckMode(3, cmBox);
    data.SetElemChecked(3, 1, true);
    data.SetElem(3, 1, "new");
    EXPECT_EQ(data.Strings->GetString(3, 1), "Xnew");
    EXPECT_TRUE(data.ElemChecked(3, 1));
    EXPECT_FALSE(data.ElemChecked(1, 1)); // not a check column
    EXPECT_EQ(data.FirstCheckedElemInRow(1), 3);
    EXPECT_EQ(data.FirstCheckedElemInRow(2), 0);
    EXPECT_EQ(data.FirstCheckedElemInRow(9), 0);
    data.SetElemChecked(2, 1, true);
    EXPECT_EQ(data.CountCheckedElemsInRow(1), 2);
    EXPECT_EQ(data.FirstCheckedElemInRow(1), 2);
}

TEST(RLDataChecks, SetAllAndInvertOnBoxColumns)
{
    TRLData data;
    FillColumns(data, {{"a", "", "b"}});
    data.SetIsCheckedColumn(1, true);
    data.SetAllCheckmarksOfCol(1, true);
    EXPECT_EQ(StoredColumn(data, 1), QStringList({"Xa", "X", "Xb"}));
    data.SetElemChecked(1, 2, false);
    data.InvertAllCheckmarksOfCol(1);
    EXPECT_EQ(StoredColumn(data, 1), QStringList({" a", "X", " b"}));
    data.Strings->SetString(1, 3, "");
    data.InvertAllCheckmarksOfCol(1);
    EXPECT_EQ(StoredColumn(data, 1), QStringList({"Xa", " ", "X"}));
}

TEST(RLDataCells, ElemRangeAndColumnZero)
{
    TRLData data;
    FillColumns(data, {{"a"}});
    data.SetElem(0, 1, "hidden");
    EXPECT_EQ(data.Elem(0, 1), "hidden");
    data.SetElem(2, 1, "x");
    data.SetElem(1, 2, "x");
    EXPECT_EQ(data.Elem(2, 1), "");
    EXPECT_EQ(data.Elem(1, 2), "");
    EXPECT_EQ(data.Strings->GetString(1, 2), "");
}

TEST(RLDataCells, FillKeepsCheckStatesAndColumnZero)
{
    TRLData data;
    FillColumns(data, {{"a", "b", ""}, {"c", "d", ""}});
    data.SetElem(0, 1, "keep");
    data.SetColumnCheckMode(2, cmBox);
    data.SetElemChecked(2, 1, true);
    data.Fill("v");
    EXPECT_EQ(StoredColumn(data, 1), QStringList({"v", "v", "v"}));
    EXPECT_EQ(StoredColumn(data, 2), QStringList({"Xv", " v", " v"}));
    EXPECT_EQ(data.Elem(0, 1), "keep");
}

TEST(RLDataCells, AsNumberReadsTheVisibleValue)
{
    TRLData data;
    FillColumns(data, {{"12.5", "abc"}});
    data.SetColumnCheckMode(1, cmBox);
    data.SetElemChecked(1, 1, true);
    EXPECT_EQ(data.AsNumber(1, 1), 12.5);
    EXPECT_EQ(data.AsNumber(1, 2), 0.0);
    EXPECT_EQ(data.AsNumber(1, 3), 0.0);
}

TEST(RLDataDefaults, DefaultValueFormats)
{
    TRLData data;
    data.SetNrOfColumns(1);
    const auto defaultOf = [&](const QString& format, int row) {
        data.SetColumnFormat(1, format);
        return data.DefaultValue(1, row);
    };
    EXPECT_EQ(defaultOf("[i][80]rix3", 7), "007");
    EXPECT_EQ(defaultOf("[i][80]rix2", 123), "23");
    EXPECT_EQ(defaultOf("[i][80]rix2", -5), "-05");
    EXPECT_EQ(defaultOf("[h][80]rix4", 26), "001A");
    EXPECT_EQ(defaultOf("[h][80]rix12", 26), "0000001A");
    EXPECT_EQ(defaultOf("[f][80]rix2", 3), "3.00");
    EXPECT_EQ(defaultOf("[e][80]42", 3), "42");
    EXPECT_EQ(defaultOf("[l][120]red|green|blue", 1), "red");
    EXPECT_EQ(defaultOf("[c:5][120]one", 1), "one");
    EXPECT_EQ(defaultOf("[d][100]2024-01-02", 1), "2024-01-02");
    EXPECT_EQ(defaultOf("[#s][100]abc", 1), "");
    EXPECT_EQ(defaultOf("[s][100]abc", 1), "abc");
    EXPECT_EQ(defaultOf("[s]", 1), "");
    EXPECT_EQ(defaultOf("", 1), "");
    EXPECT_EQ(defaultOf("[s][100]$pwd$ 12", 1).size(), 12);
    EXPECT_EQ(defaultOf("[i][80]rix999999999", 1).size(), 255); // never beyond a cell
}

TEST(RLDataRows, RemoveRowAndRemoveEmptyRows)
{
    TRLData data;
    FillColumns(data, {{"only"}});
    data.SetElem(0, 1, "h");
    data.RemoveRow(1);
    EXPECT_EQ(data.NrOfRows(), 0);
    EXPECT_EQ(data.Strings->NrOfRows(), 1);
    EXPECT_EQ(data.Strings->GetString(0, 1), "");

    FillColumns(data, {{"a", "", "b", ""}});
    data.SetColumnCheckMode(1, cmBox);
    data.SetElemChecked(1, 2, true); // checked but empty counts as empty
    data.RemoveEmptyRows();
    EXPECT_EQ(ColumnValues(data, 1), QStringList({"a", "b"}));
    data.Fill("");
    data.RemoveEmptyRows();
    EXPECT_EQ(data.NrOfRows(), 0);
    EXPECT_EQ(data.Strings->NrOfRows(), 1);
}

TEST(RLDataRows, CopyRowCopiesFlagsColumnZeroAndAttribute)
{
    TRLData data;
    FillColumns(data, {{"a", "b"}});
    data.SetColumnCheckMode(1, cmBox);
    data.SetElemChecked(1, 1, true);
    data.SetElem(0, 1, "h");
    data.Strings->SetRowAttrib(1, 128);
    data.CopyRow(1, 2);
    EXPECT_EQ(data.Strings->GetString(1, 2), "Xa");
    EXPECT_EQ(data.Elem(0, 2), "h");
    EXPECT_EQ(data.Strings->GetRowAttrib(2), 128);
    data.CopyRow(1, 3); // out of range: nothing
    EXPECT_EQ(data.NrOfRows(), 2);
}

TEST(RLDataRows, ClearResetsColumnsButKeepsSizeAndTexts)
{
    TRLData data;
    FillColumns(data, {{"a"}, {"b"}});
    data.SetHeader(2, "Two");
    data.SetColumnFormat(2, "[s]");
    data.SetColumnCheckMode(1, cmBox);
    data.SetComment("c");
    data.Clear();
    EXPECT_EQ(data.Header(2), "C-2");
    EXPECT_EQ(data.ColumnFormat(2), "");
    EXPECT_EQ(data.ColumnCheckMode(1), cmNone);
    EXPECT_EQ(data.Elem(1, 1), "");
    EXPECT_EQ(data.NrOfRows(), 1);
    EXPECT_EQ(data.Comment(), "c");
}

TEST(RLDataSort, BookkeepingAndForwardedEvents)
{
    TRLData data;
    FillColumns(data, {{"b", "a", "c"}});
    std::vector<int> percents;
    data.OnPercentDone = [&](TObject* sender, int p) {
        EXPECT_EQ(sender, &data);
        percents.push_back(p);
    };
    TObject* exchangeSender = nullptr;
    data.OnBeforeSortExchange = [&](TObject* sender, const QString&, QString&) { exchangeSender = sender; };
    data.Sort(1, -1, false);
    EXPECT_EQ(ColumnValues(data, 1), QStringList({"c", "b", "a"}));
    EXPECT_EQ(data.LastSortColumn(), 1);
    EXPECT_FALSE(data.LastSortOrder());
    EXPECT_EQ(exchangeSender, &data);
    EXPECT_EQ(percents.back(), 100);
    data.UnSort();
    EXPECT_EQ(data.LastSortColumn(), -1);
    EXPECT_EQ(data.SecondarySortColumn(), -1);
    EXPECT_FALSE(data.LastSortOrder());
    EXPECT_EQ(ColumnValues(data, 1), QStringList({"b", "a", "c"}));
}

TEST(RLDataSort, RemoveRowCommitsTheOrder)
{
    TRLData data;
    FillColumns(data, {{"b", "a", "c"}});
    data.Sort(1, -1, true);
    data.RemoveRow(1); // removes the presented "a"
    data.UnSort();
    EXPECT_EQ(ColumnValues(data, 1), QStringList({"b", "c"}));
}

TEST(RLDataAssign, CopiesEverythingIncludingOrder)
{
    TRLData source;
    FillColumns(source, {{"b", "a"}, {"1", "2"}});
    source.SetHeader(2, "Two");
    source.SetColumnFormat(1, "[s][80]x");
    source.SetColumnCheckMode(2, cmBox);
    source.SetComment("comment");
    source.SetDataID("id");
    source.SetCommonHeader("head");
    source.SetElem(0, 2, "hidden");
    source.Strings->SetRowAttrib(2, 64);
    source.Strings->SetColAttrib(1, 128);
    source.Sort(1, -1, true);
    TRLData copy;
    copy.Assign(&source);
    EXPECT_EQ(copy.NrOfColumns(), 2);
    EXPECT_EQ(copy.NrOfRows(), 2);
    EXPECT_EQ(ColumnValues(copy, 1), QStringList({"a", "b"}));
    EXPECT_EQ(copy.Elem(0, 1), "hidden");
    EXPECT_EQ(copy.Strings->GetRowAttrib(1), 64);
    EXPECT_EQ(copy.Strings->GetColAttrib(1), 128);
    EXPECT_EQ(copy.Header(2), "Two");
    EXPECT_EQ(copy.ColumnFormat(1), "[s][80]x");
    EXPECT_EQ(copy.ColumnCheckMode(2), cmBox);
    EXPECT_EQ(copy.Comment(), "comment");
    EXPECT_EQ(copy.DataID(), "id");
    EXPECT_EQ(copy.CommonHeader(), "head");
    EXPECT_EQ(copy.LastSortColumn(), 1);
    copy.UnSort();
    EXPECT_EQ(ColumnValues(copy, 1), QStringList({"b", "a"}));
    // Assign through the base class reaches the same copy
    TRLData other;
    static_cast<TPersistent&>(other).Assign(&copy);
    EXPECT_EQ(other.Header(2), "Two");
}
