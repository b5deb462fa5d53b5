// The bar's frames (line paths of the five styles, corner pixels, color schemes) and its
// value text (formats, anchor, alignment, rotation, OnShowValue).
#include "progbar_fixture.h"

#include <frame/canvas/bitmap.h>

#include <cmath>

using namespace vek;
using namespace progbartest;

namespace {

constexpr TColor Margin = clYellow;
constexpr TColor Gray = 0x808080, White = 0xFFFFFF, Black = 0x000000;

// Only the outer frame, on a yellow margin without bar or text.
void OuterOnly(TProgBar& bar, TFrameStyle style)
{
    Plain(bar);
    bar.SetValue(0);
    bar.SetColorMargin(Margin);
    bar.SetFrameStyleOuter(style);
}

} // namespace

TEST(ProgBarFrame, SingleIsAGrayOutline)
{
    TProgBar bar;
    OuterOnly(bar, fsSingle);
    EXPECT_EQ(Pixel(bar, 0, 10), Gray);
    EXPECT_EQ(Pixel(bar, 299, 10), Gray);
    EXPECT_EQ(Pixel(bar, 100, 0), Gray);
    EXPECT_EQ(Pixel(bar, 100, 27), Gray);
    EXPECT_EQ(Pixel(bar, 0, 27), Gray);
    EXPECT_EQ(Pixel(bar, 1, 10), Margin);
}

TEST(ProgBarFrame, LoweredIsGrayAndBlackAboveWhiteAndGray)
{
    TProgBar bar;
    OuterOnly(bar, fsLowered);
    EXPECT_EQ(Pixel(bar, 0, 10), Gray);
    EXPECT_EQ(Pixel(bar, 1, 10), Black);
    EXPECT_EQ(Pixel(bar, 2, 10), Margin);
    EXPECT_EQ(Pixel(bar, 297, 10), Margin);
    EXPECT_EQ(Pixel(bar, 298, 10), Gray);
    EXPECT_EQ(Pixel(bar, 299, 10), White);
    EXPECT_EQ(Pixel(bar, 100, 0), Gray);
    EXPECT_EQ(Pixel(bar, 100, 1), Black);
    EXPECT_EQ(Pixel(bar, 100, 26), Gray);
    EXPECT_EQ(Pixel(bar, 100, 27), White);
    // The black line stops above the bottom-left corner; the corners outside the bevel
    // take the margin color.
    EXPECT_EQ(Pixel(bar, 1, 25), Black);
    EXPECT_EQ(Pixel(bar, 1, 26), Gray);
    EXPECT_EQ(Pixel(bar, 0, 27), Margin);
    EXPECT_EQ(Pixel(bar, 299, 0), Margin);
    EXPECT_EQ(Pixel(bar, 299, 1), White);
}

TEST(ProgBarFrame, RaisedExchangesBlackAndWhite)
{
    TProgBar bar;
    OuterOnly(bar, fsRaised);
    EXPECT_EQ(Pixel(bar, 0, 10), Gray);
    EXPECT_EQ(Pixel(bar, 1, 10), White);
    EXPECT_EQ(Pixel(bar, 298, 10), Gray);
    EXPECT_EQ(Pixel(bar, 299, 10), Black);
    EXPECT_EQ(Pixel(bar, 100, 1), White);
    EXPECT_EQ(Pixel(bar, 100, 27), Black);
    EXPECT_EQ(Pixel(bar, 0, 27), Margin);
    EXPECT_EQ(Pixel(bar, 299, 0), Margin);
}

TEST(ProgBarFrame, EmbossedAndEngravedAreTwoShiftedOutlines)
{
    TProgBar bar;
    OuterOnly(bar, fsEmbossed);
    EXPECT_EQ(Pixel(bar, 0, 10), White);
    EXPECT_EQ(Pixel(bar, 1, 10), Gray);
    EXPECT_EQ(Pixel(bar, 298, 10), White);
    EXPECT_EQ(Pixel(bar, 299, 10), Gray);
    EXPECT_EQ(Pixel(bar, 100, 0), White);
    EXPECT_EQ(Pixel(bar, 100, 1), Gray);
    EXPECT_EQ(Pixel(bar, 100, 26), White);
    EXPECT_EQ(Pixel(bar, 100, 27), Gray);
    EXPECT_EQ(Pixel(bar, 0, 27), Margin);
    EXPECT_EQ(Pixel(bar, 299, 0), Margin);

    bar.SetFrameStyleOuter(fsEngraved);
    EXPECT_EQ(Pixel(bar, 0, 10), Gray);
    EXPECT_EQ(Pixel(bar, 1, 10), White);
    EXPECT_EQ(Pixel(bar, 299, 10), White);
    EXPECT_EQ(Pixel(bar, 0, 27), Margin);
}

TEST(ProgBarFrame, NoneLeavesTheMargin)
{
    TProgBar bar;
    OuterOnly(bar, fsNone);
    EXPECT_EQ(vektest::CountColor(Face(bar), QRect(0, 0, 300, 4), Margin), 300 * 4);
}

TEST(ProgBarFrame, InnerFrameSitsOnTheInnerAreaOverTheBar)
{
    TProgBar bar;
    bar.SetTextVisible(false);
    bar.SetFrameStyleOuter(fsNone);
    bar.SetColorMargin(Margin);
    // Default lowered frame around 4, 4, 296, 24; the bar starts at column 4.
    EXPECT_EQ(Pixel(bar, 4, 10), Gray);
    EXPECT_EQ(Pixel(bar, 5, 10), Black);
    EXPECT_EQ(Pixel(bar, 6, 10), clBlue);
    EXPECT_EQ(Pixel(bar, 294, 10), Gray);
    EXPECT_EQ(Pixel(bar, 295, 10), White);
    EXPECT_EQ(Pixel(bar, 100, 4), Gray);
    EXPECT_EQ(Pixel(bar, 100, 23), White);
    EXPECT_EQ(Pixel(bar, 4, 23), Margin);
    EXPECT_EQ(Pixel(bar, 295, 4), Margin);
    EXPECT_EQ(Pixel(bar, 3, 10), Margin);
}

TEST(ProgBarFrame, SystemSchemeTakesTheThemeColors)
{
    TProgBar bar;
    OuterOnly(bar, fsLowered);
    bar.SetColorScheme(csSystemColors);
    EXPECT_EQ(Pixel(bar, 0, 10), ColorToRGB(clBtnShadow));
    EXPECT_EQ(Pixel(bar, 299, 10), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(Pixel(bar, 1, 10), Black);
    bar.SetColorScheme(csFixedGrays);
    EXPECT_EQ(Pixel(bar, 0, 10), Gray);
}

// ---- value text ----------------------------------------------------------------------------

TEST(ProgBarText, FormatsByDecimalPlaces)
{
    TProgBar bar;
    EXPECT_EQ(bar.ValueText(), "10");
    bar.SetTextDecPlaces(2);
    EXPECT_EQ(bar.ValueText(), "10.00");
    bar.SetValue(-1234567.25);
    bar.SetTextDecPlaces(1);
    EXPECT_EQ(bar.ValueText(), "-1234567.3"); // no grouping; ties away from zero
    bar.SetValue(2.5);
    bar.SetTextDecPlaces(0);
    EXPECT_EQ(bar.ValueText(), "3");
}

TEST(ProgBarText, ExponentNotations)
{
    TProgBar bar;
    bar.SetValue(1234.5);
    bar.SetTextDecPlaces(-1);
    EXPECT_EQ(bar.ValueText(), "1.2E+03");
    bar.SetTextDecPlaces(-2);
    EXPECT_EQ(bar.ValueText(), "1.2E+0003");
    bar.SetValue(-0.00123);
    EXPECT_EQ(bar.ValueText(), "-1.2E-0003");
    bar.SetTextDecPlaces(-1);
    EXPECT_EQ(bar.ValueText(), "-1.2E-03");
    bar.SetValue(0);
    EXPECT_EQ(bar.ValueText(), "0.0E+00");
    // Three-digit exponents do not fit the two-digit form.
    bar.SetValue(1.5e150);
    EXPECT_EQ(bar.ValueText(), "*********");
    bar.SetTextDecPlaces(-2);
    EXPECT_EQ(bar.ValueText(), "1.5E+0150");
}

namespace {

// The ink of text drawn with the bar's font with its cell at (0, 0), rotated by angle.
QRect ReferenceInk(const QString& text, int angle = 0)
{
    TBitmap bitmap(200, 200);
    TCanvas* canvas = bitmap.Canvas();
    canvas->Brush()->SetColor(clWhite);
    canvas->FillRect(TRect(0, 0, 200, 200));
    TProgBar font;
    canvas->Font()->Assign(font.Font());
    canvas->Font()->SetOrientation(angle * 10);
    canvas->Brush()->SetStyle(bsClear);
    canvas->TextOut(100, 100, text);
    return vektest::InkBounds(bitmap.Image(), QRect(0, 0, 200, 200), clWhite).translated(-100, -100);
}

int TextWidth(const QString& text)
{
    TBitmap bitmap(1, 1);
    TProgBar font;
    bitmap.Canvas()->Font()->Assign(font.Font());
    return bitmap.Canvas()->TextWidth(text);
}

// A white bar, 120 x 60, without frames or bar, so the text is the only ink.
void TextOnly(TProgBar& bar)
{
    bar.resize(120, 60);
    bar.SetFrameStyleInner(fsNone);
    bar.SetFrameStyleOuter(fsNone);
    bar.SetColorMargin(clWhite);
    bar.SetColorBackGnd(clWhite);
    bar.SetValue(0);
    bar.SetColorMin(clWhite);
    bar.Font()->SetColor(clBlack);
}

QRect TextInk(TProgBar& bar)
{
    bar.Refresh();
    return vektest::InkBounds(Face(bar), QRect(0, 0, bar.Width(), bar.Height()), clWhite);
}

} // namespace

TEST(ProgBarText, DefaultAnchorIsTheCenterOfTheMiddleLine)
{
    TProgBar bar;
    TextOnly(bar);
    bar.OnShowValue = [](TObject*, QString& text) { text = "10"; };
    const int m2 = TextWidth("10") / 2;
    // Text height 14: h2 = 7, so the cell's top-left is (14 - m2, 7).
    EXPECT_EQ(TextInk(bar), ReferenceInk("10").translated(14 - m2, 7));
}

TEST(ProgBarText, AlignmentPutsLeftEndOrRightEndAtTheAnchor)
{
    TProgBar bar;
    TextOnly(bar);
    bar.SetTextPosX(60);
    bar.SetTextPosY(30);
    bar.SetTextDecPlaces(3);
    const QString text = "0.000";
    const int m2 = TextWidth(text) / 2;
    bar.SetTextAlignment(taLeftJustify);
    EXPECT_EQ(TextInk(bar), ReferenceInk(text).translated(60, 23));
    bar.SetTextAlignment(taRightJustify);
    EXPECT_EQ(TextInk(bar), ReferenceInk(text).translated(60 - 2 * m2, 23));
    bar.SetTextAlignment(taCenter);
    EXPECT_EQ(TextInk(bar), ReferenceInk(text).translated(60 - m2, 23));
}

TEST(ProgBarText, RotationTurnsTheTextAboutTheAnchor)
{
    TProgBar bar;
    TextOnly(bar);
    bar.SetTextPosX(60);
    bar.SetTextPosY(30);
    bar.OnShowValue = [](TObject*, QString& text) { text = "12345"; };
    bar.SetTextAngle(90);
    const int m2 = TextWidth("12345") / 2;
    // a = 90 degrees: cell origin (60 - h2, 30 + m2), the text running upward.
    const QRect ink = TextInk(bar);
    EXPECT_EQ(ink, ReferenceInk("12345", 90).translated(60 - 7, 30 + m2));
    EXPECT_GT(ink.height(), ink.width());
    EXPECT_NEAR(ink.center().y(), 30, 2);
    EXPECT_NEAR(ink.center().x(), 60, 2);

    bar.SetTextAngle(180); // upside down, still centred on the anchor
    const QRect turned = TextInk(bar);
    EXPECT_GT(turned.width(), turned.height());
    EXPECT_NEAR(turned.center().x(), 60, 2);
    EXPECT_NEAR(turned.center().y(), 30, 2);
}

TEST(ProgBarText, ShowValueReplacesTheTextBeforeItIsDrawn)
{
    TProgBar bar;
    TextOnly(bar);
    QString offered;
    bar.OnShowValue = [&](TObject* sender, QString& text) {
        EXPECT_EQ(sender, &bar);
        offered = text;
        text = "ready";
    };
    bar.SetTextPosX(60);
    bar.SetValue(42);
    EXPECT_EQ(offered, "42");
    EXPECT_EQ(TextInk(bar), ReferenceInk("ready").translated(60 - TextWidth("ready") / 2, 7));
}

TEST(ProgBarText, HiddenTextDrawsNoInkAndAsksNoHandler)
{
    TProgBar bar;
    TextOnly(bar);
    PaintCounter asked(bar);
    bar.SetTextVisible(false);
    EXPECT_TRUE(TextInk(bar).isEmpty());
    EXPECT_EQ(asked.Count, 0);
}

TEST(ProgBarText, TextUsesTheFontColorAndLeavesTheBackground)
{
    TProgBar bar;
    Plain(bar);
    bar.SetTextVisible(true);
    bar.Font()->SetColor(clRed);
    bar.SetValue(0);
    const QImage face = Face(bar);
    int reddish = 0; // the glyph edges are blended with the background
    for (int y = 0; y < 28; ++y)
        for (int x = 0; x < 40; ++x)
            reddish += qRed(face.pixel(x, y)) > qGreen(face.pixel(x, y)) + 60;
    EXPECT_GT(reddish, 10);
    EXPECT_EQ(vektest::ColorAt(face, 14, 5), clSilver); // a clear brush: no text cell fill
}
