// TOnOffBut's private data and the layout of its state images.
#pragma once

#include "VEK_onoffbut.h"

#include <frame/baselib/drawing.h>

#include <QImage>

#include <array>

namespace vek::onoffbut {

// The four state images of a style, indexed by StateIndex.
using TStateImages = std::array<QImage, 4>;

constexpr int StateIndex(bool on, bool enabled) { return (on ? 2 : 0) + (enabled ? 1 : 0); }

struct TCaption {
    QString Text;
    TAlignment Alignment;
    bool operator==(const TCaption&) const = default;
};

// Sends the accessibility events of the button's changes (onoffbut_accessible.cpp).
void AnnounceChanges(TOnOffBut* button);

} // namespace vek::onoffbut

namespace vek {

struct TOnOffBut::Private {
    // Everything Assign copies, so that a copy is one assignment: the group and the mode
    // below belong to where a button is and stay behind.
    struct Looks {
        bool autoCenter = true;
        TOnOffButStyle buttonStyle = oobsColSlideLR;
        TColor colorBackgnd = clBtnFace;
        TColorScheme colorScheme = csFixedGrays;
        TSchemeLineColors lines = SchemeLineColors(csFixedGrays);
        TColor colorText = clBtnText;
        TFrameStyle frameStyle = fsLowered;
        int leftSpace = 35;
        int topSpace = 18;
        TOOButMouseAction mouseAction = oomaFocused;
        bool onOff = true;
        bool transparent = false;
        std::array<onoffbut::TCaption, 4> captions{{{QString(), taRightJustify},
                                                    {QString(), taLeftJustify},
                                                    {QString(), taCenter},
                                                    {QString(), taCenter}}};
        // The images shown now and the images of style oobsUser.
        onoffbut::TStateImages shown;
        onoffbut::TStateImages user;
        // The device pixel ratio the style's images were loaded for.
        qreal shownRatio = 1;
        QSize glyph{30, 18};
    } looks;

    bool allowAllOff = true;
    int groupIndex = 0;
    TOOButMode mode = oobmNormalBut;
    // Between a press of Space that pressed the button and its release.
    bool spaceHeld = false;
    // Black wherever the button draws, white where the parent shows through.
    TBitmap mask;
};

} // namespace vek
