// Legibility measures for appearance tests: the contrast ratio of two colors (1 for equal
// colors, 21 for black on white; text wants at least 3 to 4.5) and the text regions that
// differ between a rendering with glyphs and one without.
#pragma once

#include <QImage>
#include <QRect>

#include <vector>

namespace vektest {

/// Contrast ratio of two colors by their relative luminance, from 1 to 21.
double ContrastRatio(QRgb a, QRgb b);

/// One piece of text: where it is, how many pixels the glyphs changed and the strongest
/// contrast between a glyph pixel and the pixel under it.
struct TextRegion {
    QRect bounds;
    int pixels = 0;
    double contrast = 1.0;
};

/// Groups the pixels that differ between two renderings of the same picture (with and
/// without its glyphs) into regions, joining pixels up to `gap` apart so that a word
/// is one region.
std::vector<TextRegion> TextRegions(const QImage& withGlyphs, const QImage& withoutGlyphs,
                                    int gap = 2);

} // namespace vektest
