// Pixel geometry of the two-state button: glyph cell, key color, frame, captions on all
// four sides, the disabled look and transparency.
#include "onoffbut_fixture.h"

#include <QPalette>

using namespace vek;
using namespace onoffbuttest;

namespace {

TColor Face() { return ColorToRGB(clBtnFace); }

constexpr int TextHeight = 14; // DejaVu Sans, pixel size 12

} // namespace

TEST(OnOffButGlyph, DefaultButtonDrawsTheOnSliderOneInsideItsCell)
{
    TOnOffBut button;
    EXPECT_EQ(button.LeftSpace(), 35);
    EXPECT_EQ(button.TopSpace(), 18);
    const QImage face = onoffbuttest::Face(button);
    const QImage on = StateImage("COLSLIDELR", true, true);
    ASSERT_EQ(on.size(), QSize(30, 18));
    EXPECT_EQ(GlyphMismatches(face, 36, 19, on, Face()), 0);
    // Nothing of the glyph in the cell's own first column and row.
    EXPECT_EQ(vektest::CountColor(face, QRect(35, 18, 32, 1), Face()), 32);
    EXPECT_EQ(vektest::CountColor(face, QRect(35, 18, 1, 20), Face()), 20);
}

TEST(OnOffButGlyph, StateAndEnabledPickTheQuadrant)
{
    TOnOffBut button;
    button.SetOnOff(false);
    EXPECT_EQ(GlyphMismatches(onoffbuttest::Face(button), 36, 19,
                              StateImage("COLSLIDELR", false, true), Face()), 0);
    button.SetEnabled(false);
    EXPECT_EQ(GlyphMismatches(onoffbuttest::Face(button), 36, 19,
                              StateImage("COLSLIDELR", false, false), Face()), 0);
    button.SetOnOff(true);
    EXPECT_EQ(GlyphMismatches(onoffbuttest::Face(button), 36, 19,
                              StateImage("COLSLIDELR", true, false), Face()), 0);
}

TEST(OnOffButGlyph, KeyColorTakesTheBackground)
{
    TOnOffBut button;
    button.SetColorBackgnd(clYellow);
    const QImage face = onoffbuttest::Face(button);
    EXPECT_EQ(GlyphMismatches(face, 36, 19, StateImage("COLSLIDELR", true, true), clYellow), 0);
    EXPECT_EQ(vektest::ColorAt(face, 36, 19), clYellow); // a rounded corner of the slider
    EXPECT_EQ(vektest::CountColor(face, QRect(2, 2, 96, 46), TOnOffBut::TransparentKey), 0);
}

TEST(OnOffButGlyph, EveryStyleHasTheGlyphSizeOfItsImageSet)
{
    const QSize sizes[] = {{20, 20}, {16, 16}, {14, 14}, {18, 30}, {30, 18}, {18, 30},
                           {30, 18}, {14, 14}, {25, 25}, {25, 25}, {25, 25}, {31, 31},
                           {17, 17}, {18, 18}, {18, 18}, {39, 49}, {49, 24}, {48, 16},
                           {48, 16}, {24, 24}, {24, 24}, {24, 24}, {24, 24}, {24, 24}};
    TOnOffBut button;
    button.SetAutoCenter(false);
    for (int style = 23; style >= 0; --style) {
        button.SetButtonStyle(TOnOffBut::TOnOffButStyle(style));
        EXPECT_EQ(QSize(button.GlyphWidth(), button.GlyphHeight()), sizes[style]) << style;
        // Each state looks different from the others.
        const QImage face = onoffbuttest::Face(button);
        button.SetOnOff(!button.OnOff());
        EXPECT_NE(face, onoffbuttest::Face(button)) << style;
    }
}

TEST(OnOffButGlyph, StyleOrdinalsThatNameNothingAreIgnored)
{
    // As a damaged form or a cast from an integer gives them; they used to index past
    // the table of image sets.
    TOnOffBut button;
    button.SetButtonStyle(TOnOffBut::oobsBulb);
    const QImage face = onoffbuttest::Face(button);
    for (int ordinal : {24, 31})
        button.SetButtonStyle(TOnOffBut::TOnOffButStyle(ordinal));
    EXPECT_EQ(button.ButtonStyle(), TOnOffBut::oobsBulb);
    EXPECT_EQ(onoffbuttest::Face(button), face);
}

TEST(OnOffButGlyph, EveryStateImageHasAGlyphOnATransparentGround)
{
    // Every state image must have something to show and transparent surroundings.
    for (const char* name : {"CHECKBOX", "RADIOBUT", "BULB", "TRAFFICLGT", "USER5"})
        for (int state = 0; state < 4; ++state) {
            const QImage image = StateImage(name, state >= 2, state & 1);
            const int keys = vektest::CountColor(image, image.rect(), TOnOffBut::TransparentKey);
            EXPECT_GT(keys, 0) << name << state;
            EXPECT_LT(keys, image.width() * image.height()) << name << state;
        }
}

TEST(OnOffButFrame, FixedColorsAroundTheControl)
{
    TOnOffBut button;
    QImage face = onoffbuttest::Face(button);
    EXPECT_EQ(vektest::ColorAt(face, 0, 25), 0x808080u);
    EXPECT_EQ(vektest::ColorAt(face, 1, 25), 0x000000u);
    EXPECT_EQ(vektest::ColorAt(face, 98, 25), 0xC0C0C0u);
    EXPECT_EQ(vektest::ColorAt(face, 99, 25), 0xFFFFFFu);
    EXPECT_EQ(vektest::ColorAt(face, 50, 49), 0xFFFFFFu);
    EXPECT_EQ(vektest::ColorAt(face, 2, 25), Face());
    button.SetFrameStyle(fsNone);
    face = onoffbuttest::Face(button);
    EXPECT_EQ(vektest::ColorAt(face, 0, 25), Face());
    EXPECT_EQ(vektest::ColorAt(face, 99, 25), Face());
}

TEST(OnOffButFrame, SystemSchemeTakesTheThemeLines)
{
    TOnOffBut button;
    button.SetColorScheme(csSystemColors);
    const QImage face = onoffbuttest::Face(button);
    EXPECT_EQ(vektest::ColorAt(face, 0, 25), ColorToRGB(clBtnShadow));
    EXPECT_EQ(vektest::ColorAt(face, 99, 25), ColorToRGB(clBtnHighlight));
}

// Left edge and top of the caption ink in the given area.
static QRect CaptionInk(TOnOffBut& button, const QRect& area)
{
    return vektest::InkBounds(onoffbuttest::Face(button), area, Face());
}

TEST(OnOffButCaptions, LeftAndRightCaptionsBesideTheGlyph)
{
    TOnOffBut button;
    button.resize(200, 50);
    const QString text = "On";
    const QRect ink = TextInk(text);
    const int w = TextWidth(text);
    const int y = 18 + (18 - TextHeight) / 2;
    const QRect left(2, 2, 33, 46);
    button.SetLeftText(text);
    EXPECT_EQ(CaptionInk(button, left).topLeft(), QPoint(35 - w - 3, y) + ink.topLeft());
    button.SetLeftTextAlignment(taLeftJustify);
    EXPECT_EQ(CaptionInk(button, left).left(), 4 + ink.left());
    button.SetLeftTextAlignment(taCenter);
    EXPECT_EQ(CaptionInk(button, left).left(), (35 - w) / 2 + ink.left());
    button.SetLeftText("");

    const QRect right(66, 2, 132, 46);
    button.SetRightText(text);
    EXPECT_EQ(CaptionInk(button, right).topLeft(), QPoint(35 + 30 + 4, y) + ink.topLeft());
    button.SetRightTextAlignment(taRightJustify);
    EXPECT_EQ(CaptionInk(button, right).left(), 200 - w - 4 + ink.left());
    button.SetRightTextAlignment(taCenter);
    EXPECT_EQ(CaptionInk(button, right).left(), 65 + (200 - 65 - w) / 2 + 1 + ink.left());
}

TEST(OnOffButCaptions, TopAndBottomCaptionsAboveAndBelowTheGlyph)
{
    TOnOffBut button;
    button.resize(100, 80);
    button.SetAutoCenter(false);
    button.SetTopSpace(30);
    const QString text = "Go";
    const QRect ink = TextInk(text);
    const int w = TextWidth(text);
    const QRect above(2, 2, 96, 28);
    button.SetTopText(text);
    EXPECT_EQ(CaptionInk(button, above).topLeft(),
              QPoint(35 + (30 - w) / 2, 30 - TextHeight - 4) + ink.topLeft());
    button.SetTopTextAlignment(taLeftJustify);
    EXPECT_EQ(CaptionInk(button, above).left(), 4 + ink.left());
    button.SetTopTextAlignment(taRightJustify);
    EXPECT_EQ(CaptionInk(button, above).left(), 100 - w - 4 + ink.left());
    button.SetTopText("");

    const QRect below(2, 49, 96, 29);
    button.SetBottomText(text);
    EXPECT_EQ(CaptionInk(button, below).topLeft(), QPoint(35 + (30 - w) / 2, 30 + 18 + 4) + ink.topLeft());
    button.SetBottomTextAlignment(taRightJustify);
    EXPECT_EQ(CaptionInk(button, below).left(), 100 - w - 4 + ink.left());
}

TEST(OnOffButCaptions, EnabledCaptionsInColorTextDisabledOnesEngraved)
{
    TOnOffBut button;
    button.resize(200, 50);
    button.Font()->SetQuality(fqNonAntialiased); // pure colors to count
    button.SetRightText("Heater");
    button.SetColorText(clBlue);
    const QRect area(66, 2, 132, 46);
    EXPECT_GT(vektest::CountColor(onoffbuttest::Face(button), area, clBlue), 10);
    button.SetEnabled(false);
    const QImage face = onoffbuttest::Face(button);
    EXPECT_EQ(vektest::CountColor(face, area, clBlue), 0);
    const QRect gray = vektest::InkBounds(face, area, Face());
    EXPECT_GT(vektest::CountColor(face, area, clGray), 10);
    EXPECT_GT(vektest::CountColor(face, area, clWhite), 10);
    // The white copy lies one pixel right of and below the gray one.
    const QRect grayInk = [&] {
        QRect r;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (vektest::ColorAt(face, x, y) == clGray)
                    r |= QRect(x, y, 1, 1);
        return r;
    }();
    EXPECT_EQ(gray.topLeft(), grayInk.topLeft());
    EXPECT_EQ(gray.bottomRight(), grayInk.bottomRight() + QPoint(1, 1));
}

TEST(OnOffButLook, TransparentButtonShowsTheParentAroundGlyphCaptionsAndFrame)
{
    QWidget parent;
    PaintedParent(parent, Qt::red, 200, 60);
    auto* button = new TOnOffBut(&parent);
    button->SetBounds(0, 0, 200, 50); // centred: glyph cell at (85, 16)
    button->Font()->SetQuality(fqNonAntialiased);
    button->SetRightText("Lamp");
    button->SetColorText(clBlue);
    button->SetTransparent(true);
    const QImage image = vektest::Render(&parent);
    EXPECT_EQ(vektest::ColorAt(image, 10, 10), clRed);
    EXPECT_EQ(vektest::ColorAt(image, 86, 17), clRed); // a key pixel of the glyph
    EXPECT_EQ(GlyphMismatches(image, 86, 17, StateImage("COLSLIDELR", true, true), clRed), 0);
    EXPECT_EQ(vektest::ColorAt(image, 0, 25), 0x808080u);
    EXPECT_EQ(vektest::ColorAt(image, 199, 25), 0xFFFFFFu);
    EXPECT_GT(vektest::CountColor(image, QRect(116, 2, 82, 46), clBlue), 10);
    button->SetTransparent(false);
    EXPECT_EQ(vektest::ColorAt(vektest::Render(&parent), 10, 10), Face());
}

TEST(OnOffButLook, InvisibleButtonIsNotPainted)
{
    TOnOffBut button;
    button.SetColorBackgnd(clYellow);
    const QImage before = onoffbuttest::Face(button);
    button.SetVisible(false);
    button.SetColorBackgnd(clAqua);
    EXPECT_EQ(onoffbuttest::Face(button), before);
}

TEST(OnOffButLook, TransparentCaptionEdgesBlendIntoTheParent)
{
    QWidget parent;
    PaintedParent(parent, Qt::black, 200, 50);
    auto* button = new TOnOffBut(&parent);
    button->SetBounds(0, 0, 200, 50);
    button->SetFrameStyle(fsNone);
    button->SetRightText("Smooth");
    button->SetColorText(clWhite);
    button->SetTransparent(true);
    const QImage image = vektest::Render(&parent);
    const QRect area(116, 2, 82, 46);
    const int all = area.width() * area.height();
    const int white = vektest::CountColor(image, area, clWhite);
    const int black = vektest::CountColor(image, area, clBlack);
    EXPECT_GT(white, 0);
    EXPECT_GT(all - white - black, 10); // antialiased edge pixels: shades of gray
}
