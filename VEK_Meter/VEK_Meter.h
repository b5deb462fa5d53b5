// TMeter: an analog panel meter. A circular scale sector with major and minor ticks,
// numeric tick labels, optional colored range bands (low / normal / high), a caption, one
// or two needles, two limit lamps and a covered rim around the dial window:
//
//   +----------------------------------------+  RimTop
//   | (o) low lamp               high lamp (o)|
//   |          0.4   0.6                      |
//   |     0.2  \ | | | /   0.8                |  scale of sweep A around the pivot
//   |  0.0 \            / 1.0                 |  (cx, cy) with radius R
//   |          caption                        |
//   |            \  needle                    |
//   |             (hub)                       |
//   +----------------------------------------+  RimBottom
//
// Angles: a value v maps to the scale fraction f (linear, or logarithmic when Logarithmic
// and all of v, min and max are positive) and to the drawing angle 90 + A/2 - A*f degrees,
// counterclockwise from the positive x axis: the minimum lies on the left, the maximum on
// the right, the midpoint straight up.
//
// Every property change repaints at once. Value and ValueSec fire OnOverFlow,
// OnUnderFlow or OnNormalRange on every accepted change while their needle is visible.
// The face that does not depend on the values is kept between paints, so a value change
// only redraws the pixels the needles touch. A disabled meter draws its tick labels and
// caption engraved, as disabled captions look.
//
// Default size 297 x 209 (its sizeHint). Non-finite numbers (NaN, infinities) given to
// any numeric property are ignored.
#pragma once

#include <frame/baselib/baseenums.h>
#include <frame/canvas/colors.h>
#include <frame/controls/controls.h>

#include <memory>

namespace vek {

class TMeter;

/// The look of one needle: an arrow from the pivot towards the scale, filled with
/// ColorBody and outlined in ColorOutline, with an optional shadow offset by
/// (-ShadowDx, -ShadowDy). Every setter that changes the stored value calls OnChange (the
/// owning meter's repaint), then emits changed().
///
/// A layout of its own (not one of a meter's) starts with every field zero and invisible;
/// the meter sets its needles' initial values, which are the defaults stated below.
class VEK_EXPORT TNeedleLayout : public QObject, public TPersistent {
    Q_OBJECT
    Q_PROPERTY(QColor ColorBody READ qColorBody WRITE setQColorBody RESET resetColorBody)
    Q_PROPERTY(QColor ColorOutline READ qColorOutline WRITE setQColorOutline RESET resetColorOutline)
    Q_PROPERTY(int HeadAngle READ HeadAngle WRITE SetHeadAngle)
    Q_PROPERTY(int HeadMidLeng READ HeadMidLeng WRITE SetHeadMidLeng)
    Q_PROPERTY(int HeadSize READ HeadSize WRITE SetHeadSize)
    Q_PROPERTY(int PercentNeedleLength READ PercentNeedleLength WRITE SetPercentNeedleLength)
    Q_PROPERTY(QColor ShadowColor READ qShadowColor WRITE setQShadowColor RESET resetShadowColor)
    Q_PROPERTY(int ShadowDx READ ShadowDx WRITE SetShadowDx)
    Q_PROPERTY(int ShadowDy READ ShadowDy WRITE SetShadowDy)
    Q_PROPERTY(int Thickness READ Thickness WRITE SetThickness)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)

public:
    /// A needle layout with the default settings, owned by owner.
    explicit TNeedleLayout(QObject* owner = nullptr);
    ~TNeedleLayout() override;

    /// Fill color of the needle; default clSilver.
    TColor ColorBody() const;
    void SetColorBody(TColor value);
    VEK_COLOR_PROPERTY(ColorBody, clSilver)
    /// Outline color of the needle; default clBlack.
    TColor ColorOutline() const;
    void SetColorOutline(TColor value);
    VEK_COLOR_PROPERTY(ColorOutline, clBlack)
    /// Full opening angle of the arrow head in degrees, 0..180; default 30.
    int HeadAngle() const;
    void SetHeadAngle(int value);
    /// Distance from the tip back to where the shaft meets the head, in pixels; default 20.
    int HeadMidLeng() const;
    void SetHeadMidLeng(int value);
    /// Length of the two head barbs in pixels; default 20.
    int HeadSize() const;
    void SetHeadSize(int value);
    /// Needle length in percent of (R - 4), 0..100; default 100.
    int PercentNeedleLength() const;
    void SetPercentNeedleLength(int value);
    /// Color of the shadow; default clGray.
    TColor ShadowColor() const;
    void SetShadowColor(TColor value);
    VEK_COLOR_PROPERTY(ShadowColor, clGray)
    /// The shadow lies at the needle position minus (ShadowDx, ShadowDy); default 0, 0:
    /// no shadow.
    int ShadowDx() const;
    void SetShadowDx(int value);
    int ShadowDy() const;
    void SetShadowDy(int value);
    /// Shaft width in pixels; default 0, which collapses the shaft to a line.
    int Thickness() const;
    void SetThickness(int value);
    /// Whether the needle is drawn; the meter's range events follow only visible needles.
    /// Default true for a meter's NeedleLayout, false for its NeedleLayoutSec.
    bool Visible() const;
    void SetVisible(bool value);

    /// Called with this layout as Sender after every change, before changed(). The meter
    /// installs its repaint here; assigning another handler takes that link over.
    TNotifyEvent OnChange;

    /// Copies the eleven settings of another TNeedleLayout (not OnChange), then reports
    /// one change. Any other source raises EConvertError.
    void Assign(const TPersistent* Source) override;

Q_SIGNALS:
    /// Emitted after every change of a setting, right after OnChange.
    void changed();

protected:
    /// Calls OnChange, then emits changed().
    void Changed();

private:
    struct Private;
    std::unique_ptr<Private> d;
};

/// An analog panel meter (see the top of this header).
class VEK_EXPORT TMeter : public TGraphicControl {
    Q_OBJECT
    Q_PROPERTY(bool AnchorCovered READ AnchorCovered WRITE SetAnchorCovered)
    Q_PROPERTY(QString AnchorImage READ AnchorImage WRITE SetAnchorImage)
    Q_PROPERTY(int AnchorSize READ AnchorSize WRITE SetAnchorSize)
    Q_PROPERTY(QString BackGroundImg READ BackGroundImg WRITE SetBackGroundImg)
    Q_PROPERTY(vek::TBkgFill BkgndFillMode READ BkgndFillMode WRITE SetBkgndFillMode)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(QColor ColorBakG READ qColorBakG WRITE setQColorBakG RESET resetColorBakG)
    Q_PROPERTY(QColor ColorCover READ qColorCover WRITE setQColorCover RESET resetColorCover)
    Q_PROPERTY(QColor ColorScale READ qColorScale WRITE setQColorScale RESET resetColorScale)
    Q_PROPERTY(vek::TColorScheme ColorScheme READ ColorScheme WRITE SetColorScheme)
    Q_PROPERTY(QColor ColorSclBkLow READ qColorSclBkLow WRITE setQColorSclBkLow RESET resetColorSclBkLow)
    Q_PROPERTY(QColor ColorSclBkNorm READ qColorSclBkNorm WRITE setQColorSclBkNorm RESET resetColorSclBkNorm)
    Q_PROPERTY(QColor ColorSclBkHigh READ qColorSclBkHigh WRITE setQColorSclBkHigh RESET resetColorSclBkHigh)
    Q_PROPERTY(vek::TFrameStyle FrameStyle READ FrameStyle WRITE SetFrameStyle)
    Q_PROPERTY(bool LimWatchHighOn READ LimWatchHighOn WRITE SetLimWatchHighOn)
    Q_PROPERTY(bool LimWatchLowOn READ LimWatchLowOn WRITE SetLimWatchLowOn)
    Q_PROPERTY(QColor LimWatchActColor READ qLimWatchActColor WRITE setQLimWatchActColor RESET resetLimWatchActColor)
    Q_PROPERTY(QColor LimWatchPsvColor READ qLimWatchPsvColor WRITE setQLimWatchPsvColor RESET resetLimWatchPsvColor)
    Q_PROPERTY(bool Logarithmic READ Logarithmic WRITE SetLogarithmic)
    Q_PROPERTY(int MeterDecPlaces READ MeterDecPlaces WRITE SetMeterDecPlaces)
    Q_PROPERTY(TMeterLayout MeterLayout READ MeterLayout WRITE SetMeterLayout)
    Q_PROPERTY(double MeterMaxValue READ MeterMaxValue WRITE SetMeterMaxValue)
    Q_PROPERTY(double MeterMinValue READ MeterMinValue WRITE SetMeterMinValue)
    Q_PROPERTY(int MeterNrTicks READ MeterNrTicks WRITE SetMeterNrTicks)
    Q_PROPERTY(bool MeterScaleLine READ MeterScaleLine WRITE SetMeterScaleLine)
    Q_PROPERTY(bool MeterShortTicks READ MeterShortTicks WRITE SetMeterShortTicks)
    Q_PROPERTY(int RimBottom READ RimBottom WRITE SetRimBottom)
    Q_PROPERTY(int RimSide READ RimSide WRITE SetRimSide)
    Q_PROPERTY(int RimTop READ RimTop WRITE SetRimTop)
    Q_PROPERTY(bool ScaleBkVisible READ ScaleBkVisible WRITE SetScaleBkVisible)
    Q_PROPERTY(double ScaleBkWidth READ ScaleBkWidth WRITE SetScaleBkWidth)
    Q_PROPERTY(bool ScaleVisible READ ScaleVisible WRITE SetScaleVisible)
    Q_PROPERTY(double ThresholdHigh READ ThresholdHigh WRITE SetThresholdHigh)
    Q_PROPERTY(double ThresholdLow READ ThresholdLow WRITE SetThresholdLow)
    Q_PROPERTY(double Value READ Value WRITE SetValue NOTIFY valueChanged)
    Q_PROPERTY(double ValueSec READ ValueSec WRITE SetValueSec NOTIFY valueSecChanged)

public:
    /// Sweep of the scale. 90 and 120 degrees put the pivot near the bottom with a half
    /// disc hub on a post; 180 does the same with a half-circle scale; 270, 300 and 360
    /// put the pivot inside the dial with a full disc hub.
    enum TMeterLayout {
        mlCirc90 = 0,
        mlCirc120 = 1,
        mlCirc180 = 2,
        mlCirc270 = 3,
        mlCirc300 = 4,
        mlCirc360 = 5,
    };
    Q_ENUM(TMeterLayout)

    /// Called before each tick label is drawn; an empty text suppresses the label.
    /// (ChartX, ChartY) is the top-left corner where the label would go.
    using TmtBeforeDrawScaleLabelEvent = std::function<void(
        TObject* Sender, TCanvas* Canvas, QString& CurrentTickLabel, int ChartX, int ChartY)>;
    /// Called once per paint after the lamps, before the frame: the application may draw
    /// over the finished face.
    using TMeterRenderedEvent = std::function<void(TObject* Sender, TCanvas* Canvas)>;
    /// Called once per paint before the needles; setting NeedleDrawn to true replaces
    /// both built-in needles (the application drew its own, or none).
    using TBeforeDrawNeedleEvent =
        std::function<void(TObject* Sender, TCanvas* Canvas, bool& NeedleDrawn)>;
    /// The meter value under the mouse; WithinRange is false (and MeterValue 0) when
    /// the pointer's direction from the pivot lies outside the scale sector.
    using TMouseMoveInMeterEvent = std::function<void(
        TObject* Sender, bool WithinRange, TShiftState Shift, double MeterValue)>;

    /// A control with the default settings; parent is its owner and Qt parent.
    explicit TMeter(QWidget* parent = nullptr);
    ~TMeter() override;

    /// Draw the hub over the needle pivot; default true.
    bool AnchorCovered() const;
    void SetAnchorCovered(bool value);
    /// Bitmap file drawn as the hub; default empty. A file that does not exist or cannot
    /// be read leaves the property empty.
    QString AnchorImage() const;
    void SetAnchorImage(const QString& value);
    /// Hub radius in pixels; default 24, 0 .. MaxPixelExtent.
    int AnchorSize() const;
    void SetAnchorSize(int value);
    /// Bitmap file used as dial background; default empty. A name that does not exist
    /// clears the property; an unreadable file raises EInvalidGraphic (and keeps the old
    /// image).
    QString BackGroundImg() const;
    void SetBackGroundImg(const QString& value);
    /// Placement of the background bitmap: once at the top-left corner (default
    /// bfSimple), stretched, tiled.
    TBkgFill BkgndFillMode() const;
    void SetBkgndFillMode(TBkgFill value);
    /// Unit text drawn inside the dial, in FontCaption, centred R/3 above the pivot;
    /// default empty.
    QString Caption() const;
    void SetCaption(const QString& value);
    /// Dial background; default clWhite. The tick labels and the caption take their color
    /// from the same source: on a fixed color (the default) a system font color such as
    /// the default clWindowText is drawn black or white, whichever reads on the dial, under
    /// every palette; on a system color (clWindow) the text follows the palette with the
    /// dial. A fixed font color is always kept.
    TColor ColorBakG() const;
    void SetColorBakG(TColor value);
    VEK_COLOR_PROPERTY(ColorBakG, clWhite)
    /// Rim cover and hub; default clBtnFace.
    TColor ColorCover() const;
    void SetColorCover(TColor value);
    VEK_COLOR_PROPERTY(ColorCover, clBtnFace)
    /// Scale arc and ticks; default clNavy.
    TColor ColorScale() const;
    void SetColorScale(TColor value);
    VEK_COLOR_PROPERTY(ColorScale, clNavy)
    /// Frame line colors: csFixedGrays (default) draws $808080/$FFFFFF, otherwise the
    /// theme's button shadow and highlight.
    TColorScheme ColorScheme() const;
    void SetColorScheme(TColorScheme value);
    /// Range band from the minimum to ThresholdLow; default clLime.
    TColor ColorSclBkLow() const;
    void SetColorSclBkLow(TColor value);
    VEK_COLOR_PROPERTY(ColorSclBkLow, clLime)
    /// Range band from ThresholdLow to ThresholdHigh; default orange ($0080FF).
    TColor ColorSclBkNorm() const;
    void SetColorSclBkNorm(TColor value);
    VEK_COLOR_PROPERTY(ColorSclBkNorm, 0x0080FF)
    /// Range band from ThresholdHigh to the maximum; default clRed.
    TColor ColorSclBkHigh() const;
    void SetColorSclBkHigh(TColor value);
    VEK_COLOR_PROPERTY(ColorSclBkHigh, clRed)
    /// Font of Caption; default a copy of Font at construction. SetFontCaption copies.
    TFont* FontCaption();
    void SetFontCaption(const TFont* value);
    /// Outer frame; default fsRaised.
    TFrameStyle FrameStyle() const;
    void SetFrameStyle(TFrameStyle value);
    /// Show the upper (top right) limit lamp; default true.
    bool LimWatchHighOn() const;
    void SetLimWatchHighOn(bool value);
    /// Show the lower (top left) limit lamp; default true.
    bool LimWatchLowOn() const;
    void SetLimWatchLowOn(bool value);
    /// Lamp color while its limit is violated; default clRed.
    TColor LimWatchActColor() const;
    void SetLimWatchActColor(TColor value);
    VEK_COLOR_PROPERTY(LimWatchActColor, clRed)
    /// Lamp color otherwise; default clGray.
    TColor LimWatchPsvColor() const;
    void SetLimWatchPsvColor(TColor value);
    VEK_COLOR_PROPERTY(LimWatchPsvColor, clGray)
    /// Logarithmic scale; default false. Stays false while MeterMinValue or
    /// MeterMaxValue is <= 1e-100.
    bool Logarithmic() const;
    void SetLogarithmic(bool value);
    /// Decimals of the tick labels, 0..4; default 1.
    int MeterDecPlaces() const;
    void SetMeterDecPlaces(int value);
    /// Sweep and pivot of the scale; default mlCirc90.
    TMeterLayout MeterLayout() const;
    void SetMeterLayout(TMeterLayout value);
    /// Scale end; default 1. A maximum at or below the minimum moves the minimum to
    /// max - 1 (to max / 10 in a logarithmic scale when that is not positive); values and
    /// thresholds above the new maximum are lowered to it. In a logarithmic scale
    /// assignments below 1e-100 are ignored.
    double MeterMaxValue() const;
    void SetMeterMaxValue(double value);
    /// Scale start; default 0. A minimum at or above the maximum moves the maximum to
    /// min + 1; values and thresholds below the new minimum are raised to it.
    double MeterMinValue() const;
    void SetMeterMinValue(double value);
    /// Wanted number of major tick intervals, 2..21; default 3. The step is the largest
    /// 1, 2 or 5 times a power of ten not above (max - min) / MeterNrTicks.
    int MeterNrTicks() const;
    void SetMeterNrTicks(int value);
    /// Draw the scale arc; default true.
    bool MeterScaleLine() const;
    void SetMeterScaleLine(bool value);
    /// Draw the minor ticks; default true.
    bool MeterShortTicks() const;
    void SetMeterShortTicks(bool value);
    /// The primary needle (visible by default). Setting copies the settings of the given
    /// layout into the meter's own object.
    TNeedleLayout* NeedleLayout();
    void SetNeedleLayout(const TNeedleLayout* value);
    /// The secondary needle (hidden by default), drawn under the primary one.
    TNeedleLayout* NeedleLayoutSec();
    void SetNeedleLayoutSec(const TNeedleLayout* value);
    /// Cover strip sizes in pixels, 0 .. MaxPixelExtent; defaults: bottom 10, sides 10,
    /// top 8. A change repaints the strips at once; the scale geometry follows at the
    /// next resize or MeterLayout change.
    int RimBottom() const;
    void SetRimBottom(int value);
    int RimSide() const;
    void SetRimSide(int value);
    int RimTop() const;
    void SetRimTop(int value);
    /// Colored range bands behind the scale; default false.
    bool ScaleBkVisible() const;
    void SetScaleBkVisible(bool value);
    /// Band width in percent of the scale radius, 0..100; default 0.
    double ScaleBkWidth() const;
    void SetScaleBkWidth(double value);
    /// Scale line, ticks and labels; default true.
    bool ScaleVisible() const;
    void SetScaleVisible(bool value);
    /// Upper limit: Value >= ThresholdHigh lights the upper lamp; default 1. Kept within
    /// [min, max] and not below ThresholdLow.
    double ThresholdHigh() const;
    void SetThresholdHigh(double value);
    /// Lower limit: Value <= ThresholdLow lights the lower lamp; default 0. Kept within
    /// [min, max] and not above ThresholdHigh.
    double ThresholdLow() const;
    void SetThresholdLow(double value);
    /// The value of the primary needle, clamped to [min, max]; default 0. Emits
    /// valueChanged when the stored value changes.
    double Value() const;
    /// The value of the secondary needle, clamped to [min, max]; default 0. Emits
    /// valueSecChanged when the stored value changes.
    double ValueSec() const;

    /// The upper limit flag behind the upper lamp.
    bool OverLimit() const;
    /// The lower limit flag behind the lower lamp.
    bool UnderLimit() const;

    /// Sweep angle of the current layout in degrees.
    int MeterAngle() const;
    /// Scale radius in pixels.
    double MeterRadius() const;
    /// The needle pivot.
    int MeterCenterX() const;
    int MeterCenterY() const;

    /// Needle direction of value (clamped) in degrees, clockwise on the screen from the
    /// downward vertical: min at 180 - A/2, midpoint 180, max at 180 + A/2.
    double CalcNeedleAngle(double value) const;
    /// The point at pctradius percent of the scale radius in the direction of value.
    void ConvertToPixelCoords(double value, double pctradius, int& X, int& Y) const;
    /// The value whose direction from the pivot passes through (XPos, YPos); false (and
    /// MeterValue 0) outside the scale sector. The distance is not checked.
    bool ConvertPixelToValue(int XPos, int YPos, double& MeterValue) const;

    /// The default size, 297 x 209 (or the minimum size where that is larger).
    QSize sizeHint() const override;
    /// The size at which the scale of the current layout leaves room for the tick labels
    /// between the hub and the scale arc.
    QSize minimumSizeHint() const override;

    /// Value reached ThresholdHigh or more (after a change of Value, ValueSec or
    /// ThresholdHigh); emits overFlow() after the handler.
    TNotifyEvent OnOverFlow;
    /// Value fell to ThresholdLow or below; emits underFlow() after the handler.
    TNotifyEvent OnUnderFlow;
    /// Value changed between the thresholds; emits normalRange() after the handler.
    TNotifyEvent OnNormalRange;
    /// Before each tick label; may change or suppress it.
    TmtBeforeDrawScaleLabelEvent OnBeforeDrawScaleLabel;
    /// After the face is finished, before the frame.
    TMeterRenderedEvent OnMeterRendered;
    /// Before the needles; may draw its own.
    TBeforeDrawNeedleEvent OnBeforeDrawNeedle;
    /// On every mouse move, after OnMouseMove.
    TMouseMoveInMeterEvent OnMouseMoveInMeter;

    /// Moves and sizes the meter, then recomputes the scale geometry.
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

public Q_SLOTS:
    /// Sets Value (see there).
    void SetValue(double value);
    /// Sets ValueSec (see there).
    void SetValueSec(double value);

Q_SIGNALS:
    /// Value changed (set by code, or moved by a change of the scale limits).
    void valueChanged(double value);
    /// ValueSec changed (set by code, or moved by a change of the scale limits).
    void valueSecChanged(double value);
    /// Emitted right after OnOverFlow.
    void overFlow();
    /// Emitted right after OnUnderFlow.
    void underFlow();
    /// Emitted right after OnNormalRange.
    void normalRange();

protected:
    void Paint() override;
    void Loaded() override;
    /// Drops the kept face: the tick labels are measured in Font.
    void FontChanged() override;
    /// Drops the kept face: system colors resolve differently now.
    void PaletteChanged() override;
    /// Drops the kept face: its texts are engraved while the meter is disabled.
    void EnabledChanged() override;
    void MouseMove(TShiftState Shift, int X, int Y) override;

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace vek
