#include "bargradient.h"

#include <frame/canvas/colors.h>
#include <frame/runtime/rtl.h>

#include <algorithm>

namespace vek::progbar {

TColor GradientColor(TColor a, TColor b, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    const TColor from = ColorToRGB(a);
    const TColor to = ColorToRGB(b);
    TColor result = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const int ca = int((from >> shift) & 0xFF);
        const int cb = int((to >> shift) & 0xFF);
        result |= TColor(Trunc((cb - ca) * t + ca)) << shift;
    }
    return result;
}

} // namespace vek::progbar
