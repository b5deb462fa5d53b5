// TCustomGrid: shape, sizes, cell geometry, the view position and the scroll bars.
// Every computation walks only the cells between the view's start and the visible
// limit, so nothing here costs O(RowCount) except the optional per-index size tables.
#include "grid_p.h"

#include <frame/core/application.h>
#include <frame/core/errors.h>
#include <frame/core/memory.h>
#include <frame/core/pixelextent.h>

#include <QScrollBar>

#include <algorithm>

namespace vek {

// ---- one axis

namespace {

// Sizes of their own cost 4 bytes for every index of the axis: a count near INT_MAX
// would claim more memory than the machine has.
void RequireRoomForSizes(int count)
{
    if (!FitsInMemory(qint64(count) * qint64(sizeof(int))))
        throw EVEKError("Not enough memory for the grid's line sizes");
}

} // namespace

bool TCustomGrid::Axis::SetCount(int value, int minimum)
{
    value = std::max(minimum, value);
    if (value == Count)
        return false;
    if (!Sizes.empty())
        RequireRoomForSizes(value);
    Count = value;
    if (!Sizes.empty())
        Sizes.resize(std::size_t(value), Default);
    Fixed = std::min(Fixed, value - 1);
    return true;
}

bool TCustomGrid::Axis::SetSize(int index, int value)
{
    if (index < 0 || index >= Count)
        throw EVEKError("Grid index out of range");
    value = PixelExtent(value);
    if (Size(index) == value)
        return false;
    if (Sizes.empty()) {
        RequireRoomForSizes(Count);
        Sizes.assign(std::size_t(Count), Default);
    }
    Sizes[std::size_t(index)] = value;
    return true;
}

int TCustomGrid::Axis::FixedExtent(int line) const
{
    int extent = 0;
    for (int i = 0; i < Fixed; ++i)
        extent += Size(i) + line;
    return extent;
}

std::vector<TCustomGrid::LineSpan> TCustomGrid::Axis::VisibleSpans(int first, int origin,
                                                                   int limit, int line) const
{
    std::vector<LineSpan> spans;
    int pos = origin;
    for (int i = 0; i < Fixed && pos < limit; ++i) {
        spans.push_back({i, pos, Size(i)});
        pos += Size(i) + line;
    }
    for (int i = first; i < Count && pos < limit; ++i) {
        spans.push_back({i, pos, Size(i)});
        pos += Size(i) + line;
    }
    return spans;
}

int TCustomGrid::Axis::FitCount(int first, int room, int line) const
{
    int count = 0;
    for (int i = first, pos = 0; i < Count && pos + Size(i) <= room; ++i, ++count)
        pos += Size(i) + line;
    return count;
}

int TCustomGrid::Axis::MaxFirst(int room, int line) const
{
    int i = Count - 1;
    for (int pos = 0; i >= Fixed && pos + Size(i) <= room; --i)
        pos += Size(i) + line;
    return std::max(Fixed, std::min(i + 1, Count - 1));
}

int TCustomGrid::Private::LineWidthFor(bool vertical) const
{
    const TGridOptions lines = vertical ? (goFixedVertLine | goVertLine)
                                        : (goFixedHorzLine | goHorzLine);
    return (options & lines) ? gridLineWidth : 0;
}

// ---- construction

TCustomGrid::TCustomGrid(QWidget* parent) : TCustomControl(parent), d(std::make_unique<Private>())
{
    SetColor(clWindow);
    SetTabStop(true);
    d->options = goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goRangeSelect;
    d->horzBar = new QScrollBar(Qt::Horizontal, this);
    d->vertBar = new QScrollBar(Qt::Vertical, this);
    for (QScrollBar* bar : {d->horzBar, d->vertBar}) {
        bar->setHidden(true);
        bar->setFocusPolicy(Qt::NoFocus);
        bar->setTracking(false);
        // Scrolling reports the new top left cell to the application from Qt's event
        // handling.
        connect(bar, &QScrollBar::valueChanged, this, [this] {
            if (!d->syncingBars)
                RunGuarded(this, [this] { SetFirst(d->horzBar->value(), d->vertBar->value()); });
        });
    }
    // A scroll area: it takes the room a layout offers and scrolls what does not fit.
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    SetDefaultSize(320, 120);
}

TCustomGrid::~TCustomGrid() = default;

// ---- shape and sizes

int TCustomGrid::ColCount() const { return d->cols.Count; }
int TCustomGrid::RowCount() const { return d->rows.Count; }
int TCustomGrid::FixedCols() const { return d->cols.Fixed; }
int TCustomGrid::FixedRows() const { return d->rows.Fixed; }
int TCustomGrid::DefaultColWidth() const { return d->cols.Default; }
int TCustomGrid::DefaultRowHeight() const { return d->rows.Default; }
int TCustomGrid::GridLineWidth() const { return d->gridLineWidth; }

void TCustomGrid::ShapeChanged(const ViewState& before)
{
    ClampState();
    Relayout(before.TopLeft);
    updateGeometry();
    NotifySelection(before);
}

void TCustomGrid::SetColCount(int value)
{
    const ViewState before = CurrentView();
    if (d->cols.SetCount(value, 1))
        ShapeChanged(before);
}

void TCustomGrid::SetRowCount(int value)
{
    const ViewState before = CurrentView();
    if (d->rows.SetCount(value, 1))
        ShapeChanged(before);
}

void TCustomGrid::SetFixedCols(int value)
{
    if (value < 0)
        throw EVEKError("Fixed column count must not be negative");
    if (value >= d->cols.Count)
        throw EVEKError("Fixed column count must be less than column count");
    const ViewState before = CurrentView();
    d->cols.Fixed = value;
    d->topLeft.X = value; // the view starts at the first scrolling column
    ShapeChanged(before);
}

void TCustomGrid::SetFixedRows(int value)
{
    if (value < 0)
        throw EVEKError("Fixed row count must not be negative");
    if (value >= d->rows.Count)
        throw EVEKError("Fixed row count must be less than row count");
    const ViewState before = CurrentView();
    d->rows.Fixed = value;
    d->topLeft.Y = value;
    ShapeChanged(before);
}

void TCustomGrid::SetDefaultColWidth(int value)
{
    d->cols.Default = PixelExtent(value);
    d->cols.Sizes.clear();
    GeometryChanged();
    ColWidthsChanged();
}

void TCustomGrid::SetDefaultRowHeight(int value)
{
    d->rows.Default = PixelExtent(value);
    d->rows.Sizes.clear();
    GeometryChanged();
    RowHeightsChanged();
}

int TCustomGrid::ColWidths(int ACol) const
{
    return ACol >= 0 && ACol < d->cols.Count ? d->cols.Size(ACol) : 0;
}

int TCustomGrid::RowHeights(int ARow) const
{
    return ARow >= 0 && ARow < d->rows.Count ? d->rows.Size(ARow) : 0;
}

void TCustomGrid::SetColWidths(int ACol, int value)
{
    if (d->cols.SetSize(ACol, value))
        GeometryChanged();
    ColWidthsChanged();
}

void TCustomGrid::SetRowHeights(int ARow, int value)
{
    if (d->rows.SetSize(ARow, value))
        GeometryChanged();
    RowHeightsChanged();
}

void TCustomGrid::SetGridLineWidth(int value)
{
    d->gridLineWidth = PixelExtent(value);
    GeometryChanged();
}

// ---- geometry

std::vector<TCustomGrid::LineSpan> TCustomGrid::ColSpans() const
{
    const TRect client = GridClientRect();
    return d->cols.VisibleSpans(d->topLeft.X, client.Left, client.Right, d->LineWidthFor(true));
}

std::vector<TCustomGrid::LineSpan> TCustomGrid::RowSpans() const
{
    const TRect client = GridClientRect();
    return d->rows.VisibleSpans(d->topLeft.Y, client.Top, client.Bottom, d->LineWidthFor(false));
}

TRect TCustomGrid::GridClientRect() const
{
    const int b = d->BorderWidth();
    const int right = Width() - b - (d->vertBar->isHidden() ? 0 : d->vertBar->sizeHint().width());
    const int bottom =
        Height() - b - (d->horzBar->isHidden() ? 0 : d->horzBar->sizeHint().height());
    return TRect(b, b, std::max(b, right), std::max(b, bottom));
}

QSize TCustomGrid::minimumSizeHint() const
{
    // As a scroll area: a bar's own minimum length plus the other bar's thickness.
    const int frame = 2 * d->BorderWidth();
    const QSize horz = d->horzBar->sizeHint(), vert = d->vertBar->sizeHint();
    const bool horzAllowed = d->scrollBars & ssHorizontal;
    const bool vertAllowed = d->scrollBars & ssVertical;
    return QSize(frame + horz.width() + (vertAllowed ? vert.width() : 0),
                 frame + vert.height() + (horzAllowed ? horz.height() : 0));
}

QSize TCustomGrid::ContentsSizeHint(const QSize& most) const
{
    // Pixels that show every cell of an axis: each cell but the last followed by its
    // line (as the scroll bars count), no further than limit.
    auto extent = [](const Axis& axis, int line, int limit) {
        int total = 0;
        for (int i = 0; i < axis.Count && total <= limit; ++i)
            total += axis.Size(i) + line;
        return std::max(0, total - line);
    };
    const int frame = 2 * d->BorderWidth();
    const int barW = d->vertBar->sizeHint().width(), barH = d->horzBar->sizeHint().height();
    const int width = frame + extent(d->cols, d->LineWidthFor(true), most.width());
    const int height = frame + extent(d->rows, d->LineWidthFor(false), most.height());
    bool needH = false, needV = false;
    for (int pass = 0; pass < 2; ++pass) { // a bar of one axis may make the other needed
        needH = (d->scrollBars & ssHorizontal) && width + (needV ? barW : 0) > most.width();
        needV = (d->scrollBars & ssVertical) && height + (needH ? barH : 0) > most.height();
    }
    return QSize(std::min(width + (needV ? barW : 0), most.width()),
                 std::min(height + (needH ? barH : 0), most.height()));
}

TRect TCustomGrid::CellsExtent() const
{
    const TRect client = GridClientRect();
    auto end = [](const std::vector<LineSpan>& spans, int origin, int limit, int line) {
        const int last = spans.empty() ? origin : spans.back().Start + spans.back().Extent + line;
        return std::min(last, limit);
    };
    return TRect(client.Left, client.Top,
                 end(ColSpans(), client.Left, client.Right, d->LineWidthFor(true)),
                 end(RowSpans(), client.Top, client.Bottom, d->LineWidthFor(false)));
}

TRect TCustomGrid::CellRect(int ACol, int ARow) const
{
    auto find = [](const std::vector<LineSpan>& spans, int index) {
        auto it = std::find_if(spans.begin(), spans.end(),
                               [index](const LineSpan& s) { return s.Index == index; });
        return it == spans.end() ? nullptr : &*it;
    };
    const auto cols = ColSpans();
    const auto rows = RowSpans();
    const LineSpan* c = find(cols, ACol);
    const LineSpan* r = find(rows, ARow);
    if (!c || !r)
        return TRect();
    return TRect(c->Start, r->Start, c->Start + c->Extent, r->Start + r->Extent);
}

TGridCoord TCustomGrid::MouseCoord(int X, int Y) const
{
    auto hit = [](const std::vector<LineSpan>& spans, int p) {
        for (const LineSpan& s : spans)
            if (p >= s.Start && p < s.Start + s.Extent)
                return s.Index;
        return -1;
    };
    if (!GridClientRect().Contains(X, Y))
        return {-1, -1};
    return {hit(ColSpans(), X), hit(RowSpans(), Y)};
}

int TCustomGrid::VisibleColCount() const
{
    const TRect client = GridClientRect();
    const int lv = d->LineWidthFor(true);
    return d->cols.FitCount(d->topLeft.X, client.Width() - d->cols.FixedExtent(lv), lv);
}

int TCustomGrid::VisibleRowCount() const
{
    const TRect client = GridClientRect();
    const int lh = d->LineWidthFor(false);
    return d->rows.FitCount(d->topLeft.Y, client.Height() - d->rows.FixedExtent(lh), lh);
}

// ---- view position

int TCustomGrid::TopRow() const { return d->topLeft.Y; }
int TCustomGrid::LeftCol() const { return d->topLeft.X; }
void TCustomGrid::SetTopRow(int value) { SetFirst(d->topLeft.X, value); }
void TCustomGrid::SetLeftCol(int value) { SetFirst(value, d->topLeft.Y); }

// Moves the view start, clamped so that the view never scrolls past the last cells.
bool TCustomGrid::ClampFirst(int col, int row)
{
    const TRect client = GridClientRect();
    const int lv = d->LineWidthFor(true), lh = d->LineWidthFor(false);
    const int maxCol = d->cols.MaxFirst(client.Width() - d->cols.FixedExtent(lv), lv);
    const int maxRow = d->rows.MaxFirst(client.Height() - d->rows.FixedExtent(lh), lh);
    const TGridCoord next{std::clamp(col, d->cols.Fixed, maxCol),
                          std::clamp(row, d->rows.Fixed, maxRow)};
    if (next == d->topLeft)
        return false;
    d->topLeft = next;
    return true;
}

void TCustomGrid::SetFirst(int col, int row)
{
    if (!ClampFirst(col, row))
        return;
    SyncScrollBars();
    PlaceEditor();
    Invalidate();
    TopLeftChanged();
}

void TCustomGrid::TopLeftChanged()
{
    if (OnTopLeftChanged)
        OnTopLeftChanged(this);
    emit topLeftChanged();
}

// Scrolls the least distance that shows the cell completely (as far as it fits).
void TCustomGrid::ScrollIntoView(int ACol, int ARow)
{
    const TRect client = GridClientRect();
    const int lv = d->LineWidthFor(true), lh = d->LineWidthFor(false);
    auto firstFor = [](const Axis& axis, int first, int index, int room, int line) {
        if (index < axis.Fixed)
            return first;
        if (index < first)
            return index;
        const int fit = std::max(1, axis.FitCount(first, room, line));
        if (index < first + fit)
            return first;
        // The last cell that keeps index fully visible at the bottom (right) edge.
        int start = index;
        for (int pos = axis.Size(index) + line;
             start > axis.Fixed && pos + axis.Size(start - 1) <= room; --start)
            pos += axis.Size(start - 1) + line;
        return start;
    };
    SetFirst(firstFor(d->cols, d->topLeft.X, ACol, client.Width() - d->cols.FixedExtent(lv), lv),
             firstFor(d->rows, d->topLeft.Y, ARow, client.Height() - d->rows.FixedExtent(lh), lh));
}

// Keeps the current cell, the anchor and the view inside the scrolling cells.
void TCustomGrid::ClampState()
{
    auto clampCoord = [this](TGridCoord& c) {
        c.X = std::clamp(c.X, d->cols.Fixed, d->cols.Count - 1);
        c.Y = std::clamp(c.Y, d->rows.Fixed, d->rows.Count - 1);
    };
    clampCoord(d->current);
    clampCoord(d->anchor);
    clampCoord(d->topLeft);
}

// ---- scroll bars

void TCustomGrid::LayoutScrollBars()
{
    const int b = d->BorderWidth();
    const int barW = d->vertBar->sizeHint().width(), barH = d->horzBar->sizeHint().height();
    const int lv = d->LineWidthFor(true), lh = d->LineWidthFor(false);
    const int roomW = Width() - 2 * b - d->cols.FixedExtent(lv);
    const int roomH = Height() - 2 * b - d->rows.FixedExtent(lh);
    auto overflows = [](const Axis& axis, int room, int line) {
        return axis.FitCount(axis.Fixed, room, line) < axis.Count - axis.Fixed;
    };
    bool needH = false, needV = false;
    for (int pass = 0; pass < 2; ++pass) {
        needH = (d->scrollBars & ssHorizontal) && overflows(d->cols, roomW - (needV ? barW : 0), lv);
        needV = (d->scrollBars & ssVertical) && overflows(d->rows, roomH - (needH ? barH : 0), lh);
    }
    d->horzBar->setHidden(!needH);
    d->vertBar->setHidden(!needV);
    d->horzBar->setGeometry(b, Height() - b - barH, Width() - 2 * b - (needV ? barW : 0), barH);
    d->vertBar->setGeometry(Width() - b - barW, b, barW, Height() - 2 * b - (needH ? barH : 0));
}

void TCustomGrid::SyncScrollBars()
{
    const TRect client = GridClientRect();
    const int lv = d->LineWidthFor(true), lh = d->LineWidthFor(false);
    d->syncingBars = true;
    d->horzBar->setRange(d->cols.Fixed,
                         d->cols.MaxFirst(client.Width() - d->cols.FixedExtent(lv), lv));
    d->horzBar->setPageStep(std::max(1, VisibleColCount()));
    d->horzBar->setValue(d->topLeft.X);
    d->vertBar->setRange(d->rows.Fixed,
                         d->rows.MaxFirst(client.Height() - d->rows.FixedExtent(lh), lh));
    d->vertBar->setPageStep(std::max(1, VisibleRowCount()));
    d->vertBar->setValue(d->topLeft.Y);
    d->syncingBars = false;
}

void TCustomGrid::GeometryChanged()
{
    Relayout(d->topLeft);
    updateGeometry(); // a descendant's size hint may follow its cells
}

void TCustomGrid::Relayout(TGridCoord shown)
{
    LayoutScrollBars();
    // The view may now scroll past the last cells (the grid grew or cells shrank).
    ClampFirst(d->topLeft.X, d->topLeft.Y);
    SyncScrollBars();
    PlaceEditor();
    Invalidate();
    if (d->topLeft != shown)
        TopLeftChanged();
}

void TCustomGrid::Resize()
{
    Relayout(d->topLeft);
    TCustomControl::Resize();
}

TScrollStyle TCustomGrid::ScrollBars() const { return d->scrollBars; }

void TCustomGrid::SetScrollBars(TScrollStyle value)
{
    d->scrollBars = value;
    GeometryChanged(); // the minimum size counts the bars that may appear
}

TGridBorderStyle TCustomGrid::BorderStyle() const { return d->borderStyle; }

void TCustomGrid::SetBorderStyle(TGridBorderStyle value)
{
    d->borderStyle = value;
    GeometryChanged();
}

} // namespace vek
