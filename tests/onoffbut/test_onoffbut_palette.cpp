// The two-state button under a dark palette: captions that follow the palette unless
// their color was set.
#include "onoffbut_fixture.h"

#include "contrast.h"
#include "scoped_palette.h"

#include <QPalette>

using namespace vek;
using namespace onoffbuttest;
using vektest::ColorAt;
using vektest::CountColor;
using vektest::TextContrast;

namespace {

// Right of the glyph of a 200 x 50 button without a parent (glyph cell at (35, 18)),
// inside the frame.
const QRect RightCaptionArea(66, 2, 132, 46);

// A 200 x 50 button with a right caption in unsmoothed text (pure colors to count).
void SetUpCaptioned(TOnOffBut& button)
{
    button.resize(200, 50);
    button.Font()->SetQuality(fqNonAntialiased);
    button.SetRightText("Heater");
}

} // namespace

TEST(OnOffButPalette, DefaultCaptionColorIsTheButtonTextOfThePalette)
{
    TOnOffBut button;
    EXPECT_EQ(button.ColorText(), TColor(clBtnText));
    button.SetColorText(clRed);
    button.resetColorText();
    EXPECT_EQ(button.ColorText(), TColor(clBtnText));

    SetUpCaptioned(button);
    for (bool dark : {false, true}) {
        SCOPED_TRACE(dark ? "dark palette" : "light palette");
        const QPalette palette = dark ? vektest::DarkPalette() : QApplication::palette();
        vektest::ScopedPalette scoped(palette);
        const QImage face = Face(button);
        const TColor background = ColorToRGB(clBtnFace);
        EXPECT_EQ(ColorAt(face, 190, 5), background);
        EXPECT_GT(CountColor(face, RightCaptionArea, ColorToRGB(clBtnText)), 20);
        EXPECT_GE(TextContrast(face, RightCaptionArea, background), 3.0);
    }
}

TEST(OnOffButPalette, SetCaptionColorsStayUnderADarkPalette)
{
    TOnOffBut blue, black;
    for (TOnOffBut* button : {&blue, &black})
        SetUpCaptioned(*button);
    blue.SetColorText(clBlue);
    black.SetColorText(clBlack); // the old default, now a choice of the application
    vektest::ScopedPalette dark(vektest::DarkPalette());
    EXPECT_EQ(blue.ColorText(), TColor(clBlue));
    EXPECT_EQ(black.ColorText(), TColor(clBlack));
    EXPECT_GT(CountColor(Face(blue), RightCaptionArea, clBlue), 20);
    EXPECT_GT(CountColor(Face(black), RightCaptionArea, clBlack), 20);
}
