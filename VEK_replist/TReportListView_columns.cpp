// TReportListView: forwarded column settings, column widths from the contents, and
// centering a row in the view.
#include "replist_p.h"

#include <algorithm>

namespace vek {

// Room for a check box in a check column, for the sort arrow in a header, and the cell's
// left plus right margins.
static constexpr int CheckBoxRoom = 16;
static constexpr int SortArrowRoom = 13;
static constexpr int CellMargins = 9;

void TReportListView::TopLeftChanged()
{
    InvalidateGrid();
    TCustomDrawGrid::TopLeftChanged();
}

void TReportListView::SetElemChecked(int ACol, int ARow, bool value)
{
    if (ContainsColumn(ACol) && ContainsRow(ARow))
        d->data->SetElemChecked(ACol, ARow, value);
}

void TReportListView::SetColumnFormat(int ColNr, const QString& value)
{
    d->data->SetColumnFormat(ColNr, value);
    Changed();
    Repaint();
}

void TReportListView::SetColumnCheckMode(int ColNr, TCheckMode value)
{
    d->data->SetColumnCheckMode(ColNr, value);
    Changed();
    Repaint();
}

void TReportListView::SetIsCheckedColumn(int ColNr, bool value)
{
    d->data->SetIsCheckedColumn(ColNr, value);
    Changed();
    Repaint();
}

int TReportListView::DetermineMaxColWidth(int ColNr, bool IncludeHeader)
{
    if (!ContainsColumn(ColNr))
        return CellMargins;
    TCanvas* canvas = Canvas();
    canvas->Font()->Assign(Font());
    const int italic = (Font()->Style() & fsItalic) ? 2 : 0;
    const bool box = ColumnCheckMode(ColNr) == cmBox;
    const int extra = (box ? CheckBoxRoom : 0) + italic;
    int widest = 0;
    for (int r = 1; r <= NrOfRows(); ++r) {
        const QString stored = d->data->Strings->GetString(ColNr, r);
        widest = std::max(widest, canvas->TextWidth(box ? stored.mid(1) : stored) + extra);
    }
    if (IncludeHeader) {
        const int arrow = ColNr == LastSortColumn() ? SortArrowRoom : 0;
        widest = std::max(widest, canvas->TextWidth(Header(ColNr)) + arrow + italic);
    }
    return widest + CellMargins;
}

void TReportListView::AutoColWidth(int ColNr, bool IncludeHeader, int Addon)
{
    SetColWidths(ColNr, std::max(4, DetermineMaxColWidth(ColNr, IncludeHeader) + Addon));
}

void TReportListView::AutoColWidth(int ColNr, bool IncludeHeader, int Addon, int MaxWidth)
{
    const int width = std::max(4, DetermineMaxColWidth(ColNr, IncludeHeader) + Addon);
    SetColWidths(ColNr, std::min(width, MaxWidth));
}

void TReportListView::ExpandColWidth(int ColIx, int RightMargin)
{
    if (ContainsColumn(ColIx)) {
        int others = 0;
        for (int c = 1; c <= NrOfColumns(); ++c)
            if (c != ColIx)
                others += ColWidths(c);
        const int width = GridClientRect().Width() - RightMargin - others;
        SetColWidths(ColIx, width <= 15 ? 16 : width);
    }
    ChangedSetup();
}

void TReportListView::FitAllColWidths(int ExpandColumn, bool IncludeHeader, int Addon,
                                      int MaxWidth, int RightMargin)
{
    PaintBatch batch(this);
    for (int c = 1; c <= NrOfColumns(); ++c)
        if (c != ExpandColumn)
            AutoColWidth(c, IncludeHeader, Addon, MaxWidth);
    ExpandColWidth(ExpandColumn, RightMargin);
}

// Works in the lines the view shows, so that a filtered list centers the row too.
void TReportListView::CenterScrollAndSelect(int Row)
{
    PaintBatch batch(this);
    SetAllRowFlags(SelectedBit, false);
    SetRowFlag(Row, SelectedBit, true);
    const int gridRow = GridRowOf(Row);
    if (gridRow >= 0) {
        const int line = gridRow - FixedRows() + 1, lines = NrOfShownRows();
        const int visible = VisibleRowCount();
        const int top = line > lines - visible / 2 ? lines - visible + 1 : line - visible / 2;
        TCustomGrid::SetTopRow(FixedRows() + std::max(top, 1) - 1);
        // The grid's own selection (the current row for the keyboard) is in grid rows.
        SetSelection({1, gridRow, NrOfColumns(), gridRow});
    }
    ChangedSelection();
}

} // namespace vek
