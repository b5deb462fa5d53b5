// TRotLab: a label whose caption is drawn at any angle around an anchor point, inside a
// frame.
//
// TextAngle turns the text counterclockwise in degrees (0 = normal text). Alignment
// says which point of the text lies on the anchor (PosX, PosY): the middle of its left
// edge (taLeftJustify), the middle of its right edge (taRightJustify) or its centre
// (taCenter). With AutoCenter the anchor stays at the control's centre. The label never
// resizes itself to its text; in a layout it asks for room for the turned text. A
// disabled label shows its text engraved. An opaque label with a fixed Color draws a
// theme-colored caption in black or white instead, whichever reads on it (and a fixed
// font color gets a fixed face), so that a dark theme cannot hide the caption.
//
// A property change repaints at once, or, while Transparent, invalidates so that the
// parent is painted beneath first.
#pragma once

#include <frame/controls/customlabel.h>

#include <memory>

namespace vek {

/// A label whose caption is drawn at any angle (see the top of this header).
class VEK_EXPORT TRotLab : public TCustomLabel {
    Q_OBJECT
    Q_PROPERTY(bool AntiAlias READ AntiAlias WRITE SetAntiAlias)
    Q_PROPERTY(bool AutoCenter READ AutoCenter WRITE SetAutoCenter)
    Q_PROPERTY(vek::TFrameStyle FrameStyle READ FrameStyle WRITE SetFrameStyle)
    Q_PROPERTY(int PosX READ PosX WRITE SetPosX)
    Q_PROPERTY(int PosY READ PosY WRITE SetPosY)
    Q_PROPERTY(int TextAngle READ TextAngle WRITE SetTextAngle)

public:
    /// Starts 200 x 200 pixels, Arial 11 pt, centred text at angle 0, transparent, with a
    /// lowered frame; Alignment taCenter, AutoSize off.
    explicit TRotLab(QWidget* parent = nullptr);
    ~TRotLab() override;

    /// Smooth text edges (true, the default) or crisp pixels (false).
    bool AntiAlias() const;
    void SetAntiAlias(bool value);
    /// Keeps the anchor at (Width div 2, Height div 2), also after resizing. Default true.
    bool AutoCenter() const;
    void SetAutoCenter(bool value);
    /// The frame drawn around the control. Default fsLowered.
    TFrameStyle FrameStyle() const;
    void SetFrameStyle(TFrameStyle value);
    /// The anchor in client pixels (default 10, 10); ignored (the anchor is recentred)
    /// while AutoCenter.
    int PosX() const;
    void SetPosX(int value);
    int PosY() const;
    void SetPosY(int value);
    /// Degrees, counterclockwise; any integer. Default 0.
    int TextAngle() const;

    /// Top-left corner of the rotated text cell for the current caption, font, angle,
    /// alignment and anchor.
    QPoint TextOrigin();

    /// The default size 200 x 200, grown to hold the turned text and the frame; with
    /// AutoSize just the turned text and the frame.
    QSize sizeHint() const override;
    /// The box of the turned text inside the frame.
    QSize minimumSizeHint() const override;

    /// From another rotated label: AutoCenter, FrameStyle, TextAngle, the anchor and
    /// AntiAlias (not Alignment, Transparent or Color); then invalidates.
    void Assign(const TPersistent* Source) override;

public Q_SLOTS:
    /// Sets TextAngle (see there), for connecting a dial or slider.
    void SetTextAngle(int value);

protected:
    void Paint() override;
    void DoDrawText(TRect& Rect, int Flags) override;
    void RepaintLabel() override;

private:
    void Recenter();
    void HandleResize(TObject* Sender);
    void UseRotatedFont(TCanvas* canvas) const;
    QSize TurnedTextSize() const;

    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace vek
