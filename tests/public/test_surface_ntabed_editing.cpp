// The table editor's editing as an application wires it: the signals of an edited cell
// and of a block written by a menu command, and the built-in menus found by name.
#include <VEK_ntabed.h>

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

using namespace vek;

TEST(NTabEdEditingSignals, EditedCellsAndClearedBlocks)
{
    TNTabEd tab;
    tab.resize(400, 200);
    QSignalSpy edited(&tab, &TNTabEd::cellEdited);
    QSignalSpy pasted(&tab, &TNTabEd::pasted);
    QTest::keyClick(&tab, Qt::Key_7);
    QTest::keyClick(tab.InplaceEditor()->Widget(), Qt::Key_Return);
    ASSERT_EQ(edited.count(), 1);
    EXPECT_EQ(edited[0], (QVariantList{2, 1, QString("7")}));
    EXPECT_EQ(tab.Elem(1, 1), 7);
    tab.PopupMenuClickSelAll(nullptr);
    tab.PopupMenuClickClear(nullptr);
    EXPECT_EQ(pasted.count(), 1);
    EXPECT_EQ(tab.Elem(1, 1), 0);
}

TEST(NTabEdEditingSignals, BuiltInMenusAreFoundByName)
{
    TNTabEd tab;
    auto* data = tab.findChild<TPopupMenu*>("PopupDTAction");
    auto* header = tab.findChild<TPopupMenu*>("PopupHTAction");
    ASSERT_TRUE(data && header);
    EXPECT_EQ(data->Count(), 12);
    EXPECT_EQ(header->Count(), 5);
    // An application may add its own command.
    data->Add(new TMenuItem("Plot", "Plot..."));
    EXPECT_EQ(tab.findChild<TMenuItem*>("Plot")->parent(), data);
}
