// TCustomGrid moving of columns and rows: MoveColumn/MoveRow, and dragging a column by
// its fixed-row cell (goColMoving) or a row by its fixed-column cell (goRowMoving) with
// an insertion marker that shows where it would land and scrolling while the drag is
// held beyond the scrolling cells.
#include "grid.h"

#include <frame/core/application.h>

#include <QTimer>

#include <algorithm>

namespace vek {

// The marker is as wide as a thick grid line; it takes the window text color because
// that contrasts with window, fixed and highlighted cells alike, in light and dark themes.
static constexpr int MarkerWidth = 2;
// While a drag is held before or after the scrolling cells, the view scrolls by one row
// (column) per tick, so a row can be moved to a place that is not in view.
static constexpr int MoveScrollIntervalMs = 60;

// Where a cell index ends up when the cell at from is taken out and put in at to.
static int MovedIndex(int index, int from, int to)
{
    if (index == from)
        return to;
    if (from < to && index > from && index <= to)
        return index - 1;
    if (from > to && index >= to && index < from)
        return index + 1;
    return index;
}

// Moves the size entry and the current cell and anchor coordinate along one axis;
// false when the indices do not name two different scrolling cells.
bool TCustomGrid::MoveIndex(Axis& axis, int TGridCoord::*coord, int from, int to)
{
    auto scrolling = [&axis](int i) { return i >= axis.Fixed && i < axis.Count; };
    if (from == to || !scrolling(from) || !scrolling(to))
        return false;
    if (!axis.Sizes.empty()) {
        const auto first = axis.Sizes.begin();
        if (from < to)
            std::rotate(first + from, first + from + 1, first + to + 1);
        else
            std::rotate(first + to, first + from, first + from + 1);
    }
    FCurrent.*coord = MovedIndex(FCurrent.*coord, from, to);
    FAnchor.*coord = MovedIndex(FAnchor.*coord, from, to);
    GeometryChanged(); // repaints, and moves an open editor to its cell's new place
    return true;
}

void TCustomGrid::MoveColumn(int FromIndex, int ToIndex)
{
    const bool individualWidths = !FCols.Sizes.empty();
    if (!MoveIndex(FCols, &TGridCoord::X, FromIndex, ToIndex))
        return;
    ColumnMoved(FromIndex, ToIndex);
    if (individualWidths)
        ColWidthsChanged();
}

void TCustomGrid::MoveRow(int FromIndex, int ToIndex)
{
    const bool individualHeights = !FRows.Sizes.empty();
    if (!MoveIndex(FRows, &TGridCoord::Y, FromIndex, ToIndex))
        return;
    RowMoved(FromIndex, ToIndex);
    if (individualHeights)
        RowHeightsChanged();
}

// ---- dragging

// A press on a fixed-column cell of a scrolling row starts a row drag, one on a
// fixed-row cell of a scrolling column a column drag, when that moving option is set.
bool TCustomGrid::StartMoving(int X, int Y)
{
    const TGridCoord cell = MouseCoord(X, Y);
    const bool fixedCol = cell.X >= 0 && cell.X < FCols.Fixed;
    const bool fixedRow = cell.Y >= 0 && cell.Y < FRows.Fixed;
    if ((FOptions & goRowMoving) && fixedCol && cell.Y >= FRows.Fixed) {
        FDrag = Drag::RowMove;
        FMoveFrom = cell.Y;
    } else if ((FOptions & goColMoving) && fixedRow && cell.X >= FCols.Fixed) {
        FDrag = Drag::ColMove;
        FMoveFrom = cell.X;
    } else
        return false;
    FMoveTo = FMoveFrom;
    setCursor(Qt::ClosedHandCursor);
    return true;
}

std::vector<TCustomGrid::LineSpan> TCustomGrid::MoveSpans(bool rows) const
{
    const TRect client = GridClientRect();
    return rows ? VisibleSpans(FRows, FTopLeft.Y, client.Top, client.Bottom, LineWidthFor(false))
                : VisibleSpans(FCols, FTopLeft.X, client.Left, client.Right, LineWidthFor(true));
}

// The visible scrolling row (column) at the point, lines counting to the cell before
// them; before the first (after the last) visible one, that one. -1 when none is visible.
int TCustomGrid::MoveTargetAt(int X, int Y) const
{
    const bool rows = FDrag == Drag::RowMove;
    const int fixed = rows ? FRows.Fixed : FCols.Fixed;
    const int p = rows ? Y : X;
    int target = -1;
    for (const LineSpan& s : MoveSpans(rows))
        if (s.Index >= fixed && (target < 0 || s.Start <= p))
            target = s.Index;
    return target;
}

void TCustomGrid::UpdateMoving(int X, int Y)
{
    FMovePoint = QPoint(X, Y);
    SetMoveScrolling(MoveScrollDirection(X, Y) != 0);
    const int target = MoveTargetAt(X, Y);
    const int next = target < 0 ? FMoveFrom : target;
    if (next == FMoveTo)
        return;
    FMoveTo = next;
    Invalidate();
}

// Ends a drag: a drop on another row (column) moves it, anything else cancels.
void TCustomGrid::FinishMoving(bool drop, int X, int Y)
{
    if (drop)
        UpdateMoving(X, Y); // the release may come without a move to its point
    const bool rows = FDrag == Drag::RowMove;
    const int from = FMoveFrom, to = FMoveTo;
    CancelMoving();
    if (!drop)
        return;
    if (rows)
        MoveRow(from, to);
    else
        MoveColumn(from, to);
}

// -1 while the point is before the scrolling cells (over the fixed ones or outside
// the grid), +1 while it is past the cell area, 0 in between.
int TCustomGrid::MoveScrollDirection(int X, int Y) const
{
    const bool rows = FDrag == Drag::RowMove;
    const TRect client = GridClientRect();
    const int p = rows ? Y : X;
    const int start = rows ? client.Top + FixedExtent(FRows, LineWidthFor(false))
                           : client.Left + FixedExtent(FCols, LineWidthFor(true));
    if (p < start)
        return -1;
    return p >= (rows ? client.Bottom : client.Right) ? 1 : 0;
}

void TCustomGrid::SetMoveScrolling(bool on)
{
    if (on && !FMoveScroller) {
        FMoveScroller = new QTimer(this);
        FMoveScroller->setInterval(MoveScrollIntervalMs);
        // The scroll reaches OnTopLeftChanged, whose exceptions must not cross the loop.
        connect(FMoveScroller, &QTimer::timeout, this,
                [this] { RunGuarded(this, [this] { MoveScrollTick(); }); });
    }
    if (!FMoveScroller || on == FMoveScroller->isActive())
        return;
    if (on)
        FMoveScroller->start();
    else
        FMoveScroller->stop();
}

void TCustomGrid::MoveScrollTick()
{
    const int step = MoveScrollDirection(FMovePoint.x(), FMovePoint.y());
    if (FDrag == Drag::RowMove)
        SetTopRow(FTopLeft.Y + step);
    else
        SetLeftCol(FTopLeft.X + step);
    UpdateMoving(FMovePoint.x(), FMovePoint.y()); // the target follows the view
}

bool TCustomGrid::CancelMoving()
{
    if (!MoveDragging())
        return false;
    SetMoveScrolling(false);
    FDrag = Drag::None;
    FMoveFrom = FMoveTo = -1;
    SetCursor(Cursor()); // back to the control's own cursor
    Invalidate();
    return true;
}

// The insertion marker: a line across the grid on the border the dragged row (column)
// would take, below (right of) the target when moving down (right), above (left of) it
// otherwise, centered on that grid line.
void TCustomGrid::PaintMoveMarker(const std::vector<LineSpan>& cols,
                                  const std::vector<LineSpan>& rows)
{
    if (!MoveDragging() || FMoveTo == FMoveFrom || cols.empty() || rows.empty())
        return;
    const bool rowMove = FDrag == Drag::RowMove;
    const std::vector<LineSpan>& along = rowMove ? rows : cols;
    const std::vector<LineSpan>& across = rowMove ? cols : rows;
    const auto target = std::find_if(along.begin(), along.end(),
                                     [this](const LineSpan& s) { return s.Index == FMoveTo; });
    if (target == along.end())
        return;
    const int line = LineWidthFor(!rowMove);
    const int border =
        FMoveTo > FMoveFrom ? target->Start + target->Extent : target->Start - line;
    const int lo = border - MarkerWidth / 2, hi = lo + MarkerWidth;
    const int start = across.front().Start;
    const int end = across.back().Start + across.back().Extent + LineWidthFor(rowMove);
    TCanvas* canvas = Canvas();
    canvas->Brush()->SetColor(clWindowText);
    canvas->FillRect(rowMove ? TRect(start, lo, end, hi) : TRect(lo, start, hi, end));
}

// ---- TCustomDrawGrid

void TCustomDrawGrid::ColumnMoved(int FromIndex, int ToIndex)
{
    if (OnColumnMoved)
        OnColumnMoved(this, FromIndex, ToIndex);
}

void TCustomDrawGrid::RowMoved(int FromIndex, int ToIndex)
{
    if (OnRowMoved)
        OnRowMoved(this, FromIndex, ToIndex);
}

} // namespace vek
