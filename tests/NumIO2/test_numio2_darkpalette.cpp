// The custom-drawn numeric field under a dark palette: the side captions and the caret
// read on what they are drawn on.
#include "numio2_fixture.h"

#include "contrast.h"
#include "scoped_palette.h"

using namespace vek;
using namespace numio2test;

namespace {

constexpr int TextTop = 7; // (28 - text height 14) / 2

// A default field (box 35..116) with a caption left of the box and a unit right of it.
struct Captioned : TNumIO2 {
    explicit Captioned(QWidget* parent = nullptr) : TNumIO2(parent)
    {
        SetLeftText("Vol");
        SetRightText("mV");
        SetValue(12.34);
    }
    // Contrast of each caption against the background in the field's corner.
    double LeftContrast()
    {
        const QImage image = Face(*this);
        return vektest::InkContrast(image, QRect(0, TextTop, 35, 14), image.pixel(1, 1));
    }
    double RightContrast()
    {
        const QImage image = Face(*this);
        return vektest::InkContrast(image, QRect(118, TextTop, 42, 14), image.pixel(1, 1));
    }
};

} // namespace

TEST(NumIO2DarkPalette, DefaultCaptionsReadOnTheThemesFace)
{
    vektest::ScopedPalette dark(vektest::DarkPalette());
    Captioned field;
    EXPECT_EQ(vektest::ColorAt(Face(field), 1, 1), ColorToRGB(clBtnFace));
    EXPECT_GE(field.LeftContrast(), 3.0);
    EXPECT_GE(field.RightContrast(), 3.0);
}

TEST(NumIO2DarkPalette, AFixedCaptionColorOrBackgroundPairsWithAFixedOther)
{
    vektest::ScopedPalette dark(vektest::DarkPalette());
    {
        SCOPED_TRACE("fixed black captions on the theme's face");
        Captioned field;
        field.SetColorOutText(clBlack);
        EXPECT_GE(field.LeftContrast(), 3.0);
        EXPECT_GE(field.RightContrast(), 3.0);
        EXPECT_GT(vektest::CountColor(Face(field), QRect(0, TextTop, 35, 14), clBlack), 0); // kept
    }
    {
        SCOPED_TRACE("theme captions on a fixed light background");
        Captioned field;
        field.SetColorOutBG(0xE0F0FF);
        EXPECT_EQ(vektest::ColorAt(Face(field), 1, 1), TColor(0xE0F0FF)); // kept
        EXPECT_GE(field.LeftContrast(), 3.0);
        EXPECT_GE(field.RightContrast(), 3.0);
    }
    {
        SCOPED_TRACE("both fixed: as set");
        Captioned field;
        field.SetColorOutBG(0x203040);
        field.SetColorOutText(0x00FFFF);
        const QImage image = Face(field);
        EXPECT_EQ(vektest::ColorAt(image, 1, 1), TColor(0x203040));
        EXPECT_GT(vektest::CountColor(image, QRect(0, TextTop, 35, 14), 0x00FFFF), 0);
    }
}

// The caret is drawn in the box text's color, so it shows on a dark field as the text
// does, and in the warning color while the value is out of range.
TEST(NumIO2DarkPalette, CaretTakesTheTextColor)
{
    vektest::ScopedPalette dark(vektest::DarkPalette());
    Window window;
    auto* field = new Captioned(window.Widget());
    field->SetColorBoxBG(clWindow);
    field->SetColorBoxText(clWindowText);
    ASSERT_TRUE(window.Activate());
    field->SetFocus();
    ASSERT_TRUE(field->Focused());
    QTest::keyClick(field, Qt::Key_End);
    // One pixel left of the boundary after "12.34"; rows 3..6 hold the caret alone.
    const int x = 35 + (80 - TextWidth("12.34")) / 2 + 1 + TextWidth("12.34");
    QImage image = Face(*field);
    EXPECT_EQ(vektest::ColumnPattern(image, x, 2, 26, ColorToRGB(clWindowText)),
              "." + std::string(22, '#') + "..");
    EXPECT_GE(vektest::PixelContrast(image.pixel(x, 4), image.pixel(x + 2, 4)), 3.0);

    field->SetRangeHigh(10);
    image = Face(*field);
    EXPECT_EQ(vektest::ColorAt(image, x, 4), field->ColorWarnText());
}
