// TRotLab: a label whose caption is drawn at any angle around an anchor point, inside a
// frame.
//
// TextAngle turns the text counterclockwise in degrees (0 = normal text). Alignment
// says which point of the text lies on the anchor (PosX, PosY): the middle of its left
// edge (taLeftJustify), the middle of its right edge (taRightJustify) or its centre
// (taCenter). With AutoCenter the anchor stays at the control's centre. The label never
// resizes itself to its text. A disabled label shows its text engraved.
//
// A property change repaints at once, or, while Transparent, invalidates so that the
// parent is painted beneath first.
#pragma once

#include <frame/controls/customlabel.h>

namespace vek {

class VEK_EXPORT TRotLab : public TCustomLabel {
    Q_OBJECT
    Q_PROPERTY(vek::TAlignment Alignment READ Alignment WRITE SetAlignment)
    Q_PROPERTY(bool AntiAlias READ AntiAlias WRITE SetAntiAlias)
    Q_PROPERTY(bool AutoCenter READ AutoCenter WRITE SetAutoCenter)
    Q_PROPERTY(vek::TFrameStyle FrameStyle READ FrameStyle WRITE SetFrameStyle)
    Q_PROPERTY(int PosX READ PosX WRITE SetPosX)
    Q_PROPERTY(int PosY READ PosY WRITE SetPosY)
    Q_PROPERTY(int TextAngle READ TextAngle WRITE SetTextAngle)

public:
    // Starts 200 x 200 pixels, Arial 11 pt, centred text at angle 0, transparent, with a
    // lowered frame.
    explicit TRotLab(QWidget* parent = nullptr);

    // Smooth text edges (true) or crisp pixels (false).
    bool AntiAlias() const { return FAntiAlias; }
    void SetAntiAlias(bool value);
    // Keeps the anchor at (Width div 2, Height div 2), also after resizing.
    bool AutoCenter() const { return FAutoCenter; }
    void SetAutoCenter(bool value);
    TFrameStyle FrameStyle() const { return FFrameStyle; }
    void SetFrameStyle(TFrameStyle value);
    // The anchor in client pixels; ignored (the anchor is recentred) while AutoCenter.
    int PosX() const { return FAutoCenter ? Width() / 2 : FTextPosX; }
    void SetPosX(int value);
    int PosY() const { return FAutoCenter ? Height() / 2 : FTextPosY; }
    void SetPosY(int value);
    // Degrees, counterclockwise; any integer.
    int TextAngle() const { return FTextAngle; }
    void SetTextAngle(int value);

    // Top-left corner of the rotated text cell for the current caption, font, angle,
    // alignment and anchor.
    QPoint TextOrigin();

    void Assign(const TPersistent* Source) override;

protected:
    void Paint() override;
    void DoDrawText(TRect& Rect, int Flags) override;
    void RepaintLabel() override;
    void AssignTo(TPersistent* Dest) const override;

private:
    void Recenter();
    void HandleResize(TObject* Sender);
    void UseRotatedFont(TCanvas* canvas) const;
    template <typename T>
    void Change(T& field, const T& value);

    int FTextAngle = 0;
    int FTextPosX = 10;
    int FTextPosY = 10;
    bool FAntiAlias = true;
    bool FAutoCenter = true;
    TFrameStyle FFrameStyle = fsLowered;
};

} // namespace vek
