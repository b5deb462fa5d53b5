// TReportListView: construction, the grid geometry in data terms (header rows, view
// position, column order and widths) and the forwarded properties.
#include "replist_p.h"

#include <frame/core/change.h>

#include <algorithm>

namespace vek {

TReportListView::TReportListView(QWidget* parent)
    : TCustomDrawGrid(parent), d(std::make_unique<Private>())
{
    SetDefaultDrawing(false);
    SetFixedCols(0);
    SetFixedRows(1);
    try {
        d->data->SetNrOfColumns(TCustomGrid::ColCount());
        d->data->SetNrOfRows(TCustomGrid::RowCount() - 1);
        ResizeColumnArrays(NrOfColumns());
    } catch (const std::bad_alloc&) {
        throw EVEKRepListError(
            ComponentErrorText(Name(), "failed to initialize table editor (out of memory)"));
    }
    ApplyGeometry();
    ConnectData();
    SetOptions(TGridOptions::fromInt(0x5083));
    SetTopRow(1);
    replist::AnnounceChanges(this);
}

TReportListView::~TReportListView() = default;

TRLData* TReportListView::RLData() const { return d->data.get(); }

void TReportListView::ConnectData()
{
    TRLData* data = d->data.get();
    // A cell write notifies once per cell: mark the view for repainting instead of
    // painting it now, so that a loop of writes costs one repaint, not one per cell.
    connect(data, &TRLData::changed, this, [this] {
        FollowData();
        Changed();
        Invalidate();
    });
    // The data passes on the string array's progress (sorting) with its own.
    data->OnPercentDone = [this](TObject*, int Percent) {
        if (OnPercentDone)
            OnPercentDone(this, Percent);
        emit percentDone(Percent);
    };
    data->Strings->OnBeforeSortExchange = [this](TObject*, const QString& CellText,
                                                 QString& SortText) {
        if (OnBeforeSortExchange)
            OnBeforeSortExchange(this, CellText, SortText);
    };
    data->OnBeforeHTMLExport = [this](TObject*, QString& Text, int Col, int Row) {
        if (OnBeforeHTMLExport)
            OnBeforeHTMLExport(this, Text, Col, Row);
    };
}

void TReportListView::CreateWnd()
{
    TCustomDrawGrid::CreateWnd();
    RestoreSuppressPaint(d->suppressedByCaller);
}

// ---- notifications

void TReportListView::Changed()
{
    if (OnChange)
        OnChange(this);
    emit changed();
}

void TReportListView::ChangedSetup()
{
    if (OnChangeSetup)
        OnChangeSetup(this);
    emit setupChanged();
}

void TReportListView::ChangedSelection()
{
    if (OnSelectedChange)
        OnSelectedChange(this);
    emit selectedChanged();
}

void TReportListView::Repaint() { Refresh(); }

bool TReportListView::SuppressPaint() const { return d->suppressPaint; }

void TReportListView::SetSuppressPaint(bool value)
{
    d->suppressedByCaller = value;
    RestoreSuppressPaint(value);
}

void TReportListView::RestoreSuppressPaint(bool saved)
{
    d->suppressPaint = saved;
    if (!saved)
        Repaint();
}

// ---- size and geometry

int TReportListView::NrOfColumns() const { return d->data->NrOfColumns(); }
int TReportListView::NrOfRows() const { return d->data->NrOfRows(); }
bool TReportListView::ContainsColumn(int ColNr) const { return ColNr >= 1 && ColNr <= NrOfColumns(); }
bool TReportListView::ContainsRow(int r) const { return r >= 1 && r <= NrOfRows(); }

void TReportListView::ResizeColumnArrays(int count)
{
    const auto n = std::size_t(count);
    d->colAlignment.resize(n, taLeftJustify);
    d->columnIsPwd.resize(n, false);
    d->columnEditable.resize(n, false);
    d->colOrder.resize(n);
    for (std::size_t i = 0; i < n; ++i)
        d->colOrder[i] = int(i);
}

void TReportListView::ApplyGeometry()
{
    const int h = CountHeadRows();
    SetRowCount(std::max(h + NrOfShownRows(), h + 1));
    SetFixedRows(h);
    ApplyHeaderHeights();
}

void TReportListView::ApplyHeaderHeights()
{
    const int second = NrOfShownRows() >= 2 ? 1 : -1; // row 1 is set only with two data rows
    auto set = [this](int row, int height) {
        if (row >= 0 && row < TCustomGrid::RowCount())
            TCustomGrid::SetRowHeights(row, height);
    };
    if (d->comHdVis && d->colHdVis) {
        set(0, d->comHdHgt);
        set(second, d->colHdHgt);
    } else if (d->comHdVis || d->colHdVis) {
        set(0, d->comHdVis ? d->comHdHgt : d->colHdHgt);
        set(second, DefaultRowHeight());
    } else {
        set(0, DefaultRowHeight());
        set(second, DefaultRowHeight());
    }
}

void TReportListView::SetNrOfRows(int value)
{
    d->data->SetNrOfRows(value);
    SetSelection({0, 0, 0, 0});
    ApplyGeometry();
    Repaint();
    ChangedSetup();
}

void TReportListView::SetNrOfColumns(int value)
{
    const int oldLast = TCustomGrid::ColCount() - 1;
    const int lastWidth = TCustomGrid::ColWidths(oldLast);
    d->data->SetNrOfColumns(value);
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

int TReportListView::TopRow() const { return std::max(DataRowAt(TCustomGrid::TopRow()), 1); }
int TReportListView::LeftCol() const { return TCustomGrid::LeftCol() + 1; }

// The first shown row at or after data row `value`.
void TReportListView::SetTopRow(int value)
{
    const int h = CountHeadRows();
    int index = std::max(value, 1) - 1;
    if (d->filtered)
        index = int(std::lower_bound(d->shownRows.begin(), d->shownRows.end(), value) -
                    d->shownRows.begin());
    TCustomGrid::SetTopRow(std::max(h, std::min(h + index, h + NrOfShownRows() - 1)));
}

void TReportListView::SetLeftCol(int value)
{
    const int col = std::max(std::min(value, NrOfColumns()), FixedCols() + 1);
    TCustomGrid::SetLeftCol(col - 1);
}

// ---- headers

QString TReportListView::CommonHeader() const { return d->data->CommonHeader(); }
TAlignment TReportListView::CommonHeaderAlignment() const { return d->headerAlignment; }
bool TReportListView::CommonHeaderVisible() const { return d->comHdVis; }
int TReportListView::CommonHeaderHeight() const { return d->comHdHgt; }
bool TReportListView::ColumnHeadersVisible() const { return d->colHdVis; }
int TReportListView::ColumnHeadersHeight() const { return d->colHdHgt; }
int TReportListView::CountHeadRows() const { return (d->comHdVis ? 1 : 0) + (d->colHdVis ? 1 : 0); }
QString TReportListView::EmptyMessage() const { return d->emptyMsg; }
bool TReportListView::FixedFirstColumn() const { return d->fixedColOne; }

void TReportListView::SetCommonHeader(const QString& value)
{
    if (value == CommonHeader())
        return;
    d->data->SetCommonHeader(value);
    Changed();
    Repaint();
}

void TReportListView::SetCommonHeaderAlignment(TAlignment value)
{
    if (!Change(d->headerAlignment, value))
        return;
    Changed();
    Repaint();
}

void TReportListView::SetCommonHeaderVisible(bool value)
{
    if (!Change(d->comHdVis, value))
        return;
    ApplyGeometry();
    Changed();
    Repaint();
}

void TReportListView::SetColumnHeadersVisible(bool value)
{
    if (!Change(d->colHdVis, value))
        return;
    ApplyGeometry();
    Changed();
    Repaint();
}

void TReportListView::SetCommonHeaderHeight(int value)
{
    d->comHdHgt = std::clamp(value, 8, 127);
    ApplyHeaderHeights();
    Changed();
    Repaint();
}

void TReportListView::SetColumnHeadersHeight(int value)
{
    d->colHdHgt = std::clamp(value, 8, 127);
    ApplyHeaderHeights();
    Changed();
    Repaint();
}

void TReportListView::SetEmptyMessage(const QString& value)
{
    if (!Change(d->emptyMsg, value))
        return;
    Repaint();
    ChangedSetup();
}

void TReportListView::SetFixedFirstColumn(bool value)
{
    SetFixedCols(value ? 1 : 0); // raises on a one-column list, before the flag changes
    d->fixedColOne = value;
    Changed();
    Repaint();
}

void TReportListView::SetHeader(int ColNr, const QString& value)
{
    d->data->SetHeader(ColNr, value);
    Changed();
    Repaint();
}

// ---- columns

int TReportListView::GridColumnOf(int DataCol) const
{
    const auto it = std::find(d->colOrder.begin(), d->colOrder.end(), DataCol - 1);
    return it == d->colOrder.end() ? -1 : int(it - d->colOrder.begin());
}

int TReportListView::ColWidths(int Index) const
{
    const int col = GridColumnOf(Index);
    return col < 0 ? 0 : TCustomGrid::ColWidths(col);
}

void TReportListView::SetColWidths(int Index, int value)
{
    const int col = GridColumnOf(Index);
    if (col >= 0)
        TCustomGrid::SetColWidths(col, value);
    ChangedSetup();
}

int TReportListView::ColumnOrder(int ColNr) const
{
    return ContainsColumn(ColNr) ? d->colOrder[std::size_t(ColNr - 1)] + 1 : 0;
}

bool TReportListView::SetColumnOrder(const std::vector<int>& ColList)
{
    if (int(ColList.size()) != NrOfColumns())
        return false;
    bool valid = true;
    for (std::size_t i = 0; i < ColList.size(); ++i) {
        if (ContainsColumn(ColList[i]))
            d->colOrder[i] = ColList[i] - 1;
        else
            valid = false;
    }
    return valid;
}

TAlignment TReportListView::ColumnAlignment(int ColNr) const
{
    return ContainsColumn(ColNr) ? d->colAlignment[std::size_t(ColNr - 1)] : taLeftJustify;
}

void TReportListView::SetColumnAlignment(int ColNr, TAlignment value)
{
    if (!ContainsColumn(ColNr) || d->colAlignment[std::size_t(ColNr - 1)] == value)
        return;
    d->colAlignment[std::size_t(ColNr - 1)] = value;
    Changed();
    Repaint();
}

bool TReportListView::ColumnIsPwd(int ColNr) const
{
    return ContainsColumn(ColNr) && d->columnIsPwd[std::size_t(ColNr - 1)];
}

void TReportListView::SetColumnIsPwd(int ColNr, bool value)
{
    if (!ContainsColumn(ColNr) || d->columnIsPwd[std::size_t(ColNr - 1)] == value)
        return;
    d->columnIsPwd[std::size_t(ColNr - 1)] = value;
    Changed();
    Repaint();
}

bool TReportListView::ColumnEditable(int ColNr) const
{
    return ContainsColumn(ColNr) && d->columnEditable[std::size_t(ColNr - 1)];
}

void TReportListView::SetColumnEditable(int ColNr, bool value)
{
    if (ContainsColumn(ColNr))
        d->columnEditable[std::size_t(ColNr - 1)] = value;
}

void TReportListView::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    TCustomDrawGrid::SetBounds(ALeft, ATop, AWidth, AHeight);
    Repaint();
}

QSize TReportListView::sizeHint() const
{
    const int line = std::max(10, fontMetrics().height());
    return ContentsSizeHint(QSize(36 * line, 24 * line)).expandedTo(minimumSizeHint());
}

// The size hint is bounded by the font's line height.
void TReportListView::FontChanged()
{
    TCustomDrawGrid::FontChanged();
    updateGeometry();
}

// ---- hit testing

TGridCoord TReportListView::MouseCell(int X, int Y) const
{
    const TGridCoord cell = MouseCoord(X, Y);
    const int h = CountHeadRows();
    int row = 0;
    if (cell.Y >= h)
        row = DataRowAt(cell.Y);
    else if (cell.Y >= 0)
        row = (h == 2 ? cell.Y == 0 : d->comHdVis) ? -2 : -1;
    return {cell.X + 1, row};
}

} // namespace vek
