// TSpeedButton: a windowless push button with a glyph and a caption, for toolbars and
// small dialogs. It does not take the focus. Buttons with the same GroupIndex (above 0)
// under one parent work like radio buttons: the one pressed stays down, the others come
// up; AllowAllUp lets the down one be released too.
//
// Glyph holds up to four images side by side (NumGlyphs): up, disabled, down and
// exclusive (held down in a group). Its bottom-left pixel marks the transparent color.
// Without a disabled image a grayed copy of the up image is shown.
#pragma once

#include <frame/canvas/bitmap.h>
#include "controls.h"

namespace vek {

// Where the glyph sits relative to the caption.
enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

// The face a speed button shows.
enum TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };

class VEK_EXPORT TSpeedButton : public TGraphicControl {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(int NumGlyphs READ NumGlyphs WRITE SetNumGlyphs)
    Q_PROPERTY(int Margin READ Margin WRITE SetMargin)
    Q_PROPERTY(int Spacing READ Spacing WRITE SetSpacing)
    Q_PROPERTY(bool Flat READ Flat WRITE SetFlat)
    Q_PROPERTY(int GroupIndex READ GroupIndex WRITE SetGroupIndex)
    Q_PROPERTY(bool Down READ Down WRITE SetDown)
    Q_PROPERTY(bool AllowAllUp READ AllowAllUp WRITE SetAllowAllUp)

public:
    // Starts 23 x 22 pixels, up, with no glyph or caption.
    explicit TSpeedButton(QWidget* parent = nullptr);

    QString Caption() const { return FCaption; }
    void SetCaption(const QString& value);
    // The glyph images; the button keeps a copy.
    const TBitmap* Glyph() const { return &FGlyph; }
    void SetGlyph(const TBitmap* value);
    // Images in Glyph, 1..4 (other values are clamped).
    int NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(int value);
    TButtonLayout Layout() const { return FLayout; }
    void SetLayout(TButtonLayout value);
    // Pixels between the edge and the glyph; -1 centres glyph and caption.
    int Margin() const { return FMargin; }
    void SetMargin(int value);
    // Pixels between glyph and caption.
    int Spacing() const { return FSpacing; }
    void SetSpacing(int value);
    // A flat button shows its edge only while the mouse is over it or it is down.
    bool Flat() const { return FFlat; }
    void SetFlat(bool value);
    // 0: a plain push button; above 0: the group among the parent's buttons.
    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int value);
    // Held down (in a group only; a plain button cannot stay down).
    bool Down() const { return FDown; }
    void SetDown(bool value);
    // The down button of a group may be released; shared by the whole group.
    bool AllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool value);
    // The face shown now.
    TButtonState State() const { return FState; }

    // Presses the button in code: a group button goes down, then OnClick.
    void Click() override;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    // The mouse pointer entered or left the button.
    virtual void MouseEnter();
    virtual void MouseLeave();
    // True between a left press on the button and its release.
    bool Dragging() const { return FDragging; }

    bool event(QEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void SetState(TButtonState value);
    // Tells the other members of the group that this one went down.
    void UpdateExclusive();
    void GroupButtonPressed(TSpeedButton* sender);
    QImage GlyphImage() const;
    // The transparent color: the glyph's bottom-left pixel.
    QRgb GlyphKey() const;
    void PaintEdge();
    void PaintContent();

    QString FCaption;
    TBitmap FGlyph;
    int FNumGlyphs = 1;
    TButtonLayout FLayout = blGlyphLeft;
    int FMargin = -1, FSpacing = 4;
    bool FFlat = false, FDown = false, FAllowAllUp = false;
    int FGroupIndex = 0;
    TButtonState FState = bsUp;
    bool FDragging = false, FMouseInControl = false;
};

} // namespace vek
