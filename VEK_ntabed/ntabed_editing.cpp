// TNTabEd in-place editing: the text a cell is edited with, what a typed text stores
// (numbers with a comma or a point, nominal IDs from a pick list), and Enter moving on.
#include "ntabed_p.h"

#include <frame/baselib/mathlib.h>
#include <frame/controls/keys.h>
#include <frame/runtime/rtl.h>

#include <cmath>

namespace vek {

namespace {

// The state bits a typed entry sets: all but the program's own bits 2 to 5.
constexpr quint8 EntryBits = dtsNotANumber | dtsEmpty | dtsMarkedA | dtsMarkedB;

} // namespace

std::optional<double> ntabed::ParseEntry(const QString& text)
{
    const QString number = QString(text).replace(QLatin1Char(','), QLatin1Char('.')).trimmed();
    if (number.isEmpty())
        return std::nullopt;
    double value = 0;
    int code = 0;
    Val(number, value, code);
    if (code != 0 || !std::isfinite(value))
        return std::nullopt;
    return value;
}

bool TNTabEd::Private::IsNominalColumn(int C) const
{
    const quint8 scale = table->GetMScaleType(C);
    return scale == mstNominal || scale == mstOrdinal;
}

// Nominal columns start with the ID of the rounded value (its number when it has none),
// other columns with the number as the cell shows it, without its padding.
QString TNTabEd::Private::EditText(int C, int R) const
{
    const double value = table->GetElem(C, R);
    if (!IsNominalColumn(C))
        return FormatCellNumber(value, numWidth, q->Precision(C)).trimmed();
    const qint64 ordinal = Round(value);
    if (ordinal >= 1 && ordinal <= TDataTable::MaxNominalOrdinal) {
        const QString id = table->GetNominalID(C, int(ordinal));
        if (!id.isEmpty())
            return id;
    }
    return QString::number(ordinal);
}

// A nominal column takes a known ID (its ordinal) or a decimal integer; any other column
// a number. Text that is neither makes the cell invalid and keeps its value.
void TNTabEd::Private::StoreEntry(int C, int R, const QString& text)
{
    std::optional<double> value;
    if (!IsNominalColumn(C))
        value = ntabed::ParseEntry(text);
    else if (const int ordinal = table->OrdinalOfNominalID(
                 C, text.left(TDataTable::MaxNominalIDLength), true);
             ordinal > 0)
        value = ordinal;
    else if (IsValidDecInt(text))
        value = StrToInt(text.trimmed());
    const quint8 before = table->GetCellState(C, R);
    const quint8 after = quint8(before & ~EntryBits) | (value ? 0 : dtsNotANumber);
    {
        const MutedTable muted(this);
        if (value)
            table->SetElem(C, R, *value);
        table->SetCellState(C, R, after);
    }
    q->Invalidate();
    q->ChangedData();
    if (after != before)
        q->ChangedCellStates();
}

// Enter took the entry: the current cell moves on as an arrow key would move it.
void TNTabEd::Private::AdvanceAfterEnter()
{
    if (!autoAdvance)
        return;
    int key = autoAdvanceDir == orHorizontal ? VK_RIGHT : VK_DOWN;
    q->KeyDown(key, TShiftState());
}

QString TNTabEd::GetEditText(int ACol, int ARow)
{
    QString text = d->EditText(ACol - d->colOffset, ARow - d->rowOffset);
    if (OnGetEditText)
        OnGetEditText(this, ACol, ARow, text);
    return text;
}

void TNTabEd::SetEditText(int ACol, int ARow, const QString& Value)
{
    d->StoreEntry(ACol - d->colOffset, ARow - d->rowOffset, Value);
    if (OnSetEditText)
        OnSetEditText(this, ACol, ARow, Value);
    emit cellEdited(ACol, ARow, Value);
}

TEditStyle TNTabEd::GetEditStyle(int ACol, int)
{
    return d->IsNominalColumn(ACol - d->colOffset) ? esPickList : esSimple;
}

// The defined IDs of the column, in the order of their ordinals.
void TNTabEd::GetPickListItems(int ACol, int, QStringList& Items)
{
    const int C = ACol - d->colOffset;
    for (int ordinal = 1; ordinal <= TDataTable::MaxNominalOrdinal; ++ordinal) {
        const QString id = d->table->GetNominalID(C, ordinal);
        if (!id.isEmpty())
            Items << id;
    }
}

std::unique_ptr<TInplaceEditor> TNTabEd::CreateEditor(TEditStyle Style)
{
    std::unique_ptr<TInplaceEditor> editor = TCustomGrid::CreateEditor(Style);
    if (auto* list = dynamic_cast<TInplaceEditList*>(editor.get()))
        list->setMaxVisibleItems(d->nomEditDropDownCount);
    return editor;
}

// Enter in the in-place editor stores the entry there; the grid sees no key press.
bool TNTabEd::EditorKey(int Key, TShiftState Shift)
{
    const bool taken = TCustomGrid::EditorKey(Key, Shift);
    if (Key == VK_RETURN)
        d->AdvanceAfterEnter();
    d->ReportSelection(false);
    return taken;
}

} // namespace vek
