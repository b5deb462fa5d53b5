// TReportListView and the mouse: header-click sorting, check marks, row selection in the
// three modes, deselection by a release beside the cells, auto-sizing a column by a
// double click on its header border, and the wheel.
#include "replist_p.h"

#include <QMouseEvent>

namespace vek {

// A header click this close to a cell edge is left to column sizing.
static constexpr int SortEdgeSlack = 4;
// A click this close to a check cell's left edge hits its check box.
static constexpr int CheckBoxHitWidth = 18;

void TReportListView::MouseMove(TShiftState Shift, int X, int Y)
{
    d->lastMouseX = X;
    d->lastMouseY = Y;
    TCustomDrawGrid::MouseMove(Shift, X, Y);
}

void TReportListView::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    d->lastMouseX = X;
    d->lastMouseY = Y;
    TCustomDrawGrid::MouseDown(Button, Shift, X, Y);
    const TGridCoord cell = MouseCoord(X, Y);
    if (Button != mbLeft || cell.X < 0 || cell.Y < 0)
        return;
    const TRect rect = CellRect(cell.X, cell.Y);
    if (d->colHdVis && cell.Y == CountHeadRows() - 1) {
        if (d->sortEnabled && X > rect.Left + SortEdgeSlack && X < rect.Right - SortEdgeSlack)
            SortByHeaderClick(cell.X);
        return;
    }
    const int dc = DataColumnAt(cell.X), dr = DataRowAt(cell.Y);
    if (dr == 0)
        return;
    PaintBatch batch(this);
    const bool editable = ColumnEditable(dc) && RowEnabled(dr);
    SetOptions(editable ? Options() | goEditing : Options() & ~goEditing);
    const QStringView stored = d->data->Strings->CellView(dc, dr);
    if (ColumnCheckMode(dc) != cmNone && X - rect.Left < CheckBoxHitWidth && !d->roCheckMarks &&
        RowEnabled(dr) && (stored.size() > 1 || d->showEmptyCBx))
        ToggleCheckMark(dc, dr);
    SelectRowsByClick(Shift);
}

void TReportListView::ToggleCheckMark(int dc, int dr)
{
    bool state = !ElemChecked(dc, dr);
    if (OnBeforeCheckedChange)
        OnBeforeCheckedChange(this, state, dc, dr);
    // A radio button is checked by a click whatever the handler said.
    if (ColumnCheckMode(dc) == cmRadio)
        state = true;
    d->data->SetElemChecked(dc, dr, state);
    bool before = !state;
    if (OnCheckedChange)
        OnCheckedChange(this, before, dc, dr);
    emit checkedChanged(dc, dr, state);
}

void TReportListView::SelectRowsByClick(TShiftState Shift)
{
    const int s = SelectedDataRow();
    if (s == 0 || d->rowSelectMode == 0)
        return;
    if (d->rowSelectMode == 2 && (Shift & ssShift)) {
        ExtendSelectionTo(s);
        return;
    }
    if (d->rowSelectMode == 2) {
        d->selectAnchor = s;
        if ((Shift & ssCtrl) || !d->ctrlForMultiSel) {
            SetRowFlag(s, SelectedBit, !RowSelected(s));
            ChangedSelection();
            return;
        }
    }
    SelectCurrentRowOnly();
}

// Rows from the anchor to dr take the anchor's selected and disabled flags.
void TReportListView::ExtendSelectionTo(int dr)
{
    TStringArray* cells = d->data->Strings;
    const int anchor = std::clamp(d->selectAnchor, 1, std::max(NrOfRows(), 1));
    const quint8 flags = cells->GetRowAttrib(anchor) & (SelectedBit | DisabledBit);
    for (int r = std::min(anchor, dr); r <= std::max(anchor, dr); ++r) {
        const quint8 attr = cells->GetRowAttrib(r) & ~(SelectedBit | DisabledBit);
        cells->SetRowAttrib(r, attr | flags);
    }
    Invalidate();
    ChangedSelection();
}

void TReportListView::SelectCurrentRowOnly()
{
    PaintBatch batch(this);
    SetAllRowFlags(SelectedBit, false);
    SetRowFlag(SelectedDataRow(), SelectedBit, true);
    ChangedSelection();
}

void TReportListView::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomDrawGrid::MouseUp(Button, Shift, X, Y);
    const TRect cells = CellsExtent();
    if (d->rowSelectMode == 2 && (X > cells.Right || (Button == mbLeft && Y > cells.Bottom))) {
        PaintBatch batch(this);
        SetAllRowFlags(SelectedBit, false);
        ChangedSelection();
    }
}

// The double click handling below reads the last mouse position; a double click brings
// its own, whatever presses were seen before.
void TReportListView::mouseDoubleClickEvent(QMouseEvent* event)
{
    d->lastMouseX = int(event->position().x());
    d->lastMouseY = int(event->position().y());
    TCustomDrawGrid::mouseDoubleClickEvent(event);
}

void TReportListView::DblClick()
{
    if (AutoSizeColumnAtHeaderBorder())
        return;
    TCustomDrawGrid::DblClick();
}

// A double click on a column header border fits the column left of it to its contents.
// True when the double click was on the header row (which raises no OnDblClick).
bool TReportListView::AutoSizeColumnAtHeaderBorder()
{
    const int X = d->lastMouseX, Y = d->lastMouseY;
    const TGridCoord cell = MouseCoord(X, Y);
    if (!d->colHdVis || Y >= CellsExtent().Bottom || cell.Y != CountHeadRows() - 1 ||
        cell.X < 0)
        return false;
    const TRect rect = CellRect(cell.X, cell.Y);
    if (X - rect.Left < 5 || rect.Right - X <= 4) {
        int col = cell.X + (X > (rect.Left + rect.Right) / 2 ? 1 : 0) - 1;
        while (col > 0 && TCustomGrid::ColWidths(col) < 1)
            --col;
        if (col >= 0)
            AutoColWidth(DataColumnAt(col), true, 0);
    }
    return true;
}

// The wheel scrolls only a list that has rows.
bool TReportListView::DoMouseWheelDown(TShiftState Shift, QPoint MousePos)
{
    return NrOfShownRows() > 0 && TCustomDrawGrid::DoMouseWheelDown(Shift, MousePos);
}

bool TReportListView::DoMouseWheelUp(TShiftState Shift, QPoint MousePos)
{
    return NrOfShownRows() > 0 && TCustomDrawGrid::DoMouseWheelUp(Shift, MousePos);
}

} // namespace vek
