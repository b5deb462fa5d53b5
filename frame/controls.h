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

#include "canvas.h"
#include "component.h"
#include "inputevents.h"

#include <QMenu>
#include <QPointer>
#include <QWidget>



namespace vek {

class VEK_EXPORT TControl : public QWidget, public TPersistent, public TInputEvents {
    Q_OBJECT
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(QString Hint READ Hint WRITE SetHint)
    Q_PROPERTY(bool ShowHint READ ShowHint WRITE SetShowHint)

public:
    explicit TControl(QWidget* parent = nullptr);
    ~TControl() override;

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

    // ---- bounds (pixels, relative to the parent)
    int Left() const { return x(); }
    int Top() const { return y(); }
    int Width() const { return width(); }
    int Height() const { return height(); }
    void SetLeft(int value) { SetBounds(value, Top(), Width(), Height()); }
    void SetTop(int value) { SetBounds(Left(), value, Width(), Height()); }
    void SetWidth(int value) { SetBounds(Left(), Top(), value, Height()); }
    void SetHeight(int value) { SetBounds(Left(), Top(), Width(), value); }
    virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
    TRect ClientRect() const { return TRect(0, 0, Width(), Height()); }

    // ---- state
    // The control's own visibility flag (default true). A hidden control is not shown,
    // but it still paints into its back buffer.
    bool Visible() const { return FVisible; }
    virtual void SetVisible(bool value);
    // The control's own enabled flag (a disabled parent does not change it).
    bool Enabled() const { return !testAttribute(Qt::WA_ForceDisabled); }
    virtual void SetEnabled(bool value);
    TFont* Font() { return &FFont; }
    const TFont* Font() const { return &FFont; }
    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    QString Hint() const { return FHint; }
    void SetHint(const QString& value);
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool value);
    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor value);
    // Shown on a right click (the control does not own the menu).
    QMenu* PopupMenu() const { return FPopupMenu; }
    void SetPopupMenu(QMenu* menu) { FPopupMenu = menu; }

    // ---- painting
    // The back buffer's canvas, sized to the control.
    TCanvas* Canvas();
    // Marks the control for repainting; the next paint event calls Paint().
    void Invalidate();
    // Paints now if the control is marked for repainting.
    void Update();
    // Invalidate + Update: paints now.
    void Refresh();

    // ---- events
    TMouseWheelUpDownEvent OnMouseWheelDown;
    TMouseWheelUpDownEvent OnMouseWheelUp;
    TNotifyEvent OnResize;

protected:
    // Draws the control into Canvas(). The default fills it with Color.
    virtual void Paint();
    // Stored settings have been read; clears csLoading.
    virtual void Loaded();
    // Runs once, no later than the first polish or paint event (window creation).
    virtual void CreateWnd() {}
    // The font changed; the default invalidates.
    virtual void FontChanged();

    // Return true when the wheel step was handled.
    virtual bool DoMouseWheelDown(TShiftState Shift, QPoint MousePos);
    virtual bool DoMouseWheelUp(TShiftState Shift, QPoint MousePos);
    virtual void Resize();
    TObject* EventSender() override;

    // Gives the back buffer an alpha channel (transparent controls) or removes it.
    void SetBufferTransparent(bool transparent);
    bool BufferTransparent() const { return FBufferTransparent; }
    bool WindowCreated() const { return FWindowCreated; }
    // Whether a left press and release on the control calls Click (default true). A
    // control that decides itself when a release is a click (a speed button) turns it
    // off and calls Click from MouseUp.
    void SetClickEvents(bool value) { FClickEvents = value; }

    // Qt event plumbing.
    bool event(QEvent* event) override;
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

    TComponentCore FCore;
    TFont FFont;
    TColor FColor = clBtnFace;
    QString FHint;
    bool FShowHint = false;
    TCursor FCursor = crDefault;
    QPointer<QMenu> FPopupMenu;
    bool FVisible = true;
    QImage FBuffer;
    TCanvas FCanvas;
    bool FBufferTransparent = false;
    bool FDirty = true;
    bool FInPaintEvent = false;
    bool FWindowCreated = false;
    bool FClickEvents = true;
    bool FLeftClicked = false;
    int FWheelAccumulator = 0;
};

// A windowless control: it never takes the keyboard focus.
class VEK_EXPORT TGraphicControl : public TControl {
    Q_OBJECT

public:
    explicit TGraphicControl(QWidget* parent = nullptr);
};

// A windowed control that can take the keyboard focus (when TabStop is set).
class VEK_EXPORT TCustomControl : public TControl {
    Q_OBJECT
    Q_PROPERTY(bool TabStop READ TabStop WRITE SetTabStop)

public:
    explicit TCustomControl(QWidget* parent = nullptr);

    bool TabStop() const { return (focusPolicy() & Qt::TabFocus) != 0; }
    void SetTabStop(bool value) { setFocusPolicy(value ? Qt::StrongFocus : Qt::ClickFocus); }
    bool Focused() const { return hasFocus(); }
    void SetFocus() { setFocus(Qt::OtherFocusReason); }
};

} // namespace vek
