// TReportListView: construction defaults, header geometry in data terms, column order,
// and the cell colors of bands, selection, highlight, disabled rows and the empty list.
#include <VEK_replist.h>

#include "pixels.h"
#include "qstring_printer.h"

#include <gtest/gtest.h>

#include <QScrollBar>
#include <QVBoxLayout>

using namespace vek;
using vektest::ColorAt;
using vektest::Render;

namespace {

struct ListView : ::testing::Test {
    TReportListView list;
    void SetUp() override { list.resize(400, 200); }
    // A pixel inside data cell (column, row), away from text and check marks.
    TColor CellColor(int dataCol, int dataRow)
    {
        const QImage image = Render(&list);
        const TRect r = list.CellRect(dataCol - 1, dataRow + list.CountHeadRows() - 1);
        return ColorAt(image, r.Right - 3, r.Bottom - 2);
    }
};

} // namespace

TEST_F(ListView, ConstructorDefaults)
{
    EXPECT_EQ(list.NrOfColumns(), 5);
    EXPECT_EQ(list.NrOfRows(), 4);
    EXPECT_EQ(list.RowCount(), 5);
    EXPECT_EQ(list.FixedRows(), 1);
    EXPECT_EQ(list.FixedCols(), 0);
    EXPECT_EQ(list.Options().toInt(), 0x5083u);
    EXPECT_FALSE(list.DefaultDrawing());
    EXPECT_EQ(list.CommonHeader(), "Vek Report Listview");
    EXPECT_FALSE(list.CommonHeaderVisible());
    EXPECT_TRUE(list.ColumnHeadersVisible());
    EXPECT_EQ(list.RowHeights(0), 20);
    EXPECT_EQ(list.TopRow(), 1);
    EXPECT_EQ(list.LeftCol(), 1);
    EXPECT_EQ(list.ColorHigh(), 0xCC9966u);
    EXPECT_EQ(list.ColorSelectedRow(), 0x94BAEDu);
    EXPECT_EQ(list.InterRowIndicatorColor(), 0x0000FFu);
    EXPECT_EQ(list.RowColPattern(), 1);
    EXPECT_TRUE(list.ShowEmptyCheckBoxes());
}

TEST_F(ListView, HeaderRowsShapeTheGrid)
{
    int changes = 0;
    list.OnChange = [&](TObject*) { ++changes; };
    list.SetCommonHeaderVisible(true);
    EXPECT_EQ(list.FixedRows(), 2);
    EXPECT_EQ(list.RowCount(), 6);
    EXPECT_EQ(list.CountHeadRows(), 2);
    EXPECT_EQ(changes, 1);
    list.SetCommonHeaderHeight(200);
    EXPECT_EQ(list.CommonHeaderHeight(), 127);
    EXPECT_EQ(list.RowHeights(0), 127);
    list.SetColumnHeadersHeight(3);
    EXPECT_EQ(list.RowHeights(1), 8);
    list.SetDefaultRowHeight(18); // keeps the header heights
    EXPECT_EQ(list.RowHeights(0), 127);
    EXPECT_EQ(list.RowHeights(2), 18);
    list.SetCommonHeaderVisible(false);
    list.SetColumnHeadersVisible(false);
    EXPECT_EQ(list.FixedRows(), 0);
    EXPECT_EQ(list.MouseCell(10, list.CellRect(0, 0).Top + 3), (TGridCoord{1, 1}));
    list.SetNrOfRows(0);
    EXPECT_EQ(list.RowCount(), 1); // one empty data row remains
}

TEST_F(ListView, MouseCellNamesHeaderRows)
{
    list.SetCommonHeaderVisible(true);
    const int x = list.CellRect(1, 0).Left + 3;
    EXPECT_EQ(list.MouseCell(x, list.CellRect(1, 0).Top + 3), (TGridCoord{2, -2}));
    EXPECT_EQ(list.MouseCell(x, list.CellRect(1, 1).Top + 3), (TGridCoord{2, -1}));
    EXPECT_EQ(list.MouseCell(x, list.CellRect(1, 2).Top + 3), (TGridCoord{2, 1}));
    EXPECT_EQ(list.MouseCell(x, 199).Y, 0);
}

TEST_F(ListView, ViewPositionInDataTerms)
{
    list.SetNrOfRows(100);
    list.SetTopRow(10);
    EXPECT_EQ(list.TopRow(), 10);
    EXPECT_EQ(list.TCustomGrid::TopRow(), 10);
    list.SetTopRow(0);
    EXPECT_EQ(list.TopRow(), 1);
    list.SetNrOfColumns(20);
    list.SetLeftCol(3);
    EXPECT_EQ(list.LeftCol(), 3);
    EXPECT_EQ(list.TCustomGrid::LeftCol(), 2);
}

TEST_F(ListView, ColumnOrderAndWidths)
{
    list.SetNrOfColumns(3);
    EXPECT_FALSE(list.SetColumnOrder({1, 2}));
    EXPECT_EQ(list.ColumnOrder(1), 1);
    EXPECT_TRUE(list.SetColumnOrder({3, 1, 2}));
    EXPECT_EQ(list.ColumnOrder(1), 3);
    EXPECT_EQ(list.ColumnOrder(4), 0);
    // A bad entry is skipped, the valid ones are taken.
    EXPECT_FALSE(list.SetColumnOrder({2, 9, 1}));
    EXPECT_EQ(list.ColumnOrder(1), 2);
    EXPECT_EQ(list.ColumnOrder(3), 1);
    ASSERT_TRUE(list.SetColumnOrder({1, 2, 3}));
    list.SetColWidths(1, 100);
    EXPECT_EQ(list.ColWidths(1), 100);
    EXPECT_EQ(list.ColWidths(0), 0);
    // New columns inherit the last column's width.
    list.SetColWidths(3, 77);
    list.SetNrOfColumns(5);
    EXPECT_EQ(list.TCustomGrid::ColWidths(4), 77);
}

TEST_F(ListView, BandsSelectionHighlightAndDisabledRows)
{
    list.SetRowColPattern(2);
    EXPECT_EQ(CellColor(1, 1), list.ColorBkgdShaded());
    EXPECT_EQ(CellColor(1, 2), list.ColorBkgdShaded());
    EXPECT_EQ(CellColor(1, 3), list.ColorBkgdNormal());
    list.SetRowSelected(1, true);
    EXPECT_EQ(CellColor(2, 1), list.ColorSelectedRow());
    list.SetColorSelectedBoth(0x123456);
    list.SetColumnSelected(2, true);
    EXPECT_EQ(CellColor(2, 1), 0x123456u);
    list.SetHighLightRow(1);
    EXPECT_EQ(CellColor(2, 1), list.ColorHigh());
    list.SetRowEnabled(1, false);
    EXPECT_EQ(CellColor(2, 1), list.ColorDisabledBkgd());
}

TEST_F(ListView, PasswordColumnsAndRenderHook)
{
    list.SetElem(2, 1, "secret");
    list.SetColumnIsPwd(2, true);
    QString seen;
    list.OnBeforeRenderCell = [&](TObject*, int c, int r, TColor&, TColor& brush, TColor&,
                                  TFontStyles&, QString& text) {
        if (c == 2 && r == 1) {
            seen = text;
            brush = clLime;
        }
    };
    EXPECT_EQ(CellColor(2, 1), clLime);
    EXPECT_EQ(seen, "******");
}

TEST_F(ListView, EmptyListShowsTheMessageLinesCentered)
{
    list.SetNrOfRows(0);
    list.SetEmptyMessage("No data|yet");
    list.SetColorEmptyMsg(clRed);
    const QImage image = Render(&list);
    const QRect ink = vektest::InkBounds(image, QRect(0, 25, 400, 175), ColorToRGB(list.Color()));
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GT(vektest::CountColor(image, ink, clRed), 0);
    EXPECT_NEAR(ink.center().x(), 200, 3);
    EXPECT_GT(ink.height(), 20); // two lines
}

TEST_F(ListView, ColumnWidthsFromContents)
{
    list.SetElem(1, 1, "abc");
    list.SetElem(1, 2, "abcdef");
    list.SetHeader(1, "A much longer name");
    TCanvas* canvas = list.Canvas();
    canvas->Font()->Assign(list.Font());
    EXPECT_EQ(list.DetermineMaxColWidth(1, false), canvas->TextWidth("abcdef") + 9);
    EXPECT_EQ(list.DetermineMaxColWidth(1, true),
              canvas->TextWidth("A much longer name") + 9);
    EXPECT_EQ(list.DetermineMaxColWidth(0, true), 9);
    list.SetColumnCheckMode(2, cmBox);
    list.SetElem(2, 1, "yes");
    EXPECT_EQ(list.DetermineMaxColWidth(2, false), canvas->TextWidth("yes") + 16 + 9);
    list.AutoColWidth(1, false, 5, 30);
    EXPECT_EQ(list.ColWidths(1), 30);
    list.AutoColWidth(1, false, -1000);
    EXPECT_EQ(list.ColWidths(1), 4);
    // Without a vertical scroll bar the client is 400 minus the 2-pixel border on each side.
    list.SetColWidths(1, 64);
    list.ExpandColWidth(5, 10);
    EXPECT_EQ(list.ColWidths(5), 396 - 10 - 4 * 64);
    list.ExpandColWidth(5, 1000);
    EXPECT_EQ(list.ColWidths(5), 16);
}

TEST_F(ListView, CenterScrollAndSelectShowsTheRowInTheMiddle)
{
    list.SetNrOfRows(100);
    list.SetRowSelected(3, true);
    list.CenterScrollAndSelect(50);
    const int visible = list.VisibleRowCount();
    EXPECT_EQ(list.TopRow(), 50 - visible / 2);
    EXPECT_TRUE(list.RowSelected(50));
    EXPECT_FALSE(list.RowSelected(3));
    EXPECT_FALSE(list.SuppressPaint());
    EXPECT_EQ(list.Row(), 50); // one header row: grid row 50 is data row 50
    list.CenterScrollAndSelect(99); // near the end: the last rows fill the view
    EXPECT_EQ(list.TopRow(), 100 - visible + 1);
    list.SetCommonHeaderVisible(true);
    list.CenterScrollAndSelect(60);
    EXPECT_EQ(list.Row(), 61); // below two header rows
}

TEST_F(ListView, CheckColumnsAndDisabledState)
{
    list.SetColumnCheckMode(2, cmBox);
    list.SetAllCheckmarksOfCol(2, true);
    EXPECT_EQ(list.FirstCheckedElemInCol(2), 1);
    list.SetRowEnabled(1, false);
    EXPECT_EQ(list.CountCheckedElemsInCol(2), 3); // the disabled row does not count
    list.InvertAllCheckmarksOfCol(2);
    EXPECT_FALSE(list.ElemChecked(2, 2));
    list.SetAllCheckmarksOfCol(3, true); // not a check-box column: nothing happens
    EXPECT_FALSE(list.ElemChecked(3, 1));
    list.SetElemChecked(2, 9, true);     // outside the rows: ignored
    // A disabled control draws its cell text in the inactive caption color.
    list.SetElem(1, 2, "WWWW");
    list.SetEnabled(false);
    const QImage image = Render(&list);
    const TRect cell = list.CellRect(0, 2);
    EXPECT_GT(vektest::CountColor(image, cell.ToQRect(), ColorToRGB(clInactiveCaption)), 0);
}

TEST_F(ListView, AssignCopiesSettingsDataAndColumnLayout)
{
    list.SetNrOfColumns(3);
    list.SetNrOfRows(7);
    list.SetElem(2, 7, "last");
    list.SetCommonHeaderVisible(true);
    list.SetColorHigh(0x010203);
    list.SetColumnIsPwd(3, true);
    list.SetColumnAlignment(1, taCenter);
    ASSERT_TRUE(list.SetColumnOrder({2, 3, 1}));
    TReportListView copy;
    copy.Assign(&list);
    EXPECT_EQ(copy.NrOfColumns(), 3);
    EXPECT_EQ(copy.NrOfRows(), 7);
    EXPECT_EQ(copy.RowCount(), 9);
    EXPECT_EQ(copy.FixedRows(), 2);
    EXPECT_EQ(copy.Elem(2, 7), "last");
    EXPECT_EQ(copy.ColorHigh(), 0x010203u);
    EXPECT_TRUE(copy.ColumnIsPwd(3));
    EXPECT_EQ(copy.ColumnAlignment(1), taCenter);
    EXPECT_EQ(copy.ColumnOrder(1), 2);
    // The copy still repaints on cell writes through its own data.
    int changes = 0;
    copy.OnChange = [&](TObject*) { ++changes; };
    copy.SetElem(1, 1, "x");
    EXPECT_GT(changes, 0);
}

TEST_F(ListView, PropertiesReachableByName)
{
    int setups = 0;
    list.OnChangeSetup = [&](TObject*) { ++setups; };
    // A color property takes a QColor (red 0x33, green 0x22, blue 0x11 = 0x112233).
    EXPECT_TRUE(list.setProperty("ColorSelectedRow", QColor(0x33, 0x22, 0x11)));
    EXPECT_EQ(list.ColorSelectedRow(), 0x112233u);
    EXPECT_EQ(setups, 1);
    list.SetColorSelectedRow(0x112233u); // setup setters do not compare
    EXPECT_EQ(setups, 2);
    EXPECT_TRUE(list.setProperty("HighLightRow", 3));
    EXPECT_EQ(list.property("HighLightRow").toInt(), 3);
    list.SetColorEmptyMsg(list.ColorEmptyMsg()); // this one only reacts to a change
    EXPECT_EQ(setups, 3);
}

TEST_F(ListView, GridSizePropertiesGoThroughTheListsSetters)
{
    int setups = 0;
    list.OnChangeSetup = [&](TObject*) { ++setups; };
    // By name (as Designer does) the grid's property reaches the list's own setter, which
    // keeps the header heights and reports the change.
    EXPECT_TRUE(list.setProperty("DefaultRowHeight", 18));
    EXPECT_EQ(list.RowHeights(0), 20);
    EXPECT_EQ(list.RowHeights(2), 18);
    EXPECT_EQ(setups, 1);
    EXPECT_TRUE(list.setProperty("DefaultColWidth", 50));
    EXPECT_EQ(list.ColWidths(1), 50);
    EXPECT_EQ(setups, 2);
}

TEST_F(ListView, AnAssignedCopyReportsEachCellWriteOnce)
{
    TReportListView copy;
    copy.Assign(&list);
    copy.Assign(&list);
    int changes = 0;
    QObject::connect(&copy, &TReportListView::changed, [&] { ++changes; });
    copy.SetElem(1, 1, "x");
    EXPECT_EQ(changes, 1);
    list.SetElem(1, 1, "y"); // the source's data is not the copy's
    EXPECT_EQ(changes, 1);
}

TEST(ListViewSize, HintFollowsColumnsRowsAndHeadersUpToTheFontsLimit)
{
    TReportListView list;
    // Five columns of 64 and four rows of 24 below a 20-pixel header, 1-pixel lines, a
    // 2-pixel border.
    EXPECT_EQ(list.sizeHint(), QSize(328, 124));
    list.SetColWidths(2, 100);
    list.SetCommonHeaderVisible(true);
    EXPECT_EQ(list.sizeHint(), QSize(364, 145));
    // A long list stops at 24 text lines (14 pixels each) and makes room for its bar.
    list.SetNrOfRows(1000);
    const int bar = QScrollBar(Qt::Vertical).sizeHint().width();
    EXPECT_EQ(list.sizeHint(), QSize(364 + bar, 24 * 14));
    QFont big = list.font();
    big.setPixelSize(24);
    list.setFont(big);
    EXPECT_GT(list.sizeHint().height(), 24 * 14);
}

TEST(ListViewSize, ALayoutHearsOfANewNaturalSize)
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* list = new TReportListView;
    layout->addWidget(list);
    const int before = layout->sizeHint().height(); // the layout keeps it until told
    list->SetNrOfRows(10);
    EXPECT_EQ(layout->sizeHint().height(), before + 6 * 25);
    list->SetColumnHeadersVisible(false);
    EXPECT_EQ(layout->sizeHint().height(), before + 6 * 25 - 21);
    const int wide = layout->sizeHint().width();
    list->SetColWidths(1, 164);
    EXPECT_EQ(layout->sizeHint().width(), wide + 100);
}
