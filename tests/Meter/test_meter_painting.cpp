// Pixels of the meter face: needle, shadow, cover, edge, hub, lamps, frame, bands, the
// hooks, and the partial repaint after a value change.
#include "meter_fixture.h"

#include "scoped_palette.h"

#include <frame/baselib/textcolors.h>
#include <frame/core/errors.h>

#include <QApplication>
#include <QTemporaryDir>

#include <cmath>
#include <functional>
#include <utility>
#include <vector>

using namespace vek;
using metertest::Current;
using metertest::ColumnInk;
using metertest::CountInk;
using metertest::Face;
using metertest::InkCover;
using metertest::RowInk;
using vektest::ColorAt;

namespace {

TColor Cover() { return ColorToRGB(clBtnFace); }

} // namespace

// The needle's edges are antialiased: the probes lie inside its head and the tip is
// found as the first ink below the scale arc.
TEST(MeterPainting, NeedleTipAndShadow)
{
    TMeter meter;
    meter.SetMeterShortTicks(false); // nothing else in the column of the tip
    meter.SetValue(0.5);             // straight up, tip at (148, 191 - 171)
    QImage face = Face(meter);
    const QRect belowTheArc(148, 18, 1, 10);
    EXPECT_EQ(vektest::InkBounds(face, belowTheArc, clWhite).top(), 20);
    EXPECT_EQ(ColorAt(face, 148, 30), clSilver); // inside the closed arrow head
    EXPECT_EQ(ColorAt(face, 142, 33), clWhite);  // beside it

    meter.NeedleLayout()->SetShadowDx(3);
    meter.NeedleLayout()->SetShadowDy(3);
    face = Current(meter);
    EXPECT_EQ(ColorAt(face, 142, 33), clGray); // inside the shadow's head, up and left
    EXPECT_EQ(ColorAt(face, 148, 30), clSilver);
    EXPECT_EQ(vektest::InkBounds(face, belowTheArc, clWhite).top(), 20);

    meter.NeedleLayout()->SetVisible(false);
    face = Current(meter);
    EXPECT_EQ(ColorAt(face, 148, 30), clWhite);
    EXPECT_EQ(ColorAt(face, 142, 33), clWhite);
}

TEST(MeterPainting, ThickNeedleAndSecondNeedle)
{
    TMeter meter;
    meter.SetMeterLayout(TMeter::mlCirc360);
    meter.SetAnchorCovered(false);
    meter.NeedleLayout()->SetThickness(8);
    meter.NeedleLayout()->SetColorBody(clBlue);
    meter.SetValue(0.5); // straight up from (148, 110)
    QImage face = Current(meter);
    EXPECT_EQ(ColorAt(face, 146, 80), clBlue);
    EXPECT_EQ(ColorAt(face, 150, 80), clBlue);
    EXPECT_EQ(ColorAt(face, 154, 80), clWhite);

    meter.NeedleLayoutSec()->SetColorBody(clLime);
    meter.NeedleLayoutSec()->SetThickness(6);
    meter.NeedleLayoutSec()->SetVisible(true);
    meter.SetValueSec(0.25); // pointing left, at 180 degrees
    face = Current(meter);
    EXPECT_EQ(ColorAt(face, 110, meter.MeterCenterY()), clLime);
    EXPECT_EQ(ColorAt(face, 148, 80), clBlue); // the primary needle stays on top
}

TEST(MeterPainting, CoverEdgeAndHalfDiscHub)
{
    TMeter meter;
    const QImage face = Face(meter);
    EXPECT_EQ(ColorAt(face, 4, 100), Cover());      // left strip
    EXPECT_EQ(ColorAt(face, 100, 4), Cover());      // top strip
    EXPECT_EQ(ColorAt(face, 100, 204), Cover());    // bottom strip
    EXPECT_EQ(ColorAt(face, 9, 100), 0x808080u);    // edge, left: gray
    EXPECT_EQ(ColorAt(face, 100, 8), 0x808080u);    // edge, top: gray
    EXPECT_EQ(ColorAt(face, 287, 100), 0xFFFFFFu);  // edge, right: white
    EXPECT_EQ(ColorAt(face, 100, 199), 0xFFFFFFu);  // edge, bottom: white
    EXPECT_EQ(ColorAt(face, 10, 100), 0xFFFFFFu);   // dial background
    // Hub: half disc of radius 24 above the pivot on a post down to the bottom rim.
    EXPECT_EQ(ColorAt(face, 148, 180), Cover());
    EXPECT_EQ(ColorAt(face, 130, 195), Cover());
    EXPECT_EQ(ColorAt(face, 171, 195), 0x808080u);  // shaded right side of the post
    EXPECT_EQ(ColorAt(face, 124, 195), 0xFFFFFFu);  // lit left side
    EXPECT_EQ(ColorAt(face, 148, 160), clWhite);    // above the hub

    meter.SetAnchorCovered(false);
    EXPECT_NE(ColorAt(Current(meter), 130, 195), Cover());
}

TEST(MeterPainting, FullDiscHubForWideSweeps)
{
    TMeter meter;
    meter.SetMeterLayout(TMeter::mlCirc270);
    meter.NeedleLayout()->SetVisible(false);
    const int cx = meter.MeterCenterX();
    const int cy = meter.MeterCenterY();
    const QImage face = Current(meter);
    EXPECT_EQ(ColorAt(face, cx, cy), Cover());
    EXPECT_EQ(ColorAt(face, cx, cy + 20), Cover());
    // The rim: lit (white) over the upper left half, shaded (gray) over the lower right.
    // Antialiased, the gray arc's darkest pixel is at least half gray.
    auto darkest = [&face](int x, int y0, int y1) {
        int gray = 255;
        for (int y = y0; y <= y1; ++y)
            gray = std::min(gray, qGray(face.pixel(x, y)));
        return gray;
    };
    EXPECT_LE(darkest(cx + 10, cy + 18, cy + 26), (0x80 + 0xFF) / 2);
    EXPECT_GE(darkest(cx - 10, cy - 26, cy - 18), qGray(ToQRgb(Cover())));
    EXPECT_EQ(ColorAt(face, cx, cy + 30), clWhite); // no post below
}

TEST(MeterPainting, LimitLampsFollowTheFlags)
{
    TMeter meter;
    meter.SetThresholdLow(0.1);
    meter.SetThresholdHigh(0.9);
    meter.SetValue(0.5);
    QImage face = Current(meter);
    // Upper lamp: box 269..278 x 16..25; lower lamp: box 18..27 x 16..25.
    EXPECT_EQ(ColorAt(face, 269, 16), clBlack);
    EXPECT_EQ(ColorAt(face, 273, 20), clGray);
    EXPECT_EQ(ColorAt(face, 273, 25), 0xFFFFFFu); // white bevel at the bottom
    EXPECT_EQ(ColorAt(face, 273, 24), clSilver);
    EXPECT_EQ(ColorAt(face, 270, 20), 0x808080u); // gray bevel at the left
    EXPECT_EQ(ColorAt(face, 22, 20), clGray);

    meter.SetValue(1);
    face = Current(meter);
    EXPECT_EQ(ColorAt(face, 273, 20), clRed);
    EXPECT_EQ(ColorAt(face, 22, 20), clGray);
    meter.SetValue(0);
    face = Current(meter);
    EXPECT_EQ(ColorAt(face, 273, 20), clGray);
    EXPECT_EQ(ColorAt(face, 22, 20), clRed);

    meter.SetLimWatchLowOn(false);
    EXPECT_EQ(ColorAt(Current(meter), 22, 20), clWhite);
}

TEST(MeterPainting, FrameStyles)
{
    TMeter meter;
    QImage face = Face(meter); // raised: light left and top, dark right and bottom
    EXPECT_EQ(ColorAt(face, 0, 100), 0xFFFFFFu);
    EXPECT_EQ(ColorAt(face, 100, 0), 0xFFFFFFu);
    EXPECT_EQ(ColorAt(face, 296, 100), 0x808080u);
    EXPECT_EQ(ColorAt(face, 100, 208), 0x808080u);

    meter.SetFrameStyle(fsLowered);
    face = Current(meter);
    EXPECT_EQ(ColorAt(face, 0, 100), 0x808080u);
    EXPECT_EQ(ColorAt(face, 296, 100), 0xFFFFFFu);

    meter.SetFrameStyle(fsEmbossed); // light outer box at 0..W-2, dark inside and outside
    face = Current(meter);
    EXPECT_EQ(ColorAt(face, 0, 100), 0xFFFFFFu);
    EXPECT_EQ(ColorAt(face, 1, 100), 0x808080u);
    EXPECT_EQ(ColorAt(face, 295, 100), 0xFFFFFFu);
    EXPECT_EQ(ColorAt(face, 296, 100), 0x808080u);

    meter.SetFrameStyle(fsSingle);
    meter.SetColorBakG(clYellow);
    face = Current(meter);
    EXPECT_EQ(ColorAt(face, 0, 100), clYellow);
    EXPECT_EQ(ColorAt(face, 296, 208), clYellow);

    meter.SetFrameStyle(fsNone);
    EXPECT_EQ(ColorAt(Current(meter), 0, 100), Cover());
}

TEST(MeterPainting, RangeBands)
{
    TMeter meter;
    meter.SetThresholdLow(0.3);
    meter.SetThresholdHigh(0.7);
    meter.SetScaleBkWidth(10); // band from 157.5 -> 158 to R + 4 = 179
    meter.SetScaleBkVisible(true);
    meter.NeedleLayout()->SetVisible(false);
    const QImage face = Current(meter);
    EXPECT_EQ(ColorAt(face, 148, 191 - 165), 0x0080FFu); // midpoint: normal band
    EXPECT_EQ(ColorAt(face, 148, 191 - 150), clWhite);    // inside the band
    const double a = 130 * M_PI / 180;                     // near min: low band
    EXPECT_EQ(ColorAt(face, int(148 + std::cos(a) * 170), int(191 - std::sin(a) * 170)), clLime);
    const double b = 50 * M_PI / 180;                      // near max: high band
    EXPECT_EQ(ColorAt(face, int(148 + std::cos(b) * 170), int(191 - std::sin(b) * 170)), clRed);

    meter.SetScaleBkWidth(150); // stored as 100: the band reaches the pivot
    EXPECT_EQ(ColorAt(Current(meter), 148, 120), 0x0080FFu);
}

TEST(MeterPainting, CaptionInItsOwnFont)
{
    TMeter meter;
    meter.NeedleLayout()->SetVisible(false);
    meter.SetCaption("mV");
    meter.FontCaption()->SetColor(clRed);
    const QImage face = Current(meter);
    // Centred on (148, 191 - Round(175 / 3)) = (148, 133).
    const QRect ink = vektest::InkBounds(face, QRect(100, 110, 97, 50), clWhite);
    EXPECT_NEAR(ink.center().x(), 148, 2);
    EXPECT_NEAR(ink.center().y(), 133, 3);
    int reddish = 0; // glyph edges are smoothed: count pixels dominated by red
    for (int y = ink.top(); y <= ink.bottom(); ++y)
        for (int x = ink.left(); x <= ink.right(); ++x)
            reddish += qRed(face.pixel(x, y)) > 200 && qGreen(face.pixel(x, y)) < 120;
    EXPECT_GT(reddish, 10);
}

// The labels of 0.0 .. 1.0 and the caption "mV" on a meter without a needle and with the
// scale in the dial's color: the pixel of their text that contrasts most with the dial.
TColor StrongestInk(TMeter& meter, TColor dial)
{
    meter.NeedleLayout()->SetVisible(false);
    meter.SetColorScale(dial);
    meter.SetCaption("mV");
    const QImage face = Face(meter);
    // Inside the dial window, below the lamps and above the hub.
    const QRect text(20, 30, 257, 130);
    TColor strongest = dial;
    for (int y = text.top(); y <= text.bottom(); ++y)
        for (int x = text.left(); x <= text.right(); ++x)
            if (vek::ContrastRatio(ColorAt(face, x, y), dial) >
                vek::ContrastRatio(strongest, dial))
                strongest = ColorAt(face, x, y);
    return strongest;
}

QPalette DarkTheme()
{
    QPalette dark = QApplication::palette();
    for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
        dark.setColor(role, QColor(35, 35, 40));
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(role, QColor(225, 225, 225));
    dark.setColor(QPalette::Disabled, QPalette::WindowText, QColor(110, 110, 110));
    return dark;
}

bool Lighter(TColor a, TColor b)
{
    return qGray(ToQRgb(a)) > qGray(ToQRgb(b));
}

// Text and the dial behind it come from one source: text in a system color (the default
// font's window text) is black or white on a fixed dial, whatever the palette, and
// follows the palette on a dial in a system color. A fixed font color is kept.
TEST(MeterPainting, TextColorsPairWithTheDial)
{
    {
        vektest::ScopedPalette dark(DarkTheme());
        TMeter fixedDial; // white, as by default
        EXPECT_EQ(StrongestInk(fixedDial, clWhite), clBlack);

        TMeter themedDial;
        themedDial.SetColorBakG(clWindow);
        const TColor base = ColorToRGB(clWindow);
        const TColor ink = StrongestInk(themedDial, base);
        EXPECT_TRUE(Lighter(ink, base));
        EXPECT_GE(vek::ContrastRatio(ink, base), 7);

        TMeter red;
        red.Font()->SetColor(clMaroon);
        red.FontCaption()->SetColor(clMaroon);
        EXPECT_EQ(StrongestInk(red, clWhite), clMaroon);

        TMeter disabled; // engraved: gray ink with a white ghost, as on a light palette
        disabled.setEnabled(false);
        EXPECT_EQ(StrongestInk(disabled, clWhite), clGray);
    }
    TMeter darkDial; // under the light palette
    darkDial.SetColorBakG(0x302010);
    EXPECT_EQ(StrongestInk(darkDial, 0x302010), clWhite);
    darkDial.setEnabled(false); // one gray copy, no white ghost
    EXPECT_EQ(StrongestInk(darkDial, 0x302010), clGray);
}

// With a background picture the text takes its color from the picture's mean color.
TEST(MeterPainting, TextOnABackgroundPicture)
{
    QTemporaryDir dir;
    QImage night(40, 40, QImage::Format_RGB32);
    night.fill(QColor(20, 30, 60));
    for (int x = 0; x < 40; x += 4) // a little detail that does not change the mean much
        night.setPixel(x, x, qRgb(200, 200, 200));
    const QString name = dir.filePath("night.png");
    ASSERT_TRUE(night.save(name));
    TMeter meter;
    meter.SetBkgndFillMode(bfTile);
    meter.SetBackGroundImg(name);
    EXPECT_EQ(StrongestInk(meter, RGB(20, 30, 60)), clWhite);
}

TEST(MeterPainting, HooksDrawAndReplace)
{
    TMeter meter;
    meter.SetValue(0.5);
    int rendered = 0;
    meter.OnBeforeDrawNeedle = [](TObject*, TCanvas*, bool& drawn) { drawn = true; };
    meter.OnMeterRendered = [&](TObject*, TCanvas* canvas) {
        ++rendered;
        canvas->Pen()->SetColor(clBlue);
        canvas->MoveTo(0, 100);
        canvas->LineTo(297, 100);
    };
    meter.OnBeforeDrawScaleLabel = [](TObject*, TCanvas*, QString& label, int, int) {
        label.clear();
    };
    const QImage face = Face(meter);
    EXPECT_EQ(ColorAt(face, 148, 30), clWhite); // no built-in needle
    EXPECT_EQ(ColorAt(face, 148, 100), clBlue); // drawn over the dial ...
    EXPECT_EQ(ColorAt(face, 4, 100), clBlue);   // ... and the cover
    EXPECT_EQ(ColorAt(face, 0, 100), 0xFFFFFFu); // but not the frame
    EXPECT_EQ(rendered, 1);
    // No label ink: the scale region between ticks and caption stays white.
    EXPECT_EQ(vektest::CountColor(face, QRect(20, 30, 257, 60), clBlack), 0);
}

TEST(MeterPainting, TooSmallPaintsNothing)
{
    TMeter meter;
    meter.resize(40, 30);
    meter.SetColor(clYellow);
    const QImage face = Face(meter);
    EXPECT_EQ(vektest::CountColor(face, face.rect(), clYellow), 40 * 30);
    meter.SetValue(0.5);
    meter.SetMeterLayout(TMeter::mlCirc360);
    EXPECT_EQ(vektest::CountColor(Current(meter), face.rect(), clYellow), 40 * 30);
}

TEST(MeterPainting, ExtremeRangesTerminateAndDrawAScale)
{
    TMeter linear;
    linear.SetMeterMinValue(-1e308);
    linear.SetMeterMaxValue(1e308);
    linear.SetValue(0);
    const QRect scale(10, 8, 277, 100);
    EXPECT_GT(CountInk(Face(linear), scale, clNavy, clWhite), 100);

    TMeter narrow;
    narrow.SetMeterMaxValue(1e300);
    narrow.SetMeterMinValue(std::nextafter(1e300, 0.0));
    EXPECT_GT(CountInk(Face(narrow), scale, clNavy, clWhite), 100);

    TMeter logarithmic;
    logarithmic.SetMeterMaxValue(1e300);
    logarithmic.SetMeterMinValue(1e-99);
    logarithmic.SetLogarithmic(true);
    logarithmic.SetValue(1);
    EXPECT_GT(CountInk(Face(logarithmic), scale, clNavy, clWhite), 100);
}

// A value change repaints only around the needles; the result must not differ from a
// full paint by a single pixel.
TEST(MeterPainting, ValueChangeRepaintsLikeAFullPaint)
{
    auto configure = [](TMeter& meter) {
        meter.SetMeterLayout(TMeter::mlCirc270);
        meter.SetThresholdLow(0.2);
        meter.SetThresholdHigh(0.8);
        meter.SetScaleBkWidth(12);
        meter.SetScaleBkVisible(true);
        meter.SetCaption("bar");
        meter.NeedleLayout()->SetShadowDx(4);
        meter.NeedleLayout()->SetShadowDy(2);
        meter.NeedleLayout()->SetThickness(3);
        meter.NeedleLayoutSec()->SetVisible(true);
        meter.NeedleLayoutSec()->SetColorBody(clRed);
    };
    TMeter stepped;
    configure(stepped);
    Face(stepped);
    for (double v : {0.1, 0.45, 0.95, 0.5, 0.05, 0.7}) {
        stepped.SetValue(v);
        stepped.SetValueSec(1 - v);
        TMeter fresh;
        configure(fresh);
        fresh.SetValue(v);
        fresh.SetValueSec(1 - v);
        ASSERT_EQ(Current(stepped), Face(fresh)) << "after value " << v;
    }
}

// The kept face holds colors resolved under the palette of its paint: after a palette
// or font change the next value change must paint everything again, not reuse it.
TEST(MeterPainting, KeptFaceIsDroppedOnPaletteAndFontChanges)
{
    auto configure = [](TMeter& meter) {
        meter.SetColorBakG(clWindow);
        meter.SetValue(0.3);
    };
    TMeter meter;
    configure(meter);
    Face(meter);

    QPalette dark = QApplication::palette();
    dark.setColor(QPalette::Base, QColor(30, 30, 40));
    dark.setColor(QPalette::Text, QColor(220, 220, 220));
    {
        vektest::ScopedPalette darkPalette(dark);
        meter.SetValue(0.6);
        TMeter createdDark;
        configure(createdDark);
        createdDark.SetValue(0.6);
        EXPECT_EQ(Current(meter), Face(createdDark));
    }

    QFont font = meter.font();
    font.setPixelSize(16);
    meter.setFont(font);
    meter.SetValue(0.4);
    TMeter createdLarge;
    createdLarge.setFont(font);
    configure(createdLarge);
    createdLarge.SetValue(0.4);
    EXPECT_EQ(Current(meter), Face(createdLarge));
}

// Full paints reuse the kept face: every setting the face shows must drop it, or the
// meter would go on showing the old dial.
TEST(MeterPainting, KeptFaceFollowsEverySettingItShows)
{
    using Setting = std::function<void(TMeter&)>;
    const std::vector<std::pair<const char*, Setting>> settings = {
        {"ColorBakG", [](TMeter& m) { m.SetColorBakG(clYellow); }},
        {"ColorScale", [](TMeter& m) { m.SetColorScale(clRed); }},
        {"ColorSclBkLow", [](TMeter& m) { m.SetColorSclBkLow(clBlue); }},
        {"ColorSclBkNorm", [](TMeter& m) { m.SetColorSclBkNorm(clBlue); }},
        {"ColorSclBkHigh", [](TMeter& m) { m.SetColorSclBkHigh(clBlue); }},
        {"MeterScaleLine", [](TMeter& m) { m.SetMeterScaleLine(false); }},
        {"MeterShortTicks", [](TMeter& m) { m.SetMeterShortTicks(false); }},
        {"MeterDecPlaces", [](TMeter& m) { m.SetMeterDecPlaces(3); }},
        {"MeterNrTicks", [](TMeter& m) { m.SetMeterNrTicks(7); }},
        {"MeterLayout", [](TMeter& m) { m.SetMeterLayout(TMeter::mlCirc180); }},
        {"Caption", [](TMeter& m) { m.SetCaption("mA"); }},
        {"FontCaption", [](TMeter& m) { m.FontCaption()->SetSize(14); }},
        {"ScaleBkVisible", [](TMeter& m) { m.SetScaleBkVisible(false); }},
        {"ScaleBkWidth", [](TMeter& m) { m.SetScaleBkWidth(30); }},
        {"ScaleVisible", [](TMeter& m) { m.SetScaleVisible(false); }},
        {"MeterMaxValue", [](TMeter& m) { m.SetMeterMaxValue(5); }},
        {"Thresholds", [](TMeter& m) { m.SetThresholdLow(0.4); m.SetThresholdHigh(0.6); }},
        {"Logarithmic", [](TMeter& m) { m.SetMeterMinValue(0.01); m.SetLogarithmic(true); }},
        {"Enabled", [](TMeter& m) { m.setEnabled(false); }},
        {"Smoothing", [](TMeter& m) { m.SetSmoothing(false); }},
        {"Size", [](TMeter& m) { m.resize(330, 240); }},
    };
    auto configure = [](TMeter& meter) {
        meter.SetThresholdLow(0.2);
        meter.SetThresholdHigh(0.8);
        meter.SetScaleBkWidth(10);
        meter.SetScaleBkVisible(true);
        meter.SetCaption("V");
        meter.SetValue(0.5);
    };
    for (const auto& [name, apply] : settings) {
        TMeter kept;
        configure(kept);
        Face(kept);
        apply(kept);
        TMeter fresh;
        fresh.SetVisible(false); // a hidden meter paints nothing, so keeps no face yet
        configure(fresh);
        apply(fresh);
        fresh.SetVisible(true);
        EXPECT_EQ(Face(kept), Face(fresh)) << name;
    }
}

TEST(MeterPainting, FaceDrawnWithALabelHookIsNotKept)
{
    TMeter hooked;
    hooked.OnBeforeDrawScaleLabel = [](TObject*, TCanvas*, QString& label, int, int) {
        label = "x";
    };
    Face(hooked);
    hooked.OnBeforeDrawScaleLabel = nullptr;
    TMeter plain;
    EXPECT_EQ(Face(hooked), Face(plain));
}

TEST(MeterImages, MissingAndCorruptFiles)
{
    QTemporaryDir dir;
    const QString corrupt = dir.filePath("corrupt.bmp");
    QFile file(corrupt);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not an image at all");
    file.close();

    TMeter meter;
    meter.SetBackGroundImg(dir.filePath("missing.png"));
    EXPECT_EQ(meter.BackGroundImg(), "");
    EXPECT_THROW(meter.SetBackGroundImg(corrupt), EInvalidGraphic);
    EXPECT_EQ(meter.BackGroundImg(), "");
    meter.SetAnchorImage(corrupt);
    EXPECT_EQ(meter.AnchorImage(), "");
    meter.SetAnchorImage(dir.filePath("missing.png"));
    EXPECT_EQ(meter.AnchorImage(), "");

    // Stored settings naming a corrupt file leave the dial without the image, quietly.
    meter.BeginLoading();
    meter.SetBackGroundImg(corrupt);
    meter.SetAnchorImage(corrupt);
    EXPECT_EQ(meter.BackGroundImg(), corrupt);
    meter.EndLoading();
    EXPECT_EQ(meter.BackGroundImg(), "");
    EXPECT_EQ(meter.AnchorImage(), "");
}

TEST(MeterImages, BackgroundModesAndHubImage)
{
    QTemporaryDir dir;
    // 20 x 10: red left half, blue right half.
    QImage picture(20, 10, QImage::Format_RGB32);
    picture.fill(Qt::red);
    for (int y = 0; y < 10; ++y)
        for (int x = 10; x < 20; ++x)
            picture.setPixel(x, y, qRgb(0, 0, 255));
    const QString name = dir.filePath("dial.png");
    ASSERT_TRUE(picture.save(name));

    TMeter meter;
    meter.NeedleLayout()->SetVisible(false);
    meter.SetBkgndFillMode(bfTile);
    meter.SetBackGroundImg(name);
    EXPECT_EQ(meter.BackGroundImg(), name);
    QImage face = Current(meter);
    EXPECT_EQ(ColorAt(face, 45, 150), clRed);  // 45 mod 20 = 5
    EXPECT_EQ(ColorAt(face, 55, 150), clBlue); // 55 mod 20 = 15
    EXPECT_EQ(ColorAt(face, 245, 150), clRed);

    meter.SetBkgndFillMode(bfStretch);
    face = Current(meter);
    EXPECT_EQ(ColorAt(face, 60, 150), clRed);
    EXPECT_EQ(ColorAt(face, 240, 150), clBlue);

    meter.SetBkgndFillMode(bfSimple); // once, over a white rectangle with a black outline
    face = Current(meter);
    EXPECT_EQ(ColorAt(face, 60, 150), clWhite);

    meter.SetBackGroundImg("");
    meter.SetAnchorImage(name); // centred on the pivot (148, 191), opaque
    face = Current(meter);
    EXPECT_EQ(ColorAt(face, 140, 188), clRed);
    EXPECT_EQ(ColorAt(face, 155, 194), clBlue);
    EXPECT_EQ(ColorAt(face, 148, 180), clWhite); // no disc

    const QString corrupt = dir.filePath("corrupt.png");
    QFile file(corrupt);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\x89PNG broken");
    file.close();
    meter.SetBackGroundImg(name);
    EXPECT_THROW(meter.SetBackGroundImg(corrupt), EInvalidGraphic);
    EXPECT_EQ(meter.BackGroundImg(), name); // still the picture that is shown

    TMeter stored;
    stored.NeedleLayout()->SetVisible(false);
    stored.BeginLoading();
    stored.SetBackGroundImg(name);
    stored.SetBkgndFillMode(bfTile);
    stored.EndLoading();
    EXPECT_EQ(ColorAt(Current(stored), 45, 150), clRed);
}

TEST(MeterScale, LineTicksAndVisibility)
{
    TMeter meter;
    meter.NeedleLayout()->SetVisible(false);
    // The scale arc crosses column 142 (92 degrees, between two minor ticks) at row 16;
    // antialiased, its one pixel of ink may spread over two rows.
    QImage face = Face(meter);
    EXPECT_NEAR(ColumnInk(face, 142, 13, 19, clNavy, clWhite), 1, 0.35);
    EXPECT_GT(InkCover(face, 142, 16, clNavy, clWhite), 0.5);
    // The minor tick at 0.5 is straight up: it runs from R to R - 4 (rows 16..19).
    EXPECT_EQ(vektest::ColumnPattern(face, 148, 14, 22, clNavy), "..####...");
    const QRect scale(10, 8, 277, 60);
    const int minorInk = CountInk(face, scale, clNavy, clWhite);

    meter.SetMeterShortTicks(false);
    face = Current(meter);
    EXPECT_NEAR(ColumnInk(face, 148, 13, 19, clNavy, clWhite), 1, 0.35); // the arc alone
    EXPECT_EQ(ColumnInk(face, 148, 18, 24, clNavy, clWhite), 0);
    EXPECT_LT(CountInk(face, scale, clNavy, clWhite), minorInk);

    meter.SetMeterScaleLine(false);
    EXPECT_EQ(ColumnInk(Current(meter), 142, 13, 19, clNavy, clWhite), 0);

    meter.SetScaleVisible(false);
    face = Current(meter);
    EXPECT_EQ(CountInk(face, face.rect(), clNavy, clWhite), 0);
    EXPECT_EQ(vektest::CountColor(face, QRect(10, 30, 277, 60), clBlack), 0); // no labels
}

TEST(MeterScale, FullCircleArcIsClosed)
{
    TMeter meter;
    meter.SetMeterLayout(TMeter::mlCirc360);
    meter.SetMeterShortTicks(false);
    meter.NeedleLayout()->SetVisible(false);
    const QImage face = Face(meter);
    const int cx = meter.MeterCenterX();
    const int cy = meter.MeterCenterY();
    const int R = int(std::lround(meter.MeterRadius()));
    // Around the whole circle, the arc leaves its pixel of ink in every row and column
    // it crosses (the minor ticks are off, the major ones lie elsewhere).
    EXPECT_NEAR(RowInk(face, cy, cx + R - 3, cx + R + 3, clNavy, clWhite), 1, 0.35);
    EXPECT_NEAR(RowInk(face, cy, cx - R - 3, cx - R + 3, clNavy, clWhite), 1, 0.35);
    EXPECT_NEAR(ColumnInk(face, cx, cy - R - 3, cy - R + 3, clNavy, clWhite), 1, 0.35);
    // Beside the tick of min and max at the bottom.
    EXPECT_NEAR(ColumnInk(face, cx + 5, cy + R - 3, cy + R + 3, clNavy, clWhite), 1, 0.35);
}
