#include "lineedit_p.h"

#include <QFontMetrics>

#include <algorithm>

namespace vek {

TAccessibleLineEdit::TAccessibleLineEdit(QLineEdit* edit)
    : TAccessibleControl(edit, QAccessible::EditableText)
{
}

void* TAccessibleLineEdit::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    if (t == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface*>(this);
    return TAccessibleControl::interface_cast(t);
}

QAccessible::State TAccessibleLineEdit::state() const
{
    QAccessible::State s = TAccessibleControl::state();
    s.readOnly = Edit()->isReadOnly();
    s.editable = !s.readOnly;
    s.selectableText = true;
    s.passwordEdit = Edit()->echoMode() != QLineEdit::Normal;
    return s;
}

void TAccessibleLineEdit::selection(int selectionIndex, int* startOffset, int* endOffset) const
{
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0 || !Edit()->hasSelectedText())
        return;
    *startOffset = Edit()->selectionStart();
    *endOffset = Edit()->selectionEnd();
}

void TAccessibleLineEdit::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void TAccessibleLineEdit::setSelection(int, int startOffset, int endOffset)
{
    Edit()->setSelection(startOffset, endOffset - startOffset);
}

QString TAccessibleLineEdit::text(int startOffset, int endOffset) const
{
    if (startOffset > endOffset)
        return {};
    return Edit()->displayText().mid(startOffset, endOffset - startOffset);
}

// QLineEdit tells where its cursor is drawn, not where any character is: the rectangle is
// measured from the cursor with the font, which holds while the text is one run.
QRect TAccessibleLineEdit::characterRect(int offset) const
{
    const QString shown = Edit()->displayText();
    if (offset < 0 || offset >= shown.size())
        return {};
    const QRect cursor = Edit()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const QFontMetrics metrics(Edit()->font());
    const int at = Edit()->cursorPosition();
    const int x = offset >= at ? cursor.x() + metrics.horizontalAdvance(shown.mid(at, offset - at))
                               : cursor.x() - metrics.horizontalAdvance(shown.mid(offset, at - offset));
    const QRect local(x, cursor.y(), metrics.horizontalAdvance(shown.at(offset)), cursor.height());
    return QRect(Edit()->mapToGlobal(local.topLeft()), local.size());
}

int TAccessibleLineEdit::offsetAtPoint(const QPoint& point) const
{
    return Edit()->cursorPositionAt(Edit()->mapFromGlobal(point));
}

void TAccessibleLineEdit::scrollToSubstring(int startIndex, int endIndex)
{
    // The line edit scrolls to keep the cursor shown: the end first, then the start.
    Edit()->setCursorPosition(endIndex);
    Edit()->setCursorPosition(startIndex);
}

QString TAccessibleLineEdit::attributes(int offset, int* startOffset, int* endOffset) const
{
    *startOffset = *endOffset = offset;
    return {};
}

void TAccessibleLineEdit::deleteText(int startOffset, int endOffset)
{
    replaceText(startOffset, endOffset, QString());
}

void TAccessibleLineEdit::insertText(int offset, const QString& text)
{
    replaceText(offset, offset, text);
}

void TAccessibleLineEdit::replaceText(int startOffset, int endOffset, const QString& text)
{
    if (Edit()->isReadOnly() || !Edit()->isEnabled())
        return;
    Edit()->setSelection(startOffset, std::max(0, endOffset - startOffset));
    Edit()->insert(text);
}

} // namespace vek
