// TNTabEd's built-in texts in the application's language: the popup menus and the
// header labels go through the application's translators, also when a translator comes
// after the editor; captions the application set stay as they are.
#include "ntabed_fixture.h"
#include "ntabed_input.h"

#include "marking_translator.h"

#include <QFontMetrics>

using namespace vek;
using namespace ntabedtest;

namespace {

struct Translated : Editor {
    void TearDown() override
    {
        if (QMenu* menu = ShownMenu())
            menu->close();
    }
};

} // namespace

TEST_F(Translated, MenusOfAnEditorMadeUnderATranslator)
{
    vektest::ScopedMarkingTranslator german;
    TNTabEd later;
    EXPECT_EQ(later.PopupDCaptions(7), "[de] Copy");
    EXPECT_EQ(later.PopupDCaptions(12), "[de] Toggle Empty State");
    EXPECT_EQ(later.PopupHCaptions(1), "[de] Edit Heading");
    EXPECT_EQ(later.PopupMCaptions(1), "[de] Range");
    EXPECT_EQ(later.PopupUCaptions(4), "[de] All");
    // The column and row commands are whole texts, free in their word order.
    tab.SetAttribColVisible(true);
    Click(tab, Cell(2, 0), Qt::RightButton);
    ASSERT_TRUE(ShownMenu());
    EXPECT_EQ(tab.PopupHCaptions(3), "[de] Select Column");
    ShownMenu()->close();
    Click(tab, Cell(-1, 3), Qt::RightButton);
    ASSERT_TRUE(ShownMenu());
    EXPECT_EQ(tab.PopupHCaptions(5), "[de] Delete Row");
}

TEST_F(Translated, MenusFollowATranslatorInstalledLaterButKeepTheApplicationsCaptions)
{
    tab.SetPopupDCaptions(6, "Wipe");
    {
        vektest::ScopedMarkingTranslator german;
        EXPECT_EQ(tab.PopupDCaptions(7), "[de] Copy");
        EXPECT_EQ(tab.PopupMCaptions(2), "[de] Column");
        EXPECT_EQ(tab.PopupDCaptions(6), "Wipe");
    }
    EXPECT_EQ(tab.PopupDCaptions(7), "Copy");
    EXPECT_EQ(tab.PopupMCaptions(2), "Column");
}

TEST_F(Translated, HeaderLabelTakesItsTranslatedWidth)
{
    const QFontMetrics metrics(tab.Font()->ToQFont());
    // The attribute column fits its label "Attrib", plus the column margin of 8.
    EXPECT_EQ(tab.AutoColWidth(-1, true, 0), metrics.horizontalAdvance("Attrib") + 8);
    vektest::ScopedMarkingTranslator german;
    EXPECT_EQ(tab.AutoColWidth(-1, true, 0), metrics.horizontalAdvance("[de] Attrib") + 8);
}
