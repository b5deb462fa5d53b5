// TCustomGrid painting: the grid lines after the visible cells, then the visible cells
// themselves, the insertion marker of a column or row drag, then the border.
#include "grid_p.h"

#include <frame/core/change.h>

namespace vek {

void TCustomGrid::Paint()
{
    TCanvas* canvas = Canvas();
    canvas->Brush()->SetColor(Color());
    canvas->FillRect(ClientRect());
    const auto cols = ColSpans();
    const auto rows = RowSpans();
    canvas->IntersectClipRect(GridClientRect());
    // Lines first: a cell may paint over its neighbours' lines (a header band).
    PaintLines(cols, rows);
    PaintCells(cols, rows);
    PaintMoveMarker(cols, rows);
    canvas->ResetClip();
    PaintBorder();
}

TGridDrawState TCustomGrid::CellState(int ACol, int ARow, const TGridRect& selection) const
{
    TGridDrawState state;
    if (ACol < d->cols.Fixed || ARow < d->rows.Fixed)
        return gdFixed;
    if (selection.Contains(ACol, ARow))
        state |= gdSelected;
    if (ACol == d->current.X && ARow == d->current.Y)
        state |= gdFocused;
    return state;
}

void TCustomGrid::PaintCells(const std::vector<LineSpan>& cols,
                             const std::vector<LineSpan>& rows)
{
    const TGridRect selection = Selection();
    for (const LineSpan& r : rows)
        for (const LineSpan& c : cols) {
            const TRect rect(c.Start, r.Start, c.Start + c.Extent, r.Start + r.Extent);
            const TGridDrawState state = CellState(c.Index, r.Index, selection);
            if (d->defaultDrawing)
                PrepareCell(rect, state);
            DrawCell(c.Index, r.Index, rect, state);
            if (d->defaultDrawing)
                FinishCell(rect, state);
        }
}

// The focused cell shows the highlight only in row selection or with goDrawFocusSelected;
// otherwise it keeps the window color and gets a focus rectangle.
static bool ShowsHighlight(TGridDrawState state, TGridOptions options)
{
    if (!(state & gdSelected))
        return false;
    return !(state & gdFocused) || (options & (goDrawFocusSelected | goRowSelect));
}

void TCustomGrid::PrepareCell(const TRect& r, TGridDrawState state)
{
    TCanvas* canvas = Canvas();
    canvas->Font()->Assign(Font());
    TColor fill = Color();
    if (state & gdFixed)
        fill = d->fixedColor;
    else if (ShowsHighlight(state, d->options)) {
        fill = clHighlight;
        canvas->Font()->SetColor(clHighlightText);
    }
    canvas->Brush()->SetColor(fill);
    canvas->FillRect(r);
}

void TCustomGrid::FinishCell(const TRect& r, TGridDrawState state)
{
    TCanvas* canvas = Canvas();
    if ((state & gdFixed) && r.Width() >= 2 && r.Height() >= 2) {
        // A one-pixel raised bevel, as a header button: light top and left edges, dark
        // right and bottom ones. Filled as rectangles, which cost a fraction of lines
        // and every header cell of a view has one.
        canvas->Brush()->SetColor(clBtnHighlight);
        canvas->FillRect(TRect(r.Left, r.Top, r.Right, r.Top + 1));
        canvas->FillRect(TRect(r.Left, r.Top + 1, r.Left + 1, r.Bottom));
        canvas->Brush()->SetColor(clBtnShadow);
        canvas->FillRect(TRect(r.Right - 1, r.Top + 1, r.Right, r.Bottom));
        canvas->FillRect(TRect(r.Left + 1, r.Bottom - 1, r.Right - 1, r.Bottom));
    } else if ((state & gdFocused) && Focused() && !(d->options & goRowSelect) && !d->editorMode)
        canvas->DrawFocusRect(r);
}

void TCustomGrid::DrawCellFocusMark(const TRect& Rect)
{
    if (!Focused() || d->editorMode)
        return;
    TCanvas* canvas = Canvas();
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(canvas->Font()->Color());
    canvas->DottedFrameRect(TRect(Rect.Left + 1, Rect.Top + 1, Rect.Right - 1, Rect.Bottom - 1));
}

void TCustomGrid::PaintLines(const std::vector<LineSpan>& cols,
                             const std::vector<LineSpan>& rows)
{
    TCanvas* canvas = Canvas();
    const int lv = d->LineWidthFor(true), lh = d->LineWidthFor(false);
    for (const LineSpan& r : rows)
        for (const LineSpan& c : cols) {
            const bool fixed = c.Index < d->cols.Fixed || r.Index < d->rows.Fixed;
            const TGridOptions vert = fixed ? goFixedVertLine : goVertLine;
            const TGridOptions horz = fixed ? goFixedHorzLine : goHorzLine;
            const TColor lineColor = fixed ? TColor(clBtnShadow) : d->gridLineColor;
            const TColor gapColor = fixed ? d->fixedColor : Color();
            const int right = c.Start + c.Extent, bottom = r.Start + r.Extent;
            if (lv > 0) {
                canvas->Brush()->SetColor((d->options & vert) ? lineColor : gapColor);
                canvas->FillRect(TRect(right, r.Start, right + lv, bottom + lh));
            }
            if (lh > 0) {
                canvas->Brush()->SetColor((d->options & horz) ? lineColor : gapColor);
                canvas->FillRect(TRect(c.Start, bottom, right, bottom + lh));
            }
        }
}

// A sunken two-pixel frame around the whole control.
void TCustomGrid::PaintBorder()
{
    if (d->borderStyle != bsSingle)
        return;
    TCanvas* canvas = Canvas();
    const int r = Width() - 1, b = Height() - 1;
    auto frame = [canvas](int l, int t, int r, int b, TColor topLeft, TColor bottomRight) {
        canvas->Pen()->SetColor(topLeft);
        canvas->MoveTo(l, b);
        canvas->LineTo(l, t);
        canvas->LineTo(r + 1, t);
        canvas->Pen()->SetColor(bottomRight);
        canvas->MoveTo(r, t + 1);
        canvas->LineTo(r, b);
        canvas->LineTo(l - 1, b);
    };
    frame(0, 0, r, b, clBtnShadow, clBtnHighlight);
    frame(1, 1, r - 1, b - 1, cl3DDkShadow, clBtnFace);
}

void TCustomGrid::InvalidateGrid() { Invalidate(); }

// The back buffer is repainted as a whole; a cell or line request is kept as its own
// call so that callers state what changed.
void TCustomGrid::InvalidateCell(int, int) { Invalidate(); }
void TCustomGrid::InvalidateRow(int) { Invalidate(); }
void TCustomGrid::InvalidateCol(int) { Invalidate(); }

TColor TCustomGrid::FixedColor() const { return d->fixedColor; }

void TCustomGrid::SetFixedColor(TColor value)
{
    if (Change(d->fixedColor, value))
        Invalidate();
}

TColor TCustomGrid::GridLineColor() const { return d->gridLineColor; }

void TCustomGrid::SetGridLineColor(TColor value)
{
    if (Change(d->gridLineColor, value))
        Invalidate();
}

TColor TCustomGrid::DefaultGridLineColor() const { return d->defaultGridLineColor; }

void TCustomGrid::SetDefaultGridLineColor(TColor value)
{
    d->defaultGridLineColor = value;
    SetGridLineColor(value);
}

bool TCustomGrid::DefaultDrawing() const { return d->defaultDrawing; }

void TCustomGrid::SetDefaultDrawing(bool value)
{
    if (Change(d->defaultDrawing, value))
        Invalidate();
}

} // namespace vek
