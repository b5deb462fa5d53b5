// The library's named color palette and color arithmetic.
#pragma once

#include <frame/canvas/colors.h>

namespace vek {

/// The mean of two colors, channel by channel, rounded down. System colors are resolved
/// through the application palette first, so the result is always a plain RGB color.
VEK_EXPORT TColor MeanColor(TColor ColorA, TColor ColorB);

/// The predefined colors, 1-based, in an order that lets the color selector load its
/// palettes as contiguous ranges:
///   1..16  the basic VGA colors: clBlack, clMaroon, clGreen, clOlive, clNavy, clPurple,
///          clTeal, clGray, clSilver, clRed, clLime, clYellow, clBlue, clFuchsia, clAqua,
///          clWhite;
///   17..20 the four extra named colors that complete the extended palette: clMoneyGreen,
///          clSkyBlue, clCream, clMedGray;
///   21..47 the system colors in the order of their index: clScrollBar, clBackground,
///          clActiveCaption, clInactiveCaption, clMenu, clWindow, clWindowFrame,
///          clMenuText, clWindowText, clCaptionText, clActiveBorder, clInactiveBorder,
///          clAppWorkSpace, clHighlight, clHighlightText, clBtnFace, clBtnShadow,
///          clGrayText, clBtnText, clInactiveCaptionText, clBtnHighlight, cl3DDkShadow,
///          cl3DLight, clInfoText, clInfoBk, then clHotLight and clMenuHighlight.
/// The system colors stay symbolic (0xFF0000nn), so they follow the application's theme.
inline constexpr int pcBasicVGACount = 16;     // entries 1..16
inline constexpr int pcExtendedCount = 20;     // entries 1..20
inline constexpr int pcFirstSystemColor = 21;  // entries 21..47
inline constexpr int pcSystemColorCount = 27;

/// Number of predefined colors (47).
VEK_EXPORT int PredefinedColorCount();

/// Predefined color number Index (1..PredefinedColorCount()); clBlack outside that range.
VEK_EXPORT TColor PredefinedColor(int Index);

} // namespace vek
