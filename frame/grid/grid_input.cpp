// TCustomGrid input: the current cell and selection, keyboard navigation, mouse
// selection, column and row sizing by dragging a border, and the wheel. Moving columns
// and rows by dragging lives in grid_moving.cpp; the mouse and key handlers here hand
// such a drag over to it.
#include "grid_p.h"

#include <frame/controls/keys.h>

#include <QKeyEvent>
#include <QScrollBar>

#include <algorithm>

namespace vek {

// A border is grabbed within this many pixels of its line.
static constexpr int SizingSlack = 3;
// Rows scrolled per wheel step.
static constexpr int WheelRows = 3;

TGridOptions TCustomGrid::Options() const { return d->options; }

void TCustomGrid::SetOptions(TGridOptions value)
{
    if (value == d->options)
        return;
    const ViewState before = CurrentView();
    const int oldVert = d->LineWidthFor(true), oldHorz = d->LineWidthFor(false);
    d->options = value;
    const bool linesChanged =
        oldVert != d->LineWidthFor(true) || oldHorz != d->LineWidthFor(false);
    d->horzBar->setTracking(d->options & goThumbTracking);
    d->vertBar->setTracking(d->options & goThumbTracking);
    if (!(d->options & goRangeSelect))
        d->anchor = d->current;
    if (!(d->options & goEditing))
        HideEditor();
    if (linesChanged)
        GeometryChanged();
    Invalidate();
    NotifySelection(before);
}

// ---- current cell and selection

int TCustomGrid::Col() const { return d->current.X; }
int TCustomGrid::Row() const { return d->current.Y; }

TGridRect TCustomGrid::Selection() const
{
    const TGridCoord a = d->anchor, c = d->current;
    TGridRect r{std::min(a.X, c.X), std::min(a.Y, c.Y), std::max(a.X, c.X), std::max(a.Y, c.Y)};
    if (d->options & goRowSelect) {
        r.Left = d->cols.Fixed;
        r.Right = d->cols.Count - 1;
    }
    return r;
}

void TCustomGrid::SetSelection(const TGridRect& value)
{
    const ViewState before = CurrentView();
    d->anchor = {value.Left, value.Top};
    d->current = {value.Right, value.Bottom};
    if (!(d->options & goRangeSelect))
        d->anchor = d->current;
    ClampState();
    Invalidate();
    NotifySelection(before);
}

TCustomGrid::ViewState TCustomGrid::CurrentView() const
{
    return {d->current, Selection(), d->topLeft};
}

void TCustomGrid::NotifySelection(const ViewState& before)
{
    if (d->current != before.Current)
        emit currentCellChanged(d->current.X, d->current.Y);
    if (Selection() != before.Selection)
        emit selectionChanged();
}

void TCustomGrid::SetCol(int value) { MoveCurrent(value, d->current.Y, false); }
void TCustomGrid::SetRow(int value) { MoveCurrent(d->current.X, value, false); }

bool TCustomGrid::SelectCell(int, int) { return true; }

void TCustomGrid::MoveCurrent(int ACol, int ARow, bool extendSelection)
{
    const TGridCoord target{std::clamp(ACol, d->cols.Fixed, d->cols.Count - 1),
                            std::clamp(ARow, d->rows.Fixed, d->rows.Count - 1)};
    if (target != d->current && !SelectCell(target.X, target.Y))
        return;
    if (target != d->current)
        HideEditor();
    const ViewState before = CurrentView();
    d->current = target;
    if (!extendSelection || !(d->options & goRangeSelect))
        d->anchor = d->current;
    ScrollIntoView(d->current.X, d->current.Y);
    Invalidate();
    NotifySelection(before);
    if ((d->options & goAlwaysShowEditor) && (d->options & goEditing))
        ShowEditor();
}

// ---- keyboard

bool TCustomGrid::NavigationKey(int Key, TShiftState Shift)
{
    const bool ctrl = Shift & ssCtrl, extend = Shift & ssShift;
    const bool rowSelect = d->options & goRowSelect;
    const int page = std::max(1, VisibleRowCount());
    int col = d->current.X, row = d->current.Y;
    switch (Key) {
    case VK_UP: --row; break;
    case VK_DOWN: ++row; break;
    case VK_LEFT: --col; break;
    case VK_RIGHT: ++col; break;
    case VK_PRIOR: row -= page; break;
    case VK_NEXT: row += page; break;
    case VK_HOME:
        if (ctrl || rowSelect) row = d->rows.Fixed;
        if (!rowSelect) col = d->cols.Fixed;
        break;
    case VK_END:
        if (ctrl || rowSelect) row = d->rows.Count - 1;
        if (!rowSelect) col = d->cols.Count - 1;
        break;
    case VK_TAB:
        if (!(d->options & goTabs))
            return false;
        // Tab walks the cells row by row and wraps at the ends of a row.
        col += extend ? -1 : 1;
        if (col >= d->cols.Count && row < d->rows.Count - 1) {
            col = d->cols.Fixed;
            ++row;
        } else if (col < d->cols.Fixed && row > d->rows.Fixed) {
            col = d->cols.Count - 1;
            --row;
        }
        MoveCurrent(col, row, false);
        return true;
    default:
        return false;
    }
    if (rowSelect && (Key == VK_LEFT || Key == VK_RIGHT)) {
        SetLeftCol(d->topLeft.X + (Key == VK_LEFT ? -1 : 1));
        return true;
    }
    MoveCurrent(col, row, extend);
    return true;
}

void TCustomGrid::KeyDown(int& Key, TShiftState Shift)
{
    TCustomControl::KeyDown(Key, Shift);
    if (Key == 0)
        return;
    if ((Key == VK_ESCAPE && CancelMoving()) || NavigationKey(Key, Shift)) {
        Key = 0;
        return;
    }
    if ((Key == VK_F2 || Key == VK_RETURN) && CanEditShow()) {
        ShowEditor();
        Key = 0;
    }
}

// Typing a character starts editing with that character.
void TCustomGrid::KeyPress(QChar& Key)
{
    TCustomControl::KeyPress(Key);
    if (Key.isNull() || !Key.isPrint() || !CanEditShow())
        return;
    ShowEditor();
    if (d->editor)
        d->editor->StartTyping(QString(Key));
    Key = QChar();
}

bool TCustomGrid::EditorKey(int Key, TShiftState Shift)
{
    const bool tab = Key == VK_TAB && (d->options & goTabs);
    const bool leaves = Key == VK_UP || Key == VK_DOWN || Key == VK_PRIOR || Key == VK_NEXT || tab;
    if (Key == VK_RETURN) {
        HideEditor();
        SetFocus();
        return true;
    }
    if (!leaves)
        return false;
    HideEditor();
    SetFocus();
    if (tab && Shift.testFlag(ssCtrl)) // Ctrl+Tab leaves the grid too (see event)
        TCustomControl::focusNextPrevChild(!Shift.testFlag(ssShift));
    else
        NavigationKey(Key, Shift);
    return true;
}

// Tab and Backtab reach KeyDown instead of moving the focus when goTabs is set. Ctrl+Tab
// (Ctrl+Shift+Tab) then moves the focus on (back), as out of Qt's text editors: without
// it the keyboard could not leave the grid.
bool TCustomGrid::event(QEvent* e)
{
    if (e->type() == QEvent::KeyPress && (d->options & goTabs)) {
        auto* key = static_cast<QKeyEvent*>(e);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            if (key->modifiers() & Qt::ControlModifier) {
                const bool back = key->key() == Qt::Key_Backtab || (key->modifiers() & Qt::ShiftModifier);
                TCustomControl::focusNextPrevChild(!back);
            } else
                keyPressEvent(key);
            return true;
        }
    }
    return TCustomControl::event(e);
}

bool TCustomGrid::focusNextPrevChild(bool next)
{
    return (d->options & goTabs) ? false : TCustomControl::focusNextPrevChild(next);
}

// ---- mouse

// The column (row) whose right (bottom) border is at the point, inside the fixed rows
// (columns); -1 when none or sizing is off.
int TCustomGrid::SizingBorderAt(int X, int Y, bool& isColumn) const
{
    const TRect client = GridClientRect();
    auto nearBorder = [](const std::vector<LineSpan>& spans, int p, int line) {
        for (const LineSpan& s : spans) {
            const int border = s.Start + s.Extent + line / 2;
            if (std::abs(p - border) <= SizingSlack)
                return s.Index;
        }
        return -1;
    };
    const int lv = d->LineWidthFor(true), lh = d->LineWidthFor(false);
    const bool inFixedRows = Y >= client.Top && Y < client.Top + d->rows.FixedExtent(lh);
    const bool inFixedCols = X >= client.Left && X < client.Left + d->cols.FixedExtent(lv);
    if ((d->options & goColSizing) && inFixedRows) {
        isColumn = true;
        return nearBorder(ColSpans(), X, lv);
    }
    if ((d->options & goRowSizing) && inFixedCols) {
        isColumn = false;
        return nearBorder(RowSpans(), Y, lh);
    }
    return -1;
}

void TCustomGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (TabStop())
        SetFocus();
    if (Button == mbLeft) {
        bool isColumn = false;
        const int border = SizingBorderAt(X, Y, isColumn);
        if (border >= 0) {
            d->drag = isColumn ? GridDrag::SizeCol : GridDrag::SizeRow;
            d->sizingIndex = border;
            const TRect cell = isColumn ? CellRect(border, 0) : CellRect(0, border);
            d->sizingOrigin = isColumn ? cell.Left : cell.Top;
        } else if (!StartMoving(X, Y)) {
            const TGridCoord cell = MouseCoord(X, Y);
            if (cell.X >= d->cols.Fixed && cell.Y >= d->rows.Fixed) {
                MoveCurrent(cell.X, cell.Y, Shift & ssShift);
                d->drag = GridDrag::Select;
            }
        }
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TCustomGrid::UpdateSizing(int X, int Y)
{
    if (d->drag == GridDrag::SizeCol)
        SetColWidths(d->sizingIndex, X - d->sizingOrigin);
    else
        SetRowHeights(d->sizingIndex, Y - d->sizingOrigin);
    Refresh();
}

void TCustomGrid::MouseMove(TShiftState Shift, int X, int Y)
{
    if (d->drag == GridDrag::SizeCol || d->drag == GridDrag::SizeRow)
        UpdateSizing(X, Y);
    else if (d->MoveDragging())
        UpdateMoving(X, Y);
    else if (d->drag == GridDrag::Select && (d->options & goRangeSelect)) {
        const TGridCoord cell = MouseCoord(X, Y);
        if (cell.X >= d->cols.Fixed && cell.Y >= d->rows.Fixed)
            MoveCurrent(cell.X, cell.Y, true);
    } else if (d->drag == GridDrag::None) {
        bool isColumn = false;
        const bool onBorder = SizingBorderAt(X, Y, isColumn) >= 0;
        setCursor(onBorder ? (isColumn ? Qt::SplitHCursor : Qt::SplitVCursor)
                           : Qt::ArrowCursor);
    }
    TCustomControl::MouseMove(Shift, X, Y);
}

void TCustomGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (d->MoveDragging())
        FinishMoving(Button == mbLeft, X, Y);
    const GridDrag ended = d->drag;
    d->drag = GridDrag::None;
    if (ended == GridDrag::SizeCol) {
        if (OnColumnResized)
            OnColumnResized(this);
        emit columnResized(d->sizingIndex);
    }
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TCustomGrid::DblClick()
{
    if (CanEditShow())
        ShowEditor();
    TCustomControl::DblClick();
}

bool TCustomGrid::DoMouseWheelDown(TShiftState Shift, QPoint MousePos)
{
    if (!TCustomControl::DoMouseWheelDown(Shift, MousePos))
        SetTopRow(d->topLeft.Y + WheelRows);
    return true;
}

bool TCustomGrid::DoMouseWheelUp(TShiftState Shift, QPoint MousePos)
{
    if (!TCustomControl::DoMouseWheelUp(Shift, MousePos))
        SetTopRow(d->topLeft.Y - WheelRows);
    return true;
}

void TCustomGrid::CancelMouseDrag()
{
    CancelMoving();
    d->drag = GridDrag::None;
}

void TCustomGrid::DoExit()
{
    CancelMouseDrag();
    Invalidate(); // the focus rectangle goes away
    TCustomControl::DoExit();
}

} // namespace vek
