// The grid's private data and the geometry of one axis, shared by the grid_*.cpp files.
#pragma once

#include "grid.h"

#include <QPoint>

#include <memory>
#include <vector>

class QScrollBar;
class QTimer;

namespace vek {

// One axis of the grid (the columns or the rows): count, fixed count and sizes. The
// geometry helpers walk only the indices they are asked about, never the whole axis.
struct TCustomGrid::Axis {
    int Count = 0, Fixed = 0, Default = 0;
    std::vector<int> Sizes; // empty while every size is the default

    int Size(int i) const { return Sizes.empty() ? Default : Sizes[std::size_t(i)]; }

    // Stores a count of at least minimum; the fixed count stays below it. False when
    // the count was already that.
    bool SetCount(int value, int minimum);
    // Stores the size of index (negative sizes give 0); false when it was already that.
    // Raises EVEKError for an index outside the axis.
    bool SetSize(int index, int value);
    // Takes the size of scrolling index from out and puts it in at to; false when the
    // two do not name two different scrolling indices.
    bool Move(int from, int to);

    // Pixels taken by the fixed indices, each followed by a line of `line` pixels.
    int FixedExtent(int line) const;
    // The fixed indices, then the indices from first on, that start before limit when
    // laid out from origin.
    std::vector<LineSpan> VisibleSpans(int first, int origin, int limit, int line) const;
    // How many indices from first on fit completely into room pixels.
    int FitCount(int first, int room, int line) const;
    // The highest first scrolling index whose view still ends with the last index.
    int MaxFirst(int room, int line) const;
};

// One visible column or row: its index, first pixel and cell pixels (without its line).
struct TCustomGrid::LineSpan {
    int Index, Start, Extent;
};

// What a held mouse button is doing.
enum class GridDrag { None, Select, SizeCol, SizeRow, ColMove, RowMove };

struct TCustomGrid::Private {
    Axis cols{5, 1, 64, {}}, rows{5, 1, 24, {}};
    int gridLineWidth = 1;
    TColor fixedColor = clBtnFace;
    TColor gridLineColor = clSilver, defaultGridLineColor = clSilver;
    bool defaultDrawing = true;
    TGridOptions options;
    TScrollStyle scrollBars = ssBoth;
    TGridBorderStyle borderStyle = bsSingle;
    TGridCoord current{1, 1}, anchor{1, 1}, topLeft{1, 1};
    QScrollBar* horzBar = nullptr;
    QScrollBar* vertBar = nullptr;
    bool syncingBars = false;
    // mouse state
    GridDrag drag = GridDrag::None;
    int sizingIndex = -1, sizingOrigin = 0;
    int moveFrom = -1, moveTo = -1; // the dragged index and where it would land
    QPoint movePoint;               // the last pointer position of that drag
    QTimer* moveScroller = nullptr; // scrolls while the drag is held past the cells
    // editing
    std::unique_ptr<TInplaceEditor> editor;
    bool editorMode = false;
    QString editOriginal;

    // The space after each cell: reserved whenever lines of that direction are drawn
    // anywhere, so fixed and scrolling cells stay aligned.
    int LineWidthFor(bool vertical) const;
    int BorderWidth() const { return borderStyle == bsSingle ? 2 : 0; }
    bool MoveDragging() const { return drag == GridDrag::ColMove || drag == GridDrag::RowMove; }
};

// The current cell, the selection and the view position at one moment, to tell what an
// operation changed.
struct TCustomGrid::ViewState {
    TGridCoord Current;
    TGridRect Selection;
    TGridCoord TopLeft;
};

} // namespace vek
