// Controls built on QLineEdit: the text and editable text interfaces over the line
// edit's public API, for a control whose interface adds to what Qt's own line edit
// interface gives (which no control can extend: it is private to Qt). Edits an assistive
// tool makes go through the line edit as typing does, validator and length included.
#pragma once

#include "accessible_p.h"

#include <QLineEdit>

namespace vek {

class TAccessibleLineEdit : public TAccessibleControl,
                            public QAccessibleTextInterface,
                            public QAccessibleEditableTextInterface {
public:
    explicit TAccessibleLineEdit(QLineEdit* edit);

    void* interface_cast(QAccessible::InterfaceType t) override;
    QAccessible::State state() const override;

    // ---- QAccessibleTextInterface
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override { return Edit()->hasSelectedText() ? 1 : 0; }
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int) override { Edit()->deselect(); }
    void setSelection(int, int startOffset, int endOffset) override;
    int cursorPosition() const override { return Edit()->cursorPosition(); }
    void setCursorPosition(int position) override { Edit()->setCursorPosition(position); }
    QString text(int startOffset, int endOffset) const override;
    using TAccessibleControl::text;
    int characterCount() const override { return int(Edit()->displayText().size()); }
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

    // ---- QAccessibleEditableTextInterface
    void deleteText(int startOffset, int endOffset) override;
    void insertText(int offset, const QString& text) override;
    void replaceText(int startOffset, int endOffset, const QString& text) override;

protected:
    QString ValueText() const override { return Edit()->displayText(); }
    QLineEdit* Edit() const { return static_cast<QLineEdit*>(widget()); }
};

} // namespace vek
