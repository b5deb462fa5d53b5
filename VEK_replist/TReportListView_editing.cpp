// TReportListView in-place editing: which cells may be edited, and the edit text of check
// cells without their flag. Editing follows the display order: the editor of a grid
// column edits the data column shown there. The edit events report the grid column and
// the data row.
#include "replist_p.h"

namespace vek {

bool TReportListView::SelectCell(int ACol, int ARow)
{
    const bool editable = ARow >= FixedRows() && ColumnEditable(DataColumnAt(ACol)) &&
                          RowEnabled(DataRowAt(ARow));
    SetOptions(editable ? Options() | goEditing : Options() & ~goEditing);
    return TCustomDrawGrid::SelectCell(ACol, ARow);
}

// Unlike a plain grid, a report list edits cells also while whole rows are selected.
bool TReportListView::CanEditShow() const
{
    const int dr = SelectedDataRow();
    return (Options() & goEditing) && Enabled() && dr > 0 && RowEnabled(dr) &&
           ColumnEditable(DataColumnAt(Col()));
}

QString TReportListView::GetEditText(int ACol, int ARow)
{
    const int dc = DataColumnAt(ACol), dr = DataRowAt(ARow);
    QString value = d->data->Strings->GetString(dc, dr);
    if (ColumnCheckMode(dc) != cmNone)
        value = value.mid(1);
    if (OnGetEditText)
        OnGetEditText(this, ACol, dr, value);
    return value;
}

void TReportListView::SetEditText(int ACol, int ARow, const QString& Value)
{
    const int dc = DataColumnAt(ACol), dr = DataRowAt(ARow);
    if (ColumnCheckMode(dc) != cmNone) {
        // The cell keeps its check state.
        const QStringView stored = d->data->Strings->CellView(dc, dr);
        const bool unchecked = stored.isEmpty() || stored.front() == QLatin1Char(' ');
        d->data->Strings->SetString(dc, dr, (unchecked ? QStringLiteral(" ") : QStringLiteral("X")) + Value);
    } else {
        d->data->SetElem(dc, dr, Value);
    }
    if (OnSetEditText)
        OnSetEditText(this, ACol, dr, Value);
    emit cellEdited(ACol, dr, Value);
}

} // namespace vek
