// TGradFill: a panel filled with a stepped color gradient, for backgrounds that an
// application draws over in OnPaint.
//
// The control is cut into NrColors bands, stacked from top to bottom (gtHoriz,
// gtMidBandHoriz) or from left to right (gtVert, gtMidBandVert). The plain types step
// from ColorFirst towards ColorLast, the last band stopping one step short of it; the
// mid-band types rise to exactly ColorLast in the middle band and fall back to
// ColorFirst in the last one. Optional grid lines divide the panel into tenths; the
// frame is drawn last.
#pragma once

#include <frame/baselib/baseenums.h>
#include <frame/controls/controls.h>

namespace vek {

class VEK_EXPORT TGradFill : public TGraphicControl {
    Q_OBJECT
    Q_PROPERTY(quint32 ColorFirst READ ColorFirst WRITE SetColorFirst)
    Q_PROPERTY(quint32 ColorLast READ ColorLast WRITE SetColorLast)
    Q_PROPERTY(bool ColorFlipped READ ColorFlipped WRITE SetColorFlipped)
    Q_PROPERTY(TGradType FillType READ FillType WRITE SetFillType)
    Q_PROPERTY(vek::TFrameStyle FrameStyle READ FrameStyle WRITE SetFrameStyle)
    Q_PROPERTY(quint32 GridColor READ GridColor WRITE SetGridColor)
    Q_PROPERTY(TGridMode GridMode READ GridMode WRITE SetGridMode)
    Q_PROPERTY(int NrColors READ NrColors WRITE SetNrColors)

public:
    // Band orientation and color profile.
    enum TGradType { gtHoriz, gtVert, gtMidBandHoriz, gtMidBandVert };
    Q_ENUM(TGradType)
    // Grid lines over the gradient.
    enum TGridMode { gmNone, gmHoriz, gmVert, gmBoth };
    Q_ENUM(TGridMode)

    // Starts 121 x 121 pixels with 16 horizontal bands from maroon towards yellow.
    explicit TGradFill(QWidget* parent = nullptr);

    // The color of the first band.
    TColor ColorFirst() const { return FColorFirst; }
    void SetColorFirst(TColor value);
    // The color the gradient runs towards.
    TColor ColorLast() const { return FColorLast; }
    void SetColorLast(TColor value);
    // Shows the gradient with the two colors exchanged. Colors written while flipped
    // stay where they were written, so flipping back restores the original order.
    bool ColorFlipped() const { return FColorFlipped; }
    void SetColorFlipped(bool value);
    TGradType FillType() const { return FFillType; }
    void SetFillType(TGradType value);
    TFrameStyle FrameStyle() const { return FFrameStyle; }
    void SetFrameStyle(TFrameStyle value);
    TColor GridColor() const { return FGridColor; }
    void SetGridColor(TColor value);
    // Horizontal and/or vertical lines at every tenth of the height and width.
    TGridMode GridMode() const { return FGridMode; }
    void SetGridMode(TGridMode value);
    // Number of bands, 1..255 (other values are clamped).
    int NrColors() const { return FNrColors; }
    void SetNrColors(int value);

    // Called after the control has painted itself; the handler may draw over the
    // gradient on Canvas().
    TNotifyEvent OnPaint;

protected:
    void Paint() override;

private:
    void PaintBands();
    void PaintGrid();
    // The rectangle and the color of band k.
    TRect BandRect(int k) const;
    TColor BandColor(int k) const;
    // Stores and repaints later: a decorative panel needs no synchronous repaint.
    template <typename T> void Store(T& field, T value)
    {
        field = value;
        Invalidate();
    }

    TColor FColorFirst = 0x000080, FColorLast = 0x00FFFF;
    TColor FColFirstOrg = 0x000080, FColLastOrg = 0x00FFFF;
    bool FColorFlipped = false;
    TGradType FFillType = gtHoriz;
    TFrameStyle FFrameStyle = fsNone;
    TColor FGridColor = 0x800000;
    TGridMode FGridMode = gmNone;
    int FNrColors = 16;
};

} // namespace vek
