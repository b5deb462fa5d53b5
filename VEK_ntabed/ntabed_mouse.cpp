// TNTabEd input: mouse presses (editing by a second click, the menus, the comment
// editor), keys and the wheel, and the reports of a changed selection.
#include "ntabed_p.h"

namespace vek {

// ---- selection reports

void TNTabEd::Private::ReportSelection(bool always)
{
    const TGridRect selection = q->Selection();
    const bool changed = selection != ui.lastSelection;
    ui.lastSelection = selection;
    if (changed || always)
        q->ChangedSelection();
}

bool TNTabEd::Private::IsDataCell(const TGridCoord& cell) const
{
    return cell.X > colOffset && cell.Y > rowOffset;
}

bool TNTabEd::Private::OwnPopupAllowed() const
{
    return !blockInternalPopup && !q->PopupMenu();
}

// ---- mouse

// While the heading editor is open the cells take no press at all; while the comment
// editor is, a press on the corner drops the comment.
void TNTabEd::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    ntabed::Interaction& ui = d->ui;
    if (ui.headingOpen)
        return;
    if (ui.commentOpen) {
        TCustomGrid::MouseDown(Button, Shift, X, Y);
        ui.clickedCell = MouseCoord(X, Y);
        if (ui.clickedCell == TGridCoord{0, 0})
            d->CloseCommentEditor(false);
        return;
    }
    const TGridCoord previous = ui.lastPressedCell;
    const TGridCoord cell = MouseCoord(X, Y);
    ui.clickedCell = cell;
    TCustomGrid::MouseDown(Button, Shift, X, Y);
    Invalidate();
    d->ReportSelection(false);
    if (cell.X < 0 || cell.Y < 0)
        return;
    ui.lastPressedCell = cell;
    const bool right = Button == mbRight;
    if (d->IsDataCell(cell)) {
        if (Button == mbLeft && cell == previous && cell == TGridCoord{Col(), Row()})
            ShowEditor(); // the grid shows it only where editing is allowed
        else if (right && d->OwnPopupAllowed())
            d->OpenDataPopup(X, Y);
    } else if (cell == TGridCoord{0, 0}) {
        if (right && !d->blockInternalPopup && d->commentEditingAllowed)
            d->OpenCommentEditor();
    } else if (right && d->OwnPopupAllowed() &&
               !(cell.X <= d->colOffset && cell.Y <= d->rowOffset)) {
        d->OpenHeaderPopup();
    }
}

void TNTabEd::MouseMove(TShiftState Shift, int X, int Y)
{
    TCustomGrid::MouseMove(Shift, X, Y);
    d->ReportSelection(false);
}

void TNTabEd::TopLeftChanged()
{
    d->ReportSelection(false);
    TCustomGrid::TopLeftChanged();
}

// ---- keys and wheel

void TNTabEd::KeyDown(int& Key, TShiftState Shift)
{
    TCustomGrid::KeyDown(Key, Shift);
    d->ReportSelection(true);
    Invalidate();
}

// Enter on the grid (the in-place editor has its own way, EditorKey) moves on.
void TNTabEd::KeyPress(QChar& Key)
{
    TCustomGrid::KeyPress(Key);
    if (Key == QChar('\r'))
        d->AdvanceAfterEnter();
}

bool TNTabEd::DoMouseWheelDown(TShiftState Shift, QPoint MousePos)
{
    const bool handled = TCustomGrid::DoMouseWheelDown(Shift, MousePos);
    d->ReportSelection(true);
    Invalidate();
    return handled;
}

bool TNTabEd::DoMouseWheelUp(TShiftState Shift, QPoint MousePos)
{
    const bool handled = TCustomGrid::DoMouseWheelUp(Shift, MousePos);
    d->ReportSelection(true);
    Invalidate();
    return handled;
}

} // namespace vek
