// TThumbnails' private data and the steps its source files share.
#pragma once

#include "VEK_Thumbnails.h"

#include <frame/data/containers.h>

#include <climits>

namespace vek {

struct TThumbnails::Private {
    // Width of the bands at the top and bottom and of the indent at the left.
    static constexpr int Border = 10;

    explicit Private(TThumbnails* owner) : q(owner) {}

    // ---- geometry
    int Pitch() const { return slideSize + slideDistance + 2 * slideMargin; }
    int BoxSize() const { return slideSize + 2 * slideMargin; }
    int ScrollOffset() const; // pixels of the top row scrolled out
    double NormalizedScroll(double x) const;
    bool IsSlide(qint64 n) const { return n >= min && n <= max; }
    // Slide n's bit in the selection. The selection holds at most INT_MAX bits, so a grid
    // of more slides (Min far below zero) selects its first INT_MAX ones only.
    bool Selectable(qint64 n) const { return IsSlide(n) && n - min < INT_MAX; }
    int Bit(qint64 n) const { return int(n - min); }
    void ScrollRows(int rows);

    // ---- selection and hover
    // The selection holds bit n - Min for slide n of Min..Max; it keeps runs of selected
    // slides, so a range of a hundred million slides costs no memory.
    void ResizeSelection();
    // Runs edit on the selection and emits selectionChanged when the set of selected
    // slides differs afterwards. Every edit here only adds bits, only removes bits, leaves
    // at most one, or renumbers them all (a new Min): for those the count and the lowest
    // selected slide tell any change apart, without a copy of the whole set.
    template <typename Edit>
    void EditSelection(Edit edit)
    {
        const int count = selection.CountTrueBits(), first = q->FirstSelectedSlide();
        edit();
        if (selection.CountTrueBits() != count || q->FirstSelectedSlide() != first)
            emit q->selectionChanged();
    }
    void ClickSelect(int n, TShiftState Shift);
    // A click or double click on slide n at (X, Y): the selection, then the events.
    void ReportClick(int n, int X, int Y, TShiftState Shift);
    void ReportDoubleClick(int n, int X, int Y);
    // Keyboard (thumbnails_keys.cpp).
    qint64 KeyboardSlide() const;
    int FullRows() const;
    void KeyMove(qint64 target, TShiftState Shift);
    void KeyClick(int n, TShiftState Shift, bool doubleClick);
    void ScrollIntoView(int n);
    void PaintFocusFrame(TCanvas* canvas);
    void WheelScroll(int rows, QPoint MousePos);
    // Moves the hover outline to slide n and reports it.
    void SetFocused(int n);

    // ---- painting
    void PaintSlide(TCanvas* canvas, TBitmap& buffer, int n, int x, int y);
    void PaintCard(TCanvas* canvas, int n, int x, int y);
    void PaintImage(TCanvas* canvas, const TBitmap& buffer, int x, int y);
    void PaintBands(TCanvas* canvas);
    void DrawOutline(int SldNum, TColor color);

    TThumbnails* q; // not const: Assign copies the whole structure and then restores it
    bool antiAlias = false;
    Colors colors;
    TColorScheme colorScheme = csFixedGrays;
    TFrameStyle frameStyle = fsLowered;
    TFrameStyle outerFrameStyle = fsRaised;
    TFrameStyle innerFrameStyle = fsLowered;
    int focusLinewidth = 1;
    int focusedSlide = 0;
    int lastClicked = 0;
    int min = 1;
    int max = 100;
    int slideSize = 120;
    int slideDistance = 2;
    int slideMargin = 7;
    TSlideSelectMode slideSelectMode = ssmSingle;
    double firstThumbIdx = 1.0;
    int numSlidesHoriz = 2;
    int numSlidesVert = 0;
    TBitFld selection;
    bool painting = false;
};

namespace thumbnails {

// Sends the accessibility events of the grid's changes (thumbnails_accessible.cpp).
void AnnounceChanges(TThumbnails* grid);

} // namespace thumbnails

} // namespace vek
