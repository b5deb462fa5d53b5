// TCustomGrid: shape, sizes, cell geometry, the view position and the scroll bars.
// Every computation walks only the cells between the view's start and the visible
// limit, so nothing here costs O(RowCount) except the optional per-index size tables.
#include "grid.h"

#include <frame/core/errors.h>

#include <QScrollBar>

#include <algorithm>

namespace vek {

TCustomGrid::TCustomGrid(QWidget* parent) : TCustomControl(parent)
{
    SetColor(clWindow);
    SetTabStop(true);
    FOptions = goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goRangeSelect;
    FHorzBar = new QScrollBar(Qt::Horizontal, this);
    FVertBar = new QScrollBar(Qt::Vertical, this);
    for (QScrollBar* bar : {FHorzBar, FVertBar}) {
        bar->setHidden(true);
        bar->setFocusPolicy(Qt::NoFocus);
        bar->setTracking(false);
        connect(bar, &QScrollBar::valueChanged, this, [this] {
            if (!FSyncingBars)
                SetFirst(FHorzBar->value(), FVertBar->value());
        });
    }
    SetDefaultSize(320, 120);
}

TCustomGrid::~TCustomGrid() = default;

// ---- shape and sizes

void TCustomGrid::SetCount(Axis& axis, int value, int minimum)
{
    value = std::max(minimum, value);
    if (value == axis.Count)
        return;
    axis.Count = value;
    if (!axis.Sizes.empty())
        axis.Sizes.resize(std::size_t(value), axis.Default);
    axis.Fixed = std::min(axis.Fixed, value - 1);
    ClampState();
    GeometryChanged();
}

void TCustomGrid::SetColCount(int value) { SetCount(FCols, value, 1); }
void TCustomGrid::SetRowCount(int value) { SetCount(FRows, value, 1); }

void TCustomGrid::SetFixedCols(int value)
{
    if (value < 0)
        throw EVEKError("Fixed column count must not be negative");
    if (value >= FCols.Count)
        throw EVEKError("Fixed column count must be less than column count");
    FCols.Fixed = value;
    FTopLeft.X = value; // the view starts at the first scrolling column
    ClampState();
    GeometryChanged();
}

void TCustomGrid::SetFixedRows(int value)
{
    if (value < 0)
        throw EVEKError("Fixed row count must not be negative");
    if (value >= FRows.Count)
        throw EVEKError("Fixed row count must be less than row count");
    FRows.Fixed = value;
    FTopLeft.Y = value;
    ClampState();
    GeometryChanged();
}

void TCustomGrid::SetDefaultColWidth(int value)
{
    FCols.Default = std::max(0, value);
    FCols.Sizes.clear();
    GeometryChanged();
    ColWidthsChanged();
}

void TCustomGrid::SetDefaultRowHeight(int value)
{
    FRows.Default = std::max(0, value);
    FRows.Sizes.clear();
    GeometryChanged();
    RowHeightsChanged();
}

int TCustomGrid::ColWidths(int ACol) const
{
    return ACol >= 0 && ACol < FCols.Count ? FCols.Size(ACol) : 0;
}

int TCustomGrid::RowHeights(int ARow) const
{
    return ARow >= 0 && ARow < FRows.Count ? FRows.Size(ARow) : 0;
}

void TCustomGrid::SetSize(Axis& axis, int index, int value)
{
    if (index < 0 || index >= axis.Count)
        throw EVEKError("Grid index out of range");
    value = std::max(0, value);
    if (axis.Size(index) == value)
        return;
    if (axis.Sizes.empty())
        axis.Sizes.assign(std::size_t(axis.Count), axis.Default);
    axis.Sizes[std::size_t(index)] = value;
    GeometryChanged();
}

void TCustomGrid::SetColWidths(int ACol, int value)
{
    SetSize(FCols, ACol, value);
    ColWidthsChanged();
}

void TCustomGrid::SetRowHeights(int ARow, int value)
{
    SetSize(FRows, ARow, value);
    RowHeightsChanged();
}

void TCustomGrid::SetGridLineWidth(int value)
{
    FGridLineWidth = std::max(0, value);
    GeometryChanged();
}

// The space after each cell: reserved whenever lines of that direction are drawn
// anywhere, so fixed and scrolling cells stay aligned.
int TCustomGrid::LineWidthFor(bool vertical) const
{
    const TGridOptions lines = vertical ? (goFixedVertLine | goVertLine)
                                        : (goFixedHorzLine | goHorzLine);
    return (FOptions & lines) ? FGridLineWidth : 0;
}

// ---- geometry

int TCustomGrid::FixedExtent(const Axis& axis, int line) const
{
    int extent = 0;
    for (int i = 0; i < axis.Fixed; ++i)
        extent += axis.Size(i) + line;
    return extent;
}

std::vector<TCustomGrid::LineSpan> TCustomGrid::VisibleSpans(const Axis& axis, int first,
                                                             int origin, int limit,
                                                             int line) const
{
    std::vector<LineSpan> spans;
    int pos = origin;
    for (int i = 0; i < axis.Fixed && pos < limit; ++i) {
        spans.push_back({i, pos, axis.Size(i)});
        pos += axis.Size(i) + line;
    }
    for (int i = first; i < axis.Count && pos < limit; ++i) {
        spans.push_back({i, pos, axis.Size(i)});
        pos += axis.Size(i) + line;
    }
    return spans;
}

int TCustomGrid::FitCount(const Axis& axis, int first, int room, int line) const
{
    int count = 0;
    for (int i = first, pos = 0; i < axis.Count && pos + axis.Size(i) <= room; ++i, ++count)
        pos += axis.Size(i) + line;
    return count;
}

int TCustomGrid::MaxFirst(const Axis& axis, int room, int line) const
{
    int i = axis.Count - 1;
    for (int pos = 0; i >= axis.Fixed && pos + axis.Size(i) <= room; --i)
        pos += axis.Size(i) + line;
    return std::max(axis.Fixed, std::min(i + 1, axis.Count - 1));
}

TRect TCustomGrid::GridClientRect() const
{
    const int b = BorderWidth();
    const int right = Width() - b - (FVertBar->isHidden() ? 0 : FVertBar->sizeHint().width());
    const int bottom =
        Height() - b - (FHorzBar->isHidden() ? 0 : FHorzBar->sizeHint().height());
    return TRect(b, b, std::max(b, right), std::max(b, bottom));
}

TRect TCustomGrid::CellRect(int ACol, int ARow) const
{
    const TRect client = GridClientRect();
    const int lv = LineWidthFor(true), lh = LineWidthFor(false);
    auto find = [](const std::vector<LineSpan>& spans, int index) {
        auto it = std::find_if(spans.begin(), spans.end(),
                               [index](const LineSpan& s) { return s.Index == index; });
        return it == spans.end() ? nullptr : &*it;
    };
    const auto cols = VisibleSpans(FCols, FTopLeft.X, client.Left, client.Right, lv);
    const auto rows = VisibleSpans(FRows, FTopLeft.Y, client.Top, client.Bottom, lh);
    const LineSpan* c = find(cols, ACol);
    const LineSpan* r = find(rows, ARow);
    if (!c || !r)
        return TRect();
    return TRect(c->Start, r->Start, c->Start + c->Extent, r->Start + r->Extent);
}

TGridCoord TCustomGrid::MouseCoord(int X, int Y) const
{
    const TRect client = GridClientRect();
    auto hit = [](const std::vector<LineSpan>& spans, int p) {
        for (const LineSpan& s : spans)
            if (p >= s.Start && p < s.Start + s.Extent)
                return s.Index;
        return -1;
    };
    if (!client.Contains(X, Y))
        return {-1, -1};
    return {hit(VisibleSpans(FCols, FTopLeft.X, client.Left, client.Right, LineWidthFor(true)), X),
            hit(VisibleSpans(FRows, FTopLeft.Y, client.Top, client.Bottom, LineWidthFor(false)),
                Y)};
}

int TCustomGrid::VisibleColCount() const
{
    const TRect client = GridClientRect();
    const int lv = LineWidthFor(true);
    return FitCount(FCols, FTopLeft.X, client.Width() - FixedExtent(FCols, lv), lv);
}

int TCustomGrid::VisibleRowCount() const
{
    const TRect client = GridClientRect();
    const int lh = LineWidthFor(false);
    return FitCount(FRows, FTopLeft.Y, client.Height() - FixedExtent(FRows, lh), lh);
}

// ---- view position

void TCustomGrid::SetTopRow(int value) { SetFirst(FTopLeft.X, value); }
void TCustomGrid::SetLeftCol(int value) { SetFirst(value, FTopLeft.Y); }

// Moves the view start, clamped so that the view never scrolls past the last cells.
bool TCustomGrid::ClampFirst(int col, int row)
{
    const TRect client = GridClientRect();
    const int lv = LineWidthFor(true), lh = LineWidthFor(false);
    const int maxCol = MaxFirst(FCols, client.Width() - FixedExtent(FCols, lv), lv);
    const int maxRow = MaxFirst(FRows, client.Height() - FixedExtent(FRows, lh), lh);
    const TGridCoord next{std::clamp(col, FCols.Fixed, maxCol),
                          std::clamp(row, FRows.Fixed, maxRow)};
    if (next == FTopLeft)
        return false;
    FTopLeft = next;
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
}

// Scrolls the least distance that shows the cell completely (as far as it fits).
void TCustomGrid::ScrollIntoView(int ACol, int ARow)
{
    const TRect client = GridClientRect();
    const int lv = LineWidthFor(true), lh = LineWidthFor(false);
    auto firstFor = [this](const Axis& axis, int first, int index, int room, int line) {
        if (index < axis.Fixed)
            return first;
        if (index < first)
            return index;
        const int fit = std::max(1, FitCount(axis, first, room, line));
        if (index < first + fit)
            return first;
        // The last cell that keeps index fully visible at the bottom (right) edge.
        int start = index;
        for (int pos = axis.Size(index) + line;
             start > axis.Fixed && pos + axis.Size(start - 1) <= room; --start)
            pos += axis.Size(start - 1) + line;
        return start;
    };
    SetFirst(firstFor(FCols, FTopLeft.X, ACol, client.Width() - FixedExtent(FCols, lv), lv),
             firstFor(FRows, FTopLeft.Y, ARow, client.Height() - FixedExtent(FRows, lh), lh));
}

// Keeps the current cell, the anchor and the view inside the scrolling cells.
void TCustomGrid::ClampState()
{
    auto clampCoord = [this](TGridCoord& c) {
        c.X = std::clamp(c.X, FCols.Fixed, FCols.Count - 1);
        c.Y = std::clamp(c.Y, FRows.Fixed, FRows.Count - 1);
    };
    clampCoord(FCurrent);
    clampCoord(FAnchor);
    clampCoord(FTopLeft);
}

// ---- scroll bars

void TCustomGrid::LayoutScrollBars()
{
    const int b = BorderWidth();
    const int barW = FVertBar->sizeHint().width(), barH = FHorzBar->sizeHint().height();
    const int lv = LineWidthFor(true), lh = LineWidthFor(false);
    const int roomW = Width() - 2 * b - FixedExtent(FCols, lv);
    const int roomH = Height() - 2 * b - FixedExtent(FRows, lh);
    auto overflows = [this](const Axis& axis, int room, int line) {
        return FitCount(axis, axis.Fixed, room, line) < axis.Count - axis.Fixed;
    };
    bool needH = false, needV = false;
    for (int pass = 0; pass < 2; ++pass) {
        needH = (FScrollBars & ssHorizontal) && overflows(FCols, roomW - (needV ? barW : 0), lv);
        needV = (FScrollBars & ssVertical) && overflows(FRows, roomH - (needH ? barH : 0), lh);
    }
    FHorzBar->setHidden(!needH);
    FVertBar->setHidden(!needV);
    FHorzBar->setGeometry(b, Height() - b - barH, Width() - 2 * b - (needV ? barW : 0), barH);
    FVertBar->setGeometry(Width() - b - barW, b, barW, Height() - 2 * b - (needH ? barH : 0));
}

void TCustomGrid::SyncScrollBars()
{
    const TRect client = GridClientRect();
    const int lv = LineWidthFor(true), lh = LineWidthFor(false);
    FSyncingBars = true;
    FHorzBar->setRange(FCols.Fixed, MaxFirst(FCols, client.Width() - FixedExtent(FCols, lv), lv));
    FHorzBar->setPageStep(std::max(1, VisibleColCount()));
    FHorzBar->setValue(FTopLeft.X);
    FVertBar->setRange(FRows.Fixed,
                       MaxFirst(FRows, client.Height() - FixedExtent(FRows, lh), lh));
    FVertBar->setPageStep(std::max(1, VisibleRowCount()));
    FVertBar->setValue(FTopLeft.Y);
    FSyncingBars = false;
}

void TCustomGrid::GeometryChanged()
{
    LayoutScrollBars();
    // The view may now scroll past the last cells (the grid grew or cells shrank).
    const bool moved = ClampFirst(FTopLeft.X, FTopLeft.Y);
    SyncScrollBars();
    PlaceEditor();
    Invalidate();
    if (moved)
        TopLeftChanged();
}

void TCustomGrid::Resize()
{
    GeometryChanged();
    TCustomControl::Resize();
}

void TCustomGrid::SetScrollBars(TScrollStyle value)
{
    FScrollBars = value;
    GeometryChanged();
}

void TCustomGrid::SetBorderStyle(TGridBorderStyle value)
{
    FBorderStyle = value;
    GeometryChanged();
}

} // namespace vek
