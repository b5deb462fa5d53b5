// TRLData: size, column properties, cell access, rows, sorting and Assign.
#include "rldata_p.h"

#include <frame/core/change.h>

#include <QMetaMethod>

#include <algorithm>
#include <new>

namespace vek {

EInOutError::EInOutError(const QString& message)
    : std::runtime_error(message.toUtf8().toStdString())
{
}

TRLData::TRLData(QObject* owner) : TComponent(owner), d(std::make_unique<Private>())
{
    try {
        Strings = new TStringArray(this);
        Strings->SetAllocRowsBy(10);
        Strings->Resize(1, 1);
        Strings->Clear();
        d->columns.resize(1);
        d->columns[0].Name = DefaultName(1);
    } catch (const std::exception&) {
        throw EVEKRLDataError(ErrorText(QStringLiteral("failed to initialize (out of memory)")));
    }
    ConnectStrings();
}

TRLData::~TRLData() = default;

void TRLData::ConnectStrings()
{
    Strings->OnChange = [this](TObject*) { emit changed(); };
    Strings->OnBeforeSortExchange = [this](TObject*, const QString& cellText, QString& sortText) {
        if (OnBeforeSortExchange)
            OnBeforeSortExchange(this, cellText, sortText);
    };
    Strings->OnPercentDone = [this](TObject*, int percent) { PercentDone(percent); };
}

void TRLData::PercentDone(int percent)
{
    if (OnPercentDone)
        OnPercentDone(this, percent);
    emit percentDone(percent);
}

QString TRLData::ErrorText(const QString& reason) const
{
    return ComponentErrorText(Name(), reason);
}

QString TRLData::DefaultName(int col)
{
    return QStringLiteral("C-%1").arg(col);
}

bool TRLData::ContainsColumn(int col) const
{
    return col >= 1 && col <= d->nrOfCols;
}

bool TRLData::ContainsCell(int col, int row) const
{
    return col >= 0 && col <= d->nrOfCols && row >= 1 && row <= d->nrOfRows;
}

void TRLData::UpdateFeedbackCounts()
{
    const qint64 cells = std::clamp<qint64>(qint64(d->nrOfRows) * (d->nrOfCols + 1), 1, INT_MAX);
    d->feedbkNumCells = int(cells);
    d->feedbkStep = d->feedbkNumCells / 100 + 1;
}

// Progress is worked out only when someone listens, as the writers report it per row.
void TRLData::StartProgress()
{
    d->progressWanted =
        OnPercentDone || isSignalConnected(QMetaMethod::fromSignal(&TRLData::percentDone));
    d->lastPercent = -1;
    d->lastStep = -1;
}

// Reports the progress when the share done (of feedbkNumCells cells) reached a new
// percentage.
void TRLData::ReportProgress(qint64 done)
{
    if (!d->progressWanted)
        return;
    // one look per feedback step of cells
    const qint64 step = done / d->feedbkStep;
    if (step == d->lastStep && done < d->feedbkNumCells)
        return;
    d->lastStep = step;
    const int percent = int(std::clamp<qint64>(done * 100 / d->feedbkNumCells, 0, 100));
    if (percent == d->lastPercent)
        return;
    d->lastPercent = percent;
    PercentDone(percent);
}

int TRLData::NrOfColumns() const { return d->nrOfCols; }
int TRLData::NrOfRows() const { return d->nrOfRows; }

void TRLData::SetNrOfColumns(int value)
{
    const int n = std::max(value, 1);
    const int old = d->nrOfCols;
    d->nrOfCols = n;
    try {
        Strings->Resize(n, std::max(d->nrOfRows, 1));
    } catch (const std::exception&) {
        d->nrOfCols = old;
        throw EVEKError(ErrorText(QStringLiteral("cannot make %1 columns").arg(n)));
    }
    UpdateFeedbackCounts();
    try {
        d->columns.resize(std::size_t(n));
    } catch (const std::bad_alloc&) {
        throw EVEKRLDataError(ErrorText(QStringLiteral("not enough memory on heap")));
    }
    for (int c = old + 1; c <= n; ++c)
        d->columns[std::size_t(c - 1)] = Private::Column{DefaultName(c), QString(), cmNone};
}

void TRLData::SetNrOfRows(int value)
{
    const int n = std::max(value, 0);
    const int old = d->nrOfRows;
    d->nrOfRows = n; // set first: the change notification reports the new size
    try {
        Strings->Resize(d->nrOfCols, std::max(n, 1));
    } catch (const std::exception&) {
        d->nrOfRows = old;
        throw EVEKError(ErrorText(QStringLiteral("cannot make %1 rows").arg(n)));
    }
    if (n == 0)
        Strings->Clear(); // the one row kept allocated holds nothing
    UpdateFeedbackCounts();
}

QString TRLData::CommonHeader() const { return d->commonHeader; }

void TRLData::SetCommonHeader(const QString& value)
{
    Change(d->commonHeader, value);
}

QString TRLData::Comment() const { return d->comment; }
void TRLData::SetComment(const QString& value) { d->comment = value; }
QString TRLData::DataID() const { return d->dataID; }
void TRLData::SetDataID(const QString& value) { d->dataID = value; }
int TRLData::LastSortColumn() const { return d->sortColumn; }
bool TRLData::LastSortOrder() const { return d->sortOrder; }
int TRLData::SecondarySortColumn() const { return d->sortColumnSec; }
void TRLData::SetSecondarySortColumn(int value) { d->sortColumnSec = value; }
bool TRLData::SortToggle() const { return d->sortToggle; }
void TRLData::SetSortToggle(bool value) { d->sortToggle = value; }

QString TRLData::Header(int ColNr) const
{
    return ContainsColumn(ColNr) ? d->columns[std::size_t(ColNr - 1)].Name : QString();
}

void TRLData::SetHeader(int ColNr, const QString& value)
{
    if (ContainsColumn(ColNr))
        d->columns[std::size_t(ColNr - 1)].Name = value.left(MaxNameLength);
}

QString TRLData::ColumnFormat(int ColNr) const
{
    return ContainsColumn(ColNr) ? d->columns[std::size_t(ColNr - 1)].Format : QString();
}

void TRLData::SetColumnFormat(int ColNr, const QString& value)
{
    if (ContainsColumn(ColNr))
        d->columns[std::size_t(ColNr - 1)].Format = value.left(MaxFormatLength);
}

int TRLData::ColumnIndex(const QString& Head, bool PartialMatch) const
{
    const QString head = Head.toLower();
    for (int c = d->nrOfCols; c >= 1; --c) {
        const QString name = d->columns[std::size_t(c - 1)].Name.toLower();
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
    for (int c = 1; c <= d->nrOfCols; ++c)
        d->columns[std::size_t(c - 1)] = Private::Column{DefaultName(c), QString(), cmNone};
}

void TRLData::CopyRow(int Source, int Target)
{
    if (!ContainsCell(0, Source) || !ContainsCell(0, Target))
        return;
    for (int c = 0; c <= d->nrOfCols; ++c)
        Strings->SetString(c, Target, Strings->GetString(c, Source));
    Strings->SetRowAttrib(Target, Strings->GetRowAttrib(Source));
}

void TRLData::RemoveRow(int r)
{
    if (!ContainsCell(0, r))
        return;
    Strings->CommitSorting();
    if (d->nrOfRows == 1) {
        for (int c = 0; c <= d->nrOfCols; ++c)
            Strings->SetString(c, 1, QString());
    } else {
        Strings->RemoveRow(r);
    }
    --d->nrOfRows;
    UpdateFeedbackCounts();
}

void TRLData::RemoveEmptyRows()
{
    const auto isEmpty = [this](int row) {
        for (int c = 0; c <= d->nrOfCols; ++c)
            if (!Elem(c, row).isEmpty())
                return false;
        return true;
    };
    const int rows = d->nrOfRows;
    const int removed = Strings->RemoveRowsIf([&](int row) { return row <= rows && isEmpty(row); });
    d->nrOfRows -= removed;
    if (Strings->NrOfRows() == 0)
        Strings->Resize(d->nrOfCols, 1); // at least one row stays allocated
    UpdateFeedbackCounts();
}

void TRLData::Sort(int Col, int ColSec, bool Ascending)
{
    d->sortColumn = Col;
    d->sortColumnSec = ColSec;
    d->sortOrder = Ascending;
    if (d->nrOfRows > 0)
        Strings->Sort(Col, ColSec, Ascending);
}

void TRLData::UnSort()
{
    d->sortColumn = -1;
    d->sortColumnSec = -1;
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
        Private copy = *source->d; // all or nothing: copied before anything changes
        Strings->Assign(*source->Strings);
        *d = std::move(copy);
    } catch (const std::exception&) {
        throw EVEKRLDataError(ErrorText(QStringLiteral("not enough memory on heap")));
    }
    OnBeforeSortExchange = source->OnBeforeSortExchange;
    UpdateFeedbackCounts();
}

} // namespace vek
