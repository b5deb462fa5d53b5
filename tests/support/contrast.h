// Readability of rendered text: the contrast ratio (the frame's, as the controls choose
// their text colors by it) between text pixels and the background they are drawn on.
#pragma once

#include <frame/baselib/textcolors.h>
#include <frame/canvas/colors.h>

#include <QImage>
#include <QRect>
#include <QRgb>

#include <algorithm>
#include <vector>

namespace vektest {

// The contrast ratio of two pixels (vek::ContrastRatio on Qt's color layout).
inline double PixelContrast(QRgb a, QRgb b)
{
    return vek::ContrastRatio(vek::FromQRgb(a), vek::FromQRgb(b));
}

// The contrast of the text drawn inside area against background: the strongest one any
// pixel there has, which is the text's core (antialiased edges blend into the
// background). 1 when nothing is drawn, so that a missing text fails a contrast check.
inline double InkContrast(const QImage& image, const QRect& area, QRgb background)
{
    double best = 1.0;
    const QRect inside = area & image.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            best = std::max(best, PixelContrast(image.pixel(x, y), background));
    return best;
}

// The same for a background given as a TColor.
inline double TextContrast(const QImage& image, const QRect& area, vek::TColor background)
{
    return InkContrast(image, area, vek::ToQRgb(background));
}

/// One piece of text: where it is, how many pixels the glyphs changed and the strongest
/// contrast between a glyph pixel and the pixel under it.
struct TextRegion {
    QRect bounds;
    int pixels = 0;
    double contrast = 1.0;
    QRgb ink = 0;        // the glyph pixel with that contrast
    QRgb background = 0; // and the pixel under it
};

/// Groups the pixels that differ between two renderings of the same picture (with and
/// without its glyphs) into regions, joining pixels up to `gap` apart so that a word
/// is one region.
std::vector<TextRegion> TextRegions(const QImage& withGlyphs, const QImage& withoutGlyphs,
                                    int gap = 2);

} // namespace vektest
