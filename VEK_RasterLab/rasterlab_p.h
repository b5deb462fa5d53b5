// The dot-matrix label's fields.
#pragma once

#include "VEK_RasterLab.h"

#include <frame/baselib/drawing.h>
#include <frame/core/timers.h>

namespace vek {

struct TRasterLab::Private {
    TRDCharMatrix charMatrix;
    TFrameStyle frameStyle = fsLowered;
    TRDScrollMode scrollMode = rdsmOff;
    int scrollPosX = 0;
    int scrollPosY = 0;
    bool scrollLoop = true;
    TTimerWindow timer;
    bool timerEnabled = false;
    bool autoCenter = false;
    int textBitLength = 0;
    int scrollInterval = 100;
    int scrollIncrement = 1;
    QString text = QStringLiteral("Text");
    TColor colorLabBakG = clBlack;
    TColor colorDotOn = clLime;
    TColor colorDotOff = DefaultColorDotOff;
    TSchemeLineColors lines = SchemeLineColors(csFixedGrays);
    bool autoHeight = false;
    TRDBlockMode blockMode = rdbmOn;
    TColorScheme colorScheme = csFixedGrays;
    bool proportional = true;
    int dotSize = 3;
    int dotSpacing = 1;
    int posX = 1;
    int posY = 1;
};

namespace rasterlab {

// Sends the accessibility events of the label's changes (rasterlab_accessible.cpp).
void AnnounceChanges(TRasterLab* label);

} // namespace rasterlab

} // namespace vek
