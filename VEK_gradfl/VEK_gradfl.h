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
#include <frame/canvas/colors.h>
#include <frame/controls/controls.h>

#include <memory>

namespace vek {

/// A panel filled with a stepped color gradient.
///
/// Starts 121 x 121 pixels, also its sizeHint. Colors are fixed unless set to system
/// colors. It has no disabled look: it is a background.
class VEK_EXPORT TGradFill : public TGraphicControl {
    Q_OBJECT
    Q_PROPERTY(QColor ColorFirst READ qColorFirst WRITE setQColorFirst RESET resetColorFirst)
    Q_PROPERTY(QColor ColorLast READ qColorLast WRITE setQColorLast RESET resetColorLast)
    Q_PROPERTY(bool ColorFlipped READ ColorFlipped WRITE SetColorFlipped)
    Q_PROPERTY(TGradType FillType READ FillType WRITE SetFillType)
    Q_PROPERTY(vek::TFrameStyle FrameStyle READ FrameStyle WRITE SetFrameStyle)
    Q_PROPERTY(QColor GridColor READ qGridColor WRITE setQGridColor RESET resetGridColor)
    Q_PROPERTY(TGridMode GridMode READ GridMode WRITE SetGridMode)
    Q_PROPERTY(int NrColors READ NrColors WRITE SetNrColors)

public:
    /// Band orientation and color profile.
    enum TGradType { gtHoriz, gtVert, gtMidBandHoriz, gtMidBandVert };
    Q_ENUM(TGradType)
    /// Grid lines over the gradient.
    enum TGridMode { gmNone, gmHoriz, gmVert, gmBoth };
    Q_ENUM(TGridMode)

    /// Starts 121 x 121 pixels with 16 horizontal bands from maroon towards yellow.
    explicit TGradFill(QWidget* parent = nullptr);
    ~TGradFill() override;

    /// The color of the first band; default clMaroon.
    TColor ColorFirst() const;
    void SetColorFirst(TColor value);
    VEK_COLOR_PROPERTY(ColorFirst, clMaroon)
    /// The color the gradient runs towards; default clYellow.
    TColor ColorLast() const;
    void SetColorLast(TColor value);
    VEK_COLOR_PROPERTY(ColorLast, clYellow)
    /// Shows the gradient with the two colors exchanged (default false). Colors written
    /// while flipped stay where they were written, so flipping back restores the
    /// original order.
    bool ColorFlipped() const;
    void SetColorFlipped(bool value);
    /// Band orientation and profile. Default gtHoriz.
    TGradType FillType() const;
    void SetFillType(TGradType value);
    /// The frame drawn last. Default fsNone.
    TFrameStyle FrameStyle() const;
    void SetFrameStyle(TFrameStyle value);
    /// The grid lines' color; default clNavy.
    TColor GridColor() const;
    void SetGridColor(TColor value);
    VEK_COLOR_PROPERTY(GridColor, clNavy)
    /// Horizontal and/or vertical lines at every tenth of the height and width.
    /// Default gmNone.
    TGridMode GridMode() const;
    void SetGridMode(TGridMode value);
    /// Number of bands, 1..255 (other values are clamped). Default 16.
    int NrColors() const;
    void SetNrColors(int value);

    /// Called after the control has painted itself; the handler may draw over the
    /// gradient on Canvas().
    TNotifyEvent OnPaint;

protected:
    void Paint() override;

private:
    void PaintBands();
    void PaintGrid();
    // The rectangle and the color of band k.
    TRect BandRect(int k) const;
    TColor BandColor(int k) const;

    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace vek
