#include "colortable.h"

#include <array>

namespace vek {

namespace {

constexpr std::array<TColor, 47> kPredefinedColors{
    // basic VGA colors
    clBlack, clMaroon, clGreen, clOlive, clNavy, clPurple, clTeal, clGray, clSilver, clRed,
    clLime, clYellow, clBlue, clFuchsia, clAqua, clWhite,
    // completing the extended palette
    clMoneyGreen, clSkyBlue, clCream, clMedGray,
    // system colors
    clScrollBar, clBackground, clActiveCaption, clInactiveCaption, clMenu, clWindow,
    clWindowFrame, clMenuText, clWindowText, clCaptionText, clActiveBorder, clInactiveBorder,
    clAppWorkSpace, clHighlight, clHighlightText, clBtnFace, clBtnShadow, clGrayText,
    clBtnText, clInactiveCaptionText, clBtnHighlight, cl3DDkShadow, cl3DLight, clInfoText,
    clInfoBk, clHotLight, clMenuHighlight,
};

static_assert(pcFirstSystemColor + pcSystemColorCount - 1 == int(kPredefinedColors.size()));

int MeanChannel(int a, int b)
{
    return (a + b) / 2;
}

} // namespace

TColor MeanColor(TColor ColorA, TColor ColorB)
{
    const TColor a = ColorToRGB(ColorA);
    const TColor b = ColorToRGB(ColorB);
    return RGB(MeanChannel(GetRValue(a), GetRValue(b)), MeanChannel(GetGValue(a), GetGValue(b)),
               MeanChannel(GetBValue(a), GetBValue(b)));
}

int PredefinedColorCount()
{
    return int(kPredefinedColors.size());
}

TColor PredefinedColor(int Index)
{
    return Index >= 1 && Index <= PredefinedColorCount() ? kPredefinedColors[size_t(Index - 1)]
                                                         : clBlack;
}

} // namespace vek
