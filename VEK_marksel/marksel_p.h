// TMarkSel's private data and the steps its source files share.
#pragma once

#include "VEK_marksel.h"
#include "marksel_layout.h"

#include <frame/canvas/bitmap.h>

namespace vek {

struct TMarkSel::Private {
    // The colors a paint uses: the properties', paired for the palette, or the gray
    // disabled ones.
    struct TPaintColors {
        TColor Marks;
        TColor BackGnd;
        TColor SelFG;
        TColor SelBG;
    };

    explicit Private(TMarkSel* owner) : q(owner) { markVisible.fill(true); }

    marksel::TMarkLayout Layout() const;
    TPaintColors PaintColors() const;

    // ---- painting
    void PaintCell(TCanvas* canvas, const marksel::TMarkLayout& layout, int mark,
                   const TPaintColors& colors);
    void DrawSymbol(TCanvas* canvas, const marksel::TMarkLayout& layout, int mark);
    void DrawHighlight(const marksel::TMarkLayout& layout, int mark);
    // Puts the painted face back over the highlighted mark's cell.
    void RestoreHighlighted(const marksel::TMarkLayout& layout);

    // ---- highlight and picking
    // Moves the highlight to mark (marksel::NoMark: removes it). The face is brought up
    // to date first, so that neither the old nor the new cell is drawn where a pending
    // repaint will move it.
    void Highlight(int mark);
    // The mark the keys start from: the highlighted one, else the selected one if it is
    // shown, else the first.
    int KeyboardMark(const marksel::TMarkLayout& layout) const;
    // Selects mark as a click at (x, y) does, highlights it and reports it.
    void Pick(int mark, int x, int y, bool doubleClick);

    TMarkSel* q;
    marksel::TVisibility markVisible;
    Colors colors;
    int selected = marksel::NoMark;
    TFrameStyle frameStyle = fsEngraved;
    int highlighted = marksel::NoMark;
    int columns = 8;
    int rows = 6;
    bool zeroAsCross = true;
    // Qt sends press, release, double click, release: the last release belongs to the
    // double click and is no click of its own.
    bool doubleClickRelease = false;
    // The face of the last paint, without the highlight: restoring a cell copies it back.
    TBitmap face;
};

namespace marksel {

// Sends the accessibility events of the selector's changes (marksel_accessible.cpp).
void AnnounceChanges(TMarkSel* selector);

} // namespace marksel

} // namespace vek
