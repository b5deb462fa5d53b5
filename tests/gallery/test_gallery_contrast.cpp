// Every text a gallery page shows through our controls is legible, in the light and the
// dark palette: each word's glyphs reach at least 3:1 against what they are drawn on.
// Glyph pixels are found by rendering each page twice, once without glyphs.
#include "contrast.h"
#include "pages.h"

#include <frame/canvas/glyphprobe_p.h>

#include <QApplication>
#include <QStyle>

#include <gtest/gtest.h>

namespace {

constexpr double MinimumContrast = 3.0;
// Fewer changed pixels than this are a caret or an edge, not a piece of text.
constexpr int MinimumTextPixels = 6;

struct Palette {
    const char* name;
    QPalette palette;
};

void ExpectLegibleText(const Palette& palette)
{
    ASSERT_FALSE(GalleryPages().empty());
    QApplication::setPalette(palette.palette);
    for (const GalleryPage& page : GalleryPages()) {
        const QImage withGlyphs = RenderPage(page);
        vek::glyphprobe::SetGlyphsHidden(true);
        const QImage withoutGlyphs = RenderPage(page);
        vek::glyphprobe::SetGlyphsHidden(false);
        int texts = 0;
        for (const vektest::TextRegion& text : vektest::TextRegions(withGlyphs, withoutGlyphs)) {
            if (text.pixels < MinimumTextPixels)
                continue;
            ++texts;
            const QRect& r = text.bounds;
            EXPECT_GE(text.contrast, MinimumContrast)
                << palette.name << " palette, page \"" << page.title.toStdString()
                << "\": text at (" << r.x() << ", " << r.y() << ") size " << r.width() << " x "
                << r.height();
        }
        EXPECT_GT(texts, 0) << "page \"" << page.title.toStdString() << "\" shows no text";
    }
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
