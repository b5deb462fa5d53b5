// TCustomEdit: the single-line edit box of the frame, base of edit-based controls.
#pragma once

#include "inputevents.h"
#include "widgetcomponent.h"

#include <frame/canvas/colors.h>

#include <QLineEdit>

namespace vek {

/// A single-line edit box on QLineEdit that shares the component model and the input
/// events of the other controls: the base of edit-based controls (the numeric field,
/// grid cell editors).
///
/// After every change of the text - typing, pasting, deleting, undo, or the application
/// setting Text - the virtual Change() runs; its default fires OnChange. A derived class
/// that checks or rewrites the text overrides Change() and writes its corrections with
/// SetTextInternal(), which changes the text without running Change() again.
///
/// Qt's own state stays Qt's: Text, ReadOnly and the selection are QLineEdit's text,
/// readOnly and selection, so textChanged, textEdited, selectionChanged and the other
/// QLineEdit signals report them. textChanged is OnChange's signal: Change() runs in the
/// edit box's own first connection to it, so a receiver connected by the application sees
/// the text after OnChange did. It also reports texts written with SetTextInternal; a
/// derived class that refuses texts offers a signal for the accepted ones
/// (TNumIO::valueChanged).
///
/// Keys arrive as KeyDown (virtual-key codes, frame/controls/keys.h), KeyPress (the
/// character, which a handler may replace or clear to swallow it) and KeyUp before the
/// edit box acts on them; a KeyDown handler that sets Key to 0 swallows the whole key
/// stroke. The size hint is QLineEdit's; with AutoSize the height follows it.
class VEK_EXPORT TCustomEdit : public QLineEdit,
                               public TWidgetComponent,
                               public TPersistent,
                               public TInputEvents {
    Q_OBJECT
    Q_PROPERTY(bool AutoSelect READ AutoSelect WRITE SetAutoSelect)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(bool HideSelection READ HideSelection WRITE SetHideSelection)
    Q_PROPERTY(TBorderStyle BorderStyle READ BorderStyle WRITE SetBorderStyle)
    Q_PROPERTY(QColor Color READ qColor WRITE setQColor RESET resetColor)
    Q_PROPERTY(bool ShowHint READ ShowHint WRITE SetShowHint)
    Q_PROPERTY(bool TabStop READ TabStop WRITE SetTabStop)

public:
    /// Border of the box: none, or the platform line edit's frame.
    enum TBorderStyle { bsNone = 0, bsSingle = 1 };
    Q_ENUM(TBorderStyle)

    /// An empty box, its height fitted to the font.
    explicit TCustomEdit(QWidget* parent = nullptr);

    /// Moves and sizes the box; with AutoSize the font sets the height.
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

    // ---- text and selection; positions count characters from 0
    /// The text (QLineEdit::text; default empty).
    QString Text() const { return text(); }
    /// Replaces the text; Change() runs as after typing.
    void SetText(const QString& value);
    /// The caret position, or the start of the selection when there is one.
    int SelStart() const;
    /// Moves the caret there (clamped to the text) and removes the selection.
    void SetSelStart(int value);
    /// Number of selected characters (0 without a selection).
    int SelLength() const { return int(selectedText().size()); }
    /// Selects value characters from SelStart (clamped to the text).
    void SetSelLength(int value);
    /// The selected characters.
    QString SelText() const { return selectedText(); }
    /// Replaces the selection (or inserts at the caret); Change() runs.
    void SetSelText(const QString& value);
    /// Selects the whole text.
    void SelectAll() { selectAll(); }
    /// Removes the selection; the text stays.
    void ClearSelection() { deselect(); }
    /// Empties the text; Change() runs.
    void Clear() { SetText(QString()); }

    // ---- appearance and behaviour
    /// The user cannot change the text (QLineEdit::readOnly; default false).
    bool ReadOnly() const { return isReadOnly(); }
    void SetReadOnly(bool value) { setReadOnly(value); }
    /// Select the whole text when the box is entered with the keyboard (default true).
    bool AutoSelect() const { return FAutoSelect; }
    void SetAutoSelect(bool value) { FAutoSelect = value; }
    /// Keep the height fitted to the font (default true).
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool value);
    /// Hide the selection while the box has no focus (default true); when false it stays
    /// and is shown.
    bool HideSelection() const { return FHideSelection; }
    void SetHideSelection(bool value) { FHideSelection = value; }
    /// bsSingle (default) draws the frame of the platform's line edit; bsNone none.
    TBorderStyle BorderStyle() const { return hasFrame() ? bsSingle : bsNone; }
    void SetBorderStyle(TBorderStyle value);
    /// Background color (default clWindow, following the theme).
    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    VEK_COLOR_PROPERTY(Color, clWindow)
    /// Whether Tab reaches the box (default true).
    bool TabStop() const { return (focusPolicy() & Qt::TabFocus) != 0; }
    void SetTabStop(bool value) { setFocusPolicy(value ? Qt::StrongFocus : Qt::ClickFocus); }
    /// Whether the box has the keyboard focus.
    bool Focused() const { return hasFocus(); }
    /// Gives the box the keyboard focus.
    void SetFocus() { setFocus(Qt::OtherFocusReason); }

    // ---- events
    /// Fires after every change of the text that Change() accepts (see the class comment).
    TNotifyEvent OnChange;

    /// From another edit box: ReadOnly, AutoSelect, HideSelection, BorderStyle, AutoSize,
    /// Color and Font; not the text.
    void Assign(const TPersistent* Source) override;

protected:
    /// Runs after every change of the text except those made by SetTextInternal; the
    /// default fires OnChange.
    virtual void Change();
    /// Replaces the text without running Change(); the caret goes to the end and the
    /// undo history starts afresh, so undo cannot bring back a text replaced this way.
    void SetTextInternal(const QString& value);
    /// The font's color is the text color; the height follows the font.
    void FontChanged() override;

    TObject* EventSender() override;

    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void TextChanged();
    void ApplyColors();
    void FitHeight();

    TColor FColor;
    bool FAutoSelect = true;
    bool FAutoSize = true;
    bool FHideSelection = true;
    bool FInternalChange = false;
    bool FLeftPressed = false;
};

} // namespace vek
