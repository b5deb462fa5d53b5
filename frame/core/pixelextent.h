// Widths, heights and positions that properties give in pixels.
#pragma once

#include <algorithm>

namespace vek {

/// The largest extent a control draws with: QWIDGETSIZE_MAX, as no widget is larger.
constexpr int MaxPixelExtent = (1 << 24) - 1;

/// A width or height in pixels as a setter stores it: 0 .. MaxPixelExtent, so that the
/// sums and differences of a few of them stay inside int.
constexpr int PixelExtent(int value)
{
    return std::clamp(value, 0, MaxPixelExtent);
}

/// A position in pixels as a setter stores it: -MaxPixelExtent .. MaxPixelExtent.
constexpr int PixelPosition(int value)
{
    return std::clamp(value, -MaxPixelExtent, MaxPixelExtent);
}

} // namespace vek
