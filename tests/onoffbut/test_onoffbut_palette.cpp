// The two-state button under a dark palette: captions that follow the palette unless
// their color was set, and a transparent button whose mask covers exactly what it draws.
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

// Right of the glyph of a 200 x 50 button, inside the frame: a button without a parent
// keeps its glyph cell at (35, 18), one on a parent centres it at (85, 16).
const QRect RightCaptionArea(66, 2, 132, 46);
const QRect CentredRightCaptionArea(116, 2, 82, 46);

// A 200 x 50 button with a right caption in unsmoothed text (pure colors to count).
void SetUpCaptioned(TOnOffBut& button)
{
    button.resize(200, 50);
    button.Font()->SetQuality(fqNonAntialiased);
    button.SetRightText("Heater");
}

// A transparent, frameless captioned button on parent, which centres its glyph.
TOnOffBut* TransparentCaptioned(QWidget& parent)
{
    auto* button = new TOnOffBut(&parent);
    SetUpCaptioned(*button);
    button->SetFrameStyle(fsNone);
    button->SetTransparent(true);
    return button;
}

constexpr TColor LegibleDisabledText = 0x9A9A9A;

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

// A transparent button over a dark panel: its captions read against the panel, and the
// parent shows through at every pixel the button does not draw. On dark palettes a
// disabled caption is drawn once, without the white copy one pixel right and down, so
// the mask must not keep that copy's place: it would show the black the face is composed
// on.
TEST(OnOffButPalette, TransparentCaptionsCoverOnlyWhatIsDrawnOnADarkPalette)
{
    vektest::ScopedPalette dark(
        vektest::WithDisabledText(vektest::DarkPalette(), ToQColor(LegibleDisabledText)));
    const QColor panelColor(0x20, 0x40, 0x60);
    QWidget parent;
    PaintedParent(parent, panelColor, 200, 50);
    TOnOffBut* button = TransparentCaptioned(parent);
    const TColor panelRgb = FromQColor(panelColor);

    QImage image = vektest::Render(&parent);
    EXPECT_GE(TextContrast(image, CentredRightCaptionArea, panelRgb), 3.0);

    button->SetEnabled(false);
    image = vektest::Render(&parent);
    const int inked = CountColor(image, CentredRightCaptionArea, LegibleDisabledText);
    const int shown = CountColor(image, CentredRightCaptionArea, panelRgb);
    EXPECT_GT(inked, 20);
    EXPECT_EQ(inked + shown, CentredRightCaptionArea.width() * CentredRightCaptionArea.height())
        << "pixels neither caption nor parent, e.g. black where the white copy would be";
    EXPECT_GE(TextContrast(image, CentredRightCaptionArea, panelRgb), 3.0);
}

// On light palettes the white copy is drawn, and the mask lets it through.
TEST(OnOffButPalette, TransparentDisabledCaptionsKeepTheirWhiteCopyOnALightPalette)
{
    QWidget parent;
    PaintedParent(parent, Qt::red, 200, 50);
    TOnOffBut* button = TransparentCaptioned(parent);
    button->SetEnabled(false);
    const QImage image = vektest::Render(&parent);
    const int gray = CountColor(image, CentredRightCaptionArea, clGray);
    const int white = CountColor(image, CentredRightCaptionArea, clWhite);
    const int red = CountColor(image, CentredRightCaptionArea, clRed);
    EXPECT_GT(gray, 20);
    EXPECT_GT(white, 20);
    EXPECT_EQ(gray + white + red, CentredRightCaptionArea.width() * CentredRightCaptionArea.height());
}
