// The selector through its public API: entries, selection, palettes, names, editing.
#include "colsel_fixture.h"

#include <frame/controls/colordialog.h>
#include <frame/baselib/colortable.h>
#include <frame/core/errors.h>

#include <QMouseEvent>
#include <QTest>

using namespace vek;

namespace {

// Supplies the color dialog's answer for one test and restores the real dialog after.
class FakeColorDialog {
public:
    FakeColorDialog(bool confirm, TColor answer)
    {
        TColorDialog::SetExecutor([this, confirm, answer](QWidget*, TColor& color) {
            ++calls;
            preset = color;
            color = answer;
            return confirm;
        });
    }
    ~FakeColorDialog() { TColorDialog::SetExecutor({}); }

    int calls = 0;
    TColor preset = 0;
};

void MoveMouse(QWidget* widget, int x)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(x, widget->height() / 2),
                     widget->mapToGlobal(QPointF(x, widget->height() / 2)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

} // namespace

TEST_F(ColSelTest, Defaults)
{
    EXPECT_EQ(sel.NumColors(), 20);
    EXPECT_EQ(sel.ItemCount(), 20);
    EXPECT_EQ(sel.ColorBarWidth(), 30);
    EXPECT_EQ(sel.ItemIndex(), 0);
    EXPECT_EQ(sel.SelColor(), clBlack);
    EXPECT_EQ(sel.SelColorID(), "clBlack");
    EXPECT_EQ(sel.Color(), clWindow);
    EXPECT_EQ(sel.DropDownCount(), 8);
    EXPECT_EQ(sel.Style(), TCustomComboBox::csOwnerDrawFixed);
    EXPECT_EQ(sel.Items().first(), "clBlack");
    EXPECT_EQ(sel.Items().last(), "clMedGray");
    EXPECT_EQ(sel.ColorNames(10), "clRed");
    EXPECT_FALSE(sel.ColorEditAllowed(1));
    EXPECT_EQ(sel.property("NumColors").toInt(), 20);
}

TEST_F(ColSelTest, IndexedPropertiesOutsideTheRange)
{
    EXPECT_EQ(sel.Colors(0), 0u);
    EXPECT_EQ(sel.Colors(21), 0u); // filled, but beyond NumColors
    EXPECT_EQ(sel.ColorNames(0), "");
    EXPECT_EQ(sel.ColorNames(48), "");
    sel.SetColors(21, clRed);
    sel.SetColorEditAllowed(21, true);
    sel.SetColorNames(0, "x");
    sel.SetNumColors(21);
    EXPECT_EQ(sel.Colors(21), PredefinedColor(21));
    EXPECT_FALSE(sel.ColorEditAllowed(21));
    sel.SetAllColorEditFlags();
    EXPECT_TRUE(sel.ColorEditAllowed(21));
    EXPECT_FALSE(sel.ColorEditAllowed(22));
    sel.ResetAllColorEditFlags();
    EXPECT_FALSE(sel.ColorEditAllowed(1));
}

TEST_F(ColSelTest, NumColorsAndBarWidthIgnoreBadValues)
{
    sel.SetItemIndex(5);
    sel.SetNumColors(0);
    sel.SetNumColors(48);
    EXPECT_EQ(sel.NumColors(), 20);
    EXPECT_EQ(sel.ItemIndex(), 5);
    sel.SetNumColors(5);
    EXPECT_EQ(sel.ItemCount(), 5);
    EXPECT_EQ(sel.ItemIndex(), 0);
    sel.SetColorBarWidth(-1);
    EXPECT_EQ(sel.ColorBarWidth(), 30);
}

TEST_F(ColSelTest, WritingAColorRenamesItThroughTheEvent)
{
    QStringList seen;
    sel.OnColorNameChange = [&](TObject* sender, QString& name) {
        EXPECT_EQ(sender, &sel);
        seen << name;
        name = "my " + name;
    };
    sel.SetColors(3, 0x123456);
    EXPECT_EQ(seen, QStringList{"$00123456"});
    EXPECT_EQ(sel.Colors(3), 0x123456u);
    EXPECT_EQ(sel.ColorNames(3), "my $00123456");
    EXPECT_EQ(sel.Items().at(2), "my $00123456");
    sel.SetColorNames(4, "Olive oil");
    EXPECT_EQ(sel.ColorNames(4), "Olive oil");
    EXPECT_EQ(seen.size(), 1); // names set by the application stay as given
}

TEST_F(ColSelTest, SelColorSelectsAnEntryOfEqualRGB)
{
    int events = 0;
    sel.OnColorNameChange = [&](TObject*, QString&) { ++events; };
    sel.SetSelColor(clBlue);
    EXPECT_EQ(sel.ItemIndex(), 12);
    EXPECT_EQ(sel.SelColor(), clBlue);
    EXPECT_EQ(sel.SelColorID(), "clBlue");
    EXPECT_EQ(events, 1);
    for (int i = 1; i <= 20; ++i)
        EXPECT_EQ(sel.Colors(i), PredefinedColor(i)) << i;

    // A theme color matches the first plain entry of the same RGB value.
    sel.SetColors(5, ColorToRGB(clWindow));
    sel.SetSelColor(clWindow);
    EXPECT_EQ(sel.ItemIndex(), 4);
    EXPECT_EQ(sel.SelColor(), ColorToRGB(clWindow));
}

TEST_F(ColSelTest, SelColorNotInTheListReplacesTheSelectedEntry)
{
    sel.SetItemIndex(2);
    sel.SetSelColor(0x010203);
    EXPECT_EQ(sel.ItemIndex(), 2);
    EXPECT_EQ(sel.Colors(3), 0x010203u);
    EXPECT_EQ(sel.SelColor(), 0x010203u);
    EXPECT_EQ(sel.SelColorID(), "$00010203");
    EXPECT_EQ(sel.Colors(4), clOlive);
}

TEST_F(ColSelTest, SelColorIDIsEmptyWithoutSelection)
{
    sel.SetItemIndex(-1);
    EXPECT_EQ(sel.SelColorID(), "");
}

TEST_F(ColSelTest, PalettesLoadTheirRangesAndSelectTheFirstEntry)
{
    int events = 0;
    sel.OnColorNameChange = [&](TObject*, QString& name) {
        ++events;
        name = name.mid(2);
    };
    sel.SetItemIndex(7);
    sel.LoadBasicVGAPalette();
    EXPECT_EQ(sel.NumColors(), 16);
    EXPECT_EQ(sel.ItemCount(), 16);
    EXPECT_EQ(sel.ItemIndex(), 0);
    EXPECT_EQ(sel.ColorNames(16), "White");
    EXPECT_EQ(events, 16);

    sel.LoadWindowsSystemPalette();
    EXPECT_EQ(sel.NumColors(), 27);
    EXPECT_EQ(sel.Colors(1), clScrollBar);
    EXPECT_EQ(sel.Colors(27), PredefinedColor(47));
    EXPECT_EQ(sel.ColorNames(1), "ScrollBar");

    sel.LoadStandardPalette();
    EXPECT_EQ(sel.NumColors(), 47);
    EXPECT_EQ(sel.Colors(47), PredefinedColor(47));
    sel.LoadExtendedPalette();
    EXPECT_EQ(sel.NumColors(), 20);
    EXPECT_EQ(sel.SelColor(), clBlack);
}

TEST_F(ColSelTest, UserChoiceSelectsTheEntryAndRaisesEvents)
{
    int clicks = 0, changes = 0;
    sel.OnClick = [&](TObject*) { ++clicks; };
    sel.OnChange = [&](TObject*) { ++changes; };
    sel.SetItemIndex(3); // from code: no events
    EXPECT_EQ(sel.SelColor(), clOlive);
    EXPECT_EQ(clicks + changes, 0);
    QTest::keyClick(&sel, Qt::Key_Down);
    EXPECT_EQ(sel.ItemIndex(), 4);
    EXPECT_EQ(sel.SelColor(), clNavy);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(changes, 1);
}

TEST_F(ColSelTest, ClickOnTheBarOfAnEditableEntryEditsItsColor)
{
    FakeColorDialog dialog(true, 0x00A0B0C0);
    int dropDowns = 0;
    sel.OnDropDown = [&](TObject*) { ++dropDowns; };
    sel.OnColorNameChange = [](TObject*, QString& name) { name += "!"; };
    sel.SetItemIndex(1);
    sel.SetColorEditAllowed(2, true);
    MoveMouse(&sel, 10);
    sel.SetDroppedDown(true);
    sel.SetDroppedDown(false);
    EXPECT_EQ(dialog.calls, 1);
    EXPECT_EQ(dialog.preset, clMaroon);
    EXPECT_EQ(sel.Colors(2), 0x00A0B0C0u);
    EXPECT_EQ(sel.SelColorID(), "$00A0B0C0!");
    EXPECT_EQ(dropDowns, 1);
}

TEST_F(ColSelTest, NoEditAwayFromTheBarOrOnLockedEntries)
{
    FakeColorDialog dialog(true, 0x00A0B0C0);
    int dropDowns = 0;
    sel.OnDropDown = [&](TObject*) { ++dropDowns; };
    MoveMouse(&sel, 10); // entry 1 is not editable
    sel.SetDroppedDown(true);
    sel.SetDroppedDown(false);
    sel.SetColorEditAllowed(1, true);
    MoveMouse(&sel, 30); // right of the bar
    sel.SetDroppedDown(true);
    sel.SetDroppedDown(false);
    MoveMouse(&sel, 10);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&sel, &leave);
    sel.SetDroppedDown(true);
    sel.SetDroppedDown(false);
    EXPECT_EQ(dialog.calls, 0);
    EXPECT_EQ(sel.Colors(1), clBlack);
    EXPECT_EQ(dropDowns, 3);
}

TEST_F(ColSelTest, CancelledDialogKeepsTheColor)
{
    FakeColorDialog dialog(false, 0x00A0B0C0);
    sel.SetAllColorEditFlags();
    MoveMouse(&sel, 0);
    sel.SetDroppedDown(true);
    sel.SetDroppedDown(false);
    EXPECT_EQ(dialog.calls, 1);
    EXPECT_EQ(sel.Colors(1), clBlack);
    EXPECT_EQ(sel.SelColorID(), "clBlack");
}

TEST_F(ColSelTest, LoadedRebuildsTheList)
{
    sel.BeginLoading();
    EXPECT_TRUE(sel.ComponentState() & csLoading);
    sel.setProperty("NumColors", 8);
    sel.EndLoading();
    EXPECT_FALSE(sel.ComponentState() & csLoading);
    EXPECT_EQ(sel.ItemCount(), 8);
}

TEST_F(ColSelTest, F2EditsAnEditableEntryFromTheKeyboard)
{
    FakeColorDialog dialog(true, 0x00102030);
    QTest::keyClick(&sel, Qt::Key_F2);
    EXPECT_EQ(dialog.calls, 0);
    sel.SetColorEditAllowed(1, true);
    QTest::keyClick(&sel, Qt::Key_F2);
    EXPECT_EQ(dialog.calls, 1);
    EXPECT_EQ(sel.SelColor(), 0x00102030u);
    EXPECT_FALSE(sel.DroppedDown());
}

TEST_F(ColSelTest, FailingNameHandlerDuringEditDoesNotEscape)
{
    FakeColorDialog dialog(true, 0x00102030);
    sel.SetColorEditAllowed(1, true);
    sel.OnColorNameChange = [](TObject*, QString&) { throw EVEKError("bad name"); };
    MoveMouse(&sel, 5);
    EXPECT_NO_THROW(sel.SetDroppedDown(true));
    EXPECT_TRUE(sel.DroppedDown());
    sel.SetDroppedDown(false);
}
