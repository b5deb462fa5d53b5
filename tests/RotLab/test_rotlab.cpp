// Rotated label: anchor geometry at 0 and 90 degrees, alignment, auto-centring,
// transparency, the disabled look, antialiasing, copying, and an opaque caption that
// stays readable under a dark palette.
#include <VEK_RotLab.h>

#include "contrast.h"
#include "pixels.h"
#include "qstring_printer.h"
#include "scoped_palette.h"

#include <gtest/gtest.h>

using namespace vek;
using vektest::ColorAt;
using vektest::CountColor;
using vektest::InkBounds;

namespace {

// An opaque white label with black crisp text, no frame, anchor set by hand.
struct Opaque : TRotLab {
    Opaque()
    {
        SetTransparent(false);
        SetColor(clWhite);
        Font()->SetColor(clBlack);
        SetFrameStyle(fsNone);
        SetAntiAlias(false);
        SetAutoCenter(false);
        SetCaption("Rotated text");
    }
    QImage Face()
    {
        Refresh();
        return Canvas()->Target()->convertToFormat(QImage::Format_RGB32);
    }
    QRect Ink() { return InkBounds(Face(), QRect(0, 0, Width(), Height()), clWhite); }
    int HalfTextWidth()
    {
        Canvas()->Font()->Assign(Font());
        return Canvas()->TextWidth(Caption()) / 2;
    }
    int HalfTextHeight()
    {
        Canvas()->Font()->Assign(Font());
        return Canvas()->TextHeight(Caption()) / 2;
    }
};

} // namespace

TEST(RotLab, StartsWithDocumentedDefaults)
{
    TRotLab lab;
    EXPECT_EQ(lab.Width(), 200);
    EXPECT_EQ(lab.Height(), 200);
    EXPECT_EQ(lab.TextAngle(), 0);
    EXPECT_EQ(lab.Alignment(), taCenter);
    EXPECT_TRUE(lab.AntiAlias());
    EXPECT_TRUE(lab.AutoCenter());
    EXPECT_TRUE(lab.Transparent());
    EXPECT_FALSE(lab.AutoSize());
    EXPECT_EQ(lab.FrameStyle(), fsLowered);
    EXPECT_EQ(lab.Color(), clBtnFace);
    EXPECT_EQ(lab.Font()->Name(), "Arial");
    EXPECT_EQ(lab.Font()->Size(), 11);
    EXPECT_EQ(lab.PosX(), 100);
    EXPECT_EQ(lab.PosY(), 100);
}

TEST(RotLab, LeftAnchorAtZeroDegreesIsTheMiddleOfTheLeftEdge)
{
    Opaque lab;
    lab.SetAlignment(taLeftJustify);
    lab.SetPosX(40);
    lab.SetPosY(90);
    const int h = lab.HalfTextHeight();
    EXPECT_EQ(lab.TextOrigin(), QPoint(40, 90 - h));
    const QRect ink = lab.Ink();
    EXPECT_GE(ink.left(), 40);
    EXPECT_LE(ink.left(), 42);
    EXPECT_GE(ink.top(), 90 - h);
    EXPECT_LE(ink.bottom(), 90 + h);
    EXPECT_LT(ink.height(), ink.width());
}

TEST(RotLab, RightAndCentreAnchorsAtZeroDegrees)
{
    Opaque lab;
    lab.SetPosX(150);
    lab.SetPosY(60);
    const int w = lab.HalfTextWidth(), h = lab.HalfTextHeight();
    lab.SetAlignment(taRightJustify);
    EXPECT_EQ(lab.TextOrigin(), QPoint(150 - 2 * w, 60 - h));
    EXPECT_NEAR(lab.Ink().right(), 150, 2);
    lab.SetAlignment(taCenter);
    EXPECT_EQ(lab.TextOrigin(), QPoint(150 - w, 60 - h));
    EXPECT_NEAR(lab.Ink().center().x(), 150, 2);
}

TEST(RotLab, NinetyDegreesRunsBottomToTopCentredOnTheAnchor)
{
    Opaque lab;
    lab.SetCaption("Mmmmmmmm.");
    lab.SetPosX(100);
    lab.SetPosY(100);
    lab.SetTextAngle(90);
    const int w = lab.HalfTextWidth(), h = lab.HalfTextHeight();
    EXPECT_EQ(lab.TextOrigin(), QPoint(100 - h, 100 + w));
    const QImage face = lab.Face();
    const QRect ink = InkBounds(face, QRect(0, 0, 200, 200), clWhite);
    EXPECT_GT(ink.height(), 2 * ink.width());
    EXPECT_NEAR(ink.center().x(), 100, 3);
    EXPECT_NEAR(ink.center().y(), 100, 3);
    // The wide capital comes first, at the bottom; the period ends the text at the top.
    const int bottomInk = CountColor(face, QRect(ink.left(), ink.bottom() - 8, ink.width(), 9), clBlack);
    const int topInk = CountColor(face, QRect(ink.left(), ink.top(), ink.width(), 9), clBlack);
    EXPECT_GT(bottomInk, topInk);

    lab.SetAlignment(taLeftJustify);
    EXPECT_EQ(lab.TextOrigin(), QPoint(100 - h, 100));
    EXPECT_NEAR(lab.Ink().bottom(), 100, 2);
}

TEST(RotLab, AutoCenterKeepsTheAnchorAtTheCentre)
{
    TRotLab lab;
    lab.SetPosX(5);
    lab.SetPosY(7);
    EXPECT_EQ(lab.PosX(), 100);
    EXPECT_EQ(lab.PosY(), 100);
    lab.resize(120, 60);
    EXPECT_EQ(lab.PosX(), 60);
    EXPECT_EQ(lab.PosY(), 30);
    lab.SetAutoCenter(false);
    lab.SetPosX(5);
    lab.SetPosY(7);
    lab.resize(200, 200);
    EXPECT_EQ(lab.PosX(), 5);
    EXPECT_EQ(lab.PosY(), 7);
    lab.SetAutoCenter(true);
    EXPECT_EQ(lab.PosX(), 100);
}

TEST(RotLab, NeverResizesToItsText)
{
    TRotLab lab;
    lab.SetAutoSize(true);
    lab.SetCaption("A caption far wider than the two hundred pixels of the label");
    lab.Refresh();
    EXPECT_EQ(lab.size(), QSize(200, 200));
}

TEST(RotLab, TransparentBackgroundLetsTheParentShow)
{
    TRotLab lab;
    lab.SetCaption("x");
    lab.Refresh();
    EXPECT_EQ(qAlpha(lab.Canvas()->Target()->pixel(50, 50)), 0);
    EXPECT_EQ(ColorAt(lab.Canvas()->Target()->convertToFormat(QImage::Format_RGB32), 0, 0),
              TColor(0x808080));
    lab.SetTransparent(false);
    lab.SetColor(0x00FFFF);
    lab.Refresh();
    EXPECT_EQ(ColorAt(*lab.Canvas()->Target(), 50, 50), TColor(0x00FFFF));
}

TEST(RotLab, DisabledTextIsEngraved)
{
    Opaque lab;
    lab.SetPosX(100);
    lab.SetPosY(100);
    QImage face = lab.Face();
    const QRect all(0, 0, 200, 200);
    EXPECT_GT(CountColor(face, all, clBlack), 20);
    lab.SetEnabled(false);
    face = lab.Face();
    EXPECT_EQ(CountColor(face, all, clBlack), 0);
    const int shadow = CountColor(face, all, ColorToRGB(clBtnShadow));
    const int light = CountColor(face, all, ColorToRGB(clBtnHighlight));
    EXPECT_GT(shadow, 20);
    EXPECT_GT(light, 5);
    // The highlight copy lies one pixel right and down of the shadow copy.
    const QRect shadowInk = InkBounds(face, all, clWhite);
    EXPECT_GE(shadowInk.width(), lab.Ink().width());
}

TEST(RotLab, AntiAliasSmoothsTheEdges)
{
    Opaque lab;
    lab.SetPosX(100);
    lab.SetPosY(100);
    lab.SetTextAngle(30);
    const QRect all(0, 0, 200, 200);
    QImage face = lab.Face();
    const int crispPixels = CountColor(face, all, clWhite) + CountColor(face, all, clBlack);
    EXPECT_EQ(crispPixels, 200 * 200);
    lab.SetAntiAlias(true);
    face = lab.Face();
    EXPECT_LT(CountColor(face, all, clWhite) + CountColor(face, all, clBlack), 200 * 200 - 20);
}

TEST(RotLab, AssignCopiesGeometryButNotLook)
{
    TRotLab source;
    source.SetAutoCenter(false);
    source.SetPosX(12);
    source.SetPosY(34);
    source.SetTextAngle(45);
    source.SetAntiAlias(false);
    source.SetFrameStyle(fsRaised);
    source.SetAlignment(taRightJustify);
    source.SetTransparent(false);
    TRotLab copy;
    copy.Assign(&source);
    EXPECT_FALSE(copy.AutoCenter());
    EXPECT_EQ(copy.PosX(), 12);
    EXPECT_EQ(copy.PosY(), 34);
    EXPECT_EQ(copy.TextAngle(), 45);
    EXPECT_FALSE(copy.AntiAlias());
    EXPECT_EQ(copy.FrameStyle(), fsRaised);
    EXPECT_EQ(copy.Alignment(), taCenter);
    EXPECT_TRUE(copy.Transparent());
}

namespace {

// An opaque, frameless label with crisp text centred in its 200 x 200 pixels, in the
// colors it was created with.
struct OpaqueCaption : TRotLab {
    OpaqueCaption()
    {
        SetTransparent(false);
        SetFrameStyle(fsNone);
        SetAntiAlias(false);
        SetCaption("Readable");
    }
    QImage Face() { return vektest::Render(this); }
    // The text's contrast against the background in the label's corner.
    double TextContrast()
    {
        const QImage face = Face();
        return vektest::InkContrast(face, QRect(40, 80, 120, 40), face.pixel(5, 5));
    }
};

} // namespace

// A text color that follows the palette never meets a fixed background, nor the
// reverse: the one the application did not fix becomes fixed too.
TEST(RotLabDarkPalette, OpaqueCaptionReadsInEveryPairing)
{
    vektest::ScopedPalette dark(vektest::DarkPalette());
    {
        SCOPED_TRACE("theme colors for both");
        OpaqueCaption lab;
        EXPECT_GE(lab.TextContrast(), 3.0);
        EXPECT_EQ(ColorAt(lab.Face(), 5, 5), ColorToRGB(clBtnFace));
    }
    {
        SCOPED_TRACE("a fixed cream background, the theme's text color");
        OpaqueCaption lab;
        lab.SetColor(0xE0F0FF);
        EXPECT_GE(lab.TextContrast(), 3.0);
        EXPECT_EQ(ColorAt(lab.Face(), 5, 5), TColor(0xE0F0FF)); // kept as set
        EXPECT_GT(CountColor(lab.Face(), QRect(40, 80, 120, 40), clBlack), 20);
    }
    {
        SCOPED_TRACE("fixed black text, the theme's face");
        OpaqueCaption lab;
        lab.Font()->SetColor(clBlack);
        EXPECT_GE(lab.TextContrast(), 3.0);
        EXPECT_GT(CountColor(lab.Face(), QRect(40, 80, 120, 40), clBlack), 20); // kept as set
    }
    {
        SCOPED_TRACE("fixed light text, the theme's face");
        OpaqueCaption lab;
        lab.Font()->SetColor(0xC0FFFF);
        EXPECT_GE(lab.TextContrast(), 3.0);
    }
}

TEST(RotLabDarkPalette, ColorsSetForBothStayAsTheyAre)
{
    vektest::ScopedPalette dark(vektest::DarkPalette());
    OpaqueCaption lab;
    lab.SetColor(0x203040);
    lab.Font()->SetColor(0x0060D0);
    const QImage face = lab.Face();
    EXPECT_EQ(ColorAt(face, 5, 5), TColor(0x203040));
    EXPECT_GT(CountColor(face, QRect(40, 80, 120, 40), 0x0060D0), 20);
}

TEST(RotLabDarkPalette, LightPaletteLooksAsBefore)
{
    // Under the light palette the theme's text is black: a fixed light background under
    // it shows the same black text as before the pairing.
    OpaqueCaption lab;
    lab.SetColor(0xE0F0FF);
    const QImage face = lab.Face();
    EXPECT_EQ(ColorAt(face, 5, 5), TColor(0xE0F0FF));
    EXPECT_GT(CountColor(face, QRect(40, 80, 120, 40), clBlack), 20);
}
