// The owner-drawn combo box base: items, selection events, item drawing, key events.
#include <frame/canvas/colors.h>
#include <frame/controls/combobox.h>
#include <frame/controls/keys.h>

#include <gtest/gtest.h>
#include <pixels.h>
#include <qstring_printer.h>

#include <QTest>

using namespace vek;

namespace {

class ComboBoxTest : public ::testing::Test {
protected:
    ComboBoxTest()
    {
        combo.resize(160, combo.height());
        combo.SetItems({"one", "two", "three"});
    }
    TCustomComboBox combo;
};

} // namespace

TEST_F(ComboBoxTest, ItemsAndIndex)
{
    EXPECT_EQ(combo.ItemCount(), 3);
    EXPECT_EQ(combo.Items(), (QStringList{"one", "two", "three"}));
    EXPECT_EQ(combo.ItemIndex(), 0);
    combo.SetItemIndex(2);
    EXPECT_EQ(combo.Text(), "three");
    combo.SetItemIndex(3);
    EXPECT_EQ(combo.ItemIndex(), -1);
    combo.SetItemHeight(0);
    EXPECT_EQ(combo.ItemHeight(), 16);
    combo.SetDropDownCount(0);
    EXPECT_EQ(combo.DropDownCount(), 1);
}

TEST_F(ComboBoxTest, UserChoiceRaisesClickThenSelectOrChange)
{
    QStringList calls;
    combo.OnClick = [&](TObject*) { calls << "click"; };
    combo.OnChange = [&](TObject*) { calls << "change"; };
    combo.SetItemIndex(1);
    EXPECT_TRUE(calls.isEmpty());
    QTest::keyClick(&combo, Qt::Key_Down);
    EXPECT_EQ(calls, (QStringList{"click", "change"}));
    combo.OnSelect = [&](TObject*) { calls << "select"; };
    QTest::keyClick(&combo, Qt::Key_Up);
    EXPECT_EQ(calls, (QStringList{"click", "change", "click", "select"}));
}

TEST_F(ComboBoxTest, KeyDownHandlerCanSwallowTheKey)
{
    int seen = 0;
    combo.OnKeyDown = [&](TObject*, int& key, TShiftState) {
        seen = key;
        key = 0;
    };
    QTest::keyClick(&combo, Qt::Key_Down);
    EXPECT_EQ(seen, VK_DOWN);
    EXPECT_EQ(combo.ItemIndex(), 0);
}

TEST_F(ComboBoxTest, OwnerDrawnItemsGoThroughDrawItem)
{
    combo.SetStyle(TCustomComboBox::csOwnerDrawFixed);
    combo.SetItemHeight(20);
    EXPECT_GE(combo.sizeHint().height(), 20);
    QList<int> drawn;
    combo.OnDrawItem = [&](TObject*, int index, const TRect& rect, TOwnerDrawState state) {
        drawn << index;
        EXPECT_TRUE(state & odComboBoxEdit);
        combo.Canvas()->Brush()->SetColor(clRed);
        combo.Canvas()->FillRect(TRect(rect.Left, rect.Top, rect.Left + 5, rect.Bottom));
    };
    combo.SetItemIndex(1);
    const QImage box = vektest::Render(&combo);
    EXPECT_EQ(drawn, QList<int>{1});
    const TRect r = combo.EditItemRect();
    EXPECT_EQ(vektest::ColorAt(box, r.Left, r.Top), clRed);
    EXPECT_EQ(vektest::ColorAt(box, r.Left + 5, r.Top), ColorToRGB(clWindow));
    // Nothing outside the item rectangle.
    EXPECT_NE(vektest::ColorAt(box, r.Left - 1, r.Top), clRed);
}

TEST_F(ComboBoxTest, DefaultDrawingWritesTheTextOnTheControlColor)
{
    combo.SetStyle(TCustomComboBox::csOwnerDrawFixed);
    combo.SetColor(clYellow);
    const QImage box = vektest::Render(&combo);
    const TRect r = combo.EditItemRect();
    EXPECT_EQ(vektest::ColorAt(box, r.Right - 2, r.Top + 1), clYellow);
    EXPECT_FALSE(vektest::InkBounds(box, r.ToQRect(), clYellow).isEmpty());
}

TEST_F(ComboBoxTest, DropDownAndCloseUpEvents)
{
    int drops = 0, closes = 0;
    combo.OnDropDown = [&](TObject*) { ++drops; };
    combo.OnCloseUp = [&](TObject*) { ++closes; };
    combo.SetDroppedDown(true);
    combo.SetDroppedDown(true);
    EXPECT_TRUE(combo.DroppedDown());
    combo.SetDroppedDown(false);
    combo.SetDroppedDown(false);
    EXPECT_EQ(drops, 1);
    EXPECT_EQ(closes, 1);
}
