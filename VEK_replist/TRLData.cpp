// TRLData: size, column properties, cell access, rows, sorting and Assign.
#include "VEK_replist.h"

#include <algorithm>
#include <new>

namespace vek {

EInOutError::EInOutError(const QString& message)
    : std::runtime_error(message.toUtf8().toStdString())
{
}

TRLData::TRLData(QObject* owner)
    : TComponent(owner)
    , FCommonHeader(QStringLiteral("Vek Report Listview"))
{
    try {
        Strings = new TStringArray(this);
        Strings->SetAllocRowsBy(10);
        Strings->Resize(1, 1);
        Strings->Clear();
        FColumns.resize(1);
        FColumns[0].Name = DefaultName(1);
    } catch (const std::exception&) {
        throw EVEKRLDataError(ErrorText(QStringLiteral("failed to initialize (out of memory)")));
    }
    ConnectStrings();
}

TRLData::~TRLData() = default;

void TRLData::ConnectStrings()
{
    Strings->OnBeforeSortExchange = [this](TObject*, const QString& cellText, QString& sortText) {
        if (OnBeforeSortExchange)
            OnBeforeSortExchange(this, cellText, sortText);
    };
    Strings->OnPercentDone = [this](TObject*, int percent) {
        if (OnPercentDone)
            OnPercentDone(this, percent);
    };
}

QString TRLData::ErrorText(const QString& reason) const
{
    return ComponentErrorText(Name(), reason);
}

QString TRLData::DefaultName(int col)
{
    return QStringLiteral("C-%1").arg(col);
}

bool TRLData::ContainsCell(int col, int row) const
{
    return col >= 0 && col <= FNrOfCols && row >= 1 && row <= FNrOfRows;
}

void TRLData::UpdateFeedbackCounts()
{
    const qint64 cells = std::clamp<qint64>(qint64(FNrOfRows) * (FNrOfCols + 1), 1, INT_MAX);
    FFeedbkNumCells = int(cells);
    FFeedbkStep = FFeedbkNumCells / 100 + 1;
}

// Raises OnPercentDone when the share done (of FFeedbkNumCells cells) reached a new
// percentage.
void TRLData::ReportProgress(qint64 done)
{
    if (!OnPercentDone)
        return;
    // one look per feedback step of cells
    const qint64 step = done / FFeedbkStep;
    if (step == FLastStep && done < FFeedbkNumCells)
        return;
    FLastStep = step;
    const int percent = int(std::clamp<qint64>(done * 100 / FFeedbkNumCells, 0, 100));
    if (percent == FLastPercent)
        return;
    FLastPercent = percent;
    OnPercentDone(this, percent);
}

void TRLData::SetNrOfColumns(int value)
{
    const int n = std::max(value, 1);
    const int old = FNrOfCols;
    FNrOfCols = n;
    try {
        Strings->Resize(n, std::max(FNrOfRows, 1));
    } catch (const std::exception&) {
        FNrOfCols = old;
        throw EVEKError(ErrorText(QStringLiteral("cannot make %1 columns").arg(n)));
    }
    UpdateFeedbackCounts();
    try {
        FColumns.resize(std::size_t(n));
    } catch (const std::bad_alloc&) {
        throw EVEKRLDataError(ErrorText(QStringLiteral("not enough memory on heap")));
    }
    for (int c = old + 1; c <= n; ++c)
        FColumns[std::size_t(c - 1)] = Column{DefaultName(c), QString(), cmNone};
}

void TRLData::SetNrOfRows(int value)
{
    const int n = std::max(value, 0);
    try {
        Strings->Resize(FNrOfCols, std::max(n, 1));
    } catch (const std::exception&) {
        throw EVEKError(ErrorText(QStringLiteral("cannot make %1 rows").arg(n)));
    }
    if (n == 0)
        Strings->Clear(); // the one row kept allocated holds nothing
    FNrOfRows = n;
    UpdateFeedbackCounts();
}

void TRLData::SetCommonHeader(const QString& value)
{
    if (value != FCommonHeader)
        FCommonHeader = value;
}

QString TRLData::Header(int ColNr) const
{
    return ContainsColumn(ColNr) ? FColumns[std::size_t(ColNr - 1)].Name : QString();
}

void TRLData::SetHeader(int ColNr, const QString& value)
{
    if (ContainsColumn(ColNr))
        FColumns[std::size_t(ColNr - 1)].Name = value.left(MaxNameLength);
}

QString TRLData::ColumnFormat(int ColNr) const
{
    return ContainsColumn(ColNr) ? FColumns[std::size_t(ColNr - 1)].Format : QString();
}

void TRLData::SetColumnFormat(int ColNr, const QString& value)
{
    if (ContainsColumn(ColNr))
        FColumns[std::size_t(ColNr - 1)].Format = value.left(MaxFormatLength);
}

int TRLData::ColumnIndex(const QString& Head, bool PartialMatch) const
{
    const QString head = Head.toLower();
    for (int c = FNrOfCols; c >= 1; --c) {
        const QString name = FColumns[std::size_t(c - 1)].Name.toLower();
        if (name == head || (PartialMatch && name.contains(head)))
            return c;
    }
    return -1;
}

double TRLData::AsNumber(int ACol, int ARow) const
{
    double value = 0;
    return TStringArray::TextToNumber(Elem(ACol, ARow), value) ? value : 0.0;
}

void TRLData::Clear()
{
    Strings->Clear();
    for (int c = 1; c <= FNrOfCols; ++c)
        FColumns[std::size_t(c - 1)] = Column{DefaultName(c), QString(), cmNone};
}

void TRLData::CopyRow(int Source, int Target)
{
    if (!ContainsCell(0, Source) || !ContainsCell(0, Target))
        return;
    for (int c = 0; c <= FNrOfCols; ++c)
        Strings->SetString(c, Target, Strings->GetString(c, Source));
    Strings->SetRowAttrib(Target, Strings->GetRowAttrib(Source));
}

void TRLData::RemoveRow(int r)
{
    if (!ContainsCell(0, r))
        return;
    Strings->CommitSorting();
    if (FNrOfRows == 1) {
        for (int c = 0; c <= FNrOfCols; ++c)
            Strings->SetString(c, 1, QString());
    } else {
        Strings->RemoveRow(r);
    }
    --FNrOfRows;
    UpdateFeedbackCounts();
}

void TRLData::RemoveEmptyRows()
{
    const auto isEmpty = [this](int row) {
        for (int c = 0; c <= FNrOfCols; ++c)
            if (!Elem(c, row).isEmpty())
                return false;
        return true;
    };
    const int rows = FNrOfRows;
    const int removed = Strings->RemoveRowsIf([&](int row) { return row <= rows && isEmpty(row); });
    FNrOfRows -= removed;
    if (Strings->NrOfRows() == 0)
        Strings->Resize(FNrOfCols, 1); // at least one row stays allocated
    UpdateFeedbackCounts();
}

void TRLData::Sort(int Col, int ColSec, bool Ascending)
{
    FSortColumn = Col;
    FSortColumnSec = ColSec;
    FSortOrder = Ascending;
    if (FNrOfRows > 0)
        Strings->Sort(Col, ColSec, Ascending);
}

void TRLData::UnSort()
{
    FSortColumn = -1;
    FSortColumnSec = -1;
    Strings->UnSort();
}

void TRLData::Assign(const TPersistent* Source)
{
    const auto* source = dynamic_cast<const TRLData*>(Source);
    if (!source) {
        TComponent::Assign(Source);
        return;
    }
    if (source == this)
        return;
    try {
        std::vector<Column> columns = source->FColumns;
        Strings->Assign(*source->Strings);
        FColumns = std::move(columns);
    } catch (const std::exception&) {
        throw EVEKRLDataError(ErrorText(QStringLiteral("not enough memory on heap")));
    }
    FNrOfCols = source->FNrOfCols;
    FNrOfRows = source->FNrOfRows;
    FSortColumn = source->FSortColumn;
    FSortColumnSec = source->FSortColumnSec;
    FSortOrder = source->FSortOrder;
    FSortToggle = source->FSortToggle;
    FComment = source->FComment;
    FCommonHeader = source->FCommonHeader;
    OnBeforeSortExchange = source->OnBeforeSortExchange;
    FDataID = source->FDataID;
    UpdateFeedbackCounts();
}

void TRLData::AssignTo(TPersistent* Dest) const
{
    if (auto* dest = dynamic_cast<TRLData*>(Dest))
        dest->Assign(this);
    else
        TComponent::AssignTo(Dest);
}

} // namespace vek
