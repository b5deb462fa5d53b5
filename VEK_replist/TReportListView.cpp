// TReportListView: construction, the grid geometry in data terms (header rows, view
// position, column order and widths) and the forwarded properties.
#include "VEK_replist.h"

#include <algorithm>

namespace vek {

// Attribute bits in the string array: a row or column is selected, a row is disabled.
static constexpr quint8 SelectedBit = 0x80;
static constexpr quint8 DisabledBit = 0x40;

TReportListView::TReportListView(QWidget* parent) : TCustomDrawGrid(parent)
{
    FRLData = new TRLData(nullptr);
    SetDefaultDrawing(false);
    SetFixedCols(0);
    SetFixedRows(1);
    try {
        FRLData->SetNrOfColumns(TCustomGrid::ColCount());
        FRLData->SetNrOfRows(TCustomGrid::RowCount() - 1);
        ResizeColumnArrays(NrOfColumns());
    } catch (const std::bad_alloc&) {
        delete FRLData;
        throw EVEKRepListError(
            ComponentErrorText(Name(), "failed to initialize table editor (out of memory)"));
    }
    ApplyGeometry();
    ConnectData();
    SetOptions(TGridOptions::fromInt(0x5083));
    SetTopRow(1);
}

TReportListView::~TReportListView() { delete FRLData; }

void TReportListView::ConnectData()
{
    // A cell write notifies once per cell: mark the view for repainting instead of
    // painting it now, so that a loop of writes costs one repaint, not one per cell.
    FRLData->Strings->OnChange = [this](TObject*) {
        Changed();
        Invalidate();
    };
    auto percent = [this](TObject*, int Percent) {
        if (OnPercentDone)
            OnPercentDone(this, Percent);
    };
    FRLData->Strings->OnPercentDone = percent;
    FRLData->OnPercentDone = percent;
    FRLData->Strings->OnBeforeSortExchange = [this](TObject*, const QString& CellText,
                                                    QString& SortText) {
        if (OnBeforeSortExchange)
            OnBeforeSortExchange(this, CellText, SortText);
    };
    FRLData->OnBeforeHTMLExport = [this](TObject*, QString& Text, int Col, int Row) {
        if (OnBeforeHTMLExport)
            OnBeforeHTMLExport(this, Text, Col, Row);
    };
}

void TReportListView::CreateWnd()
{
    TCustomDrawGrid::CreateWnd();
    RestoreSuppressPaint(FSuppressedByCaller);
}

// ---- notifications

void TReportListView::Changed()
{
    if (OnChange)
        OnChange(this);
}

void TReportListView::ChangedSetup()
{
    if (OnChangeSetup)
        OnChangeSetup(this);
}

void TReportListView::ChangedSelection()
{
    if (OnSelectedChange)
        OnSelectedChange(this);
}

void TReportListView::Repaint() { Refresh(); }

void TReportListView::SetSuppressPaint(bool value)
{
    FSuppressedByCaller = value;
    RestoreSuppressPaint(value);
}

void TReportListView::RestoreSuppressPaint(bool saved)
{
    FSuppressPaint = saved;
    if (!saved)
        Repaint();
}

// ---- size and geometry

void TReportListView::ResizeColumnArrays(int count)
{
    const auto n = std::size_t(count);
    FColAlignment.resize(n, taLeftJustify);
    FColumnIsPwd.resize(n, false);
    FColumnEditable.resize(n, false);
    FColOrder.resize(n);
    for (std::size_t i = 0; i < n; ++i)
        FColOrder[i] = int(i);
}

void TReportListView::ApplyGeometry()
{
    const int h = CountHeadRows();
    SetRowCount(std::max(h + NrOfRows(), h + 1));
    SetFixedRows(h);
    ApplyHeaderHeights();
}

void TReportListView::ApplyHeaderHeights()
{
    const int second = NrOfRows() >= 2 ? 1 : -1; // row 1 is set only with two data rows
    auto set = [this](int row, int height) {
        if (row >= 0 && row < TCustomGrid::RowCount())
            TCustomGrid::SetRowHeights(row, height);
    };
    if (FComHdVis && FColHdVis) {
        set(0, FComHdHgt);
        set(second, FColHdHgt);
    } else if (FComHdVis || FColHdVis) {
        set(0, FComHdVis ? FComHdHgt : FColHdHgt);
        set(second, DefaultRowHeight());
    } else {
        set(0, DefaultRowHeight());
        set(second, DefaultRowHeight());
    }
}

void TReportListView::SetNrOfRows(int value)
{
    FRLData->SetNrOfRows(value);
    SetSelection({0, 0, 0, 0});
    ApplyGeometry();
    Repaint();
    ChangedSetup();
}

void TReportListView::SetNrOfColumns(int value)
{
    const int oldLast = TCustomGrid::ColCount() - 1;
    const int lastWidth = TCustomGrid::ColWidths(oldLast);
    FRLData->SetNrOfColumns(value);
    SetColCount(NrOfColumns());
    for (int i = oldLast; i < TCustomGrid::ColCount(); ++i)
        TCustomGrid::SetColWidths(i, lastWidth);
    try {
        ResizeColumnArrays(NrOfColumns());
    } catch (const std::bad_alloc&) {
        throw EVEKRepListError(ComponentErrorText(Name(), "not enough memory on heap"));
    }
    SetTopRow(1);
    Repaint();
    ChangedSetup();
}

void TReportListView::SetDefaultColWidth(int value)
{
    TCustomDrawGrid::SetDefaultColWidth(value);
    Repaint();
    ChangedSetup();
}

void TReportListView::SetDefaultRowHeight(int value)
{
    TCustomDrawGrid::SetDefaultRowHeight(value);
    ApplyHeaderHeights();
    Repaint();
    ChangedSetup();
}

void TReportListView::SetTopRow(int value)
{
    const int h = CountHeadRows();
    const int row = std::max(h, std::min(value + h - 1, h + NrOfRows() - 1));
    TCustomGrid::SetTopRow(row);
}

void TReportListView::SetLeftCol(int value)
{
    const int col = std::max(std::min(value, NrOfColumns()), FixedCols() + 1);
    TCustomGrid::SetLeftCol(col - 1);
}

// ---- headers

void TReportListView::SetCommonHeader(const QString& value)
{
    if (value == CommonHeader())
        return;
    FRLData->SetCommonHeader(value);
    Changed();
    Repaint();
}

void TReportListView::SetCommonHeaderAlignment(TAlignment value)
{
    if (value == FHeaderAlignment)
        return;
    FHeaderAlignment = value;
    Changed();
    Repaint();
}

void TReportListView::SetCommonHeaderVisible(bool value)
{
    if (value == FComHdVis)
        return;
    FComHdVis = value;
    ApplyGeometry();
    Changed();
    Repaint();
}

void TReportListView::SetColumnHeadersVisible(bool value)
{
    if (value == FColHdVis)
        return;
    FColHdVis = value;
    ApplyGeometry();
    Changed();
    Repaint();
}

void TReportListView::SetCommonHeaderHeight(int value)
{
    FComHdHgt = std::clamp(value, 8, 127);
    ApplyHeaderHeights();
    Changed();
    Repaint();
}

void TReportListView::SetColumnHeadersHeight(int value)
{
    FColHdHgt = std::clamp(value, 8, 127);
    ApplyHeaderHeights();
    Changed();
    Repaint();
}

void TReportListView::SetEmptyMessage(const QString& value)
{
    if (value == FEmptyMsg)
        return;
    FEmptyMsg = value;
    Repaint();
    ChangedSetup();
}

void TReportListView::SetFixedFirstColumn(bool value)
{
    FFixedColOne = value;
    SetFixedCols(value ? 1 : 0);
    Changed();
    Repaint();
}

void TReportListView::SetHeader(int ColNr, const QString& value)
{
    FRLData->SetHeader(ColNr, value);
    Changed();
    Repaint();
}

// ---- columns

int TReportListView::ColWidths(int Index) const
{
    if (!ContainsColumn(Index))
        return 0;
    return TCustomGrid::ColWidths(FColOrder[std::size_t(Index - 1)]);
}

void TReportListView::SetColWidths(int Index, int value)
{
    if (ContainsColumn(Index))
        TCustomGrid::SetColWidths(FColOrder[std::size_t(Index - 1)], value);
    ChangedSetup();
}

int TReportListView::ColumnOrder(int ColNr) const
{
    return ContainsColumn(ColNr) ? FColOrder[std::size_t(ColNr - 1)] + 1 : 0;
}

bool TReportListView::SetColumnOrder(const std::vector<int>& ColList)
{
    if (int(ColList.size()) != NrOfColumns())
        return false;
    bool valid = true;
    for (std::size_t i = 0; i < ColList.size(); ++i) {
        if (ContainsColumn(ColList[i]))
            FColOrder[i] = ColList[i] - 1;
        else
            valid = false;
    }
    return valid;
}

TAlignment TReportListView::ColumnAlignment(int ColNr) const
{
    return ContainsColumn(ColNr) ? FColAlignment[std::size_t(ColNr - 1)] : taLeftJustify;
}

void TReportListView::SetColumnAlignment(int ColNr, TAlignment value)
{
    if (!ContainsColumn(ColNr) || FColAlignment[std::size_t(ColNr - 1)] == value)
        return;
    FColAlignment[std::size_t(ColNr - 1)] = value;
    Changed();
    Repaint();
}

bool TReportListView::ColumnIsPwd(int ColNr) const
{
    return ContainsColumn(ColNr) && FColumnIsPwd[std::size_t(ColNr - 1)];
}

void TReportListView::SetColumnIsPwd(int ColNr, bool value)
{
    if (!ContainsColumn(ColNr) || FColumnIsPwd[std::size_t(ColNr - 1)] == value)
        return;
    FColumnIsPwd[std::size_t(ColNr - 1)] = value;
    Changed();
    Repaint();
}

bool TReportListView::ColumnEditable(int ColNr) const
{
    return ContainsColumn(ColNr) && FColumnEditable[std::size_t(ColNr - 1)];
}

void TReportListView::SetColumnEditable(int ColNr, bool value)
{
    if (ContainsColumn(ColNr))
        FColumnEditable[std::size_t(ColNr - 1)] = value;
}

// ---- row and column flags

bool TReportListView::RowSelected(int r) const
{
    return ContainsRow(r) && (FRLData->Strings->GetRowAttrib(r) & SelectedBit);
}

void TReportListView::SetRowSelected(int r, bool value)
{
    if (!ContainsRow(r))
        return;
    const quint8 a = FRLData->Strings->GetRowAttrib(r);
    FRLData->Strings->SetRowAttrib(r, value ? a | SelectedBit : a & ~SelectedBit);
    Invalidate();
}

bool TReportListView::RowEnabled(int r) const
{
    return !ContainsRow(r) || !(FRLData->Strings->GetRowAttrib(r) & DisabledBit);
}

void TReportListView::SetRowEnabled(int r, bool value)
{
    if (!ContainsRow(r))
        return;
    const quint8 a = FRLData->Strings->GetRowAttrib(r);
    FRLData->Strings->SetRowAttrib(r, value ? a & ~DisabledBit : a | DisabledBit);
    Invalidate();
}

bool TReportListView::ColumnSelected(int c) const
{
    return ContainsColumn(c) && (FRLData->Strings->GetColAttrib(c) & SelectedBit);
}

void TReportListView::SetColumnSelected(int c, bool value)
{
    if (!ContainsColumn(c))
        return;
    const quint8 a = FRLData->Strings->GetColAttrib(c);
    FRLData->Strings->SetColAttrib(c, value ? a | SelectedBit : a & ~SelectedBit);
    Invalidate();
}

// ---- look

void TReportListView::SetColorColumnHd(TColor v)
{
    SetFixedColor(v);
    Repaint();
    ChangedSetup();
}

void TReportListView::SetColorEmptyMsg(TColor v)
{
    if (v == FColorEmptyMsg)
        return;
    FColorEmptyMsg = v;
    Repaint();
    ChangedSetup();
}

void TReportListView::SetInterRowIndicatorPos(int v)
{
    if (v == FInterRowIndi)
        return;
    FInterRowIndi = v;
    Repaint();
}

void TReportListView::SetShowEmptyCheckBoxes(bool v)
{
    if (v == FShowEmptyCBx)
        return;
    FShowEmptyCBx = v;
    Repaint();
}

void TReportListView::SetCheckMarksReadOnly(bool v)
{
    if (v == FROCheckMarks)
        return;
    FROCheckMarks = v;
    Repaint();
}

// ---- hit testing

TGridCoord TReportListView::MouseCell(int X, int Y) const
{
    const TGridCoord cell = MouseCoord(X, Y);
    const int h = CountHeadRows();
    int row = 0;
    if (cell.Y >= h)
        row = cell.Y - h + 1;
    else if (cell.Y >= 0)
        row = (h == 2 ? cell.Y == 0 : FComHdVis) ? -2 : -1;
    return {cell.X + 1, row};
}

} // namespace vek
