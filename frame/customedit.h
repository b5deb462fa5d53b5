// TCustomEdit: a single-line edit box on QLineEdit that shares the component model and
// the input events of the other controls, the base of edit-based controls (the numeric
// field, grid cell editors).
//
// After every change of the text - typing, pasting, deleting, undo, or the application
// setting Text - the virtual Change() runs; its default fires OnChange. A derived class
// that checks or rewrites the text overrides Change() and writes its corrections with
// SetTextInternal(), which changes the text without running Change() again.
//
// Keys arrive as KeyDown (virtual-key codes, frame/keys.h), KeyPress (the character,
// which a handler may replace or clear to swallow it) and KeyUp before the edit box acts
// on them; a KeyDown handler that sets Key to 0 swallows the whole key stroke.
#pragma once

#include "component.h"
#include "graphics.h"
#include "inputevents.h"
#include "persistent.h"

#include <QLineEdit>
#include <QMenu>
#include <QPointer>

namespace vek {

class VEK_EXPORT TCustomEdit : public QLineEdit, public TPersistent, public TInputEvents {
    Q_OBJECT
    Q_PROPERTY(QString Text READ Text WRITE SetText)
    Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE SetReadOnly)
    Q_PROPERTY(bool AutoSelect READ AutoSelect WRITE SetAutoSelect)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(bool HideSelection READ HideSelection WRITE SetHideSelection)
    Q_PROPERTY(TBorderStyle BorderStyle READ BorderStyle WRITE SetBorderStyle)
    Q_PROPERTY(quint32 Color READ Color WRITE SetColor)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(QString Hint READ Hint WRITE SetHint)
    Q_PROPERTY(bool ShowHint READ ShowHint WRITE SetShowHint)
    Q_PROPERTY(bool TabStop READ TabStop WRITE SetTabStop)

public:
    enum TBorderStyle { bsNone = 0, bsSingle = 1 };
    Q_ENUM(TBorderStyle)

    explicit TCustomEdit(QWidget* parent = nullptr);

    // ---- component model
    QString Name() const { return objectName(); }
    void SetName(const QString& value) { setObjectName(value); }
    QObject* Owner() const { return parent(); }
    TComponentState ComponentState() const { return FCore.State(); }
    void SetDesigning(bool designing) { FCore.SetDesigning(designing); }
    // Stored settings are being read: BeginLoading sets csLoading; EndLoading calls
    // Loaded, which clears it.
    void BeginLoading() { FCore.SetLoading(true); }
    void EndLoading() { Loaded(); }

    // ---- bounds (pixels, relative to the parent); with AutoSize the font sets the height
    int Left() const { return x(); }
    int Top() const { return y(); }
    int Width() const { return width(); }
    int Height() const { return height(); }
    virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
    void SetWidth(int value) { SetBounds(Left(), Top(), value, Height()); }
    void SetHeight(int value) { SetBounds(Left(), Top(), Width(), value); }

    // ---- text and selection; positions count characters from 0
    QString Text() const { return text(); }
    // Replaces the text; Change() runs as after typing.
    void SetText(const QString& value);
    // The caret position (the start of the selection).
    int SelStart() const;
    // Moves the caret there (clamped to the text) and removes the selection.
    void SetSelStart(int value);
    int SelLength() const { return int(selectedText().size()); }
    // Selects value characters from SelStart (clamped to the text).
    void SetSelLength(int value);
    QString SelText() const { return selectedText(); }
    // Replaces the selection (or inserts at the caret); Change() runs.
    void SetSelText(const QString& value);
    void SelectAll() { selectAll(); }
    void ClearSelection() { deselect(); }
    // Empties the text; Change() runs.
    void Clear() { SetText(QString()); }

    // ---- appearance and behaviour
    bool ReadOnly() const { return isReadOnly(); }
    void SetReadOnly(bool value) { setReadOnly(value); }
    // Select the whole text when the field is entered with the keyboard (default true).
    bool AutoSelect() const { return FAutoSelect; }
    void SetAutoSelect(bool value) { FAutoSelect = value; }
    // Keep the height fitted to the font (default true).
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool value);
    // Hide the selection while the field has no focus (default true); when false it
    // stays and is shown.
    bool HideSelection() const { return FHideSelection; }
    void SetHideSelection(bool value) { FHideSelection = value; }
    TBorderStyle BorderStyle() const { return hasFrame() ? bsSingle : bsNone; }
    void SetBorderStyle(TBorderStyle value);
    // Background color (default clWindow, following the theme).
    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    // Text font; its Color is the text color (default clWindowText).
    TFont* Font() { return &FFont; }
    const TFont* Font() const { return &FFont; }
    // The control's own visibility flag (a control without parent is never shown).
    bool Visible() const { return FVisible; }
    void SetVisible(bool value);
    bool Enabled() const { return !testAttribute(Qt::WA_ForceDisabled); }
    void SetEnabled(bool value) { setEnabled(value); }
    QString Hint() const { return FHint; }
    void SetHint(const QString& value);
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool value);
    bool TabStop() const { return (focusPolicy() & Qt::TabFocus) != 0; }
    void SetTabStop(bool value) { setFocusPolicy(value ? Qt::StrongFocus : Qt::ClickFocus); }
    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor value);
    // Shown on a right click instead of the standard edit menu (not owned).
    QMenu* PopupMenu() const { return FPopupMenu; }
    void SetPopupMenu(QMenu* menu) { FPopupMenu = menu; }
    bool Focused() const { return hasFocus(); }
    void SetFocus() { setFocus(Qt::OtherFocusReason); }

    // ---- events
    TNotifyEvent OnChange;

    void Assign(const TPersistent* Source) override;

protected:
    // Runs after every change of the text except those made by SetTextInternal; the
    // default fires OnChange.
    virtual void Change();
    // Replaces the text without running Change(); the caret goes to the end and the
    // undo history starts afresh, so undo cannot bring back a text replaced this way.
    void SetTextInternal(const QString& value);
    virtual void Loaded() { FCore.SetLoading(false); }

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
    void changeEvent(QEvent* event) override;

private:
    void TextChanged();
    void ApplyColors();
    void FitHeight();

    TComponentCore FCore;
    TFont FFont;
    TColor FColor;
    QString FHint;
    TCursor FCursor = crDefault;
    QPointer<QMenu> FPopupMenu;
    bool FAutoSelect = true;
    bool FAutoSize = true;
    bool FHideSelection = true;
    bool FShowHint = false;
    bool FVisible = true;
    bool FInternalChange = false;
    bool FLeftPressed = false;
};

} // namespace vek
