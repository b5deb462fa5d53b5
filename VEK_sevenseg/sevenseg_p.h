// The seven-segment display's fields and how a caption splits into cells.
#pragma once

#include "VEK_sevenseg.h"

#include "glyphcache.h"

#include <frame/baselib/drawing.h>

#include <vector>

namespace vek {

namespace sevenseg {

// One digit cell of a caption: its character and whether its decimal point is lit.
struct CaptionCell {
    QChar ch;
    bool point;
};

// The cells a caption takes: one per character, where a "." or "," right after
// another character lights that cell's point instead of taking a cell of its own. Any
// other "." or "," becomes a point-only cell whose character is ".".
std::vector<CaptionCell> CaptionCells(const QString& caption);

// Sends the accessibility events of the display's changes (sevenseg_accessible.cpp).
void AnnounceChanges(TSevenSeg* display);

} // namespace sevenseg

struct TSevenSeg::Private {
    TColor colorBackGnd = DefaultColorBackGnd;
    TColor colorText = clRed;
    int numDigits = 4;
    QString caption = QStringLiteral("8.8.8.8.");
    TFrameStyle frameStyle = fsLowered;
    int margin = 8;
    int interDigDist = 2;
    TSchemeLineColors lines = SchemeLineColors(csFixedGrays);
    TColorScheme colorScheme = csFixedGrays;
    // Keyed by the resolved colors and the cell size: a palette switch that changes a
    // system color rebuilds it on the next paint, so it needs no dropping.
    sevenseg::GlyphCache cache;
};

} // namespace vek
