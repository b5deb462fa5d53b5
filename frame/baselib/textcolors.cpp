#include "textcolors.h"

#include "drawing.h"

#include <algorithm>
#include <cmath>

namespace vek {

namespace {

constexpr TColor LightFace = 0xF0F0F0;
constexpr TColor DarkFace = 0x303030;

// Of two candidates, the one that contrasts more with against.
TColor BetterOn(TColor against, TColor first, TColor second)
{
    return ContrastRatio(first, against) >= ContrastRatio(second, against) ? first : second;
}

} // namespace

double RelativeLuminance(TColor Color)
{
    const TColor rgb = ColorToRGB(Color);
    const auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(GetRValue(rgb)) + 0.7152 * linear(GetGValue(rgb)) +
           0.0722 * linear(GetBValue(rgb));
}

double ContrastRatio(TColor A, TColor B)
{
    const double a = RelativeLuminance(A), b = RelativeLuminance(B);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

TTextColors PairedTextColors(TColor Text, TColor Background)
{
    const bool systemText = IsSystemColor(Text);
    if (systemText == IsSystemColor(Background))
        return {Text, Background};
    if (systemText)
        return {BetterOn(Background, clBlack, clWhite), Background};
    return {Text, BetterOn(Text, LightFace, DarkFace)};
}

TColor DisabledTextColorOn(TColor Background)
{
    if (!IsSystemColor(Background))
        return clGray;
    return DarkPaletteActive() ? DisabledTextColor() : clBtnShadow;
}

} // namespace vek
