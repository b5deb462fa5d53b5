// TCustomGrid in-place editing: the plain and the pick-list editor, showing the editor
// over the current cell, committing its text and cancelling, and the draw grid's events.
#include "grid_p.h"

#include <frame/controls/keys.h>

#include <QKeyEvent>

namespace vek {

// ---- editors

// The editors inherit the grid's font as children do, so a later font change of the grid
// reaches an open editor too.
TInplaceEdit::TInplaceEdit(TCustomGrid* grid) : QLineEdit(grid), FGrid(grid)
{
    setFrame(false);
}

void TInplaceEdit::SetText(const QString& value)
{
    setText(value);
    selectAll();
}

// Enter, Escape and the keys that leave the cell go to the grid; the rest edit the text.
void TInplaceEdit::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        FGrid->CancelEditing();
        return;
    }
    if (FGrid->EditorKey(VirtualKeyOf(event), ShiftStateOf(event->modifiers())))
        return;
    QLineEdit::keyPressEvent(event);
}

TInplaceEditList::TInplaceEditList(TCustomGrid* grid) : QComboBox(grid), FGrid(grid)
{
    setEditable(true);
    setFrame(false);
    setInsertPolicy(QComboBox::NoInsert);
}

void TInplaceEditList::SetText(const QString& value)
{
    setCurrentIndex(findText(value));
    setEditText(value);
    lineEdit()->selectAll();
}

QStringList TInplaceEditList::PickList() const
{
    QStringList items;
    for (int i = 0; i < count(); ++i)
        items << itemText(i);
    return items;
}

void TInplaceEditList::SetPickList(const QStringList& items)
{
    clear();
    addItems(items);
}

// Up and Down browse the list (as in any combo box); Alt+Down opens it.
void TInplaceEditList::keyPressEvent(QKeyEvent* event)
{
    const bool browse = event->key() == Qt::Key_Up || event->key() == Qt::Key_Down;
    if (event->key() == Qt::Key_Escape) {
        FGrid->CancelEditing();
        return;
    }
    if (!browse && FGrid->EditorKey(VirtualKeyOf(event), ShiftStateOf(event->modifiers())))
        return;
    QComboBox::keyPressEvent(event);
}

// ---- the grid's side

QString TCustomGrid::GetEditText(int, int) { return QString(); }
void TCustomGrid::SetEditText(int, int, const QString&) {}
TEditStyle TCustomGrid::GetEditStyle(int, int) { return esSimple; }
void TCustomGrid::GetPickListItems(int, int, QStringList&) {}

std::unique_ptr<TInplaceEditor> TCustomGrid::CreateEditor(TEditStyle Style)
{
    if (Style == esPickList)
        return std::make_unique<TInplaceEditList>(this);
    return std::make_unique<TInplaceEdit>(this);
}

bool TCustomGrid::CanEditShow() const
{
    return (d->options & goEditing) && !(d->options & goRowSelect) && Enabled();
}

bool TCustomGrid::EditorMode() const { return d->editorMode; }
TInplaceEditor* TCustomGrid::InplaceEditor() const { return d->editor.get(); }

void TCustomGrid::SetEditorMode(bool value)
{
    if (value)
        ShowEditor();
    else
        HideEditor();
}

void TCustomGrid::ShowEditor()
{
    if (!CanEditShow())
        return;
    const TEditStyle style = GetEditStyle(d->current.X, d->current.Y);
    if (!d->editor || d->editor->EditStyle() != style)
        d->editor = CreateEditor(style);
    if (auto* list = dynamic_cast<TInplaceEditList*>(d->editor.get())) {
        QStringList items;
        GetPickListItems(d->current.X, d->current.Y, items);
        list->SetPickList(items);
    }
    ScrollIntoView(d->current.X, d->current.Y);
    d->editOriginal = GetEditText(d->current.X, d->current.Y);
    d->editor->SetText(d->editOriginal);
    d->editorMode = true;
    PlaceEditor();
    d->editor->Widget()->show();
    d->editor->Widget()->setFocus(Qt::OtherFocusReason);
    Invalidate();
}

void TCustomGrid::HideEditor()
{
    if (!d->editorMode)
        return;
    d->editorMode = false;
    const bool hadFocus = d->editor->Widget()->hasFocus();
    d->editor->Widget()->hide();
    const QString text = d->editor->Text();
    if (text != d->editOriginal)
        SetEditText(d->current.X, d->current.Y, text);
    if (hadFocus)
        SetFocus();
    Invalidate();
}

void TCustomGrid::CancelEditing()
{
    if (!d->editorMode)
        return;
    d->editor->SetText(d->editOriginal);
    HideEditor();
}

// Keeps the editor over the current cell; a cell scrolled out of view hides it.
void TCustomGrid::PlaceEditor()
{
    if (!d->editorMode)
        return;
    const TRect cell = CellRect(d->current.X, d->current.Y);
    d->editor->Widget()->setGeometry(cell.ToQRect());
    d->editor->Widget()->setVisible(!cell.IsEmpty());
}

// ---- TCustomDrawGrid

TCustomDrawGrid::TCustomDrawGrid(QWidget* parent) : TCustomGrid(parent) {}

void TCustomDrawGrid::DrawCell(int ACol, int ARow, const TRect& Rect, TGridDrawState State)
{
    if (OnDrawCell)
        OnDrawCell(this, ACol, ARow, Rect, State);
}

bool TCustomDrawGrid::SelectCell(int ACol, int ARow)
{
    bool canSelect = true;
    if (OnSelectCell)
        OnSelectCell(this, ACol, ARow, canSelect);
    return canSelect;
}

QString TCustomDrawGrid::GetEditText(int ACol, int ARow)
{
    QString value;
    if (OnGetEditText)
        OnGetEditText(this, ACol, ARow, value);
    return value;
}

void TCustomDrawGrid::SetEditText(int ACol, int ARow, const QString& Value)
{
    if (OnSetEditText)
        OnSetEditText(this, ACol, ARow, Value);
    emit cellEdited(ACol, ARow, Value);
}

TEditStyle TCustomDrawGrid::GetEditStyle(int ACol, int ARow)
{
    TEditStyle style = esSimple;
    if (OnGetEditStyle)
        OnGetEditStyle(this, ACol, ARow, style);
    return style;
}

void TCustomDrawGrid::GetPickListItems(int ACol, int ARow, QStringList& Items)
{
    if (OnGetPickListItems)
        OnGetPickListItems(this, ACol, ARow, Items);
}

} // namespace vek
