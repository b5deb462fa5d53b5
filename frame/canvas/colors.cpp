#include "colors.h"

#include <frame/core/errors.h>

#include <QApplication>
#include <QPalette>

#include <array>

namespace vek {

namespace {

struct PaletteEntry {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// System color index -> palette role. Indices without an own role borrow the closest one.
PaletteEntry SystemColorRole(int index)
{
    using P = QPalette;
    switch (index) {
    case 0x00: return {P::Active, P::Mid};              // scroll bar
    case 0x01: return {P::Active, P::Window};           // desktop background
    case 0x02: return {P::Active, P::Highlight};        // active caption
    case 0x03: return {P::Inactive, P::Mid};            // inactive caption
    case 0x04: return {P::Active, P::Window};           // menu
    case 0x05: return {P::Active, P::Base};             // window
    case 0x06: return {P::Active, P::Shadow};           // window frame
    case 0x07: return {P::Active, P::WindowText};       // menu text
    case 0x08: return {P::Active, P::Text};             // window text
    case 0x09: return {P::Active, P::HighlightedText};  // caption text
    case 0x0A: return {P::Active, P::Window};           // active border
    case 0x0B: return {P::Inactive, P::Window};         // inactive border
    case 0x0C: return {P::Active, P::Mid};              // application work space
    case 0x0D: return {P::Active, P::Highlight};
    case 0x0E: return {P::Active, P::HighlightedText};
    case 0x0F: return {P::Active, P::Button};           // button face
    case 0x10: return {P::Active, P::Dark};             // button shadow
    case 0x11: return {P::Disabled, P::Text};           // gray text
    case 0x12: return {P::Active, P::ButtonText};
    case 0x13: return {P::Inactive, P::HighlightedText}; // inactive caption text
    case 0x14: return {P::Active, P::Light};            // button highlight
    case 0x15: return {P::Active, P::Shadow};           // 3-D dark shadow
    case 0x16: return {P::Active, P::Midlight};         // 3-D light
    case 0x17: return {P::Active, P::ToolTipText};
    case 0x18: return {P::Active, P::ToolTipBase};
    case 0x1A: return {P::Active, P::Link};             // hot light
    case 0x1B: return {P::Active, P::Highlight};        // gradient active caption
    case 0x1C: return {P::Inactive, P::Mid};            // gradient inactive caption
    case 0x1D: return {P::Active, P::Highlight};        // menu highlight
    case 0x1E: return {P::Active, P::Window};           // menu bar
    default: return {P::Active, P::Window};
    }
}

struct NamedColor {
    TColor color;
    const char* name;
};

constexpr std::array<NamedColor, 52> kNamedColors{{
    {clBlack, "clBlack"},
    {clMaroon, "clMaroon"},
    {clGreen, "clGreen"},
    {clOlive, "clOlive"},
    {clNavy, "clNavy"},
    {clPurple, "clPurple"},
    {clTeal, "clTeal"},
    {clGray, "clGray"},
    {clSilver, "clSilver"},
    {clRed, "clRed"},
    {clLime, "clLime"},
    {clYellow, "clYellow"},
    {clBlue, "clBlue"},
    {clFuchsia, "clFuchsia"},
    {clAqua, "clAqua"},
    {clWhite, "clWhite"},
    {clMoneyGreen, "clMoneyGreen"},
    {clSkyBlue, "clSkyBlue"},
    {clCream, "clCream"},
    {clMedGray, "clMedGray"},
    {clActiveBorder, "clActiveBorder"},
    {clActiveCaption, "clActiveCaption"},
    {clAppWorkSpace, "clAppWorkSpace"},
    {clBackground, "clBackground"},
    {clBtnFace, "clBtnFace"},
    {clBtnHighlight, "clBtnHighlight"},
    {clBtnShadow, "clBtnShadow"},
    {clBtnText, "clBtnText"},
    {clCaptionText, "clCaptionText"},
    {clDefault, "clDefault"},
    {clGradientActiveCaption, "clGradientActiveCaption"},
    {clGradientInactiveCaption, "clGradientInactiveCaption"},
    {clGrayText, "clGrayText"},
    {clHighlight, "clHighlight"},
    {clHighlightText, "clHighlightText"},
    {clHotLight, "clHotLight"},
    {clInactiveBorder, "clInactiveBorder"},
    {clInactiveCaption, "clInactiveCaption"},
    {clInactiveCaptionText, "clInactiveCaptionText"},
    {clInfoBk, "clInfoBk"},
    {clInfoText, "clInfoText"},
    {clMenu, "clMenu"},
    {clMenuBar, "clMenuBar"},
    {clMenuHighlight, "clMenuHighlight"},
    {clMenuText, "clMenuText"},
    {clNone, "clNone"},
    {clScrollBar, "clScrollBar"},
    {cl3DDkShadow, "cl3DDkShadow"},
    {cl3DLight, "cl3DLight"},
    {clWindow, "clWindow"},
    {clWindowFrame, "clWindowFrame"},
    {clWindowText, "clWindowText"},
}};

} // namespace

TColor ColorToRGB(TColor color)
{
    if (color == clNone)
        return clBlack;
    if (color == clDefault)
        color = clWindow;
    if (!IsSystemColor(color))
        return color & 0x00FFFFFF;
    const PaletteEntry entry = SystemColorRole(int(color & 0xFF));
    const QPalette palette = QApplication::palette();
    return FromQColor(palette.color(entry.group, entry.role));
}

QString ColorToString(TColor color)
{
    for (const NamedColor& named : kNamedColors)
        if (named.color == color)
            return QString::fromLatin1(named.name);
    return QStringLiteral("$%1").arg(color, 8, 16, QLatin1Char('0')).toUpper();
}

TColor StringToColor(const QString& text)
{
    const QString trimmed = text.trimmed();
    for (const NamedColor& named : kNamedColors)
        if (trimmed.compare(QLatin1String(named.name), Qt::CaseInsensitive) == 0)
            return named.color;
    bool ok = false;
    qlonglong value = 0;
    if (trimmed.startsWith(QLatin1Char('$')))
        value = trimmed.mid(1).toLongLong(&ok, 16);
    else
        value = trimmed.toLongLong(&ok, 10);
    if (!ok || value < -0x80000000LL || value > 0xFFFFFFFFLL)
        throw EConvertError(QStringLiteral("'%1' is not a valid color value").arg(text));
    return TColor(quint32(value));
}

QColor ToQColor(TColor color)
{
    const TColor rgb = ColorToRGB(color);
    return QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

QRgb ToQRgb(TColor color)
{
    const TColor rgb = ColorToRGB(color);
    return qRgb(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

TColor FromQColor(const QColor& color)
{
    return RGB(color.red(), color.green(), color.blue());
}

TColor FromQRgb(QRgb rgb)
{
    return RGB(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

} // namespace vek
