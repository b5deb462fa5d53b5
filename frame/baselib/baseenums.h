// Enumerations shared by several controls. Their ordinals are part of the stored form
// of a control's properties and never change.
#pragma once

#include <frame/core/vekglobal.h>

#include <QObject>

namespace vek {

Q_NAMESPACE_EXPORT(VEK_EXPORT)

/// Horizontal alignment of a text.
enum TAlignment { taLeftJustify = 0, taRightJustify = 1, taCenter = 2 };
Q_ENUM_NS(TAlignment)

/// Look of a frame drawn by DrawFrame.
enum TFrameStyle {
    fsNone = 0,     // no frame
    fsSingle = 1,   // one line
    fsLowered = 2,  // sunken: dark left and top, light right and bottom
    fsRaised = 3,   // light left and top, dark right and bottom
    fsEmbossed = 4, // light outer rectangle, dark line inside it left/top, outside right/bottom
    fsEngraved = 5, // as fsEmbossed with light and dark exchanged
};
Q_ENUM_NS(TFrameStyle)

/// Line colors of frames: 0 fixed gray and white, anything else the system colors
/// clBtnShadow and clBtnHighlight (so the frame follows the theme).
enum TColorScheme { csFixedGrays = 0, csSystemColors = 1 };
Q_ENUM_NS(TColorScheme)

/// Decimal separator accepted or written: the system's, a point, a comma, or either.
enum TDecPSep { dsSystemDefault = 0, dsPoint = 1, dsComma = 2, dsBoth = 3 };
Q_ENUM_NS(TDecPSep)

/// Placement of a background image: once at the top-left corner, stretched, or tiled.
enum TBkgFill { bfSimple = 0, bfStretch = 1, bfTile = 2 };
Q_ENUM_NS(TBkgFill)

/// Growth direction of bars and gauges.
enum TDirection { dirUp = 0, dirDown = 1, dirLeft = 2, dirRight = 3 };
Q_ENUM_NS(TDirection)

enum TOrientation { orVertical = 0, orHorizontal = 1 };
Q_ENUM_NS(TOrientation)

/// The border of a windowed control (grid, tree view): none, or its frame.
enum TBorderStyle { bsNone = 0, bsSingle = 1 };
Q_ENUM_NS(TBorderStyle)

} // namespace vek
