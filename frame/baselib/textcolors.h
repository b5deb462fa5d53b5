// Text colors that stay readable whatever the palette: a text color and the background
// it is drawn on must both follow the palette or both be fixed, or a theme switch turns
// one of them and leaves the other (white text on a fixed cream box, black text on a
// dark face).
#pragma once

#include <frame/canvas/colors.h>

namespace vek {

/// Relative luminance of a color (sRGB, linearised), from 0 (black) to 1 (white); system
/// colors are resolved through the application palette.
VEK_EXPORT double RelativeLuminance(TColor Color);

/// WCAG contrast ratio of two colors, from 1 (the same) to 21 (black on white); system
/// colors are resolved through the application palette.
VEK_EXPORT double ContrastRatio(TColor A, TColor B);

/// A text color and the background it is painted on.
struct TTextColors {
    /// The text color and the surface color.
    TColor Text;
    TColor Background;
};

/// The colors to paint Text on Background with. When both are system colors or both
/// fixed they stay as they are. When one is fixed and the other follows the palette,
/// the fixed one is the application's choice and stays, and the other becomes fixed
/// too: a system text color gives way to black or white, whichever reads better on the
/// background; a system background gives way to a light face ($F0F0F0) or a dark one
/// ($303030), whichever the text reads better on.
VEK_EXPORT TTextColors PairedTextColors(TColor Text, TColor Background);

/// The color of disabled text on Background: on a background that follows the palette
/// the button shadow (a light palette) or the palette's disabled text color (a dark
/// one, where the shadow is as dark as the face); on a fixed background the fixed gray
/// $808080.
VEK_EXPORT TColor DisabledTextColorOn(TColor Background);

} // namespace vek
