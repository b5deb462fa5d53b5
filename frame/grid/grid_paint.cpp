// TCustomGrid painting: the grid lines after the visible cells, then the visible cells
// themselves, the insertion marker of a column or row drag, then the border.
#include "grid.h"

namespace vek {

void TCustomGrid::Paint()
{
    TCanvas* canvas = Canvas();
    canvas->Brush()->SetColor(Color());
    canvas->FillRect(ClientRect());
    const TRect client = GridClientRect();
    const auto cols =
        VisibleSpans(FCols, FTopLeft.X, client.Left, client.Right, LineWidthFor(true));
    const auto rows =
        VisibleSpans(FRows, FTopLeft.Y, client.Top, client.Bottom, LineWidthFor(false));
    canvas->IntersectClipRect(client);
    // Lines first: a cell may paint over its neighbours' lines (a header band).
    PaintLines(cols, rows);
    PaintCells(cols, rows);
    PaintMoveMarker(cols, rows);
    canvas->ResetClip();
    PaintBorder();
}

TGridDrawState TCustomGrid::CellState(int ACol, int ARow) const
{
    TGridDrawState state;
    if (ACol < FCols.Fixed || ARow < FRows.Fixed)
        return gdFixed;
    if (Selection().Contains(ACol, ARow))
        state |= gdSelected;
    if (ACol == FCurrent.X && ARow == FCurrent.Y)
        state |= gdFocused;
    return state;
}

void TCustomGrid::PaintCells(const std::vector<LineSpan>& cols,
                             const std::vector<LineSpan>& rows)
{
    for (const LineSpan& r : rows)
        for (const LineSpan& c : cols) {
            const TRect rect(c.Start, r.Start, c.Start + c.Extent, r.Start + r.Extent);
            const TGridDrawState state = CellState(c.Index, r.Index);
            if (FDefaultDrawing)
                PrepareCell(rect, state);
            DrawCell(c.Index, r.Index, rect, state);
            if (FDefaultDrawing)
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
        fill = FFixedColor;
    else if (ShowsHighlight(state, FOptions)) {
        fill = clHighlight;
        canvas->Font()->SetColor(clHighlightText);
    }
    canvas->Brush()->SetColor(fill);
    canvas->FillRect(r);
}

void TCustomGrid::FinishCell(const TRect& r, TGridDrawState state)
{
    TCanvas* canvas = Canvas();
    if (state & gdFixed) {
        // A one-pixel raised bevel, as a header button.
        canvas->Pen()->SetColor(clBtnHighlight);
        canvas->MoveTo(r.Left, r.Bottom - 1);
        canvas->LineTo(r.Left, r.Top);
        canvas->LineTo(r.Right, r.Top);
        canvas->Pen()->SetColor(clBtnShadow);
        canvas->MoveTo(r.Right - 1, r.Top + 1);
        canvas->LineTo(r.Right - 1, r.Bottom - 1);
        canvas->LineTo(r.Left, r.Bottom - 1);
    } else if ((state & gdFocused) && Focused() && !(FOptions & goRowSelect) && !FEditorMode)
        canvas->DrawFocusRect(r);
}

void TCustomGrid::PaintLines(const std::vector<LineSpan>& cols,
                             const std::vector<LineSpan>& rows)
{
    TCanvas* canvas = Canvas();
    const int lv = LineWidthFor(true), lh = LineWidthFor(false);
    for (const LineSpan& r : rows)
        for (const LineSpan& c : cols) {
            const bool fixed = c.Index < FCols.Fixed || r.Index < FRows.Fixed;
            const TGridOptions vert = fixed ? goFixedVertLine : goVertLine;
            const TGridOptions horz = fixed ? goFixedHorzLine : goHorzLine;
            const TColor lineColor = fixed ? TColor(clBtnShadow) : FGridLineColor;
            const TColor gapColor = fixed ? FFixedColor : Color();
            const int right = c.Start + c.Extent, bottom = r.Start + r.Extent;
            if (lv > 0) {
                canvas->Brush()->SetColor((FOptions & vert) ? lineColor : gapColor);
                canvas->FillRect(TRect(right, r.Start, right + lv, bottom + lh));
            }
            if (lh > 0) {
                canvas->Brush()->SetColor((FOptions & horz) ? lineColor : gapColor);
                canvas->FillRect(TRect(c.Start, bottom, right, bottom + lh));
            }
        }
}

// A sunken two-pixel frame around the whole control.
void TCustomGrid::PaintBorder()
{
    if (FBorderStyle != bsSingle)
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

void TCustomGrid::SetFixedColor(TColor value)
{
    FFixedColor = value;
    Invalidate();
}

void TCustomGrid::SetGridLineColor(TColor value)
{
    FGridLineColor = value;
    Invalidate();
}

void TCustomGrid::SetDefaultDrawing(bool value)
{
    FDefaultDrawing = value;
    Invalidate();
}

} // namespace vek
