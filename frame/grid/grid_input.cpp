// TCustomGrid input: the current cell and selection, keyboard navigation, mouse
// selection, column and row sizing by dragging a border, and the wheel. Moving columns
// and rows by dragging lives in grid_moving.cpp; the mouse and key handlers here hand
// such a drag over to it.
#include "grid.h"

#include <frame/controls/keys.h>

#include <QKeyEvent>
#include <QScrollBar>

#include <algorithm>

namespace vek {

// A border is grabbed within this many pixels of its line.
static constexpr int SizingSlack = 3;
// Rows scrolled per wheel step.
static constexpr int WheelRows = 3;

void TCustomGrid::SetOptions(TGridOptions value)
{
    if (value == FOptions)
        return;
    const int oldVert = LineWidthFor(true), oldHorz = LineWidthFor(false);
    FOptions = value;
    const bool linesChanged = oldVert != LineWidthFor(true) || oldHorz != LineWidthFor(false);
    FHorzBar->setTracking(FOptions & goThumbTracking);
    FVertBar->setTracking(FOptions & goThumbTracking);
    if (!(FOptions & goRangeSelect))
        FAnchor = FCurrent;
    if (!(FOptions & goEditing))
        HideEditor();
    if (linesChanged)
        GeometryChanged();
    Invalidate();
}

// ---- current cell and selection

TGridRect TCustomGrid::Selection() const
{
    TGridRect r{std::min(FAnchor.X, FCurrent.X), std::min(FAnchor.Y, FCurrent.Y),
                std::max(FAnchor.X, FCurrent.X), std::max(FAnchor.Y, FCurrent.Y)};
    if (FOptions & goRowSelect) {
        r.Left = FCols.Fixed;
        r.Right = FCols.Count - 1;
    }
    return r;
}

void TCustomGrid::SetSelection(const TGridRect& value)
{
    FAnchor = {value.Left, value.Top};
    FCurrent = {value.Right, value.Bottom};
    if (!(FOptions & goRangeSelect))
        FAnchor = FCurrent;
    ClampState();
    Invalidate();
}

void TCustomGrid::SetCol(int value) { MoveCurrent(value, FCurrent.Y, false); }
void TCustomGrid::SetRow(int value) { MoveCurrent(FCurrent.X, value, false); }

bool TCustomGrid::SelectCell(int, int) { return true; }

void TCustomGrid::MoveCurrent(int ACol, int ARow, bool extendSelection)
{
    const TGridCoord target{std::clamp(ACol, FCols.Fixed, FCols.Count - 1),
                            std::clamp(ARow, FRows.Fixed, FRows.Count - 1)};
    if (target != FCurrent && !SelectCell(target.X, target.Y))
        return;
    if (target != FCurrent)
        HideEditor();
    FCurrent = target;
    if (!extendSelection || !(FOptions & goRangeSelect))
        FAnchor = FCurrent;
    ScrollIntoView(FCurrent.X, FCurrent.Y);
    Invalidate();
    if ((FOptions & goAlwaysShowEditor) && (FOptions & goEditing))
        ShowEditor();
}

// ---- keyboard

bool TCustomGrid::NavigationKey(int Key, TShiftState Shift)
{
    const bool ctrl = Shift & ssCtrl, extend = Shift & ssShift;
    const bool rowSelect = FOptions & goRowSelect;
    const int page = std::max(1, VisibleRowCount());
    int col = FCurrent.X, row = FCurrent.Y;
    switch (Key) {
    case VK_UP: --row; break;
    case VK_DOWN: ++row; break;
    case VK_LEFT: --col; break;
    case VK_RIGHT: ++col; break;
    case VK_PRIOR: row -= page; break;
    case VK_NEXT: row += page; break;
    case VK_HOME:
        if (ctrl || rowSelect) row = FRows.Fixed;
        if (!rowSelect) col = FCols.Fixed;
        break;
    case VK_END:
        if (ctrl || rowSelect) row = FRows.Count - 1;
        if (!rowSelect) col = FCols.Count - 1;
        break;
    case VK_TAB:
        if (!(FOptions & goTabs))
            return false;
        // Tab walks the cells row by row and wraps at the ends of a row.
        col += extend ? -1 : 1;
        if (col >= FCols.Count && row < FRows.Count - 1) {
            col = FCols.Fixed;
            ++row;
        } else if (col < FCols.Fixed && row > FRows.Fixed) {
            col = FCols.Count - 1;
            --row;
        }
        MoveCurrent(col, row, false);
        return true;
    default:
        return false;
    }
    if (rowSelect && (Key == VK_LEFT || Key == VK_RIGHT)) {
        SetLeftCol(FTopLeft.X + (Key == VK_LEFT ? -1 : 1));
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
    if (FEditor)
        FEditor->SetText(QString(Key));
    Key = QChar();
}

bool TCustomGrid::EditorKey(int Key, TShiftState Shift)
{
    const bool leaves = Key == VK_UP || Key == VK_DOWN || Key == VK_PRIOR || Key == VK_NEXT ||
                        (Key == VK_TAB && (FOptions & goTabs));
    if (Key == VK_RETURN) {
        HideEditor();
        SetFocus();
        return true;
    }
    if (!leaves)
        return false;
    HideEditor();
    SetFocus();
    NavigationKey(Key, Shift);
    return true;
}

// Tab and Backtab reach KeyDown instead of moving the focus when goTabs is set.
bool TCustomGrid::event(QEvent* e)
{
    if (e->type() == QEvent::KeyPress && (FOptions & goTabs)) {
        auto* key = static_cast<QKeyEvent*>(e);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            keyPressEvent(key);
            return true;
        }
    }
    return TCustomControl::event(e);
}

bool TCustomGrid::focusNextPrevChild(bool next)
{
    return (FOptions & goTabs) ? false : TCustomControl::focusNextPrevChild(next);
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
    const int lv = LineWidthFor(true), lh = LineWidthFor(false);
    const bool inFixedRows = Y >= client.Top && Y < client.Top + FixedExtent(FRows, lh);
    const bool inFixedCols = X >= client.Left && X < client.Left + FixedExtent(FCols, lv);
    if ((FOptions & goColSizing) && inFixedRows) {
        isColumn = true;
        return nearBorder(VisibleSpans(FCols, FTopLeft.X, client.Left, client.Right, lv), X, lv);
    }
    if ((FOptions & goRowSizing) && inFixedCols) {
        isColumn = false;
        return nearBorder(VisibleSpans(FRows, FTopLeft.Y, client.Top, client.Bottom, lh), Y, lh);
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
            FDrag = isColumn ? Drag::SizeCol : Drag::SizeRow;
            FSizingIndex = border;
            const TRect cell = isColumn ? CellRect(border, 0) : CellRect(0, border);
            FSizingOrigin = isColumn ? cell.Left : cell.Top;
        } else if (!StartMoving(X, Y)) {
            const TGridCoord cell = MouseCoord(X, Y);
            if (cell.X >= FCols.Fixed && cell.Y >= FRows.Fixed) {
                MoveCurrent(cell.X, cell.Y, Shift & ssShift);
                FDrag = Drag::Select;
            }
        }
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TCustomGrid::UpdateSizing(int X, int Y)
{
    if (FDrag == Drag::SizeCol)
        SetColWidths(FSizingIndex, X - FSizingOrigin);
    else
        SetRowHeights(FSizingIndex, Y - FSizingOrigin);
    Refresh();
}

void TCustomGrid::MouseMove(TShiftState Shift, int X, int Y)
{
    if (FDrag == Drag::SizeCol || FDrag == Drag::SizeRow)
        UpdateSizing(X, Y);
    else if (MoveDragging())
        UpdateMoving(X, Y);
    else if (FDrag == Drag::Select && (FOptions & goRangeSelect)) {
        const TGridCoord cell = MouseCoord(X, Y);
        if (cell.X >= FCols.Fixed && cell.Y >= FRows.Fixed)
            MoveCurrent(cell.X, cell.Y, true);
    } else if (FDrag == Drag::None) {
        bool isColumn = false;
        const bool onBorder = SizingBorderAt(X, Y, isColumn) >= 0;
        setCursor(onBorder ? (isColumn ? Qt::SplitHCursor : Qt::SplitVCursor)
                           : Qt::ArrowCursor);
    }
    TCustomControl::MouseMove(Shift, X, Y);
}

void TCustomGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (MoveDragging())
        FinishMoving(Button == mbLeft, X, Y);
    const Drag ended = FDrag;
    FDrag = Drag::None;
    if (ended == Drag::SizeCol && OnColumnResized)
        OnColumnResized(this);
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
        SetTopRow(FTopLeft.Y + WheelRows);
    return true;
}

bool TCustomGrid::DoMouseWheelUp(TShiftState Shift, QPoint MousePos)
{
    if (!TCustomControl::DoMouseWheelUp(Shift, MousePos))
        SetTopRow(FTopLeft.Y - WheelRows);
    return true;
}

void TCustomGrid::DoExit()
{
    CancelMoving();
    FDrag = Drag::None;
    Invalidate(); // the focus rectangle goes away
    TCustomControl::DoExit();
}

} // namespace vek
