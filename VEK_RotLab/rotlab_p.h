// The rotated label's fields.
#pragma once

#include "VEK_RotLab.h"

namespace vek {

struct TRotLab::Private {
    int textAngle = 0;
    int textPosX = 10;
    int textPosY = 10;
    bool antiAlias = true;
    bool autoCenter = true;
    TFrameStyle frameStyle = fsLowered;
};

} // namespace vek
