// TReportListView and the keyboard: the navigation keys select the row they reach,
// Shift extends and Ctrl+A selects all in multiple selection, Space toggles a check mark,
// and Enter advances with AutoAdvance.
#include "replist_p.h"

#include <frame/controls/keys.h>

namespace vek {

static bool IsNavigationKey(int Key) { return Key >= VK_PRIOR && Key <= VK_DOWN; }

void TReportListView::KeyDown(int& Key, TShiftState Shift)
{
    if (Key == 'A' && (Shift & ssCtrl) && d->rowSelectMode == 2) {
        SelectAllRows();
        Key = 0;
        return;
    }
    // The grid clears the keys it handles: remember which one this was.
    const int key = Key;
    TCustomDrawGrid::KeyDown(Key, Shift);
    if (key == VK_RETURN && Key != 0 && d->autoAdvance) {
        Key = 0;
        int down = VK_DOWN;
        KeyDown(down, {});
        return;
    }
    if (!IsNavigationKey(key) || d->rowSelectMode == 0 || SelectedDataRow() == 0)
        return;
    if (d->rowSelectMode == 2 && (Shift & ssShift)) {
        ExtendSelectionTo(SelectedDataRow());
        return;
    }
    SelectCurrentRowOnly();
    d->selectAnchor = SelectedDataRow();
}

// Space toggles the check mark of the current cell, as a click on its box does.
void TReportListView::KeyPress(QChar& Key)
{
    if (Key == QLatin1Char(' ') && !EditorMode()) {
        const int dc = DataColumnAt(Col()), dr = SelectedDataRow();
        const bool box = d->data->Strings->CellView(dc, dr).size() > 1 || d->showEmptyCBx;
        if (ColumnCheckMode(dc) != cmNone && dr > 0 && RowEnabled(dr) && !d->roCheckMarks && box) {
            ToggleCheckMark(dc, dr);
            Key = QChar();
            return;
        }
    }
    TCustomDrawGrid::KeyPress(Key);
}

bool TReportListView::EditorKey(int Key, TShiftState Shift)
{
    const bool taken = TCustomDrawGrid::EditorKey(Key, Shift);
    if (Key == VK_RETURN && d->autoAdvance) {
        int down = VK_DOWN;
        KeyDown(down, {});
    }
    return taken;
}

} // namespace vek
