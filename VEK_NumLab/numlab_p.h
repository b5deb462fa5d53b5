// TNumLab's private data.
#pragma once

#include "VEK_NumLab.h"

#include <frame/baselib/drawing.h>

namespace vek {

namespace numlab {

// The settings Assign copies from another label; painting reads nothing else.
struct TSettings {
    int leftSpace = 35;
    bool empty = false;
    int labelWidth = 80;
    int precision = 2;
    QString leftText;
    QString rightText;
    TFrameStyle frameStyle = fsLowered;
    TAlignment alignment = taCenter;
    TAlignment rightTextAlignment = taLeftJustify;
    TAlignment leftTextAlignment = taRightJustify;
    QString overflowIndicator = QStringLiteral("*********");
    double value = 0;
    QString stateText = QStringLiteral("undefined");
    bool transparent = false;
    TColor colorLabBakG = clBtnFace;
    TColor colorLabText = clBlack;
    TColor colorOutBakG = clBtnFace;
    TColor colorOutText = clBlack;
    TColorScheme colorScheme = csFixedGrays;
    TSchemeLineColors lines = SchemeLineColors(csFixedGrays);
    TNumLab::TDisplay displayType = TNumLab::dtFixP;
};

} // namespace numlab

// Besides the copied settings, what each label keeps to itself.
struct TNumLab::Private : numlab::TSettings {
    bool comma = false;
    bool plusSign = false;
    QString dtFormat = QStringLiteral("mmm-dd, yyyy");
    int mouseAreaCode = 0;
};

} // namespace vek
