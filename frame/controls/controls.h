// Control base classes on QWidget.
//
// Painting model: every control owns a back buffer the size of the control; Canvas()
// draws into it. Paint() draws synchronously (a setter that "repaints at once" calls
// Paint() directly, so pixels can be read right after it); the buffer is then copied to
// the screen by the next paint event. Invalidate() only marks the control dirty: the
// next paint event (or Update()) calls Paint() first. Transparent controls use a buffer
// with an alpha channel; where it is transparent the parent shows through.
//
// Input: Qt's mouse, wheel, key and focus events arrive as the virtuals MouseDown,
// MouseMove, MouseUp, Click, DblClick, DoMouseWheelDown/Up, KeyDown (virtual-key codes),
// KeyPress, KeyUp, DoEnter, DoExit and Resize, whose default implementations (most of
// them shared with edit boxes in TInputEvents) call the On... events.
// An exception escaping any of them goes to Application()->HandleException.
#pragma once

#include <frame/canvas/bitmap.h>
#include <frame/canvas/canvas.h>
#include <frame/core/component.h>
#include "inputevents.h"
#include "widgetcomponent.h"

#include <QWidget>

namespace vek {

/// The base of the drawn controls: a QWidget with the component model, input events, a
/// back buffer as its Canvas() and the Paint() it draws with (see the top of this header).
class VEK_EXPORT TControl : public QWidget,
                            public TWidgetComponent,
                            public TPersistent,
                            public TInputEvents {
    Q_OBJECT
    Q_PROPERTY(bool ShowHint READ ShowHint WRITE SetShowHint)
    Q_PROPERTY(bool Smoothing READ Smoothing WRITE SetSmoothing)

public:
    /// A control whose owner and Qt parent is parent.
    explicit TControl(QWidget* parent = nullptr);
    ~TControl() override;

    /// The control's area in its own coordinates: (0, 0, Width, Height).
    TRect ClientRect() const { return TRect(0, 0, Width(), Height()); }

    /// Background color of the default Paint (default clBtnFace).
    TColor Color() const { return FColor; }
    /// Sets the background color; invalidates.
    void SetColor(TColor value);

    // ---- painting
    /// Whether curves and slanted lines are drawn antialiased (default true). Off gives
    /// exact, hard-edged pixels; straight lines, rectangles and text are exact either way.
    bool Smoothing() const { return FCanvas.Antialiasing(); }
    /// Sets smoothing; invalidates.
    void SetSmoothing(bool value);
    /// The back buffer's canvas, sized to the control at its device pixel ratio.
    TCanvas* Canvas();
    /// Gives an off-screen bitmap the back buffer's device pixel ratio and smoothing, so
    /// that a face drawn there and copied to Canvas() looks as if drawn on it directly.
    void PrepareOffscreen(TBitmap& bitmap);
    /// Marks the control for repainting; the next paint event calls Paint().
    void Invalidate();
    /// Paints now if the control is marked for repainting.
    void Update();
    /// Invalidate + Update: paints now.
    void Refresh();

    /// The size the control is created with (its natural size in a layout).
    QSize sizeHint() const override;

    // ---- events
    /// The wheel turned one notch towards the user; set Handled to consume it.
    TMouseWheelUpDownEvent OnMouseWheelDown;
    /// The wheel turned one notch away from the user; set Handled to consume it.
    TMouseWheelUpDownEvent OnMouseWheelUp;
    /// The control's size changed.
    TNotifyEvent OnResize;

protected:
    /// Draws the control into Canvas(). The default fills it with Color.
    virtual void Paint();
    /// Runs once, no later than the first polish or paint event (window creation).
    virtual void CreateWnd() {}
    /// The font changed (Font(), QWidget::setFont or the parent's font); the default
    /// invalidates.
    void FontChanged() override;
    /// The enabled state changed (SetEnabled, QWidget::setEnabled or the parent's); the
    /// default repaints at once.
    virtual void EnabledChanged();
    /// The palette changed (the widget's or the application's, a dark theme switched on
    /// at run time): system colors resolve differently now. The default invalidates;
    /// controls that cache painted faces drop them first.
    virtual void PaletteChanged();
    /// The application installed or removed a translator: the built-in texts the control
    /// paints read differently now. The default updates the size hint and invalidates.
    virtual void LanguageChanged();

    /// Sizes the control and records the size as its natural size (sizeHint).
    void SetDefaultSize(int width, int height);
    /// Shows the painted face in gray while the control is disabled (default false): the
    /// disabled look of displays that have none of their own.
    void SetGrayWhenDisabled(bool value) { FGrayWhenDisabled = value; }

    /// Return true when the wheel step was handled.
    virtual bool DoMouseWheelDown(TShiftState Shift, QPoint MousePos);
    virtual bool DoMouseWheelUp(TShiftState Shift, QPoint MousePos);
    virtual void Resize();
    TObject* EventSender() override;

    /// Gives the back buffer an alpha channel (transparent controls) or removes it.
    void SetBufferTransparent(bool transparent);
    bool BufferTransparent() const { return FBufferTransparent; }
    bool WindowCreated() const { return FWindowCreated; }
    /// Whether a left press and release on the control calls Click (default true). A
    /// control that decides itself when a release is a click (a speed button) turns it
    /// off and calls Click from MouseUp.
    void SetClickEvents(bool value) { FClickEvents = value; }
    /// Whether the key KeyDown or KeyUp handles now comes from the keyboard's repeat
    /// while a key is held: a control that acts on press and release (a button held by
    /// Space) ignores those.
    bool KeyAutoRepeat() const { return FKeyAutoRepeat; }

    /// Qt event plumbing.
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void EnsureWindowCreated();
    void EnsureBuffer();
    void PaintGuarded();

    TColor FColor = clBtnFace;
    QSize FDefaultSize;
    QImage FBuffer;
    TCanvas FCanvas;
    bool FBufferTransparent = false;
    bool FDirty = true;
    /// Qt was asked for a paint event that has not come yet.
    bool FUpdateRequested = false;
    bool FInPaintEvent = false;
    bool FWindowCreated = false;
    bool FClickEvents = true;
    bool FGrayWhenDisabled = false;
    bool FLeftClicked = false;
    bool FKeyAutoRepeat = false;
    int FWheelAccumulator = 0;
};

/// A windowless control: it never takes the keyboard focus.
class VEK_EXPORT TGraphicControl : public TControl {
    Q_OBJECT

public:
    /// A control whose owner and Qt parent is parent.
    explicit TGraphicControl(QWidget* parent = nullptr);
};

/// A windowed control that can take the keyboard focus (when TabStop is set).
class VEK_EXPORT TCustomControl : public TControl {
    Q_OBJECT
    Q_PROPERTY(bool TabStop READ TabStop WRITE SetTabStop)

public:
    /// A control whose owner and Qt parent is parent.
    explicit TCustomControl(QWidget* parent = nullptr);

    /// Whether Tab reaches the control (default false).
    bool TabStop() const { return (focusPolicy() & Qt::TabFocus) != 0; }
    /// Turns Tab focus on or off (the control takes the focus on a click either way).
    void SetTabStop(bool value) { setFocusPolicy(value ? Qt::StrongFocus : Qt::ClickFocus); }
    /// Whether the control has the keyboard focus.
    bool Focused() const { return hasFocus(); }
    /// Gives the control the keyboard focus.
    void SetFocus() { setFocus(Qt::OtherFocusReason); }
};

} // namespace vek
