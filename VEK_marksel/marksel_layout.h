// Where the marker selector's marks are: the cells, the marks shown in them, the boxes
// drawn around them and the mark nearest to a point. Computed from the control's
// current size and settings whenever needed, so that hit testing never depends on an
// earlier paint.
#pragma once

#include <frame/baselib/drawing.h>
#include <frame/canvas/graphics.h>

#include <QSize>

#include <array>
#include <utility>

namespace vek::marksel {

/// Marker visibility, indexed by mark number.
using TVisibility = std::array<bool, MarkerCount>;

/// The value of mark and slot lookups that find none.
constexpr int NoMark = -1;

/// The smallest selector whose cells hold the highlight box around the largest
/// (11 x 11) symbol.
QSize SmallestSize(int columns, int rows);

/// The grid of a selector of the given size: cells of (Width - 4) / Columns by
/// (Height - 4) / Rows pixels, filled row by row with the visible marks in their order.
/// A mark is shown when it is visible and has a cell: visible marks beyond the last cell
/// would lie below the control.
class TMarkLayout {
public:
    TMarkLayout(QSize size, int columns, int rows, const TVisibility& visible);

    int CellWidth() const { return FCellWidth; }
    int CellHeight() const { return FCellHeight; }
    /// Number of shown marks; they fill slots 0..ShownCount() - 1.
    int ShownCount() const { return FShownCount; }
    bool IsShown(int mark) const { return SlotOf(mark) != NoMark; }
    /// The slot of a shown mark, else NoMark.
    int SlotOf(int mark) const;
    /// The mark in a slot, else NoMark.
    int MarkAt(int slot) const;

    /// The reference point of a shown mark: its cell's top-left corner plus half a cell.
    TPoint RefPoint(int mark) const;
    /// The centre of the mark's symbol, two pixels right of and below its reference point.
    TPoint SymbolCentre(int mark) const;
    /// The box that a paint fills for the mark (and outlines when it is selected).
    TRect CellRect(int mark) const;
    /// The highlight box, one pixel inside CellRect at the left and top and two at the
    /// right and bottom.
    TRect HighlightRect(int mark) const;
    /// The two strokes of the cross that may stand for mark 0, across its whole cell;
    /// each runs from its first point up to, not including, its second.
    std::array<std::pair<TPoint, TPoint>, 2> CrossStrokes(int mark) const;

    /// The shown mark whose reference point is nearest to (x, y); of equally near ones
    /// the lowest; NoMark when no mark is shown (a selector always shows mark 0).
    int Nearest(int x, int y) const;
    /// The shown mark step slots after mark (before it for a negative step), or mark
    /// itself when there is none.
    int Neighbour(int mark, int step) const;

private:
    int FColumns;
    int FCellWidth;
    int FCellHeight;
    int FShownCount = 0;
    std::array<int, MarkerCount> FSlotOf;
    std::array<int, MarkerCount> FMarkAt;
};

} // namespace vek::marksel
