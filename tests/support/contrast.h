// Legibility checks for tests: the contrast ratio of two colors as the web accessibility
// guidelines define it (1:1 for equal colors, 21:1 for black on white), and the contrast
// of text drawn in an area against the background it stands on.
#pragma once

#include "pixels.h"

#include <QColor>

#include <algorithm>
#include <cmath>

namespace vektest {

// Relative luminance of a color, 0 (black) .. 1 (white).
inline double RelativeLuminance(vek::TColor color)
{
    const QColor c = vek::ToQColor(color);
    const auto linear = [](int channel) {
        const double v = channel / 255.0;
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.red()) + 0.7152 * linear(c.green()) + 0.0722 * linear(c.blue());
}

inline double ContrastRatio(vek::TColor a, vek::TColor b)
{
    const double la = RelativeLuminance(a), lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The contrast against background of the text pixel in area that stands out most: the
// ink of the strokes, as smoothed edge pixels lie between ink and background. 1 when
// nothing but background is there.
inline double TextContrast(const QImage& image, const QRect& area, vek::TColor background)
{
    double best = 1.0;
    const QRect clipped = area.intersected(image.rect());
    for (int y = clipped.top(); y <= clipped.bottom(); ++y)
        for (int x = clipped.left(); x <= clipped.right(); ++x)
            best = std::max(best, ContrastRatio(ColorAt(image, x, y), background));
    return best;
}

} // namespace vektest
