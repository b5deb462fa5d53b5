// Readability of rendered text: the WCAG contrast ratio between text pixels and the
// background they are drawn on. Self-contained (Qt only), so any test can include it.
#pragma once

#include <frame/canvas/colors.h>

#include <QImage>
#include <QRect>
#include <QRgb>

#include <algorithm>
#include <cmath>
#include <vector>

namespace vektest {

// Relative luminance of an sRGB color, 0 (black) to 1 (white).
inline double RelativeLuminance(QRgb rgb)
{
    const auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(rgb)) + 0.7152 * linear(qGreen(rgb)) + 0.0722 * linear(qBlue(rgb));
}

// Contrast ratio of two colors, 1 (equal) to 21 (black on white); readable text needs at
// least 3 (large text) or 4.5.
inline double ContrastRatio(QRgb a, QRgb b)
{
    const double la = RelativeLuminance(a), lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
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
            best = std::max(best, ContrastRatio(image.pixel(x, y), background));
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
