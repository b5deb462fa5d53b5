// TDataTable: size, shape changes, Clear, notifications and memory use.
#include "datatable_p.h"

#include <frame/core/memory.h>

#include <algorithm>
#include <cstring>
#include <new>

namespace vek {

QString MScaleTypeNames(int Type)
{
    static const char* const Names[] = {"undefined", "nominal", "ordinal", "interval", "ratio"};
    return Type >= 0 && Type <= mstRatio ? QString::fromLatin1(Names[Type]) : QString();
}

TDataTable::TDataTable(QObject* owner) : TComponent(owner) {}

TDataTable::~TDataTable() = default;

// ---- notifications

void TDataTable::Changed()
{
    if (OnChange)
        OnChange(this);
    emit changed();
}

void TDataTable::SetupChanged()
{
    if (OnSetupChange)
        OnSetupChange(this);
    emit setupChanged();
}

void TDataTable::ReportResize(int oldCols, int oldRows)
{
    if (oldCols == FNrCols && oldRows == FNrRows)
        return;
    if (OnResize)
        OnResize(this, oldCols, oldRows, FNrCols, FNrRows);
    emit resized(oldCols, oldRows, FNrCols, FNrRows);
}

void TDataTable::PercentDone(int percent)
{
    if (OnPercentDone)
        OnPercentDone(this, percent);
    emit percentDone(percent);
}

void TDataTable::RaiseSize(const char* reason) const
{
    throw EVEKError(ComponentErrorText(Name(), QString::fromLatin1(reason)));
}

// ---- size

bool TDataTable::ContainsCell(int C, int R) const
{
    return ContainsColumn(C) && ContainsRow(R);
}

void TDataTable::Resize(int NrCols, int NrRows)
{
    if (NrCols < 0 || NrRows < 0 || NrCols > MaxCount || NrRows > MaxCount ||
        qint64(NrCols) * NrRows > MaxCells)
        RaiseSize("invalid table size");
    if (NrCols == FNrCols && NrRows == FNrRows)
        return;
    const int oldCols = FNrCols, oldRows = FNrRows;
    Relayout({datatable::AxisMap::Resized(FNrCols, NrCols),
              datatable::AxisMap::Resized(FNrRows, NrRows)});
    ReportResize(oldCols, oldRows);
}

namespace {

// Moves each old header entry to where the map puts it in `moved` (already sized).
template <typename T>
void MoveHeaders(std::vector<T>& old, std::vector<T>& moved, const datatable::AxisMap& map)
{
    for (int i = 1; i <= map.OldCount && i <= int(old.size()); ++i)
        if (const int to = map.Map(i))
            moved[std::size_t(to - 1)] = std::move(old[std::size_t(i - 1)]);
}

// Copies the cells of old rows into their new places. With the columns unchanged a row
// is one block; otherwise each cell goes to its own new column.
// target holds the new column of each old one (0: gone).
template <typename T>
void MoveCells(const std::vector<T>& from, std::vector<T>& to, const datatable::AxisMap& cols,
               const std::vector<int>& target, const datatable::AxisMap& rows)
{
    const std::size_t oldWidth = std::size_t(cols.OldCount), newWidth = std::size_t(cols.NewCount);
    for (int r = 1; r <= rows.OldCount; ++r) {
        const int nr = rows.Map(r);
        if (nr == 0)
            continue;
        const T* source = from.data() + std::size_t(r - 1) * oldWidth;
        T* dest = to.data() + std::size_t(nr - 1) * newWidth;
        if (cols.Identity()) {
            std::memcpy(dest, source, oldWidth * sizeof(T));
            continue;
        }
        for (std::size_t c = 0; c < oldWidth; ++c)
            if (target[c])
                dest[target[c] - 1] = source[c];
    }
}

} // namespace

// Every allocation happens before the first member changes, so a table that runs out of
// memory stays as it was.
void TDataTable::Relayout(const Layout& layout)
{
    try {
        const std::size_t cells = std::size_t(layout.Cols.NewCount) * std::size_t(layout.Rows.NewCount);
        const auto newRows = std::size_t(layout.Rows.NewCount);
        if (!FitsInMemory(qint64(cells * (sizeof(double) + sizeof(quint8)))))
            throw std::bad_alloc();
        std::vector<double> values(cells, 0.0);
        std::vector<quint8> states(cells, 0);
        std::vector<quint8> rowAttribs(newRows, 0);
        std::vector<QString> rowNames(FRowNames.empty() ? 0 : newRows);
        std::vector<Column> columns(std::size_t(layout.Cols.NewCount));
        std::vector<int> target(static_cast<std::size_t>(FNrCols));
        for (int c = 1; c <= FNrCols; ++c)
            target[std::size_t(c - 1)] = layout.Cols.Map(c);
        // Nothing below allocates.
        MoveCells(FValues, values, layout.Cols, target, layout.Rows);
        MoveCells(FStates, states, layout.Cols, target, layout.Rows);
        MoveHeaders(FRowAttribs, rowAttribs, layout.Rows);
        MoveHeaders(FRowNames, rowNames, layout.Rows);
        MoveHeaders(FColumns, columns, layout.Cols);
        FValues.swap(values);
        FStates.swap(states);
        FColumns.swap(columns);
        FRowNames.swap(rowNames);
        FRowAttribs.swap(rowAttribs);
        FNrCols = layout.Cols.NewCount;
        FNrRows = layout.Rows.NewCount;
    } catch (const std::bad_alloc&) {
        RaiseSize("not enough memory on heap");
    }
}

void TDataTable::Clear()
{
    std::fill(FValues.begin(), FValues.end(), 0.0);
    std::fill(FStates.begin(), FStates.end(), quint8(0));
    for (Column& column : FColumns)
        column = Column();
    FRowNames.clear();
    std::fill(FRowAttribs.begin(), FRowAttribs.end(), quint8(0));
    FComment.clear();
    Changed();
    SetupChanged();
}

// The copies are made before the first member changes, so a table that runs out of
// memory stays as it was.
void TDataTable::Assign(const TPersistent* Source)
{
    const auto* source = dynamic_cast<const TDataTable*>(Source);
    if (!source) {
        TComponent::Assign(Source);
        return;
    }
    if (source == this)
        return;
    const int oldCols = FNrCols, oldRows = FNrRows;
    try {
        std::vector<double> values = source->FValues;
        std::vector<quint8> states = source->FStates;
        std::vector<Column> columns = source->FColumns;
        std::vector<QString> rowNames = source->FRowNames;
        std::vector<quint8> rowAttribs = source->FRowAttribs;
        FValues.swap(values);
        FStates.swap(states);
        FColumns.swap(columns);
        FRowNames.swap(rowNames);
        FRowAttribs.swap(rowAttribs);
    } catch (const std::bad_alloc&) {
        RaiseSize("not enough memory on heap");
    }
    FNrCols = source->FNrCols;
    FNrRows = source->FNrRows;
    FComment = source->FComment;
    ReportResize(oldCols, oldRows);
    Changed();
    SetupChanged();
}

std::size_t TDataTable::MemoryUsed() const
{
    auto text = [](const QString& s) { return std::size_t(s.capacity()) * sizeof(QChar); };
    std::size_t bytes = FValues.capacity() * sizeof(double) + FStates.capacity() +
                        FRowAttribs.capacity() + FRowNames.capacity() * sizeof(QString) +
                        FColumns.capacity() * sizeof(Column);
    for (const QString& name : FRowNames)
        bytes += text(name);
    for (const Column& column : FColumns) {
        bytes += text(column.Name) + column.NominalIDs.capacity() * sizeof(QString);
        for (const QString& id : column.NominalIDs)
            bytes += text(id);
    }
    return bytes;
}

} // namespace vek
