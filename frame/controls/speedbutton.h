// TSpeedButton: a windowless push button with a glyph and a caption, for toolbars and
// small dialogs. It does not take the focus (a descendant that does gets a dotted
// outline inside its edge while it has it). Buttons with the same GroupIndex (above 0)
// under one parent work like radio buttons: the one pressed stays down, the others come
// up; AllowAllUp lets the down one be released too.
//
// Glyph holds up to four images side by side (NumGlyphs): up, disabled, down and
// exclusive (held down in a group). Its bottom-left pixel marks the transparent color.
// Without a disabled image a grayed copy of the up image is shown.
//
// Qt signals follow QAbstractButton: pressed() and released() for the left button,
// clicked() after OnClick, downChanged(bool) whenever Down changes (by the mouse, by
// code or because another member of the group went down).
#pragma once

#include <frame/canvas/bitmap.h>
#include "controls.h"

#include <memory>

namespace vek {

/// Where the glyph sits relative to the caption.
enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

/// The face a speed button shows.
enum TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };

/// A flat-capable push button with a caption and a glyph that never takes the focus;
/// buttons with the same GroupIndex act as radio buttons.
class VEK_EXPORT TSpeedButton : public TGraphicControl {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(int NumGlyphs READ NumGlyphs WRITE SetNumGlyphs)
    Q_PROPERTY(int Margin READ Margin WRITE SetMargin)
    Q_PROPERTY(int Spacing READ Spacing WRITE SetSpacing)
    Q_PROPERTY(bool Flat READ Flat WRITE SetFlat)
    Q_PROPERTY(int GroupIndex READ GroupIndex WRITE SetGroupIndex)
    Q_PROPERTY(bool Down READ Down WRITE SetDown NOTIFY downChanged)
    Q_PROPERTY(bool AllowAllUp READ AllowAllUp WRITE SetAllowAllUp)

public:
    /// Starts 23 x 22 pixels (the size a 16 x 16 glyph needs), up, with no glyph or
    /// caption.
    explicit TSpeedButton(QWidget* parent = nullptr);
    ~TSpeedButton() override;

    /// The text beside the glyph; default empty.
    QString Caption() const;
    void SetCaption(const QString& value);
    /// The glyph images; the button keeps a copy. Default none.
    const TBitmap* Glyph() const;
    void SetGlyph(const TBitmap* value);
    /// Images in Glyph, 1..4 (other values are clamped); default 1.
    int NumGlyphs() const;
    void SetNumGlyphs(int value);
    /// Where the glyph sits relative to the caption; default blGlyphLeft.
    TButtonLayout Layout() const;
    void SetLayout(TButtonLayout value);
    /// Pixels between the edge and the glyph, at least -1; default -1 (glyph and caption
    /// centred).
    int Margin() const;
    void SetMargin(int value);
    /// Pixels between glyph and caption; default 4.
    int Spacing() const;
    void SetSpacing(int value);
    /// A flat button shows its edge only while the mouse is over it or it is down, on
    /// the control's Color; default false.
    bool Flat() const;
    void SetFlat(bool value);
    /// 0 (default): a plain push button; above 0: the group among the parent's buttons.
    /// Negative values become 0.
    int GroupIndex() const;
    void SetGroupIndex(int value);
    /// Held down (in a group only; a plain button cannot stay down); default false.
    /// Emits downChanged.
    bool Down() const;
    /// The down button of a group may be released; shared by the whole group. Default
    /// false.
    bool AllowAllUp() const;
    void SetAllowAllUp(bool value);
    /// The face shown now.
    TButtonState State() const;

    /// Presses the button in code: a group button goes down (or up, with AllowAllUp),
    /// then OnClick and clicked().
    void Click() override;

    /// Glyph, spacing and caption with room for the edges; never below 23 x 22.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

public Q_SLOTS:
    /// Holds a group button down or releases it (see Down).
    void SetDown(bool value);
    /// The Qt name of Click().
    void click() { Click(); }

Q_SIGNALS:
    /// The left button went down on the button.
    void pressed();
    /// The left button was released after pressed(), on the button or away from it.
    void released();
    /// A click by the mouse or by code, emitted right after OnClick.
    void clicked();
    /// Down changed, by the mouse, by code or by another member of the group.
    void downChanged(bool down);

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    /// The mouse pointer entered or left the button.
    virtual void MouseEnter();
    virtual void MouseLeave();
    /// True between a left press on the button and its release.
    bool Dragging() const;
    /// The press of a left button (or of a key that stands for it): the face goes down
    /// and pressed() is emitted. Nothing while disabled or already pressed.
    void PressButton();
    /// The end of that press: released(), then the click when click is true (a release
    /// on the button), else the face comes up without one.
    void ReleaseButton(bool click);

    bool event(QEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    struct Private;
    std::unique_ptr<Private> d;

    void SetState(TButtonState value);
    // Stores Down, repaints and tells the receivers.
    void StoreDown(bool value);
    // Tells the other members of the group that this one went down.
    void UpdateExclusive();
    void GroupButtonPressed(TSpeedButton* sender);
    QImage GlyphImage() const;
    // The transparent color: the glyph's bottom-left pixel.
    QRgb GlyphKey() const;
    // Size of the caption text in the control's font (empty without caption).
    QSize CaptionSize() const;
    void PaintEdge();
    void PaintContent();
    void PaintFocus();
};

} // namespace vek
