// Pixel geometry of the numeric label: box frame, value and side text positions, the
// overflow indicator, the disabled look and transparency.
#include "numlab_fixture.h"

#include "contrast.h"
#include "scoped_palette.h"

#include <QApplication>
#include <QPalette>

using namespace vek;
using namespace numlabtest;

namespace {

TColor Face() { return ColorToRGB(clBtnFace); }

// Left edge of the ink inside [x0, x1) of the label's text rows.
int InkLeft(const QImage& image, int x0, int x1, TColor background)
{
    return vektest::InkBounds(image, QRect(x0, TextTop, x1 - x0, 14), background).left();
}

int InkRight(const QImage& image, int x0, int x1, TColor background)
{
    return vektest::InkBounds(image, QRect(x0, TextTop, x1 - x0, 14), background).right();
}

} // namespace

TEST(NumLabFrame, SunkenBoxBetweenLeftSpaceAndLabelWidth)
{
    TNumLab label;
    const QImage image = numlabtest::Face(label);
    // Box from LeftSpace + 1 = 36 to LeftSpace + LabelWidth = 115, rows 0 to H - 2 = 26.
    EXPECT_EQ(vektest::ColorAt(image, 35, 10), Face());
    EXPECT_EQ(vektest::ColorAt(image, 36, 10), 0x808080u);
    EXPECT_EQ(vektest::ColorAt(image, 37, 10), 0x000000u);
    EXPECT_EQ(vektest::ColorAt(image, 114, 10), 0xC0C0C0u);
    EXPECT_EQ(vektest::ColorAt(image, 115, 10), 0xFFFFFFu);
    EXPECT_EQ(vektest::ColorAt(image, 116, 10), Face());
    EXPECT_EQ(vektest::ColorAt(image, 60, 0), 0x808080u);
    EXPECT_EQ(vektest::ColorAt(image, 60, 1), 0x000000u);
    EXPECT_EQ(vektest::ColorAt(image, 60, 25), 0xC0C0C0u);
    EXPECT_EQ(vektest::ColorAt(image, 60, 26), 0xFFFFFFu);
    EXPECT_EQ(vektest::ColorAt(image, 60, 27), Face());
}

TEST(NumLabFrame, NoFrameIsABoxInTheValueBackground)
{
    TNumLab label;
    label.SetFrameStyle(fsNone);
    label.SetColorLabBakG(clYellow);
    label.SetEmpty(true);
    const QImage image = numlabtest::Face(label);
    EXPECT_EQ(vektest::ColorAt(image, 35, 10), Face());
    EXPECT_EQ(vektest::CountColor(image, QRect(36, 0, 80, 27), clYellow), 80 * 27);
    EXPECT_EQ(vektest::ColorAt(image, 116, 10), Face());
    EXPECT_EQ(vektest::ColorAt(image, 60, 27), Face());
}

TEST(NumLabValue, AlignmentsPlaceTheTextInTheBox)
{
    TNumLab label;
    label.SetValue(12.5);
    const QRect ink = TextInk("12.50");
    const int tw = TextWidth("12.50");
    EXPECT_EQ(InkLeft(numlabtest::Face(label), 38, 114, Face()), 35 + 2 + (80 - tw) / 2 + ink.left());
    label.SetAlignment(taLeftJustify);
    EXPECT_EQ(InkLeft(numlabtest::Face(label), 38, 114, Face()), 35 + 4 + ink.left());
    label.SetAlignment(taRightJustify);
    EXPECT_EQ(InkLeft(numlabtest::Face(label), 38, 114, Face()), 35 + 80 - tw - 2 + ink.left());
}

TEST(NumLabValue, TextRowsStartAtTheCentredTextCell)
{
    TNumLab label;
    label.SetValue(12.5);
    const QRect ink = TextInk("12.50");
    const QRect drawn = vektest::InkBounds(numlabtest::Face(label), QRect(38, 2, 76, 23), Face());
    EXPECT_EQ(drawn.top(), TextTop + ink.top());
    EXPECT_EQ(drawn.height(), ink.height());
}

TEST(NumLabValue, ValueIsClippedToTheBoxInterior)
{
    TNumLab label;
    label.SetDisplayType(TNumLab::dtState); // state texts are never replaced
    label.SetStateText("a state text far wider than the box");
    const QImage image = numlabtest::Face(label);
    // Clip rectangle (LeftSpace + 3, 2, LeftSpace + LabelWidth - 1, H - 3).
    EXPECT_EQ(vektest::ColorAt(image, 37, 12), 0x000000u); // inner frame line untouched
    EXPECT_EQ(vektest::ColorAt(image, 114, 12), 0xC0C0C0u);
    EXPECT_FALSE(vektest::InkBounds(image, QRect(38, 2, 76, 23), Face()).isEmpty());
}

TEST(NumLabValue, OverflowIndicatorReplacesTooWideTextsCentredByItsOwnWidth)
{
    TNumLab wide;
    wide.SetValue(1.0e15); // "1000000000000000.00" does not fit in 80 - 6 pixels
    TNumLab indicator;
    indicator.SetDisplayType(TNumLab::dtState);
    indicator.SetStateText("*********");
    EXPECT_EQ(numlabtest::Face(wide), numlabtest::Face(indicator));

    TNumLab rewritten; // also texts that come from OnBeforeDisplay
    rewritten.OnBeforeDisplay = [](TObject*, QString& text) { text = QString(30, 'W'); };
    EXPECT_EQ(numlabtest::Face(rewritten), numlabtest::Face(indicator));
}

TEST(NumLabValue, TextExactlyAtTheLimitIsKept)
{
    TNumLab label;
    label.SetDisplayType(TNumLab::dtState);
    label.SetStateText("888");
    label.SetLabelWidth(TextWidth("888") + 6); // LabelWidth - 6 == tw: still fits
    label.SetDisplayType(TNumLab::dtFixP);
    label.OnBeforeDisplay = [](TObject*, QString& text) { text = "888"; };
    TNumLab reference;
    reference.SetLabelWidth(label.LabelWidth());
    reference.SetDisplayType(TNumLab::dtState);
    reference.SetStateText("888");
    EXPECT_EQ(numlabtest::Face(label), numlabtest::Face(reference));
    label.SetLabelWidth(label.LabelWidth() - 1);
    reference.SetLabelWidth(label.LabelWidth());
    EXPECT_NE(numlabtest::Face(label), numlabtest::Face(reference));
}

TEST(NumLabSideTexts, LeftTextPositions)
{
    TNumLab label;
    label.SetEmpty(true);
    label.SetLeftText("Hz");
    const int lw = TextWidth("Hz"), inkLeft = TextInk("Hz").left();
    EXPECT_EQ(InkLeft(numlabtest::Face(label), 0, 36, Face()), 35 - lw - 5 + inkLeft);
    label.SetLeftTextAlignment(taLeftJustify);
    EXPECT_EQ(InkLeft(numlabtest::Face(label), 0, 36, Face()), 7 + inkLeft);
    label.SetLeftTextAlignment(taCenter);
    EXPECT_EQ(InkLeft(numlabtest::Face(label), 0, 36, Face()), (35 - lw) / 2 + inkLeft);
}

TEST(NumLabSideTexts, RightTextPositions)
{
    TNumLab label;
    label.SetEmpty(true);
    label.SetRightText("kV");
    const int rw = TextWidth("kV"), inkLeft = TextInk("kV").left();
    EXPECT_EQ(InkLeft(numlabtest::Face(label), 116, 160, Face()), 115 + 7 + inkLeft);
    label.SetRightTextAlignment(taRightJustify);
    EXPECT_EQ(InkLeft(numlabtest::Face(label), 116, 160, Face()), 160 - rw - 6 + inkLeft);
    label.SetRightTextAlignment(taCenter);
    EXPECT_EQ(InkLeft(numlabtest::Face(label), 116, 160, Face()), (160 - 115 - rw) / 2 + 115 + 1 + inkLeft);
}

TEST(NumLabLook, DisabledTextsAreEngraved)
{
    TNumLab label;
    label.SetLeftText("H");
    label.SetRightText("H");
    label.SetValue(8);
    label.SetEnabled(false);
    EXPECT_FALSE(label.Enabled());
    const QImage image = numlabtest::Face(label);
    const int x = 35 - TextWidth("H") - 5 + TextInk("H").left();
    // Gray copy at the normal place, white copy one pixel right and down: the ink
    // reaches one pixel further right, nothing is darker than the gray and the white
    // copy shows lighter than the background.
    const QRect ink = vektest::InkBounds(image, QRect(0, 0, 36, 28), Face());
    EXPECT_EQ(ink.left(), x);
    EXPECT_EQ(ink.width(), TextInk("H").width() + 1);
    EXPECT_EQ(ink.height(), TextInk("H").height() + 1);
    int darkest = 255, lightest = 0;
    for (int y = ink.top(); y <= ink.bottom(); ++y)
        for (int px = ink.left(); px <= ink.right(); ++px) {
            darkest = std::min(darkest, qRed(image.pixel(px, y)));
            lightest = std::max(lightest, qRed(image.pixel(px, y)));
        }
    EXPECT_GE(darkest, 0x80);
    EXPECT_LT(darkest, 0xC0);
    EXPECT_GT(lightest, qRed(ToQRgb(clBtnFace)));
    EXPECT_EQ(vektest::InkBounds(image, QRect(116, 0, 44, 28), Face()).width(),
              TextInk("H").width() + 1);
    // The value in the button shadow color, nothing black.
    EXPECT_GT(vektest::CountColor(image, QRect(38, 2, 76, 23), ColorToRGB(clBtnShadow)), 0);
    EXPECT_EQ(vektest::CountColor(image, QRect(38, 2, 76, 23), 0x000000), 0);
}

TEST(NumLabLook, ColorsOfBoxAndTexts)
{
    TNumLab label;
    label.SetColorLabBakG(clNavy);
    label.SetColorLabText(clYellow);
    label.SetColorOutBakG(clGreen);
    label.SetValue(88);
    const QImage image = numlabtest::Face(label);
    EXPECT_EQ(vektest::ColorAt(image, 2, 2), clGreen);
    EXPECT_EQ(vektest::ColorAt(image, 40, 4), clNavy);
    EXPECT_GT(vektest::CountColor(image, QRect(38, 2, 76, 23), clYellow), 0);
}

TEST(NumLabLook, TransparentLabelLetsTheParentShowOutsideTheBox)
{
    QWidget parent;
    parent.resize(200, 40);
    parent.setAutoFillBackground(true);
    QPalette palette = parent.palette();
    palette.setColor(QPalette::Window, Qt::red);
    parent.setPalette(palette);
    auto* label = new TNumLab(&parent);
    label->SetColorLabBakG(clAqua);
    label->SetTransparent(true);
    label->SetValue(5);
    const QImage image = vektest::Render(&parent);
    EXPECT_EQ(vektest::ColorAt(image, 5, 5), clRed);     // outside: the parent
    EXPECT_EQ(vektest::ColorAt(image, 150, 20), clRed);
    EXPECT_EQ(vektest::ColorAt(image, 40, 5), clAqua);   // inside the box: its color
    EXPECT_EQ(vektest::ColorAt(image, 36, 10), 0x808080u); // the dark frame line stays
    label->SetTransparent(false);
    EXPECT_EQ(vektest::ColorAt(vektest::Render(&parent), 5, 5), Face());
}

TEST(NumLabLook, FontChangesTheTextCell)
{
    TNumLab label;
    label.resize(200, 60);
    label.Font()->SetHeight(-24);
    label.SetValue(1);
    const QRect drawn = vektest::InkBounds(numlabtest::Face(label), QRect(38, 2, 76, 54), Face());
    EXPECT_GT(drawn.height(), 14);
}

TEST(NumLabFrame, SystemSchemeDrawsTheFrameInThemeColors)
{
    TNumLab label;
    label.SetColorScheme(csSystemColors);
    const QImage image = numlabtest::Face(label);
    EXPECT_EQ(vektest::ColorAt(image, 36, 10), ColorToRGB(clBtnShadow));
    EXPECT_EQ(vektest::ColorAt(image, 37, 10), ColorToRGB(cl3DDkShadow));
    EXPECT_EQ(vektest::ColorAt(image, 114, 10), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(vektest::ColorAt(image, 115, 10), ColorToRGB(cl3DLight));
}

// ---- dark palettes: every text reads on what it is drawn on ------------------------------

namespace {

// A label with a caption, a unit and a value: left text in columns 0..34, the box in
// 36..115 (its inside from 38), the unit from 116 on.
struct CaptionedLabel : TNumLab {
    CaptionedLabel()
    {
        SetLeftText("Vol");
        SetRightText("mV");
        SetValue(12.5);
    }
    QImage Face() { return numlabtest::Face(*this); }
    double LeftContrast(const QImage& image)
    {
        return vektest::InkContrast(image, QRect(0, TextTop, 35, 14), image.pixel(2, 2));
    }
    double RightContrast(const QImage& image)
    {
        return vektest::InkContrast(image, QRect(116, TextTop, 44, 14), image.pixel(2, 2));
    }
    double ValueContrast(const QImage& image)
    {
        return vektest::InkContrast(image, QRect(38, 2, 76, 23), image.pixel(40, 4));
    }
};

// The dark theme the disabled value vanished in: its shadow darker than its faces, its
// disabled text a mid gray. (The inverted standard palette shades lighter than its
// faces, where the button shadow still shows.)
QPalette DarkThemeWithDeepShadow()
{
    QPalette palette = vektest::DarkPalette();
    palette.setColor(QPalette::Dark, QColor(0x08, 0x08, 0x08));
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, QColor(0x80, 0x80, 0x80));
    return palette;
}

} // namespace

TEST(NumLabDarkPalette, DefaultTextsReadOnTheirFaces)
{
    vektest::ScopedPalette dark(vektest::DarkPalette());
    CaptionedLabel label;
    const QImage image = label.Face();
    EXPECT_EQ(vektest::ColorAt(image, 2, 2), ColorToRGB(clBtnFace)); // the theme's face
    EXPECT_GE(label.LeftContrast(image), 3.0);
    EXPECT_GE(label.RightContrast(image), 3.0);
    EXPECT_GE(label.ValueContrast(image), 3.0);
}

TEST(NumLabDarkPalette, DisabledValueTakesTheThemesDisabledTextColor)
{
    {
        SCOPED_TRACE("a shadow darker than the face");
        vektest::ScopedPalette dark(DarkThemeWithDeepShadow());
        CaptionedLabel label;
        label.SetEnabled(false);
        const QImage image = label.Face();
        EXPECT_GE(label.ValueContrast(image), 3.0);
        EXPECT_GE(label.LeftContrast(image), 3.0);
    }
    vektest::ScopedPalette dark(vektest::DarkPalette());
    CaptionedLabel label;
    label.SetEnabled(false);
    const QColor disabled = QApplication::palette().color(QPalette::Disabled, QPalette::WindowText);
    EXPECT_GT(vektest::CountColor(label.Face(), QRect(38, 2, 76, 23), FromQColor(disabled)), 3);
}

TEST(NumLabDarkPalette, AFixedColorPairsWithAFixedOne)
{
    vektest::ScopedPalette dark(vektest::DarkPalette());
    {
        SCOPED_TRACE("fixed backgrounds, theme texts");
        CaptionedLabel label;
        label.SetColorLabBakG(clYellow);
        label.SetColorOutBakG(0xE0F0FF);
        const QImage image = label.Face();
        EXPECT_EQ(vektest::ColorAt(image, 2, 2), TColor(0xE0F0FF)); // kept as set
        EXPECT_EQ(vektest::ColorAt(image, 40, 4), clYellow);
        EXPECT_GE(label.LeftContrast(image), 3.0);
        EXPECT_GE(label.ValueContrast(image), 3.0);
        label.SetEnabled(false); // a fixed gray on the fixed box
        EXPECT_GT(vektest::CountColor(label.Face(), QRect(38, 2, 76, 23), clGray), 3);
    }
    {
        SCOPED_TRACE("fixed black texts, theme faces");
        CaptionedLabel label;
        label.SetColorLabText(clBlack);
        label.SetColorOutText(clBlack);
        const QImage image = label.Face();
        EXPECT_GE(label.RightContrast(image), 3.0);
        EXPECT_GE(label.ValueContrast(image), 3.0);
        EXPECT_GT(vektest::CountColor(image, QRect(38, 2, 76, 23), clBlack), 3); // kept
    }
}
