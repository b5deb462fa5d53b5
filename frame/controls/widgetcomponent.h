// TWidgetComponent: what every kind of control shares on top of its Qt widget, whatever
// that widget is (a plain QWidget for drawn controls, a QLineEdit for edit boxes, a
// QComboBox for drop-down lists): the component model, bounds, the control's own
// visibility flag, hint, cursor, popup menu and the font with its color.
//
// State Qt already keeps is not kept twice: Name is the objectName, Hint is the tool tip,
// Enabled is the widget's own enabled flag, and Font() is a TFont view of the widget's
// font that follows QWidget::setFont and font inheritance (call SyncFont from the
// widget's FontChange).
#pragma once

#include <frame/canvas/graphics.h>
#include <frame/core/component.h>

#include <QMenu>
#include <QPointer>
#include <QWidget>

namespace vek {

/// What every control shares on top of its Qt widget (see the top of this header).
class VEK_EXPORT TWidgetComponent {
public:
    virtual ~TWidgetComponent() = default;

    // ---- component model
    /// The component name (the objectName); it names the component in error messages.
    QString Name() const { return FSelf->objectName(); }
    /// Renames the component (sets the objectName).
    void SetName(const QString& value) { FSelf->setObjectName(value); }
    /// The owner: the parent given at construction.
    QObject* Owner() const { return FSelf->parent(); }
    /// csDesigning while placed in a form designer, csLoading while settings are read.
    TComponentState ComponentState() const { return FCore.State(); }
    /// Puts the control into or out of design mode (as a form designer does).
    void SetDesigning(bool designing) { FCore.SetDesigning(designing); }
    /// Stored settings are being read: BeginLoading sets csLoading; EndLoading calls
    /// Loaded, which clears it.
    void BeginLoading() { FCore.SetLoading(true); }
    /// Ends reading stored settings: calls Loaded.
    void EndLoading() { Loaded(); }
    /// Loading from now until the control is first polished (shown, grabbed, rendered) or
    /// the event loop next runs, whichever comes first; then Loaded once. For a factory
    /// whose caller sets the stored settings right after creating the control, outside a
    /// TFormLoad (a designer plugin's createWidget, called by QUiLoader or the designer).
    /// Does nothing while the control is loading already.
    void LoadUntilPolished();

    // ---- bounds (pixels, relative to the parent)
    /// The left edge (QWidget::x).
    int Left() const { return FSelf->x(); }
    /// The top edge (QWidget::y).
    int Top() const { return FSelf->y(); }
    /// The width in pixels.
    int Width() const { return FSelf->width(); }
    /// The height in pixels.
    int Height() const { return FSelf->height(); }
    /// Moves the left edge through SetBounds.
    void SetLeft(int value) { SetBounds(value, Top(), Width(), Height()); }
    /// Moves the top edge through SetBounds.
    void SetTop(int value) { SetBounds(Left(), value, Width(), Height()); }
    /// Changes the width through SetBounds.
    void SetWidth(int value) { SetBounds(Left(), Top(), value, Height()); }
    /// Changes the height through SetBounds.
    void SetHeight(int value) { SetBounds(Left(), Top(), Width(), value); }
    /// Moves and sizes the control; negative sizes become 0.
    virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);

    // ---- state
    /// The control's own visibility flag (default true). A hidden control is not shown,
    /// but a drawn control still paints into its back buffer. A control without a parent
    /// is never shown by this flag: only the application shows top-level windows.
    bool Visible() const { return FVisible; }
    /// Sets the own visibility flag and shows or hides the widget accordingly.
    virtual void SetVisible(bool value);
    /// The control's own enabled flag (a disabled parent does not change it); the same
    /// state as QWidget::setEnabled.
    bool Enabled() const { return !FSelf->testAttribute(Qt::WA_ForceDisabled); }
    /// Enables or disables the control (QWidget::setEnabled).
    void SetEnabled(bool value) { FSelf->setEnabled(value); }
    /// The tool tip text (QWidget::toolTip); shown only while ShowHint is on.
    QString Hint() const { return FSelf->toolTip(); }
    /// Sets the tool tip text.
    void SetHint(const QString& value) { FSelf->setToolTip(value); }
    /// Whether the hint pops up over the control (default false).
    bool ShowHint() const { return FShowHint; }
    /// Lets the hint pop up (true) or keeps it hidden (false).
    void SetShowHint(bool value) { FShowHint = value; }
    /// The mouse cursor over the control (default crDefault).
    TCursor Cursor() const { return FCursor; }
    /// Sets the mouse cursor; crDefault restores the parent's.
    void SetCursor(TCursor value);
    /// Shown on a right click (the control does not own the menu). Default none.
    QMenu* PopupMenu() const { return FPopupMenu; }
    /// Sets the menu shown on a right click; nullptr for none.
    void SetPopupMenu(QMenu* menu) { FPopupMenu = menu; }
    /// The font; its Color is the text color. Changing it sets the widget's font;
    /// QWidget::setFont and a parent's font change show here too.
    TFont* Font() { return &FFont; }
    /// The font, read-only.
    const TFont* Font() const { return &FFont; }

protected:
    /// The component part of the widget self, owned by owner.
    TWidgetComponent(QWidget* self, QObject* owner);

    /// Stored settings have been read; clears csLoading.
    virtual void Loaded() { FCore.SetLoading(false); }
    /// The font changed (through Font() or the widget's font).
    virtual void FontChanged() {}

    /// Takes the widget's font into Font() after a FontChange, keeping its color.
    void SyncFont();
    /// Whether a tool tip event may pass (false while ShowHint is off).
    bool ToolTipAllowed() const { return FShowHint; }
    /// Opens the popup menu for a context-menu event; false when there is none.
    bool ShowPopupMenu(const QPoint& globalPos);

private:
    QWidget* FSelf;
    TComponentCore FCore;
    TFont FFont;
    QPointer<QMenu> FPopupMenu;
    TCursor FCursor = crDefault;
    bool FVisible = true;
    bool FShowHint = false;
    bool FApplyingFont = false;
};

} // namespace vek
