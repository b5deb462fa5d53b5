// TCustomGrid moving of columns and rows: MoveColumn/MoveRow, and dragging a column by
// its fixed-row cell (goColMoving) or a row by its fixed-column cell (goRowMoving) with
// an insertion marker that shows where it would land and scrolling while the drag is
// held beyond the scrolling cells.
#include "grid_p.h"

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

bool TCustomGrid::Axis::Move(int from, int to)
{
    auto scrolling = [this](int i) { return i >= Fixed && i < Count; };
    if (from == to || !scrolling(from) || !scrolling(to))
        return false;
    if (!Sizes.empty()) {
        const auto first = Sizes.begin();
        if (from < to)
            std::rotate(first + from, first + from + 1, first + to + 1);
        else
            std::rotate(first + to, first + from, first + from + 1);
    }
    return true;
}

// Moves the size entry and the current cell and anchor coordinate along one axis;
// false when the indices do not name two different scrolling cells.
bool TCustomGrid::MoveIndex(bool columns, int from, int to)
{
    if (!(columns ? d->cols : d->rows).Move(from, to))
        return false;
    int TGridCoord::*coord = columns ? &TGridCoord::X : &TGridCoord::Y;
    d->current.*coord = MovedIndex(d->current.*coord, from, to);
    d->anchor.*coord = MovedIndex(d->anchor.*coord, from, to);
    GeometryChanged(); // repaints, and moves an open editor to its cell's new place
    return true;
}

void TCustomGrid::MoveColumn(int FromIndex, int ToIndex)
{
    const bool individualWidths = !d->cols.Sizes.empty();
    const ViewState before = CurrentView();
    if (!MoveIndex(true, FromIndex, ToIndex))
        return;
    ColumnMoved(FromIndex, ToIndex);
    if (individualWidths)
        ColWidthsChanged();
    // reported once the owner has moved its data along
    NotifySelection(before);
}

void TCustomGrid::MoveRow(int FromIndex, int ToIndex)
{
    const bool individualHeights = !d->rows.Sizes.empty();
    const ViewState before = CurrentView();
    if (!MoveIndex(false, FromIndex, ToIndex))
        return;
    RowMoved(FromIndex, ToIndex);
    if (individualHeights)
        RowHeightsChanged();
    NotifySelection(before);
}

// ---- dragging

// A press on a fixed-column cell of a scrolling row starts a row drag, one on a
// fixed-row cell of a scrolling column a column drag, when that moving option is set.
bool TCustomGrid::StartMoving(int X, int Y)
{
    const TGridCoord cell = MouseCoord(X, Y);
    const bool fixedCol = cell.X >= 0 && cell.X < d->cols.Fixed;
    const bool fixedRow = cell.Y >= 0 && cell.Y < d->rows.Fixed;
    if ((d->options & goRowMoving) && fixedCol && cell.Y >= d->rows.Fixed) {
        d->drag = GridDrag::RowMove;
        d->moveFrom = cell.Y;
    } else if ((d->options & goColMoving) && fixedRow && cell.X >= d->cols.Fixed) {
        d->drag = GridDrag::ColMove;
        d->moveFrom = cell.X;
    } else
        return false;
    d->moveTo = d->moveFrom;
    setCursor(Qt::ClosedHandCursor);
    return true;
}

// The visible scrolling row (column) at the point, lines counting to the cell before
// them; before the first (after the last) visible one, that one. -1 when none is visible.
int TCustomGrid::MoveTargetAt(int X, int Y) const
{
    const bool rows = d->drag == GridDrag::RowMove;
    const int fixed = rows ? d->rows.Fixed : d->cols.Fixed;
    const int p = rows ? Y : X;
    int target = -1;
    for (const LineSpan& s : rows ? RowSpans() : ColSpans())
        if (s.Index >= fixed && (target < 0 || s.Start <= p))
            target = s.Index;
    return target;
}

void TCustomGrid::UpdateMoving(int X, int Y)
{
    d->movePoint = QPoint(X, Y);
    SetMoveScrolling(MoveScrollDirection(X, Y) != 0);
    const int target = MoveTargetAt(X, Y);
    const int next = target < 0 ? d->moveFrom : target;
    if (next == d->moveTo)
        return;
    d->moveTo = next;
    Invalidate();
}

// Ends a drag: a drop on another row (column) moves it, anything else cancels.
void TCustomGrid::FinishMoving(bool drop, int X, int Y)
{
    if (drop)
        UpdateMoving(X, Y); // the release may come without a move to its point
    const bool rows = d->drag == GridDrag::RowMove;
    const int from = d->moveFrom, to = d->moveTo;
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
    const bool rows = d->drag == GridDrag::RowMove;
    const TRect client = GridClientRect();
    const int p = rows ? Y : X;
    const int start = rows ? client.Top + d->rows.FixedExtent(d->LineWidthFor(false))
                           : client.Left + d->cols.FixedExtent(d->LineWidthFor(true));
    if (p < start)
        return -1;
    return p >= (rows ? client.Bottom : client.Right) ? 1 : 0;
}

void TCustomGrid::SetMoveScrolling(bool on)
{
    if (on && !d->moveScroller) {
        d->moveScroller = new QTimer(this);
        d->moveScroller->setInterval(MoveScrollIntervalMs);
        // The scroll reaches OnTopLeftChanged, whose exceptions must not cross the loop.
        connect(d->moveScroller, &QTimer::timeout, this,
                [this] { RunGuarded(this, [this] { MoveScrollTick(); }); });
    }
    if (!d->moveScroller || on == d->moveScroller->isActive())
        return;
    if (on)
        d->moveScroller->start();
    else
        d->moveScroller->stop();
}

void TCustomGrid::MoveScrollTick()
{
    const int step = MoveScrollDirection(d->movePoint.x(), d->movePoint.y());
    if (d->drag == GridDrag::RowMove)
        SetTopRow(d->topLeft.Y + step);
    else
        SetLeftCol(d->topLeft.X + step);
    UpdateMoving(d->movePoint.x(), d->movePoint.y()); // the target follows the view
}

bool TCustomGrid::CancelMoving()
{
    if (!d->MoveDragging())
        return false;
    SetMoveScrolling(false);
    d->drag = GridDrag::None;
    d->moveFrom = d->moveTo = -1;
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
    if (!d->MoveDragging() || d->moveTo == d->moveFrom || cols.empty() || rows.empty())
        return;
    const bool rowMove = d->drag == GridDrag::RowMove;
    const std::vector<LineSpan>& along = rowMove ? rows : cols;
    const std::vector<LineSpan>& across = rowMove ? cols : rows;
    const auto target = std::find_if(along.begin(), along.end(),
                                     [this](const LineSpan& s) { return s.Index == d->moveTo; });
    if (target == along.end())
        return;
    const int line = d->LineWidthFor(!rowMove);
    const int border =
        d->moveTo > d->moveFrom ? target->Start + target->Extent : target->Start - line;
    const int lo = border - MarkerWidth / 2, hi = lo + MarkerWidth;
    const int start = across.front().Start;
    const int end = across.back().Start + across.back().Extent + d->LineWidthFor(rowMove);
    TCanvas* canvas = Canvas();
    canvas->Brush()->SetColor(clWindowText);
    canvas->FillRect(rowMove ? TRect(start, lo, end, hi) : TRect(lo, start, hi, end));
}

// ---- TCustomDrawGrid

void TCustomDrawGrid::ColumnMoved(int FromIndex, int ToIndex)
{
    if (OnColumnMoved)
        OnColumnMoved(this, FromIndex, ToIndex);
    emit columnMoved(FromIndex, ToIndex);
}

void TCustomDrawGrid::RowMoved(int FromIndex, int ToIndex)
{
    if (OnRowMoved)
        OnRowMoved(this, FromIndex, ToIndex);
    emit rowMoved(FromIndex, ToIndex);
}

} // namespace vek
