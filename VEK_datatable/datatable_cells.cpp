// TDataTable: cell values and states, whole-table state operations, headers, nominal IDs
// and the comment.
#include "datatable_p.h"

#include <algorithm>
#include <cstring>

namespace vek {

namespace {

// Values compare by their bits, so that writing the NaN a cell holds is no change.
bool SameValue(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

constexpr quint8 MarkBits = dtsMarkedA | dtsMarkedB;
constexpr quint8 NoNumberBits = dtsNotANumber | dtsEmpty;

} // namespace

// ---- cells

double TDataTable::GetElem(int C, int R) const
{
    return ContainsCell(C, R) ? FValues[Index(C, R)] : 0.0;
}

void TDataTable::SetElem(int C, int R, double Value)
{
    if (!ContainsCell(C, R) || SameValue(FValues[Index(C, R)], Value))
        return;
    FValues[Index(C, R)] = Value;
    Changed();
}

quint8 TDataTable::GetCellState(int C, int R) const
{
    return ContainsCell(C, R) ? FStates[Index(C, R)] : 0;
}

void TDataTable::SetCellState(int C, int R, quint8 State)
{
    if (!ContainsCell(C, R) || FStates[Index(C, R)] == State)
        return;
    FStates[Index(C, R)] = State;
    Changed();
}

bool TDataTable::GetIsNumber(int C, int R) const
{
    return ContainsCell(C, R) && (FStates[Index(C, R)] & NoNumberBits) == 0;
}

void TDataTable::Fill(double Value)
{
    std::fill(FValues.begin(), FValues.end(), Value);
    Changed();
}

int TDataTable::FillMarkedCells(double Value, quint8 StateMask)
{
    int filled = 0;
    for (std::size_t i = 0; i < FStates.size(); ++i)
        if (FStates[i] & StateMask) {
            FValues[i] = Value;
            FStates[i] &= quint8(~NoNumberBits);
            ++filled;
        }
    Changed();
    return filled;
}

void TDataTable::InvertCellStates(quint8 StateMask)
{
    for (quint8& state : FStates)
        state ^= StateMask;
    Changed();
}

void TDataTable::ExchangeMarkings()
{
    for (quint8& state : FStates) {
        const quint8 a = state & dtsMarkedA, b = state & dtsMarkedB;
        state = quint8((state & ~MarkBits) | (a ? dtsMarkedB : 0) | (b ? dtsMarkedA : 0));
    }
    Changed();
}

void TDataTable::UnmarkAllCells()
{
    for (quint8& state : FStates)
        state &= quint8(~MarkBits);
    Changed();
}

void TDataTable::MarkAllCells(quint8 Marks)
{
    for (quint8& state : FStates)
        state |= quint8(Marks & MarkBits);
    Changed();
}

qint64 TDataTable::CountCells(quint8 StateMask) const
{
    return std::count_if(FStates.begin(), FStates.end(),
                         [StateMask](quint8 state) { return (state & StateMask) != 0; });
}

// ---- headers

TDTNameStr TDataTable::GetColName(int C) const
{
    return ContainsColumn(C) ? FColumns[std::size_t(C - 1)].Name : QString();
}

void TDataTable::SetColName(int C, const TDTNameStr& Name)
{
    if (!ContainsColumn(C))
        return;
    FColumns[std::size_t(C - 1)].Name = Name.left(MaxNameLength);
    SetupChanged();
}

TDTNameStr TDataTable::GetRowName(int R) const
{
    return ContainsRow(R) && !FRowNames.empty() ? FRowNames[std::size_t(R - 1)] : QString();
}

void TDataTable::SetRowName(int R, const TDTNameStr& Name)
{
    if (!ContainsRow(R))
        return;
    if (FRowNames.empty()) {
        if (Name.isEmpty())
            return;
        FRowNames.resize(std::size_t(FNrRows));
    }
    FRowNames[std::size_t(R - 1)] = Name.left(MaxNameLength);
    SetupChanged();
}

quint8 TDataTable::GetColAttrib(int C) const
{
    return ContainsColumn(C) ? FColumns[std::size_t(C - 1)].Attrib : 0;
}

void TDataTable::SetColAttrib(int C, quint8 Value)
{
    if (!ContainsColumn(C))
        return;
    FColumns[std::size_t(C - 1)].Attrib = Value;
    SetupChanged();
}

quint8 TDataTable::GetRowAttrib(int R) const
{
    return ContainsRow(R) ? FRowAttribs[std::size_t(R - 1)] : 0;
}

void TDataTable::SetRowAttrib(int R, quint8 Value)
{
    if (!ContainsRow(R))
        return;
    FRowAttribs[std::size_t(R - 1)] = Value;
    SetupChanged();
}

quint8 TDataTable::GetMScaleType(int C) const
{
    return ContainsColumn(C) ? FColumns[std::size_t(C - 1)].ScaleType : quint8(mstUndefined);
}

void TDataTable::SetMScaleType(int C, quint8 Type)
{
    if (!ContainsColumn(C) || Type > mstRatio)
        return;
    FColumns[std::size_t(C - 1)].ScaleType = Type;
    SetupChanged();
}

// ---- nominal IDs

QString TDataTable::GetNominalID(int C, int Ordinal) const
{
    if (!ContainsColumn(C) || Ordinal < 1 || Ordinal > MaxNominalOrdinal)
        return QString();
    const std::vector<QString>& ids = FColumns[std::size_t(C - 1)].NominalIDs;
    return ids.empty() ? QString() : ids[std::size_t(Ordinal - 1)];
}

void TDataTable::SetNominalID(int C, int Ordinal, const QString& ID)
{
    if (!ContainsColumn(C) || Ordinal < 1 || Ordinal > MaxNominalOrdinal)
        return;
    std::vector<QString>& ids = FColumns[std::size_t(C - 1)].NominalIDs;
    if (ids.empty())
        ids.resize(MaxNominalOrdinal);
    ids[std::size_t(Ordinal - 1)] = ID.left(MaxNominalIDLength);
    SetupChanged();
}

int TDataTable::OrdinalOfNominalID(int C, const QString& ID, bool IgnoreCase) const
{
    if (!ContainsColumn(C))
        return -1;
    const QString wanted = ID.left(MaxNominalIDLength);
    const std::vector<QString>& ids = FColumns[std::size_t(C - 1)].NominalIDs;
    const Qt::CaseSensitivity cs = IgnoreCase ? Qt::CaseInsensitive : Qt::CaseSensitive;
    for (std::size_t i = 0; i < ids.size(); ++i)
        if (!ids[i].isEmpty() && ids[i].compare(wanted, cs) == 0)
            return int(i) + 1;
    return 0;
}

void TDataTable::SetComment(const QString& Text)
{
    if (Text == FComment)
        return;
    FComment = Text;
    SetupChanged();
}

} // namespace vek
