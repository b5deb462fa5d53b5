// The marker selector's grid: cell figures, hiding and shifting, the nearest mark, and
// the settings it ignores.
#include "marksel_fixture.h"

#include <marksel_layout.h>

using namespace vek;
using namespace markseltest;
using marksel::NoMark;
using marksel::TMarkLayout;

namespace {

marksel::TVisibility AllVisible()
{
    marksel::TVisibility visible;
    visible.fill(true);
    return visible;
}

} // namespace

TEST(MarkSelLayout, DefaultGridFigures)
{
    const TMarkLayout layout(QSize(236, 178), 8, 6, AllVisible());
    EXPECT_EQ(layout.CellWidth(), 29);
    EXPECT_EQ(layout.CellHeight(), 29);
    EXPECT_EQ(layout.RefPoint(9), QPoint(43, 43)); // second row, second column
    EXPECT_EQ(layout.CellRect(9), TRect(32, 32, 60, 60));
    EXPECT_EQ(layout.HighlightRect(9), TRect(33, 33, 59, 59));
    EXPECT_EQ(layout.CrossStrokes(0)[1], std::make_pair(QPoint(4, 29), QPoint(30, 3)));
    // 48 cells: marks 48..51 would lie below the control and are not shown.
    EXPECT_EQ(layout.ShownCount(), 48);
    EXPECT_FALSE(layout.IsShown(48));
    EXPECT_EQ(TMarkLayout(QSize(3, 3), 8, 6, AllVisible()).CellWidth(), 0);
}

TEST(MarkSelLayout, HiddenMarksLeaveNoGap)
{
    marksel::TVisibility visible = AllVisible();
    visible[3] = false;
    const TMarkLayout layout(QSize(236, 178), 8, 6, visible);
    EXPECT_EQ(layout.RefPoint(4), RefPoint(3));
    EXPECT_EQ(layout.SlotOf(48), 47); // moved into the last cell
    EXPECT_EQ(layout.Neighbour(2, 1), 4);
    EXPECT_EQ(layout.Neighbour(4, -8), 4);  // no row above
    EXPECT_EQ(layout.Neighbour(44, 8), 44); // no mark below
}

TEST(MarkSelLayout, NearestShownMark)
{
    const TMarkLayout layout(QSize(236, 178), 8, 6, AllVisible());
    EXPECT_EQ(layout.Nearest(45, 40), 9);
    EXPECT_EQ(layout.Nearest(-1000, -1000), 0);
    // Below the last row, where mark 51 would be, the nearest shown mark is 43.
    EXPECT_EQ(layout.Nearest(RefPoint(43).x(), 177), 43);
    EXPECT_EQ(layout.Nearest(100000, 100000), 47);
    // Halfway between two marks the lower one wins.
    const TMarkLayout even(QSize(244, 184), 8, 6, AllVisible());
    ASSERT_EQ(even.RefPoint(1), QPoint(45, 15));
    EXPECT_EQ(even.Nearest(30, 15), 0);
    EXPECT_EQ(even.Nearest(31, 15), 1);
}

TEST_F(MarkSelTest, VisibilityAndIgnoredSettings)
{
    sel.SetMarkVisible(0, false); // mark 0 is always visible
    sel.HideAllMarks();
    EXPECT_TRUE(sel.MarkVisible(-1)); // reads mark 0
    EXPECT_TRUE(sel.MarkVisible(52));
    EXPECT_FALSE(sel.MarkVisible(51));
    Click(QPoint(200, 150));
    EXPECT_EQ(sel.Selected(), 0); // the only mark left

    sel.SetNrOfColumns(0);
    sel.SetNrOfColumns(52);
    sel.SetNrOfRows(0);
    EXPECT_EQ(sel.NrOfColumns(), 8);
    EXPECT_EQ(sel.NrOfRows(), 6);
    sel.SetNrOfColumns(51);
    EXPECT_EQ(sel.NrOfColumns(), 51);
    EXPECT_EQ(sel.minimumSizeHint(), QSize(4 + 51 * 14, 4 + 6 * 14));
    EXPECT_EQ(sel.sizeHint(), QSize(4 + 51 * 14, 178));

    sel.SetSelected(51);
    sel.SetSelected(-2);
    sel.SetSelected(52);
    EXPECT_EQ(sel.Selected(), 51);
}
