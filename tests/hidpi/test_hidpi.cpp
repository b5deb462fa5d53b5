// On a screen of device pixel ratio 2 every control paints at device resolution: its
// grab has twice the pixels on each axis, and text and curves have edges inside the 2 x 2
// device blocks of a logical pixel, where an upscaled picture has none.
#include <VEK_Colsel.h>
#include <VEK_Meter.h>
#include <VEK_MiniCal.h>
#include <VEK_NumIO.h>
#include <VEK_NumLab.h>
#include <VEK_ProgBar.h>
#include <VEK_RasterLab.h>
#include <VEK_RotLab.h>
#include <VEK_onoffbut.h>
#include <VEK_replist.h>
#include <VEK_repsbut.h>
#include <VEK_sevenseg.h>

#include <QApplication>
#include <QPixmap>

#include <functional>
#include <memory>

#include <gtest/gtest.h>

using namespace vek;

namespace {

// The share of the 2 x 2 device blocks that are not all one color, among the blocks
// that differ from the control's most common color (its background).
double MixedInkBlocks(const QImage& image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const QRgb background = rgb.pixel(0, 0);
    int ink = 0, mixed = 0;
    for (int y = 0; y + 1 < rgb.height(); y += 2)
        for (int x = 0; x + 1 < rgb.width(); x += 2) {
            const QRgb block[4] = {rgb.pixel(x, y), rgb.pixel(x + 1, y), rgb.pixel(x, y + 1),
                                   rgb.pixel(x + 1, y + 1)};
            bool uniform = true, inked = false;
            for (QRgb c : block) {
                uniform &= c == block[0];
                inked |= c != background;
            }
            ink += inked;
            mixed += inked && !uniform;
        }
    return ink == 0 ? 0.0 : double(mixed) / ink;
}

struct Case {
    const char* name;
    std::function<QWidget*()> create;
};

std::vector<Case> Controls()
{
    return {
        {"TNumLab", [] { auto* c = new TNumLab; c->SetValue(-12.75); return c; }},
        {"TNumIO2", [] { auto* c = new TNumIO2; c->SetValue(3.25); return c; }},
        {"TRotLab", [] { auto* c = new TRotLab; c->SetCaption("Rotated"); c->SetTextAngle(30); return c; }},
        {"TMeter", [] { auto* c = new TMeter; c->SetValue(0.3); return c; }},
        {"TProgBar", [] { auto* c = new TProgBar; c->SetValue(40); return c; }},
        {"TOnOffBut", [] { return new TOnOffBut; }},
        {"TMiniCal", [] { return new TMiniCal; }},
        {"TColSel", [] { return new TColSel; }},
        {"TSevenSeg", [] { auto* c = new TSevenSeg; c->SetCaption("8.5"); return c; }},
        {"TRasterLab", [] { auto* c = new TRasterLab; c->SetText("Dots"); return c; }},
        {"TRepSpeedButton", [] { auto* c = new TRepSpeedButton; c->SetCaption("Repeat"); return c; }},
        {"TReportListView", [] {
             auto* c = new TReportListView;
             c->SetElem(1, 1, "Text");
             return c;
         }},
    };
}

} // namespace

TEST(HighDpi, TheScreenHasRatioTwo)
{
    EXPECT_EQ(qApp->devicePixelRatio(), 2.0);
}

TEST(HighDpi, ControlsPaintAtDeviceResolution)
{
    for (const Case& c : Controls()) {
        std::unique_ptr<QWidget> control(c.create());
        control->resize(control->sizeHint());
        const QPixmap grab = control->grab();
        EXPECT_EQ(grab.devicePixelRatio(), 2.0) << c.name;
        EXPECT_EQ(grab.size(), control->size() * 2) << c.name;
        EXPECT_GT(MixedInkBlocks(grab.toImage()), 0.1) << c.name << " looks upscaled";
    }
}
