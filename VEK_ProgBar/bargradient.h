// The bar's color gradient. Private to TProgBar.
#pragma once

#include <frame/core/types.h>

namespace vek::progbar {

// The color at fraction t (clamped to 0 .. 1) from a to b: each of red, green and blue
// is Trunc((b - a) * t + a). System colors are resolved through the palette first, so
// a gradient from clHighlight blends the theme's color rather than its index bytes.
TColor GradientColor(TColor a, TColor b, double t);

} // namespace vek::progbar
