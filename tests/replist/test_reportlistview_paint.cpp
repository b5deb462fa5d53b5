// TReportListView pixels: the check and radio figures, sort arrows, shortened texts, the
// common header band and the indicator line; when painting happens (cell writes,
// SuppressPaint) and the events passed on from the data.
#include <VEK_replist.h>
#include <frame/runtime/rtl.h>

#include "pixels.h"
#include "qstring_printer.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <set>
#include <utility>

using namespace vek;
using vektest::ColorAt;
using vektest::Render;

namespace {

using Pixels = std::set<std::pair<int, int>>;

struct ListPaint : ::testing::Test {
    TReportListView list;
    void SetUp() override
    {
        list.resize(400, 200);
        list.SetRowColPattern(0); // one background color everywhere
        list.SetSmoothing(false);  // the figures' exact pixels
    }
    // The background rectangle of data cell (dataCol, dataRow): the cell plus the grid
    // line to its right and below, which the list paints itself without those lines.
    TRect CellBox(int dataCol, int dataRow)
    {
        TRect r = list.CellRect(dataCol - 1, dataRow + list.CountHeadRows() - 1);
        ++r.Right;
        ++r.Bottom;
        return r;
    }
    // Pixels of exactly `color` in the 16 x 16 check mark area of a cell, relative to it.
    Pixels MarkPixels(const QImage& image, const TRect& box, TColor color)
    {
        Pixels found;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                if (ColorAt(image, box.Left + x, box.Top + y) == ColorToRGB(color))
                    found.insert({x, y});
        return found;
    }
};

// The tick: three pairs of diagonal lines, each line without its end point.
Pixels TickPixels()
{
    Pixels tick;
    for (int k = 0; k < 3; ++k) {
        for (int i = 0; i < 3; ++i)
            tick.insert({6 + i, k + 8 + i});
        for (int i = 0; i < 5; ++i)
            tick.insert({8 + i, k + 10 - i});
    }
    return tick;
}

// The radio dot: rows of 3, 5, 5, 5 and 3 pixels.
Pixels DotPixels()
{
    Pixels dot;
    for (int x = 8; x <= 10; ++x) {
        dot.insert({x, 7});
        dot.insert({x, 11});
    }
    for (int y = 8; y <= 10; ++y)
        for (int x = 7; x <= 11; ++x)
            dot.insert({x, y});
    return dot;
}

} // namespace

TEST_F(ListPaint, CheckBoxesAndTicks)
{
    list.SetColumnCheckMode(1, cmBox);
    list.SetElemChecked(1, 1, true);
    list.SetElemChecked(1, 2, false);
    const QImage image = Render(&list);
    const TRect checked = CellBox(1, 1), unchecked = CellBox(1, 2);
    EXPECT_EQ(MarkPixels(image, checked, list.ColorText()), TickPixels());
    EXPECT_TRUE(MarkPixels(image, unchecked, list.ColorText()).empty());
    // The box outline: Rectangle from (4, 4) to (15, 15) covers 4..14 on each side.
    const Pixels box = MarkPixels(image, unchecked, clBtnShadow);
    EXPECT_EQ(box.size(), 40u);
    EXPECT_TRUE(box.count({4, 4}) && box.count({14, 14}) && box.count({4, 14}));
    EXPECT_FALSE(box.count({15, 15}));
}

TEST_F(ListPaint, RadioButtonsAndDot)
{
    list.SetColumnCheckMode(2, cmRadio);
    list.SetElemChecked(2, 3, true);
    const QImage image = Render(&list);
    EXPECT_EQ(MarkPixels(image, CellBox(2, 3), list.ColorText()), DotPixels());
    EXPECT_TRUE(MarkPixels(image, CellBox(2, 1), list.ColorText()).empty());
    // The circle stays inside the 4..14 square and keeps clear of the dot.
    const Pixels ring = MarkPixels(image, CellBox(2, 1), clBtnShadow);
    ASSERT_FALSE(ring.empty());
    for (const auto& [x, y] : ring) {
        EXPECT_TRUE(x >= 4 && x <= 14 && y >= 4 && y <= 14) << x << "," << y;
        EXPECT_FALSE(DotPixels().count({x, y}));
    }
}

TEST_F(ListPaint, ReadOnlyAndEmptyCheckCells)
{
    list.SetColumnCheckMode(1, cmBox);
    list.SetElem(1, 1, "On"); // a label after the check flag
    list.SetElemChecked(1, 1, true);
    list.SetCheckMarksReadOnly(true); // the tick alone, no box
    QImage image = Render(&list);
    EXPECT_TRUE(MarkPixels(image, CellBox(1, 1), clBtnShadow).empty());
    EXPECT_EQ(MarkPixels(image, CellBox(1, 1), list.ColorText()), TickPixels());
    list.SetCheckMarksReadOnly(false);
    list.SetShowEmptyCheckBoxes(false); // a cell without a label shows no box
    image = Render(&list);
    EXPECT_TRUE(MarkPixels(image, CellBox(1, 2), clBtnShadow).empty());
    EXPECT_FALSE(MarkPixels(image, CellBox(1, 1), clBtnShadow).empty());
    // In a disabled row the box takes the row's pen color, the text color of the row.
    list.SetRowColPattern(0);
    list.SetRowEnabled(1, false);
    image = Render(&list);
    EXPECT_TRUE(MarkPixels(image, CellBox(1, 1), clBtnShadow).empty());
    EXPECT_EQ(MarkPixels(image, CellBox(1, 1), list.ColorDisabledText()), TickPixels());
}

// A shortened text looks exactly like the shortened string written into a wide column.
TEST_F(ListPaint, LongTextsAreShortenedWithEllipsis)
{
    const QString text = "abcdefghijklmnopqrstuvwxyz";
    TCanvas* canvas = list.Canvas();
    canvas->Font()->Assign(list.Font());
    const int room = list.ColWidths(1) - 9;
    const int n = int(Round(double(text.size()) * room / canvas->TextWidth(text.mid(1)) - 4));
    const QString left = text.left(n) + "...", right = "a..." + text.right(n);

    list.SetElem(1, 1, text);
    list.SetElem(2, 1, text);
    list.SetColumnAlignment(2, taRightJustify);
    TReportListView expected;
    expected.resize(400, 200);
    expected.SetRowColPattern(0);
    expected.SetElem(1, 1, left);
    expected.SetElem(2, 1, right);
    expected.SetColumnAlignment(2, taRightJustify);
    const QRect cells = CellBox(1, 1).ToQRect().united(CellBox(2, 1).ToQRect());
    EXPECT_EQ(Render(&list).copy(cells), Render(&expected).copy(cells));
    // A text that fits is written whole.
    list.SetElem(1, 1, "abc");
    expected.SetElem(1, 1, "abc");
    EXPECT_EQ(Render(&list).copy(cells), Render(&expected).copy(cells));
}

TEST_F(ListPaint, SortArrowsInTheHeader)
{
    list.SetElem(1, 1, "2");
    list.SetElem(1, 2, "1");
    TCanvas* canvas = list.Canvas();
    canvas->Font()->Assign(list.Font());
    const TRect cell = list.CellRect(0, 0);
    const int x = cell.Left + 4 + canvas->TextWidth(list.Header(1)) + 10;
    const int y = cell.Top + 2 + canvas->TextHeight("X") / 2;

    list.Sort(1, -1, true); // ascending: gray left flank, white right flank and base
    QImage image = Render(&list);
    EXPECT_EQ(ColorAt(image, x - 4, y + 3), clGray);
    EXPECT_EQ(vektest::RowPattern(image, y + 3, x - 4, x + 6, clWhite), ".########..");
    EXPECT_EQ(ColorAt(image, x, y - 3), clWhite);

    list.Sort(1, -1, false); // descending: gray base at the top
    image = Render(&list);
    EXPECT_EQ(vektest::RowPattern(image, y - 3, x - 5, x + 6, clGray), ".########...");
    EXPECT_EQ(ColorAt(image, x + 4, y - 3), clWhite);
    EXPECT_EQ(ColorAt(image, x, y + 3), clGray);

    list.UnSort(); // no arrow
    image = Render(&list);
    EXPECT_EQ(vektest::CountColor(image, QRect(x - 4, y - 3, 9, 7), clGray), 0);
}

TEST_F(ListPaint, CommonHeaderTextAndClosingLines)
{
    list.SetCommonHeaderVisible(true);
    list.SetCommonHeader("Title");
    list.SetColorCommonHd(clWhite);
    list.SetColorCommonHdText(clRed);
    const TRect band = list.CellRect(0, 0);
    const int R = list.CellRect(4, 0).Right; // all five columns are visible
    TCanvas* canvas = list.Canvas();
    canvas->Font()->Assign(list.Font());
    const int w = canvas->TextWidth("Title");
    auto inkLeft = [&] {
        const QImage image = Render(&list);
        return vektest::InkBounds(
            image, QRect(band.Left + 1, band.Top + 1, R - band.Left - 3, band.Height() - 2),
            clWhite);
    };
    list.SetCommonHeaderAlignment(taLeftJustify);
    EXPECT_NEAR(inkLeft().left(), band.Left + 4, 1);
    list.SetCommonHeaderAlignment(taRightJustify);
    EXPECT_NEAR(inkLeft().right(), R - 5, 2);
    list.SetCommonHeaderAlignment(taCenter);
    EXPECT_NEAR(inkLeft().left(), band.Left + (R - band.Left) / 2 - w / 2, 1);

    const QImage image = Render(&list);
    const std::string gray(std::size_t(band.Height() - 1), '#');
    EXPECT_EQ(vektest::ColumnPattern(image, R - 1, band.Top + 1, band.Bottom - 1, clGray), gray);
    EXPECT_EQ(vektest::ColumnPattern(image, R, band.Top, band.Bottom - 1, clBlack),
              std::string(std::size_t(band.Height()), '#'));
}

TEST_F(ListPaint, MultiLineHeaders)
{
    list.SetCommonHeaderVisible(true);
    list.SetCommonHeaderHeight(40);
    list.SetColumnHeadersHeight(40);
    list.SetCommonHeader("First\nSecond");
    list.SetHeader(1, "Upper\nLower");
    const QImage image = Render(&list);
    const int lineHeight = list.Canvas()->TextHeight("X");
    const TRect common = list.CellRect(0, 0), column = list.CellRect(0, 1);
    const QRect commonInk = vektest::InkBounds(
        image, QRect(0, common.Top + 1, 300, common.Height() - 2), ColorToRGB(clBtnFace));
    const QRect columnInk = vektest::InkBounds(
        image, QRect(column.Left + 2, column.Top + 1, column.Width() - 4, column.Height() - 2),
        ColorToRGB(clBtnFace));
    EXPECT_GT(commonInk.height(), lineHeight);
    EXPECT_GT(columnInk.height(), lineHeight);
}

TEST_F(ListPaint, InterRowIndicatorSitsAboveItsRow)
{
    list.SetInterRowIndicatorPos(2);
    list.SetInterRowIndicatorWidth(1);
    QImage image = Render(&list);
    const TRect client = list.GridClientRect();
    const int y = client.Top + list.RowHeights(0) + list.DefaultRowHeight() + 1;
    EXPECT_EQ(y, list.CellRect(0, 2).Top - 1); // the grid line above data row 2
    EXPECT_EQ(vektest::RowPattern(image, y, client.Left, client.Right - 1, clRed),
              std::string(std::size_t(client.Width()), '#'));
    EXPECT_EQ(ColorAt(image, client.Left, y - 1), ColorAt(image, client.Left, y + 2));
    list.SetTopRow(3); // scrolled past: not drawn
    list.SetNrOfRows(50);
    list.SetTopRow(10);
    image = Render(&list);
    EXPECT_EQ(vektest::CountColor(image, QRect(0, 0, 400, 200), clRed), 0);
}

TEST_F(ListPaint, CellWritesRepaintOnceAfterwards)
{
    int draws = 0;
    list.OnDrawCell = [&](TObject*, int, int, const TRect&, TGridDrawState) { ++draws; };
    Render(&list);
    draws = 0;
    for (int i = 0; i < 100; ++i)
        list.SetElem(1, 1, QString::number(i));
    EXPECT_EQ(draws, 0);
    const QImage image = Render(&list);
    EXPECT_EQ(draws, 5 * 5); // one repaint of the header and four rows
    EXPECT_GT(vektest::CountColor(image, CellBox(1, 1).ToQRect(), list.ColorText()), 0);
}

TEST_F(ListPaint, CallersSuppressionHoldsUntilCleared)
{
    TReportListView fresh;
    fresh.resize(200, 100);
    fresh.SetSuppressPaint(true);
    fresh.SetHeader(1, "Name"); // the first repaint creates the window
    Render(&fresh);
    EXPECT_TRUE(fresh.SuppressPaint());
    int draws = 0;
    fresh.OnDrawCell = [&](TObject*, int, int, const TRect&, TGridDrawState) { ++draws; };
    fresh.SetSuppressPaint(false);
    EXPECT_GT(draws, 0);
    // Without a caller's suppression the list paints as soon as it is shown.
    EXPECT_FALSE(list.SuppressPaint());
}

TEST_F(ListPaint, DataEventsReachTheControl)
{
    list.SetElem(1, 1, "b");
    list.SetElem(1, 2, "a");
    std::set<TObject*> senders;
    list.OnBeforeSortExchange = [&](TObject* Sender, const QString&, QString&) {
        senders.insert(Sender);
    };
    list.OnBeforeHTMLExport = [&](TObject* Sender, QString& Text, int, int) {
        senders.insert(Sender);
        Text = Text.toUpper();
    };
    list.Sort(1, -1, true);
    EXPECT_EQ(list.Elem(1, 1), "a");
    QTemporaryDir dir;
    const QString name = dir.filePath("list.html");
    ASSERT_TRUE(list.RLData()->ExportHTMLTable(name, 1, 1, 1, 2, {}, 0, 0, 0, false, "", "",
                                               ""));
    EXPECT_EQ(senders, (std::set<TObject*>{&list}));
    // A copy forwards to its own handlers, not to the source control.
    TReportListView copy;
    copy.Assign(&list);
    senders.clear();
    copy.Sort(1, -1, false);
    EXPECT_EQ(senders, (std::set<TObject*>{&copy}));
}
