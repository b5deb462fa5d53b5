// On a screen of device pixel ratio 2 every control paints at device resolution: its
// grab has twice the pixels on each axis, and text and curves have edges inside the 2 x 2
// device blocks of a logical pixel, where an upscaled picture has none.
#include <VEK_Colsel.h>
#include <VEK_FolderTree.h>
#include <VEK_Meter.h>
#include <VEK_MiniCal.h>
#include <VEK_NumIO.h>
#include <VEK_NumLab.h>
#include <VEK_ProgBar.h>
#include <VEK_RotLab.h>
#include <VEK_ntabed.h>
#include <VEK_onoffbut.h>
#include <VEK_replist.h>
#include <VEK_repsbut.h>
#include <VEK_sevenseg.h>

#include "pixels.h"

#include <frame/canvas/glyphprobe_p.h>

#include <QApplication>
#include <QPixmap>

#include <functional>
#include <memory>

#include <gtest/gtest.h>

using namespace vek;

namespace {

// The share of the 2 x 2 device blocks that are not all one color, among the blocks
// the control's text touches (those that change when glyphs are hidden). Text upscaled
// from a 1x picture has every block in one color.
double MixedTextBlocks(const QImage& withGlyphs, const QImage& withoutGlyphs)
{
    const QImage a = withGlyphs.convertToFormat(QImage::Format_RGB32);
    const QImage b = withoutGlyphs.convertToFormat(QImage::Format_RGB32);
    int text = 0, mixed = 0;
    for (int y = 0; y + 1 < a.height(); y += 2)
        for (int x = 0; x + 1 < a.width(); x += 2) {
            const QPoint block[4] = {{x, y}, {x + 1, y}, {x, y + 1}, {x + 1, y + 1}};
            bool touched = false, uniform = true;
            for (QPoint p : block) {
                touched |= a.pixel(p) != b.pixel(p);
                uniform &= a.pixel(p) == a.pixel(block[0]);
            }
            text += touched;
            mixed += touched && !uniform;
        }
    return text == 0 ? 0.0 : double(mixed) / text;
}

QPixmap Grab(const std::function<QWidget*()>& create, bool glyphs)
{
    glyphprobe::SetGlyphsHidden(!glyphs);
    std::unique_ptr<QWidget> control(create());
    control->resize(control->sizeHint());
    QPixmap grab = control->grab();
    glyphprobe::SetGlyphsHidden(false);
    return grab;
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
        {"TOnOffBut", [] { auto* c = new TOnOffBut; c->SetRightText("On"); return c; }},
        {"TMiniCal", [] { return new TMiniCal; }},
        {"TColSel", [] { return new TColSel; }},
        {"TRepSpeedButton", [] { auto* c = new TRepSpeedButton; c->SetCaption("Repeat"); return c; }},
        {"TReportListView", [] {
             auto* c = new TReportListView;
             c->SetElem(1, 1, "Text");
             return c;
         }},
        {"TNTabEd", [] {
             auto* c = new TNTabEd;
             c->SetElem(1, 1, 12.5);
             return c;
         }},
    };
}

} // namespace

TEST(HighDpi, TheScreenHasRatioTwo)
{
    EXPECT_EQ(qApp->devicePixelRatio(), 2.0);
}

TEST(HighDpi, ControlsPaintTextAtDeviceResolution)
{
    for (const Case& c : Controls()) {
        const QPixmap grab = Grab(c.create, true);
        std::unique_ptr<QWidget> control(c.create());
        control->resize(control->sizeHint());
        EXPECT_EQ(grab.devicePixelRatio(), 2.0) << c.name;
        EXPECT_EQ(grab.size(), control->size() * 2) << c.name;
        const double mixed = MixedTextBlocks(grab.toImage(), Grab(c.create, false).toImage());
        EXPECT_GT(mixed, 0.2) << c.name << ": text looks upscaled (" << mixed
                              << " of its device blocks have edges inside)";
    }
}

// The seven-segment display draws no text but scaled segment pictures: they are scaled to
// device pixels, so their slanted edges fall inside logical pixels.
TEST(HighDpi, SegmentsAreScaledToDevicePixels)
{
    TSevenSeg display;
    display.SetCaption("8.5");
    display.resize(display.sizeHint());
    EXPECT_GT(vektest::MixedDeviceBlocks(display.grab().toImage()), 20);
}

// The folder tree's names are drawn by Qt's item views, not through the canvas: the text
// is what changes when the root's name is taken away.
TEST(HighDpi, FolderTreePaintsTextAtDeviceResolution)
{
    TFolderTree tree;
    tree.resize(tree.sizeHint());
    TTreeNode* root = tree.Items()->GetFirstNode();
    root->SetText("Documents");
    const QPixmap named = tree.grab();
    root->SetText(QString());
    EXPECT_EQ(named.devicePixelRatio(), 2.0);
    EXPECT_GT(MixedTextBlocks(named.toImage(), tree.grab().toImage()), 0.2);
}
