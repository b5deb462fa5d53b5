// TNTabEd's heading editor (names and attributes of columns and rows, from the header
// menu) and comment editor (a right click on the corner). Each closes with Enter, which
// stores its text, or Escape, which drops it.
#include "ntabed_p.h"

#include <frame/runtime/rtl.h>

#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <algorithm>

namespace vek {

namespace {

constexpr int HeadingEditorWidth = 121;
constexpr int CommentEditorHeight = 80;
// Room the comment editor leaves at the right, for the scroll bar.
constexpr int CommentEditorRightGap = 20;

// Closes an editor on Enter (store) and Escape (drop); the editor sees neither key.
class EnterEscapeKeys : public QObject {
public:
    EnterEscapeKeys(QObject* parent, std::function<void(bool store)> close)
        : QObject(parent), FClose(std::move(close))
    {
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Escape)
            return false;
        FClose(key != Qt::Key_Escape);
        return true;
    }

private:
    std::function<void(bool store)> FClose;
};

template <typename Editor>
Editor* NewHiddenEditor(TNTabEd* owner, const char* name,
                        std::function<void(bool store)> close)
{
    auto* editor = new Editor(owner);
    editor->setObjectName(QLatin1String(name));
    editor->hide();
    editor->installEventFilter(new EnterEscapeKeys(editor, std::move(close)));
    return editor;
}

// An attribute typed as any number: clamped to the byte range and rounded.
std::optional<quint8> ParseAttribute(const QString& text)
{
    const std::optional<double> value = ntabed::ParseEntry(text);
    if (!value)
        return std::nullopt;
    return quint8(Round(std::clamp(*value, 0.0, 255.0)));
}

} // namespace

// ---- heading editor

// The intersection of the header lines has nothing to edit; a form designer edits
// headings its own way.
void TNTabEd::Private::OpenHeadingEditor()
{
    using ntabed::Interaction;
    const TGridCoord cell = ui.clickedCell;
    if ((cell.X <= colOffset && cell.Y <= rowOffset) || (q->ComponentState() & csDesigning))
        return;
    if (cell.X > colOffset) {
        ui.headingIndex = cell.X - colOffset;
        ui.headingTarget = rowOffset == 1 && cell.Y == 1 ? Interaction::ColumnAttribute
                                                         : Interaction::ColumnName;
    } else {
        ui.headingIndex = cell.Y - rowOffset;
        ui.headingTarget = colOffset == 1 && cell.X == 1 ? Interaction::RowAttribute
                                                         : Interaction::RowName;
    }
    const int i = ui.headingIndex;
    QString text;
    switch (ui.headingTarget) {
    case Interaction::ColumnName: text = table->GetColName(i); break;
    case Interaction::ColumnAttribute: text = QString::number(table->GetColAttrib(i)); break;
    case Interaction::RowName: text = table->GetRowName(i); break;
    case Interaction::RowAttribute: text = QString::number(table->GetRowAttrib(i)); break;
    }
    if (!ui.headingEditor)
        ui.headingEditor = NewHiddenEditor<QLineEdit>(
            q, "HeadingEditor", [this](bool store) { CloseHeadingEditor(store); });
    const TRect rect = q->CellRect(cell.X, cell.Y);
    QLineEdit* editor = ui.headingEditor;
    editor->setText(text);
    editor->selectAll();
    editor->setGeometry(rect.Left + 30, rect.Top + 5, std::max(rect.Width(), HeadingEditorWidth),
                        editor->sizeHint().height());
    editor->show();
    editor->setFocus(Qt::OtherFocusReason);
    ui.headingOpen = true;
}

// Names keep their first 50 characters; an attribute must be a number.
void TNTabEd::Private::CloseHeadingEditor(bool store)
{
    using ntabed::Interaction;
    ui.headingOpen = false;
    ui.headingEditor->hide();
    q->SetFocus();
    q->Invalidate();
    if (!store)
        return;
    const QString text = ui.headingEditor->text();
    const int i = ui.headingIndex;
    const QString name = text.left(TDataTable::MaxNameLength);
    const std::optional<quint8> attribute = ParseAttribute(text);
    switch (ui.headingTarget) {
    case Interaction::ColumnName: q->SetColName(i, name); break;
    case Interaction::RowName: q->SetRowName(i, name); break;
    case Interaction::ColumnAttribute:
        if (attribute)
            q->SetColAttrib(i, *attribute);
        break;
    case Interaction::RowAttribute:
        if (attribute)
            q->SetRowAttrib(i, *attribute);
        break;
    }
}

// ---- comment editor

// White on teal over the data, right of the row names and clear of the vertical scroll
// bar; the corner says what is edited.
void TNTabEd::Private::OpenCommentEditor()
{
    if (q->ComponentState() & csDesigning)
        return;
    if (!ui.commentEditor) {
        ui.commentEditor = NewHiddenEditor<QPlainTextEdit>(
            q, "CommentEditor", [this](bool store) { CloseCommentEditor(store); });
        QPalette palette = ui.commentEditor->palette();
        palette.setColor(QPalette::Base, ToQColor(ntabed::CommentColor));
        palette.setColor(QPalette::Text, Qt::white);
        ui.commentEditor->setPalette(palette);
    }
    QPlainTextEdit* editor = ui.commentEditor;
    const TRect cells = q->GridClientRect();
    const int left = cells.Left + q->TCustomGrid::ColWidths(0);
    editor->setGeometry(left, cells.Top, cells.Right - left - CommentEditorRightGap,
                        CommentEditorHeight);
    editor->setPlainText(table->Comment());
    editor->moveCursor(QTextCursor::End);
    editor->show();
    editor->setFocus(Qt::OtherFocusReason);
    ui.commentOpen = true;
    q->Refresh();
}

// The comment is stored as typed, line breaks included.
void TNTabEd::Private::CloseCommentEditor(bool store)
{
    ui.commentOpen = false;
    ui.commentEditor->hide();
    q->SetFocus();
    if (store) {
        {
            const MutedTable muted(this);
            table->SetComment(ui.commentEditor->toPlainText());
        }
        q->ChangedData();
    }
    q->Invalidate();
}

} // namespace vek
