// Pixel geometry of the custom-drawn numeric field: box frames, side texts, spin
// buttons, the gauge strip, warning and disabled colors, caret and selection.
#include "numio2_fixture.h"

using namespace vek;
using namespace numio2test;

namespace {

TColor Face() { return ColorToRGB(clBtnFace); }

constexpr TColor Gray = 0x808080, White = 0xFFFFFF, Black = 0x000000, Silver = 0xC0C0C0;
constexpr TColor Navy = 0x800000;

} // namespace

TEST(NumIO2Box, SunkenFrameSpansLeftSpaceToBoxEnd)
{
    TNumIO2 field;
    const QImage image = numio2test::Face(field);
    // Outline 35..116 x 0..26 in gray, black inner top-left edge, white bottom-right
    // edge outside it (column 117, row 27).
    EXPECT_EQ(vektest::ColorAt(image, 34, 10), Face());
    EXPECT_EQ(vektest::ColorAt(image, 35, 10), Gray);
    EXPECT_EQ(vektest::ColorAt(image, 36, 10), Black);
    EXPECT_EQ(vektest::ColorAt(image, 37, 10), White);
    EXPECT_EQ(vektest::ColorAt(image, 116, 10), Gray);
    EXPECT_EQ(vektest::ColorAt(image, 117, 10), White);
    EXPECT_EQ(vektest::ColorAt(image, 118, 10), Face());
    EXPECT_EQ(vektest::ColorAt(image, 60, 0), Gray);
    EXPECT_EQ(vektest::ColorAt(image, 60, 1), Black);
    EXPECT_EQ(vektest::ColorAt(image, 60, 26), Gray);
    EXPECT_EQ(vektest::ColorAt(image, 60, 27), White);
    EXPECT_EQ(vektest::ColorAt(image, 117, 0), Face()); // the white edge stops below row 0
}

TEST(NumIO2Box, FrameStylesColorTheEdges)
{
    TNumIO2 field;
    field.SetFrameStyle(fsRaised);
    QImage image = numio2test::Face(field);
    EXPECT_EQ(vektest::ColorAt(image, 36, 10), White);
    EXPECT_EQ(vektest::ColorAt(image, 117, 10), Black);

    field.SetFrameStyle(fsEmbossed); // white outline, gray edges
    image = numio2test::Face(field);
    EXPECT_EQ(vektest::ColorAt(image, 35, 10), White);
    EXPECT_EQ(vektest::ColorAt(image, 36, 10), Gray);
    EXPECT_EQ(vektest::ColorAt(image, 117, 10), Gray);

    field.SetFrameStyle(fsSingle); // one gray outline down to the last row
    image = numio2test::Face(field);
    EXPECT_EQ(vektest::ColorAt(image, 35, 27), Gray);
    EXPECT_EQ(vektest::ColorAt(image, 36, 10), White);
    EXPECT_EQ(vektest::ColorAt(image, 116, 10), Gray);
    EXPECT_EQ(vektest::ColorAt(image, 117, 10), Face());

    field.SetFrameStyle(fsNone); // the box in its own color, no lines
    image = numio2test::Face(field);
    EXPECT_EQ(vektest::ColorAt(image, 35, 10), White);
    EXPECT_EQ(vektest::ColorAt(image, 60, 27), White);
}

TEST(NumIO2Box, ColorSchemeUsesThemeLines)
{
    TNumIO2 field;
    field.SetColorScheme(csSystemColors);
    const QImage image = numio2test::Face(field);
    EXPECT_EQ(vektest::ColorAt(image, 35, 10), ColorToRGB(clBtnShadow));
    EXPECT_EQ(vektest::ColorAt(image, 117, 10), ColorToRGB(clBtnHighlight));
}

TEST(NumIO2Text, CenteredTextAndSideTexts)
{
    TNumIO2 field;
    field.SetValue(12.34);
    field.SetLeftText(QStringLiteral("U"));
    field.SetRightText(QStringLiteral("V"));
    const QImage image = numio2test::Face(field);
    const int tw = TextWidth(QStringLiteral("12.34"));
    const QRect ink = vektest::InkBounds(image, QRect(37, 3, 79, 20), White);
    const int cell = 35 + (80 - tw) / 2 + 2;
    EXPECT_GE(ink.left(), cell);
    EXPECT_LE(ink.right(), cell + tw);
    EXPECT_LE(ink.left() - cell, 2);
    // Right text from LeftSpace + TextBoxWidth + 7 = 122; left text right-justified to
    // end before LeftSpace - 5.
    const QRect right = vektest::InkBounds(image, QRect(118, 0, 42, 28), Face());
    EXPECT_GE(right.left(), 122);
    EXPECT_LE(right.left(), 123);
    const QRect left = vektest::InkBounds(image, QRect(0, 0, 35, 28), Face());
    EXPECT_LE(left.right(), 35 - 5 - 1);
    EXPECT_GE(left.right(), 35 - 5 - 3);
}

TEST(NumIO2Text, AlignmentsPlaceTextInTheBox)
{
    TNumIO2 field;
    field.SetValue(5);
    field.SetAlignment(taLeftJustify);
    QImage image = numio2test::Face(field);
    QRect ink = vektest::InkBounds(image, QRect(37, 3, 79, 20), White);
    EXPECT_GE(ink.left(), 39);
    EXPECT_LE(ink.left(), 41);
    field.SetAlignment(taRightJustify);
    image = numio2test::Face(field);
    ink = vektest::InkBounds(image, QRect(37, 3, 79, 20), White);
    EXPECT_LE(ink.right(), 35 + 80 - 2 - 1);
    EXPECT_GE(ink.right(), 35 + 80 - 2 - 3);
}

TEST(NumIO2Text, LongTextIsClippedInsideTheBox)
{
    TNumIO2 field;
    field.SetAlignment(taLeftJustify);
    field.SetText(QString(40, QLatin1Char('8')));
    const QImage image = numio2test::Face(field);
    EXPECT_EQ(vektest::ColorAt(image, 116, 10), Gray);
    EXPECT_EQ(vektest::CountColor(image, QRect(114, 3, 3, 22), Black), 0);
}

TEST(NumIO2Buttons, RectanglesEdgesAndArrowRuns)
{
    TNumIO2 field;
    field.SetButVisible(true);
    const QImage image = numio2test::Face(field);
    // x0 = 35 + 80 + 3 = 118; outline 118..136 x 0..26, divider on row 13.
    EXPECT_EQ(vektest::ColorAt(image, 117, 5), White); // box edge, then the gap
    EXPECT_EQ(vektest::ColorAt(image, 118, 5), Gray);
    EXPECT_EQ(vektest::ColorAt(image, 136, 5), Gray);
    EXPECT_EQ(vektest::ColorAt(image, 137, 5), Black);
    EXPECT_EQ(vektest::ColorAt(image, 124, 0), Gray);
    EXPECT_EQ(vektest::ColorAt(image, 124, 13), Gray);
    EXPECT_EQ(vektest::ColorAt(image, 124, 26), Gray);
    EXPECT_EQ(vektest::ColorAt(image, 124, 27), Black);
    EXPECT_EQ(vektest::ColorAt(image, 124, 1), White);
    EXPECT_EQ(vektest::ColorAt(image, 124, 14), White);
    EXPECT_EQ(vektest::ColorAt(image, 119, 5), White);
    EXPECT_EQ(vektest::ColorAt(image, 124, 5), Silver);
    // Arrows around xc = 127, q = 7: up rows 6..8, down rows 21..19.
    EXPECT_EQ(vektest::RowPattern(image, 6, 124, 132, Black), "...##....");
    EXPECT_EQ(vektest::RowPattern(image, 7, 124, 132, Black), "..####...");
    EXPECT_EQ(vektest::RowPattern(image, 8, 124, 132, Black), ".######..");
    EXPECT_EQ(vektest::RowPattern(image, 19, 124, 132, Black), ".######..");
    EXPECT_EQ(vektest::RowPattern(image, 20, 124, 132, Black), "..####...");
    EXPECT_EQ(vektest::RowPattern(image, 21, 124, 132, Black), "...##....");
    EXPECT_EQ(vektest::RowPattern(image, 5, 124, 132, Black), ".........");
}

TEST(NumIO2Buttons, FlatAndDisabledButtons)
{
    TNumIO2 field;
    field.SetButVisible(true);
    field.SetBut3D(false);
    field.SetEnabled(false);
    const QImage image = numio2test::Face(field);
    EXPECT_EQ(vektest::ColorAt(image, 124, 1), Silver);
    EXPECT_EQ(vektest::ColorAt(image, 137, 5), Face());
    EXPECT_EQ(vektest::RowPattern(image, 8, 124, 132, Gray), ".######..");
}

TEST(NumIO2Buttons, RightTextMovesBehindTheButtons)
{
    TNumIO2 field;
    field.SetButVisible(true);
    field.SetRightText(QStringLiteral("V"));
    const QImage image = numio2test::Face(field);
    const QRect right = vektest::InkBounds(image, QRect(139, 0, 21, 28), Face());
    EXPECT_GE(right.left(), 35 + 21 + 80 + 7);
    EXPECT_LE(right.left(), 35 + 21 + 80 + 8);
}

TEST(NumIO2Gauge, StripReservesRowsAndShrinksTheBox)
{
    TNumIO2 field;
    field.SetGaugeVisible(true);
    const QImage image = numio2test::Face(field);
    // G = 12: box outline rows 0..14 with its white edge on row 15; gauge rows 19..26.
    EXPECT_EQ(vektest::ColorAt(image, 60, 14), Gray);
    EXPECT_EQ(vektest::ColorAt(image, 60, 15), White);
    EXPECT_EQ(vektest::ColorAt(image, 60, 16), Face());
    EXPECT_EQ(vektest::ColorAt(image, 60, 18), Face());
    EXPECT_EQ(vektest::ColorAt(image, 60, 19), Gray);
    EXPECT_EQ(vektest::ColorAt(image, 60, 20), Black);
    EXPECT_EQ(vektest::ColorAt(image, 60, 22), Silver); // value 0: empty gauge
    EXPECT_EQ(vektest::ColorAt(image, 60, 26), Gray);
    EXPECT_EQ(vektest::ColorAt(image, 60, 27), White);
    EXPECT_EQ(vektest::ColorAt(image, 35, 22), Gray);
    EXPECT_EQ(vektest::ColorAt(image, 116, 22), Gray);
    EXPECT_EQ(vektest::ColorAt(image, 117, 22), White);
}

TEST(NumIO2Gauge, FillFollowsTheValue)
{
    TNumIO2 field;
    field.SetGaugeVisible(true);
    field.SetValue(500); // half of 82 = 41 pixels: columns 35..75
    QImage image = numio2test::Face(field);
    EXPECT_EQ(vektest::ColorAt(image, 75, 22), Navy);
    EXPECT_EQ(vektest::ColorAt(image, 76, 22), Silver);

    field.SetValue(1000); // at the top of the range: full
    image = numio2test::Face(field);
    EXPECT_EQ(vektest::ColorAt(image, 115, 22), Navy);

    field.SetValue(5000); // above: full, box in warning colors
    image = numio2test::Face(field);
    EXPECT_EQ(vektest::ColorAt(image, 115, 22), Navy);
    EXPECT_EQ(vektest::ColorAt(image, 40, 8), 0x88FFF0u);

    field.SetValue(-5); // below: empty, warning
    image = numio2test::Face(field);
    EXPECT_EQ(vektest::ColorAt(image, 40, 22), Silver);
    EXPECT_EQ(vektest::ColorAt(image, 40, 8), 0x88FFF0u);
}

TEST(NumIO2Gauge, ZeroWidthAndInfiniteRangesDoNotBreakTheFill)
{
    TNumIO2 field;
    field.SetGaugeVisible(true);
    field.SetRangeHigh(0); // 0 .. 0: a value at the range fills everything
    QImage image = numio2test::Face(field);
    EXPECT_EQ(vektest::ColorAt(image, 100, 22), Navy);
    field.SetRangeLow(-std::numeric_limits<double>::infinity());
    field.SetRangeHigh(std::numeric_limits<double>::infinity());
    image = numio2test::Face(field);
    EXPECT_EQ(vektest::ColorAt(image, 40, 22), Silver);
}

TEST(NumIO2Gauge, FrameTable)
{
    TNumIO2 field;
    field.SetGaugeVisible(true);
    field.SetGaugeFrameStyle(fsRaised);
    QImage image = numio2test::Face(field);
    EXPECT_EQ(vektest::ColorAt(image, 60, 20), White);
    EXPECT_EQ(vektest::ColorAt(image, 60, 27), Black);
    field.SetGaugeFrameStyle(fsEngraved);
    image = numio2test::Face(field);
    EXPECT_EQ(vektest::ColorAt(image, 60, 19), Gray);
    EXPECT_EQ(vektest::ColorAt(image, 60, 20), White);
    EXPECT_EQ(vektest::ColorAt(image, 60, 27), White);
    field.SetGaugeFrameStyle(fsSingle);
    field.SetGaugeColorFrame(0x0000FF);
    image = numio2test::Face(field);
    EXPECT_EQ(vektest::ColorAt(image, 60, 19), 0x0000FFu);
    EXPECT_EQ(vektest::ColorAt(image, 60, 20), Silver);
    field.SetGaugeFrameStyle(fsNone);
    image = numio2test::Face(field);
    EXPECT_EQ(vektest::ColorAt(image, 60, 19), Silver);
}

TEST(NumIO2Colors, WarningAndDisabledLooks)
{
    TNumIO2 field;
    field.SetValue(-1);
    field.SetColorWarnText(0x00FF00);
    QImage image = numio2test::Face(field);
    EXPECT_GT(vektest::CountColor(image, QRect(37, 2, 78, 24), 0x00FF00), 0);

    field.SetValue(1);
    field.SetEnabled(false);
    image = numio2test::Face(field);
    EXPECT_EQ(vektest::ColorAt(image, 40, 8), Silver);
    EXPECT_GT(vektest::CountColor(image, QRect(37, 2, 78, 24), Gray), 0);
    EXPECT_EQ(vektest::CountColor(image, QRect(37, 2, 78, 24), Black), 0);
}

TEST(NumIO2Colors, DisabledSideTextIsEngraved)
{
    TNumIO2 field;
    field.SetLeftText(QStringLiteral("H"));
    const QRect caption(0, 0, 35, 28);
    const QRect enabledInk = vektest::InkBounds(numio2test::Face(field), caption, Face());
    field.SetEnabled(false);
    const QImage image = numio2test::Face(field);
    // A gray copy at the normal place over a white copy one pixel right and down.
    const QRect disabledInk = vektest::InkBounds(image, caption, Face());
    EXPECT_EQ(disabledInk.topLeft(), enabledInk.topLeft());
    EXPECT_EQ(disabledInk.bottomRight(), enabledInk.bottomRight() + QPoint(1, 1));
}

TEST(NumIO2Size, AutoSizeFollowsTheFont)
{
    TNumIO2 field;
    field.SetAutoSize(true);
    numio2test::Face(field);
    EXPECT_EQ(field.Height(), QFontMetrics(QFont()).height() + 6);
}

TEST(NumIO2Caret, DrawnOnlyWhileFocusedOnePixelLeftOfTheBoundary)
{
    Window window;
    TNumIO2* field = window.Add(10);
    field->SetValue(12.34);
    const int tw = TextWidth(QStringLiteral("12.34"));
    const int home = 35 + (80 - tw) / 2 + 1; // caret column at position 0
    QImage image = numio2test::Face(*field);
    EXPECT_EQ(vektest::CountColor(image, QRect(home, 3, 1, 22), Black), 0);
    ASSERT_TRUE(window.Activate());
    field->SetFocus();
    ASSERT_TRUE(field->Focused());
    QTest::keyClick(field, Qt::Key_End);
    image = numio2test::Face(*field);
    const int x = home + tw; // one pixel left of the boundary after "12.34"
    EXPECT_EQ(vektest::ColumnPattern(image, x, 2, 26, Black), "." + std::string(22, '#') + "..");
    QTest::keyClick(field, Qt::Key_Home);
    image = numio2test::Face(*field);
    EXPECT_EQ(vektest::CountColor(image, QRect(x, 3, 1, 22), Black), 0);
    EXPECT_EQ(vektest::ColumnPattern(image, home, 2, 26, Black), "." + std::string(22, '#') + "..");
}

TEST(NumIO2Selection, InvertedWhileFocusedOrNotHidden)
{
    TNumIO2 field;
    field.SetValue(12.34);
    field.SetSelBegin(0);
    field.SetSelEnd(5);
    QImage image = numio2test::Face(field);
    const int x1 = field.CharPosToXCoords(0);
    const int x2 = field.CharPosToXCoords(5);
    EXPECT_EQ(vektest::ColorAt(image, x1 + 1, 4), White); // hidden while unfocused

    field.SetHideSelection(false);
    image = numio2test::Face(field);
    EXPECT_EQ(vektest::ColorAt(image, x1, 3), Black);
    EXPECT_EQ(vektest::ColorAt(image, x1, 24), Black);
    EXPECT_EQ(vektest::ColorAt(image, x1, 25), White);
    EXPECT_EQ(vektest::ColorAt(image, x1 - 1, 4), White);
    EXPECT_EQ(vektest::ColorAt(image, x2 - 1, 4), Black);
    EXPECT_EQ(vektest::ColorAt(image, x2, 4), White);
}
