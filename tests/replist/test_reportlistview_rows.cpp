// TReportListView's rows: FilterAndSort hides rows without touching them, the view follows
// its data whatever changes it, and the row operations of the control.
#include <VEK_replist.h>

#include "qstring_printer.h"

#include <gtest/gtest.h>

#include <frame/core/application.h>

#include <QBuffer>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>

using namespace vek;

namespace {

struct ListRows : ::testing::Test {
    TReportListView list;
    void SetUp() override
    {
        list.resize(500, 300);
        list.SetName("parts");
        list.SetNrOfColumns(3);
        const QStringList names{"red apple", "green pear", "red cherry", "yellow banana",
                                "green apple", "blue plum"};
        list.SetNrOfRows(int(names.size()));
        for (int r = 1; r <= names.size(); ++r) {
            list.SetElem(1, r, names[r - 1]);
            list.SetElem(2, r, QString::number(r * 10));
            list.SetElem(3, r, r % 2 ? "odd" : "even");
        }
    }
    void Filter(const QString& expression, TFilterMode mode = fmSimple, QList<int> columns = {})
    {
        list.FilterAndSort(expression, columns, true, mode, -1, true);
    }
    std::vector<int> Shown() const
    {
        std::vector<int> rows;
        for (int r = 1; r <= list.NrOfRows(); ++r)
            if (list.RowShown(r))
                rows.push_back(r);
        return rows;
    }
    // The data row shown in the grid's n-th data line.
    int RowAtLine(int n) const
    {
        const TRect r = list.CellRect(0, list.FixedRows() + n - 1);
        return list.MouseCell(r.Left + 5, r.Top + 5).Y;
    }
};

using Rows = std::vector<int>;

} // namespace

TEST_F(ListRows, SimpleFilterHidesRowsWithoutTouchingThem)
{
    list.SetRowSelected(4, true);
    Filter("APPLE");
    EXPECT_EQ(Shown(), (Rows{1, 5}));
    EXPECT_EQ(list.NrOfShownRows(), 2);
    EXPECT_EQ(list.RowCount(), list.FixedRows() + 2);
    EXPECT_EQ(RowAtLine(1), 1);
    EXPECT_EQ(RowAtLine(2), 5);
    // Hidden rows keep their cells, flags and numbers.
    EXPECT_EQ(list.NrOfRows(), 6);
    EXPECT_EQ(list.Elem(1, 4), "yellow banana");
    EXPECT_TRUE(list.RowSelected(4));
    // A click on the second line selects data row 5.
    const TRect line = list.CellRect(0, list.FixedRows() + 1);
    QTest::mouseClick(&list, Qt::LeftButton, {}, QPoint(line.Left + 30, line.Top + 5));
    EXPECT_TRUE(list.RowSelected(5));
    EXPECT_FALSE(list.RowSelected(4));
    Filter("green"); // rows 2 and 5
    list.CenterScrollAndSelect(2);
    EXPECT_EQ(list.CurrentRow(), 2) << "centering finds the row among those shown";
    Filter("   ");
    EXPECT_EQ(list.NrOfShownRows(), 6);
    EXPECT_EQ(RowAtLine(4), 4);
}

TEST_F(ListRows, WordsMustAllOccurInTheFilterColumns)
{
    Filter("green apple");
    EXPECT_EQ(Shown(), Rows{5});
    Filter("red odd");
    EXPECT_EQ(Shown(), (Rows{1, 3}));
    Filter("odd", fmSimple, {1, 2});
    EXPECT_TRUE(Shown().empty()) << "column 3 is not searched";
    list.FilterAndSort("Red", {}, false, fmSimple, -1, true);
    EXPECT_TRUE(Shown().empty()) << "case counts when asked";
}

TEST_F(ListRows, BooleanAndRegularExpressions)
{
    Filter("(apple OR pear) AND NOT green", fmBoolean);
    EXPECT_EQ(Shown(), Rows{1});
    Filter("\"red cherry\" OR plum", fmBoolean);
    EXPECT_EQ(Shown(), (Rows{3, 6}));
    Filter("^(red|blue) ", fmGrep);
    EXPECT_EQ(Shown(), (Rows{1, 3, 6}));
    Filter("^[1-5]0$", fmGrep, {2});
    EXPECT_EQ(Shown(), (Rows{1, 2, 3, 4, 5}));
}

TEST_F(ListRows, MalformedExpressionsRaiseAndChangeNothing)
{
    Filter("pear");
    try {
        Filter("apple AND", fmBoolean);
        FAIL() << "no exception";
    } catch (const EVEKRepListError& e) {
        EXPECT_EQ(e.Message(), "Component \"parts\": invalid filter expression at position 10: "
                               "expected a term after \"AND\", found the end of the expression");
    }
    EXPECT_THROW(Filter("(unclosed", fmGrep), EVEKRepListError);
    EXPECT_EQ(Shown(), Rows{2}) << "the earlier filter stays";
}

TEST_F(ListRows, TheApplicationCombinesItsOwnVerdict)
{
    list.OnBeforeFilter = [](TObject*, int row, bool& found, TLogicOp& op) {
        op = loOR;
        found = row == 6;
    };
    Filter("apple");
    EXPECT_EQ(Shown(), (Rows{1, 5, 6}));
    list.OnBeforeFilter = [](TObject*, int row, bool& found, TLogicOp& op) {
        op = loANDNOT;
        found = row == 1;
    };
    Filter("apple");
    EXPECT_EQ(Shown(), Rows{5});
}

TEST_F(ListRows, SortingKeepsTheFilterAndTheSelectedRow)
{
    Filter("green");
    const TRect line = list.CellRect(0, list.FixedRows() + 1);
    QTest::mouseClick(&list, Qt::LeftButton, {}, QPoint(line.Left + 30, line.Top + 5)); // row 5
    list.FilterAndSort("green", {}, true, fmSimple, 2, false);
    EXPECT_EQ(list.Elem(1, 1), "blue plum") << "the data is sorted as a whole";
    EXPECT_EQ(RowAtLine(1), 2);
    EXPECT_EQ(list.Elem(1, RowAtLine(1)), "green apple");
    EXPECT_EQ(list.Elem(1, RowAtLine(2)), "green pear");
    EXPECT_EQ(list.Row(), list.FixedRows()) << "the selected row is current on its new line";
    // A header click sorts the shown rows among themselves.
    const TRect header = list.CellRect(1, 0);
    QTest::mouseClick(&list, Qt::LeftButton, {}, QPoint(header.Left + 30, header.Top + 5));
    EXPECT_EQ(list.NrOfShownRows(), 2);
    EXPECT_EQ(list.Elem(1, RowAtLine(1)), "green apple");
}

TEST_F(ListRows, TheViewFollowsLoadsOfOtherSizes)
{
    for (int columns : {6, 2}) {
        TRLData other;
        other.SetNrOfColumns(columns);
        other.SetNrOfRows(columns * 2);
        other.SetElem(columns, columns * 2, "corner");
        QBuffer buffer;
        buffer.open(QIODevice::ReadWrite);
        ASSERT_TRUE(other.WriteToXMLStream(&buffer, true, ""));
        ASSERT_TRUE(list.ReadFromXMLString(QString::fromUtf8(buffer.data()), ""));
        EXPECT_EQ(list.ColCount(), columns);
        EXPECT_EQ(list.RowCount(), list.FixedRows() + columns * 2);
        list.SetColumnAlignment(columns, taRightJustify);
        EXPECT_EQ(list.ColumnAlignment(columns), taRightJustify);
        EXPECT_EQ(list.ColumnOrder(columns), columns);
        list.grab(); // paints every column without reading past its arrays
    }
    // Changes through the data component reach the view too.
    list.RLData()->SetNrOfColumns(4);
    list.RLData()->SetNrOfRows(9);
    EXPECT_EQ(list.ColCount(), 4);
    EXPECT_EQ(list.RowCount(), list.FixedRows() + 9);
    EXPECT_FALSE(list.ColumnEditable(4));
}

TEST_F(ListRows, ResizingASortedListKeepsTheSort)
{
    list.Sort(2, -1, false);
    list.SetNrOfRows(4); // keeps the first four rows as shown: 60, 50, 40, 30
    EXPECT_EQ(list.LastSortColumn(), 2);
    list.SetNrOfRows(5);
    EXPECT_EQ(list.Elem(2, 4), "30");
    list.UnSort();
    EXPECT_EQ(list.Elem(2, 1), "30") << "the stored order of the rows that stayed";
    EXPECT_EQ(list.Elem(2, 4), "60");
    EXPECT_EQ(list.Elem(2, 5), "");
}

TEST_F(ListRows, RowOperationsOfTheControl)
{
    EXPECT_EQ(list.InsertRow(0), 0);
    EXPECT_EQ(list.NrOfRows(), 6);
    EXPECT_EQ(list.InsertRow(11), 7);
    EXPECT_EQ(list.NrOfRows(), 7);
    list.Sort(2, -1, false); // the empty row first, then 60 .. 10
    EXPECT_EQ(list.InsertRow(3), 3);
    EXPECT_EQ(list.LastSortColumn(), -1);
    EXPECT_EQ(list.Elem(2, 2), "60") << "the rows keep the order they showed";
    EXPECT_EQ(list.Elem(2, 3), "");
    EXPECT_EQ(list.Elem(2, 4), "50");
    list.RemoveEmptyRows();
    EXPECT_EQ(list.NrOfRows(), 6);
    list.RemoveRow(1);
    EXPECT_EQ(list.Elem(2, 1), "50");
    EXPECT_EQ(list.RowCount(), list.FixedRows() + 5);
    list.SetColumnEditable(2, true);
    list.SetColumnAlignment(2, taCenter);
    ASSERT_TRUE(list.SetColumnOrder({3, 1, 2}));
    Filter("apple");
    list.Clear();
    EXPECT_FALSE(list.ColumnEditable(2));
    EXPECT_EQ(list.ColumnAlignment(2), taLeftJustify);
    EXPECT_EQ(list.ColumnOrder(1), 1);
    EXPECT_EQ(list.NrOfShownRows(), list.NrOfRows());
}

TEST_F(ListRows, FlagsAndTheirEvents)
{
    int changes = 0;
    list.OnSelectedChange = [&](TObject*) { ++changes; };
    list.SetRowSelected(2, true);
    list.SetRowEnabled(3, false);
    list.SetColumnSelected(1, true);
    EXPECT_EQ(changes, 3);
    EXPECT_FALSE(list.RowEnabled(0));
    EXPECT_FALSE(list.RowEnabled(7));
    list.SelectAllRows();
    EXPECT_EQ(changes, 4) << "one event for the whole operation";
    EXPECT_EQ(list.NumSelectedRows(), 6);
    EXPECT_EQ(list.NumEnabledRows(), 5);
    EXPECT_EQ(list.FirstSelectedRow(), 1);
    list.SetRowSelected(1, false);
    list.SetRowSelected(2, false);
    EXPECT_EQ(list.FirstSelectedRow(), 0) << "row 3 is selected but disabled";
    EXPECT_EQ(list.FirstSelectedColumn(), 1);
    list.DeselectAllColumns();
    EXPECT_EQ(list.NumSelectedColumns(), 0);
}

TEST_F(ListRows, ColumnNumbersAreDataColumnsInAReorderedList)
{
    ASSERT_TRUE(list.SetColumnOrder({3, 1, 2}));
    list.AutoColWidth(1, false, 0); // data column 1 is shown second
    EXPECT_EQ(list.TCustomGrid::ColWidths(1), list.DetermineMaxColWidth(1, false));
    EXPECT_EQ(list.ColWidths(1), list.TCustomGrid::ColWidths(1));
}

TEST_F(ListRows, FixedFirstColumnNeedsTwoColumns)
{
    list.SetNrOfColumns(1);
    EXPECT_THROW(list.SetFixedFirstColumn(true), EVEKError);
    EXPECT_FALSE(list.FixedFirstColumn());
    EXPECT_EQ(list.FixedCols(), 0);
}

TEST_F(ListRows, FileOperationsThroughTheControl)
{
    QTemporaryDir dir;
    const QString document = dir.filePath("parts.xml");
    ASSERT_TRUE(list.SaveAsXMLFile(document, "stock"));
    TReportListView copy;
    copy.resize(300, 200);
    EXPECT_FALSE(copy.LoadFromXMLFile(document, "other")) << "another identifier";
    EXPECT_EQ(copy.NrOfColumns(), 5);
    ASSERT_TRUE(copy.LoadFromXMLFile(document, "stock"));
    EXPECT_EQ(copy.NrOfColumns(), 3);
    EXPECT_EQ(copy.RowCount(), copy.FixedRows() + 6);
    EXPECT_EQ(copy.Elem(1, 6), "blue plum");

    const QString lines = dir.filePath("lines.txt");
    QFile file(lines);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("kiwi\nmango\nlime\n");
    file.close();
    EXPECT_EQ(copy.LoadLinesFromFile(1, 6, lines), 3);
    EXPECT_EQ(copy.NrOfRows(), 8);
    EXPECT_EQ(copy.RowCount(), copy.FixedRows() + 8) << "the grid follows the new rows";
    EXPECT_EQ(copy.Elem(1, 8), "lime");

    copy.CopyToClipBoard(1, 7, 2, 8, false, QStringLiteral(";"));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "mango;\nlime;\n");
    const QString html = dir.filePath("parts.html");
    ASSERT_TRUE(copy.ExportHTMLTable(html, 1, 1, 1, 2, {}, 0, 0, 3, false, "", "", ""));
    QFile exported(html);
    ASSERT_TRUE(exported.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(exported.readAll());
    EXPECT_TRUE(text.contains("red apple"));
    EXPECT_TRUE(text.contains("padding: 3px"));
}

TEST_F(ListRows, TheWaitCursorGoesAwayWhenASortFails)
{
    list.OnBeforeSortExchange = [](TObject*, const QString&, QString&) {
        throw EVEKRepListError("no sorting today");
    };
    const TRect header = list.CellRect(0, 0);
    EXPECT_THROW(list.Sort(1, -1, true), EVEKRepListError);
    QTest::mouseClick(&list, Qt::LeftButton, {}, QPoint(header.Left + 30, header.Top + 5));
    EXPECT_EQ(Screen()->Cursor(), crDefault);
}
