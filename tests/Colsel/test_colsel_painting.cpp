// Pixels of the closed box and of the open list: color bar, edit mark, name, disabled look.
#include "colsel_fixture.h"

#include "contrast.h"
#include "scoped_palette.h"

#include <QAbstractItemView>
#include <QPalette>

using namespace vek;
using vektest::ColorAt;
using vektest::InkBounds;

namespace {

TColor Window() { return ColorToRGB(clWindow); }

} // namespace

TEST_F(ColSelTest, ColorBarIsOutlinedRectangleInsideTheItem)
{
    sel.SetSelColor(clRed);
    const QImage box = Box();
    const TRect r = Item();
    const int y = MidY();
    EXPECT_EQ(ColorAt(box, r.Left + 2, y), Window());
    EXPECT_EQ(ColorAt(box, r.Left + 3, y), clBlack);       // left outline
    EXPECT_EQ(ColorAt(box, r.Left + 4, y), clRed);         // fill
    EXPECT_EQ(ColorAt(box, r.Left + 32, y), clBlack);      // right outline at L+CBW+2
    EXPECT_EQ(ColorAt(box, r.Left + 33, y), Window());     // text area starts at L+CBW+3
    EXPECT_EQ(ColorAt(box, r.Left + 10, r.Top + 1), Window());
    EXPECT_EQ(ColorAt(box, r.Left + 10, r.Top + 2), clBlack);
    EXPECT_EQ(ColorAt(box, r.Left + 10, r.Bottom - 3), clBlack);
    EXPECT_EQ(ColorAt(box, r.Left + 10, r.Bottom - 2), Window());
}

TEST_F(ColSelTest, NameStartsBehindTheBarAndIsCentered)
{
    const TRect r = Item();
    for (int width : {30, 0, 50}) {
        sel.SetColorBarWidth(width);
        const QImage box = Box();
        const QRect textArea(r.Left + width + 3, r.Top, r.Right - r.Left - width - 3, r.Height());
        const QRect ink = InkBounds(box, textArea, Window());
        ASSERT_FALSE(ink.isEmpty()) << width;
        // "clBlack" is written at L + CBW + 6; its first stroke lies within a pixel or two.
        EXPECT_GE(ink.left(), r.Left + width + 6) << width;
        EXPECT_LE(ink.left(), r.Left + width + 8) << width;
        const int textTop = r.Top + (r.Height() - 14) / 2;
        EXPECT_GE(ink.top(), textTop) << width;
        EXPECT_LT(ink.bottom(), textTop + 14) << width;
    }
}

TEST_F(ColSelTest, ZeroBarWidthDrawsNoBar)
{
    sel.SetSelColor(clRed);
    sel.SetColorBarWidth(0);
    const QImage box = Box();
    EXPECT_EQ(vektest::CountColor(box, Item().ToQRect(), clRed), 0);
}

TEST_F(ColSelTest, EditMarkContrastsWithTheBarColor)
{
    const TRect r = Item();
    const int l = r.Left, t = r.Top, b = r.Bottom;
    sel.SetAllColorEditFlags();
    sel.SetSelColor(clNavy); // dark: white mark
    QImage box = Box();
    EXPECT_EQ(ColorAt(box, l + 5, t + 5), clWhite);
    EXPECT_EQ(ColorAt(box, l + 6, b - 5), clWhite);
    EXPECT_EQ(ColorAt(box, l + 11, t + 8), clWhite);
    EXPECT_EQ(ColorAt(box, l + 8, t + 8), clNavy); // inside the mark
    EXPECT_EQ(ColorAt(box, l + 4, t + 5), clNavy);

    sel.SetSelColor(clYellow); // bright: black mark
    box = Box();
    EXPECT_EQ(ColorAt(box, l + 5, t + 5), clBlack);
    EXPECT_EQ(ColorAt(box, l + 11, t + 8), clBlack);
}

TEST_F(ColSelTest, NoEditMarkOnNarrowBarsOrUneditableEntries)
{
    const TRect r = Item();
    sel.SetSelColor(clNavy);
    EXPECT_EQ(ColorAt(Box(), r.Left + 5, r.Top + 5), clNavy);
    sel.SetAllColorEditFlags();
    sel.SetColorBarWidth(11);
    const QImage box = Box();
    EXPECT_EQ(ColorAt(box, r.Left + 5, r.Top + 5), clNavy);
    EXPECT_EQ(ColorAt(box, r.Left + 8, r.Top + 4), clNavy);
    sel.SetColorBarWidth(12);
    EXPECT_EQ(ColorAt(Box(), r.Left + 5, r.Top + 5), clWhite);
}

// A disabled selector shows no color: the entry takes the face and text colors the
// palette gives disabled buttons, bar outline and name in that text color.
void ColSelTest::ExpectDisabledLook()
{
    const TColor face = FromQColor(sel.palette().color(QPalette::Disabled, QPalette::Button));
    const TColor ink = FromQColor(sel.palette().color(QPalette::Disabled, QPalette::ButtonText));
    ASSERT_NE(face, ink);
    const QImage box = Box();
    const TRect r = Item();
    const int y = MidY();
    EXPECT_EQ(vektest::CountColor(box, r.ToQRect(), clRed), 0);
    EXPECT_EQ(ColorAt(box, r.Left, y), face);
    EXPECT_EQ(ColorAt(box, r.Left + 3, y), ink);       // bar outline
    EXPECT_EQ(ColorAt(box, r.Left + 10, y), face);     // bar inside
    EXPECT_EQ(ColorAt(box, r.Left + 5, r.Top + 5), face); // no edit mark
    EXPECT_EQ(ColorAt(box, r.Right - 2, r.Top + 1), face);
    const QRect name(r.Left + 33, r.Top, r.Width() - 33, r.Height());
    const QRect nameInk = InkBounds(box, name, face);
    ASSERT_FALSE(nameInk.isEmpty());
    EXPECT_GT(vektest::CountColor(box, nameInk, ink), 0);
}

TEST_F(ColSelTest, DisabledLookTakesThePalettesDisabledColors)
{
    sel.SetSelColor(clRed);
    sel.SetAllColorEditFlags();
    sel.SetEnabled(false);
    EXPECT_FALSE(sel.Enabled());
    ExpectDisabledLook();
}

// On a dark palette the disabled entry is as dark as the disabled frame around it (no
// light gray patch) and its name reads as well as the palette's disabled text allows.
TEST_F(ColSelTest, DisabledLookOnADarkPalette)
{
    sel.SetSelColor(clRed);
    sel.SetAllColorEditFlags();
    sel.SetEnabled(false);
    const TColor legible = 0x9A9A9A;
    vektest::ScopedPalette dark(
        vektest::WithDisabledText(vektest::DarkPalette(), ToQColor(legible)));
    ExpectDisabledLook();
    const QImage box = Box();
    const TRect r = Item();
    const TColor face = FromQColor(sel.palette().color(QPalette::Disabled, QPalette::Button));
    EXPECT_LT(vek::RelativeLuminance(face), 0.05);
    const QRect name(r.Left + 33, r.Top, r.Width() - 33, r.Height());
    EXPECT_GE(vektest::TextContrast(box, name, face), 3.0);
}

// Enabled, the name is drawn in the palette's text color on the base color.
TEST_F(ColSelTest, NameReadsOnADarkPalette)
{
    vektest::ScopedPalette dark(vektest::DarkPalette());
    const QImage box = Box();
    const TRect r = Item();
    const QRect name(r.Left + 33, r.Top, r.Width() - 33, r.Height());
    EXPECT_EQ(ColorAt(box, r.Right - 2, MidY()), Window());
    EXPECT_LT(vek::RelativeLuminance(Window()), 0.05);
    EXPECT_GE(vektest::TextContrast(box, name, Window()), 3.0);
}

TEST_F(ColSelTest, OpenListShowsEntryOneFirst)
{
    sel.SetDroppedDown(true);
    QAbstractItemView* list = sel.view();
    ASSERT_TRUE(sel.DroppedDown());
    const QRect first = list->visualRect(sel.model()->index(0, 0));
    const QRect second = list->visualRect(sel.model()->index(1, 0));
    EXPECT_EQ(first.height(), sel.ItemHeight());
    const QImage image = vektest::Render(list->viewport());
    const int y = second.top() + second.height() / 2;
    EXPECT_EQ(ColorAt(image, second.left() + 10, y), clMaroon);     // entry 2
    EXPECT_EQ(ColorAt(image, first.left() + 10, first.top() + first.height() / 2), clBlack);
    sel.SetDroppedDown(false);
    EXPECT_FALSE(sel.DroppedDown());
}
