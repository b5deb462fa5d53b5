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
    // The texts default to the face's own text color, so that texts and faces follow a
    // theme together (black on the face of a light one).
    TColor colorLabBakG = clBtnFace;
    TColor colorLabText = clBtnText;
    TColor colorOutBakG = clBtnFace;
    TColor colorOutText = clBtnText;
    TColorScheme colorScheme = csFixedGrays;
    TSchemeLineColors lines = SchemeLineColors(csFixedGrays);
    TNumLab::TDisplay displayType = TNumLab::dtFixP;
};

// Sends the accessibility events of the label's changes (numlab_accessible.cpp).
void AnnounceChanges(TNumLab* label);

} // namespace numlab

// Besides the copied settings, what each label keeps to itself.
struct TNumLab::Private : numlab::TSettings {
    bool comma = false;
    bool plusSign = false;
    QString dtFormat = QStringLiteral("mmm-dd, yyyy");
    int mouseAreaCode = 0;
};

} // namespace vek
