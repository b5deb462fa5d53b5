// TGradFill: band positions and colors of the plain and mid-band profiles, clamping,
// color flipping, grid lines, the frame and the OnPaint hook.
#include <VEK_gradfl.h>

#include <frame/runtime/rtl.h>

#include "pixels.h"

#include <gtest/gtest.h>

using namespace vek;
using vektest::ColorAt;
using vektest::Render;

namespace {

TColor Rgb(int r, int g, int b) { return TColor(r | (g << 8) | (b << 16)); }

// Red channel of the pixels down the middle column.
std::vector<int> RedDownTheMiddle(TGradFill& fill)
{
    const QImage image = Render(&fill);
    std::vector<int> reds;
    for (int y = 0; y < fill.height(); ++y)
        reds.push_back(int(ColorAt(image, fill.width() / 2, y) & 0xFF));
    return reds;
}

} // namespace

TEST(GradFill, DefaultBandsStepTowardsTheLastColor)
{
    TGradFill fill;
    EXPECT_EQ(fill.width(), 121);
    EXPECT_EQ(fill.height(), 121);
    EXPECT_EQ(fill.NrColors(), 16);
    const QImage image = Render(&fill);
    for (int k = 0; k < 16; ++k) {
        const int top = MulDiv(k, 121, 16), bottom = MulDiv(k + 1, 121, 16) - 1;
        const TColor expected = Rgb(128 + MulDiv(k, 127, 16), MulDiv(k, 255, 16), 0);
        EXPECT_EQ(ColorAt(image, 60, top), expected) << "band " << k;
        EXPECT_EQ(ColorAt(image, 0, bottom), expected) << "band " << k;
        EXPECT_EQ(ColorAt(image, 120, bottom), expected) << "band " << k;
    }
    EXPECT_EQ(ColorAt(image, 60, 0), 0x000080u);
    EXPECT_EQ(ColorAt(image, 60, 120), Rgb(247, 239, 0));
}

TEST(GradFill, VerticalBandsAndSingleBand)
{
    TGradFill fill;
    fill.resize(100, 20);
    fill.SetFillType(TGradFill::gtVert);
    fill.SetNrColors(4);
    fill.SetColorFirst(clBlack);
    fill.SetColorLast(clWhite);
    QImage image = Render(&fill);
    EXPECT_EQ(vektest::RowPattern(image, 10, 0, 99, clBlack),
              std::string(25, '#') + std::string(75, '.'));
    EXPECT_EQ(ColorAt(image, 99, 0), Rgb(191, 191, 191)); // 3/4 of 255, rounded
    fill.SetNrColors(1);
    image = Render(&fill);
    EXPECT_EQ(vektest::CountColor(image, image.rect(), clBlack), 100 * 20);
}

TEST(GradFill, MidBandProfiles)
{
    TGradFill fill;
    fill.resize(10, 150);
    fill.SetColorFirst(Rgb(0, 0, 0));
    fill.SetColorLast(Rgb(140, 0, 0));
    fill.SetFillType(TGradFill::gtMidBandHoriz);
    fill.SetNrColors(15); // symmetric: 0, 1, ... 7, 6, ... 0 sevenths
    std::vector<int> reds = RedDownTheMiddle(fill);
    for (int k = 0; k < 15; ++k)
        EXPECT_EQ(reds[std::size_t(k * 10)], 20 * (k <= 7 ? k : 14 - k)) << "band " << k;
    fill.resize(10, 160);
    fill.SetColorLast(Rgb(160, 0, 0));
    fill.SetNrColors(16); // the falling half starts a step lower: ... 8, 6, 5, ... 0
    reds = RedDownTheMiddle(fill);
    EXPECT_EQ(reds[80], 160);
    EXPECT_EQ(reds[90], 120);
    EXPECT_EQ(reds[150], 0);
    fill.SetNrColors(1); // one band: the first color, without failing
    EXPECT_EQ(RedDownTheMiddle(fill)[0], 0);
    fill.SetFillType(TGradFill::gtMidBandVert);
    EXPECT_EQ(ColorAt(Render(&fill), 5, 5), 0u);
}

TEST(GradFill, ClampingAndEmptyBands)
{
    TGradFill fill;
    fill.SetNrColors(0);
    EXPECT_EQ(fill.NrColors(), 1);
    fill.SetNrColors(1000);
    EXPECT_EQ(fill.NrColors(), 255);
    fill.resize(121, 10); // more bands than rows: some bands are empty, none fails
    const QImage image = Render(&fill);
    // Bands 0..11 are empty; the first row belongs to band 12, the last to band 242.
    EXPECT_EQ(MulDiv(12, 10, 255), 0);
    EXPECT_EQ(MulDiv(13, 10, 255), 1);
    EXPECT_EQ(ColorAt(image, 5, 0), Rgb(128 + MulDiv(12, 127, 255), 12, 0));
    EXPECT_EQ(MulDiv(242, 10, 255), 9);
    EXPECT_EQ(MulDiv(243, 10, 255), 10);
    EXPECT_EQ(ColorAt(image, 5, 9), Rgb(128 + MulDiv(242, 127, 255), 242, 0));
}

TEST(GradFill, FlippingKeepsTheColorsWrittenMeanwhile)
{
    TGradFill fill;
    fill.SetColorFlipped(true);
    EXPECT_EQ(fill.ColorFirst(), 0x00FFFFu);
    EXPECT_EQ(fill.ColorLast(), 0x000080u);
    fill.SetColorFirst(clRed);
    fill.SetColorFlipped(false);
    EXPECT_EQ(fill.ColorLast(), TColor(clRed));
    EXPECT_EQ(fill.ColorFirst(), 0x000080u);
    EXPECT_TRUE(fill.setProperty("ColorFlipped", true));
    EXPECT_EQ(fill.ColorFirst(), TColor(clRed));
}

TEST(GradFill, GridFrameAndPaintHook)
{
    TGradFill fill;
    fill.resize(100, 50);
    fill.SetNrColors(1);
    fill.SetColorFirst(clWhite);
    fill.SetGridMode(TGradFill::gmBoth);
    fill.SetFrameStyle(fsSingle);
    int painted = 0;
    fill.OnPaint = [&](TObject*) {
        ++painted;
        fill.Canvas()->SetPixels(50, 25, clLime);
    };
    const QImage image = Render(&fill);
    EXPECT_EQ(painted, 1);
    EXPECT_EQ(ColorAt(image, 50, 25), TColor(clLime)); // drawn over the gradient
    EXPECT_EQ(ColorAt(image, 30, 10), TColor(clNavy));  // a vertical and a horizontal line
    EXPECT_EQ(ColorAt(image, 35, 5), TColor(clNavy));
    EXPECT_EQ(ColorAt(image, 35, 12), TColor(clWhite));
    EXPECT_NE(ColorAt(image, 0, 12), TColor(clWhite)); // the frame on the border
    fill.SetGridMode(TGradFill::gmHoriz);
    EXPECT_EQ(ColorAt(Render(&fill), 30, 12), TColor(clWhite));
}
