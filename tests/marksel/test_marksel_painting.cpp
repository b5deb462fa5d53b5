// The marker selector's face: marks in their cells, the selected mark's box, the cross
// for mark 0, the highlight and its removal, the disabled and dark-palette colors.
#include "marksel_fixture.h"

#include <scoped_palette.h>

using namespace vek;
using namespace markseltest;

TEST_F(MarkSelTest, MarksAndSelectionBox)
{
    int paints = 0;
    sel.OnPaint = [&](TObject*) { ++paints; };
    sel.SetSelected(9);
    EXPECT_EQ(paints, 1);
    EXPECT_EQ(At(42, 45), SelFG); // the filled square's left edge, 3 pixels out
    EXPECT_EQ(At(41, 45), SelBG);
    EXPECT_EQ(At(32, 40), SelFG); // the box outline, left and right
    EXPECT_EQ(At(59, 40), SelFG);
    EXPECT_EQ(At(60, 40), Back);
    EXPECT_EQ(At(70, 45), Marks); // the left tip of mark 10, an open diamond
    EXPECT_EQ(At(74, 45), Back);  // its inside
}

TEST_F(MarkSelTest, ZeroAsCrossOrAsDot)
{
    sel.Refresh();
    EXPECT_EQ(At(10, 10), Marks); // on the stroke (4, 4)..(29, 29)
    EXPECT_EQ(At(25, 8), Marks);  // on the stroke (4, 29)..(29, 4)
    EXPECT_EQ(At(16, 18), Back);
    sel.SetShowZeroAsCross(false);
    sel.Refresh();
    EXPECT_EQ(At(10, 10), Back);
    EXPECT_EQ(At(16, 16), Marks); // DrawMarkOnCanvas's one-pixel dot
}

TEST_F(MarkSelTest, DisabledColors)
{
    sel.SetSelected(9);
    sel.setEnabled(false);
    EXPECT_EQ(At(89, 89), clSilver);
    EXPECT_EQ(At(70, 45), clGray);
    EXPECT_EQ(At(33, 33), 0xDEDEDE);
    EXPECT_EQ(At(32, 40), clGray);
}

// Black marks are the program's choice: under a dark palette their button-face
// background gives way to a light face rather than swallow them.
TEST(MarkSelPalette, BlackMarksKeepALightFaceInADarkPalette)
{
    vektest::ScopedPalette dark(vektest::DarkPalette());
    TMarkSel sel;
    EXPECT_EQ(vektest::ColorAt(vektest::Render(&sel), 89, 89), 0xF0F0F0);
}

TEST_F(MarkSelTest, HighlightFollowsTheMouseAndIsRestored)
{
    sel.SetSelected(10);
    const QImage before = Face();
    MoveMouse(QPoint(47, 40));
    EXPECT_EQ(sel.HighlightedMark(), 9);
    EXPECT_EQ(At(33, 33), HiLite);
    EXPECT_EQ(At(58, 58), HiLite);
    EXPECT_EQ(At(59, 58), Back);
    EXPECT_EQ(At(45, 45), HiLiteSymbol);

    MoveMouse(QPoint(75, 40)); // the selected mark 10
    EXPECT_EQ(Face().copy(32, 32, 28, 28), before.copy(32, 32, 28, 28)); // 9 as it was
    EXPECT_EQ(At(62, 40), HiLite);
    EXPECT_EQ(At(61, 40), SelFG); // the selection box around the highlight
    EXPECT_EQ(At(70, 45), HiLiteSymbol);

    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&sel, &leave);
    EXPECT_EQ(sel.HighlightedMark(), -1);
    EXPECT_EQ(Face(), before);
}

// The highlight is drawn at the mark's current place, never where a changed grid had it.
TEST_F(MarkSelTest, HighlightNeverStaysAtAStalePlace)
{
    MoveMouse(RefPoint(20));
    sel.SetMarkVisible(3, false); // 20 moves one cell back
    EXPECT_EQ(sel.HighlightedMark(), 20);
    EXPECT_EQ(At(RefPoint(19).x() - 10, RefPoint(19).y() - 10), HiLite);
    EXPECT_EQ(Count(QRect(RefPoint(20) - QPoint(10, 10), QSize(20, 20)), HiLite), 0);

    sel.SetMarkVisible(20, false);
    EXPECT_EQ(sel.HighlightedMark(), -1);
    EXPECT_EQ(Count(sel.rect(), HiLite), 0);

    // A change that only invalidates: the cell put back is the current one, the dot.
    MoveMouse(RefPoint(0));
    sel.SetShowZeroAsCross(false);
    MoveMouse(RefPoint(1));
    EXPECT_EQ(At(10, 10), Back);
    EXPECT_EQ(At(16, 16), Marks);

    // A new size, not painted yet: slot 9 (mark 10) lies at (60, 60) in 40-pixel cells.
    sel.resize(4 + 8 * 40, 4 + 6 * 40);
    MoveMouse(QPoint(60, 60));
    EXPECT_EQ(sel.HighlightedMark(), 10);
    EXPECT_GT(Count(QRect(44, 44, 38, 38), HiLite), 0);
    EXPECT_EQ(Count(sel.rect(), HiLite), Count(QRect(44, 44, 38, 38), HiLite));
}
