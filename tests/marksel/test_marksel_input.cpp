// Picking marks with the mouse and the keyboard: clicks, double clicks, the arrow keys,
// Enter and Space, and the events they raise.
#include "marksel_fixture.h"

#include <QFocusEvent>

#include <array>
#include <string>
#include <vector>

using namespace vek;
using namespace markseltest;

namespace {

using Report = std::array<int, 3>; // x, y, mark

} // namespace

TEST_F(MarkSelTest, ClickSelectsTheNearestShownMark)
{
    std::vector<Report> clicks;
    sel.OnMarkClick = [&](TObject*, int x, int y, int mark) { clicks.push_back({x, y, mark}); };
    Click(QPoint(47, 40));
    EXPECT_EQ(sel.Selected(), 9);
    EXPECT_EQ(At(45, 45), HiLiteSymbol); // highlighted inside its selection box
    EXPECT_EQ(At(32, 40), SelFG);
    Click(QPoint(230, 175)); // below the last row, far from everything
    // Pressed on the selector but released outside it: given up.
    QTest::mousePress(&sel, Qt::LeftButton, {}, QPoint(20, 20));
    QTest::mouseRelease(&sel, Qt::LeftButton, {}, QPoint(300, 20));
    QTest::mouseClick(&sel, Qt::RightButton, {}, QPoint(20, 20));
    EXPECT_EQ(clicks, (std::vector<Report>{{47, 40, 9}, {230, 175, 47}}));
    EXPECT_EQ(sel.Selected(), 47);
}

// Positions come from the current size and grid, not from the last paint.
TEST(MarkSelInput, ClicksBeforeAnyPaintUseTheCurrentLayout)
{
    TMarkSel fresh;
    fresh.resize(4 + 8 * 40, 4 + 6 * 40);
    QTest::mouseClick(&fresh, Qt::LeftButton, {}, QPoint(60, 60));
    EXPECT_EQ(fresh.Selected(), 9);
    fresh.SetNrOfColumns(4);
    fresh.resize(4 + 4 * 40, 4 + 6 * 40);
    QTest::mouseClick(&fresh, Qt::LeftButton, {}, QPoint(60, 60));
    EXPECT_EQ(fresh.Selected(), 5);
}

// Qt sends press, release, double click, release: one click, then one double click.
TEST_F(MarkSelTest, DoubleClickReportsOnceAfterTheClick)
{
    std::vector<std::string> events;
    sel.OnMarkClick = [&](TObject*, int, int, int mark) {
        events.push_back("click " + std::to_string(mark));
    };
    sel.OnMarkDblClick = [&](TObject*, int, int, int mark) {
        events.push_back("double " + std::to_string(mark));
    };
    const QPoint pos = RefPoint(12);
    QTest::mouseClick(&sel, Qt::LeftButton, {}, pos);
    QTest::mouseDClick(&sel, Qt::LeftButton, {}, pos);
    QTest::mouseRelease(&sel, Qt::LeftButton, {}, pos);
    Click(RefPoint(13)); // the next click is a click again
    EXPECT_EQ(events, (std::vector<std::string>{"click 12", "double 12", "click 13"}));
}

TEST_F(MarkSelTest, ArrowKeysMoveTheHighlightAmongShownMarks)
{
    sel.SetSelected(9);
    sel.SetMarkVisible(11, false);
    Key(Qt::Key_Right); // the first key shows where the keys start
    EXPECT_EQ(sel.HighlightedMark(), 9);
    EXPECT_EQ(At(33, 33), HiLite);
    Key(Qt::Key_Right);
    Key(Qt::Key_Right); // over the hidden 11
    EXPECT_EQ(sel.HighlightedMark(), 12);
    Key(Qt::Key_Down);
    EXPECT_EQ(sel.HighlightedMark(), 20); // slot 19 + 8
    for (int i = 0; i < 3; ++i)
        Key(Qt::Key_Up); // stops in the first row
    EXPECT_EQ(sel.HighlightedMark(), 3);
    Key(Qt::Key_End);
    Key(Qt::Key_Right);
    EXPECT_EQ(sel.HighlightedMark(), 48); // shown now, in the last cell
    Key(Qt::Key_Home);
    EXPECT_EQ(sel.HighlightedMark(), 0);
    EXPECT_EQ(sel.Selected(), 9); // moving selects nothing
}

TEST_F(MarkSelTest, EnterAndSpaceSelectTheHighlightedMark)
{
    std::vector<Report> clicks;
    sel.OnMarkClick = [&](TObject*, int x, int y, int mark) { clicks.push_back({x, y, mark}); };
    Key(Qt::Key_Return); // nothing highlighted: left to the dialog
    EXPECT_EQ(sel.Selected(), -1);
    QFocusEvent tab(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(&sel, &tab); // arriving by Tab shows the highlight
    EXPECT_EQ(sel.HighlightedMark(), 0);
    Key(Qt::Key_Right);
    Key(Qt::Key_Return);
    Key(Qt::Key_Down);
    Key(Qt::Key_Space);
    EXPECT_EQ(sel.Selected(), 9);
    // Reported at the symbol's centre.
    EXPECT_EQ(clicks, (std::vector<Report>{{45, 16, 1}, {45, 45, 9}}));

    // An OnKeyDown handler that takes the key keeps it from the selector.
    sel.OnKeyDown = [](TObject*, int& key, TShiftState) { key = 0; };
    Key(Qt::Key_Left);
    EXPECT_EQ(sel.HighlightedMark(), 9);
}
