// Every text a gallery page shows through our controls is legible, in the light and the
// dark palette: each word's glyphs reach at least 3:1 against what they are drawn on.
// Glyph pixels are found by rendering each page twice, once without glyphs; a third
// rendering with glyphs shows what moves by itself (timers, a caret), which is left out.
// Text faded on purpose (disabled, or days of other months) is drawn in the palette's
// disabled text color and only has to stand out from its background.
#include "contrast.h"
#include "pages.h"

#include <frame/canvas/glyphprobe_p.h>

#include <QApplication>

#include <cstdlib>
#include <QStyle>

#include <gtest/gtest.h>

namespace {

// 3:1 for the core of the strokes; small antialiased glyphs never quite reach their
// color, so a little is allowed for that.
constexpr double MinimumContrast = 2.85;
constexpr double MinimumFadedContrast = 1.5;
// Fewer changed pixels than this are a caret or an edge, not a piece of text; marks
// lower than this (asterisks, dots) never reach their ink color at all.
constexpr int MinimumTextPixels = 6;
constexpr int MinimumTextHeight = 7;
// Its text is made of dots in the label's own dot colors, not of glyphs: hiding glyphs
// empties its rasterized font and changes the layout rather than removing the text.
const QString DotMatrixPage = "rasterlab";

struct Palette {
    const char* name;
    QPalette palette;
};

bool Near(QRgb a, QRgb b)
{
    constexpr int tolerance = 6; // antialiased cores of small glyphs
    return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

// Whether the ink is one of the faded colors of disabled text: the palette's, the edge
// color engraved captions use on light palettes, the fixed gray the controls use on fixed
// surfaces, or the report list's disabled rows' silver.
bool Faded(QRgb ink, const QPalette& palette)
{
    for (QPalette::ColorRole role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
        if (Near(palette.color(QPalette::Disabled, role).rgb(), ink))
            return true;
    if (Near(palette.color(QPalette::Dark).rgb(), ink))
        return true;
    return Near(ink, qRgb(0x80, 0x80, 0x80)) || Near(ink, qRgb(0xC0, 0xC0, 0xC0));
}

// Whether anything in r changed between two renderings of the same page.
bool Moving(const QImage& first, const QImage& second, const QRect& r)
{
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (first.pixel(x, y) != second.pixel(x, y))
                return true;
    return false;
}

void ExpectLegibleText(const Palette& palette)
{
    ASSERT_FALSE(GalleryPages().empty());
    QApplication::setPalette(palette.palette);
    int texts = 0;
    for (const GalleryPage& page : GalleryPages()) {
        if (page.fileName == DotMatrixPage)
            continue;
        const QImage withGlyphs = RenderPage(page);
        vek::glyphprobe::SetGlyphsHidden(true);
        const QImage withoutGlyphs = RenderPage(page);
        vek::glyphprobe::SetGlyphsHidden(false);
        const QImage again = RenderPage(page);
        for (const vektest::TextRegion& text : vektest::TextRegions(withGlyphs, withoutGlyphs)) {
            if (text.pixels < MinimumTextPixels || text.bounds.height() < MinimumTextHeight ||
                Moving(withGlyphs, again, text.bounds))
                continue;
            ++texts;
            const QRect& r = text.bounds;
            EXPECT_GE(text.contrast,
                      Faded(text.ink, palette.palette) ? MinimumFadedContrast : MinimumContrast)
                << palette.name << " palette, page \"" << page.title.toStdString()
                << "\": text at (" << r.x() << ", " << r.y() << ") size " << r.width() << " x "
                << r.height() << ", ink #" << std::hex << (text.ink & RGB_MASK) << " on #"
                << (text.background & RGB_MASK) << std::dec;
        }
    }
    // The probe works: the pages show many texts through the canvas (some pages show
    // none: a line edit of Qt's own, segment pictures, thumbnails).
    EXPECT_GT(texts, 100);
}

} // namespace

TEST(GalleryContrast, TextIsLegibleInTheDarkPalette)
{
    ExpectLegibleText({"dark", GalleryDarkPalette()});
}

TEST(GalleryContrast, TextIsLegibleInTheLightPalette)
{
    ExpectLegibleText({"light", QApplication::style()->standardPalette()});
}
