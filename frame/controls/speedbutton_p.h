// TSpeedButton's private data.
#pragma once

#include "speedbutton.h"

namespace vek {

struct TSpeedButton::Private {
    QString caption;
    TBitmap glyph;
    int numGlyphs = 1;
    TButtonLayout layout = blGlyphLeft;
    int margin = -1;
    int spacing = 4;
    bool flat = false;
    bool down = false;
    bool allowAllUp = false;
    int groupIndex = 0;
    TButtonState state = bsUp;
    // Between a left press on the button and its release.
    bool dragging = false;
    bool mouseInControl = false;
};

namespace speedbutton {

// Sends the accessibility events of the button's changes (speedbutton_accessible.cpp).
void AnnounceChanges(TSpeedButton* button);

} // namespace speedbutton

} // namespace vek
