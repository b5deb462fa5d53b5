// TColor constants and conversions. System colors (0xFF0000nn) are resolved through the
// application's QPalette, so every control follows the application's theme.
#pragma once

#include <frame/core/types.h>

#include <QColor>
#include <QRgb>

namespace vek {

constexpr TColor RGB(int r, int g, int b)
{
    return TColor(r & 0xFF) | (TColor(g & 0xFF) << 8) | (TColor(b & 0xFF) << 16);
}
constexpr int GetRValue(TColor c) { return int(c & 0xFF); }
constexpr int GetGValue(TColor c) { return int((c >> 8) & 0xFF); }
constexpr int GetBValue(TColor c) { return int((c >> 16) & 0xFF); }

constexpr TColor clSystemColor = 0xFF000000;
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;

constexpr TColor clBlack = 0x000000, clMaroon = 0x000080, clGreen = 0x008000,
                 clOlive = 0x008080, clNavy = 0x800000, clPurple = 0x800080,
                 clTeal = 0x808000, clGray = 0x808080, clSilver = 0xC0C0C0,
                 clRed = 0x0000FF, clLime = 0x00FF00, clYellow = 0x00FFFF,
                 clBlue = 0xFF0000, clFuchsia = 0xFF00FF, clAqua = 0xFFFF00,
                 clWhite = 0xFFFFFF, clLtGray = 0xC0C0C0, clDkGray = 0x808080,
                 clMoneyGreen = 0xC0DCC0, clSkyBlue = 0xF0CAA6, clCream = 0xF0FBFF,
                 clMedGray = 0xA4A0A0;

constexpr TColor clScrollBar = 0xFF000000, clBackground = 0xFF000001,
                 clActiveCaption = 0xFF000002, clInactiveCaption = 0xFF000003,
                 clMenu = 0xFF000004, clWindow = 0xFF000005, clWindowFrame = 0xFF000006,
                 clMenuText = 0xFF000007, clWindowText = 0xFF000008,
                 clCaptionText = 0xFF000009, clActiveBorder = 0xFF00000A,
                 clInactiveBorder = 0xFF00000B, clAppWorkSpace = 0xFF00000C,
                 clHighlight = 0xFF00000D, clHighlightText = 0xFF00000E,
                 clBtnFace = 0xFF00000F, clBtnShadow = 0xFF000010, clGrayText = 0xFF000011,
                 clBtnText = 0xFF000012, clInactiveCaptionText = 0xFF000013,
                 clBtnHighlight = 0xFF000014, cl3DDkShadow = 0xFF000015,
                 cl3DLight = 0xFF000016, clInfoText = 0xFF000017, clInfoBk = 0xFF000018,
                 clHotLight = 0xFF00001A, clGradientActiveCaption = 0xFF00001B,
                 clGradientInactiveCaption = 0xFF00001C, clMenuHighlight = 0xFF00001D,
                 clMenuBar = 0xFF00001E;

inline bool IsSystemColor(TColor c) { return (c & 0xFF000000) == clSystemColor; }

/// Resolves a system color through the application palette; other colors lose their
/// high byte. clNone and clDefault resolve to black and the window color respectively.
VEK_EXPORT TColor ColorToRGB(TColor color);

/// "clRed" for colors with a name (system colors included), "$00BBGGRR" otherwise.
VEK_EXPORT QString ColorToString(TColor color);

/// Inverse of ColorToString; also accepts "$hex" and decimal numbers. Raises
/// EConvertError for any other text.
VEK_EXPORT TColor StringToColor(const QString& text);

/// Conversions between TColor and Qt's color types (system colors resolved).
VEK_EXPORT QColor ToQColor(TColor color);
VEK_EXPORT QRgb ToQRgb(TColor color);
VEK_EXPORT TColor FromQColor(const QColor& color);
VEK_EXPORT TColor FromQRgb(QRgb rgb);

} // namespace vek

/// Declares the QColor-typed companions of the TColor property Name (getter Name(),
/// setter SetName()) whose default is Default, for the property's
///   Q_PROPERTY(QColor Name READ qName WRITE setQName RESET resetName)
/// so that Qt Designer shows a color picker and can restore the default (system colors
/// included). The getter returns the color resolved through the palette.
#define VEK_COLOR_PROPERTY(Name, Default)                                                  \
    QColor q##Name() const { return ::vek::ToQColor(Name()); }                            \
    void setQ##Name(const QColor& color) { Set##Name(::vek::FromQColor(color)); }         \
    void reset##Name() { Set##Name(Default); }
