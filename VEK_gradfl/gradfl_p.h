// The gradient fill's fields.
#pragma once

#include "VEK_gradfl.h"

namespace vek {

struct TGradFill::Private {
    TColor colorFirst = clMaroon;
    TColor colorLast = clYellow;
    // The two colors in unflipped order, so that flipping back restores them.
    TColor colorFirstOrg = clMaroon;
    TColor colorLastOrg = clYellow;
    bool colorFlipped = false;
    TGradType fillType = gtHoriz;
    TFrameStyle frameStyle = fsNone;
    TColor gridColor = clNavy;
    TGridMode gridMode = gmNone;
    int nrColors = 16;
};

} // namespace vek
