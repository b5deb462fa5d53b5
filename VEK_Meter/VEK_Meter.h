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
// only redraws the pixels the needles touch.
//
// Non-finite numbers (NaN, infinities) given to any numeric property are ignored.
#pragma once

#include <frame/baselib/baseenums.h>
#include <frame/canvas/bitmap.h>
#include <frame/controls/controls.h>

#include <memory>

namespace vek {

class TMeter;

// The look of one needle: an arrow from the pivot towards the scale, filled with
// ColorBody and outlined in ColorOutline, with an optional shadow offset by
// (-ShadowDx, -ShadowDy). Every setter calls OnChange (the owning meter's repaint) when
// the stored value changes.
class VEK_EXPORT TNeedleLayout : public QObject, public TPersistent {
    Q_OBJECT
    Q_PROPERTY(quint32 ColorBody READ ColorBody WRITE SetColorBody)
    Q_PROPERTY(quint32 ColorOutline READ ColorOutline WRITE SetColorOutline)
    Q_PROPERTY(int HeadAngle READ HeadAngle WRITE SetHeadAngle)
    Q_PROPERTY(int HeadMidLeng READ HeadMidLeng WRITE SetHeadMidLeng)
    Q_PROPERTY(int HeadSize READ HeadSize WRITE SetHeadSize)
    Q_PROPERTY(int PercentNeedleLength READ PercentNeedleLength WRITE SetPercentNeedleLength)
    Q_PROPERTY(quint32 ShadowColor READ ShadowColor WRITE SetShadowColor)
    Q_PROPERTY(int ShadowDx READ ShadowDx WRITE SetShadowDx)
    Q_PROPERTY(int ShadowDy READ ShadowDy WRITE SetShadowDy)
    Q_PROPERTY(int Thickness READ Thickness WRITE SetThickness)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)

public:
    // A fresh layout has every field zero (and is invisible); the meter sets its own
    // initial values.
    explicit TNeedleLayout(QObject* owner = nullptr);

    TColor ColorBody() const { return FColorBody; }
    void SetColorBody(TColor value);
    TColor ColorOutline() const { return FColorOutline; }
    void SetColorOutline(TColor value);
    // Full opening angle of the arrow head in degrees, 0..180.
    int HeadAngle() const { return FHeadAngle; }
    void SetHeadAngle(int value);
    // Distance from the tip back to where the shaft meets the head, in pixels.
    int HeadMidLeng() const { return FHeadMidLeng; }
    void SetHeadMidLeng(int value);
    // Length of the two head barbs in pixels.
    int HeadSize() const { return FHeadSize; }
    void SetHeadSize(int value);
    // Needle length in percent of (R - 4), 0..100.
    int PercentNeedleLength() const { return FPercentLength; }
    void SetPercentNeedleLength(int value);
    TColor ShadowColor() const { return FShadowColor; }
    void SetShadowColor(TColor value);
    // The shadow lies at the needle position minus (ShadowDx, ShadowDy); 0, 0: no shadow.
    int ShadowDx() const { return FShadowDx; }
    void SetShadowDx(int value);
    int ShadowDy() const { return FShadowDy; }
    void SetShadowDy(int value);
    // Shaft width in pixels; 0 collapses the shaft to a line.
    int Thickness() const { return FThickness; }
    void SetThickness(int value);
    // Whether the needle is drawn; the meter's range events follow only visible needles.
    bool Visible() const { return FVisible; }
    void SetVisible(bool value);

    // Called with this layout as Sender after every change. The meter installs its
    // repaint here; assigning another handler takes that link over.
    TNotifyEvent OnChange;

    // Copies the eleven settings of another TNeedleLayout (not OnChange), then calls
    // Changed once.
    void Assign(const TPersistent* Source) override;

protected:
    void AssignTo(TPersistent* Dest) const override;
    void Changed();

private:
    template <typename T>
    void Change(T& field, T value);

    TColor FColorBody = 0;
    TColor FColorOutline = 0;
    int FHeadAngle = 0;
    int FHeadMidLeng = 0;
    int FHeadSize = 0;
    int FPercentLength = 0;
    TColor FShadowColor = 0;
    int FShadowDx = 0;
    int FShadowDy = 0;
    int FThickness = 0;
    bool FVisible = false;
};

class VEK_EXPORT TMeter : public TGraphicControl {
    Q_OBJECT
    Q_PROPERTY(bool AnchorCovered READ AnchorCovered WRITE SetAnchorCovered)
    Q_PROPERTY(QString AnchorImage READ AnchorImage WRITE SetAnchorImage)
    Q_PROPERTY(int AnchorSize READ AnchorSize WRITE SetAnchorSize)
    Q_PROPERTY(QString BackGroundImg READ BackGroundImg WRITE SetBackGroundImg)
    Q_PROPERTY(vek::TBkgFill BkgndFillMode READ BkgndFillMode WRITE SetBkgndFillMode)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(quint32 ColorBakG READ ColorBakG WRITE SetColorBakG)
    Q_PROPERTY(quint32 ColorCover READ ColorCover WRITE SetColorCover)
    Q_PROPERTY(quint32 ColorScale READ ColorScale WRITE SetColorScale)
    Q_PROPERTY(vek::TColorScheme ColorScheme READ ColorScheme WRITE SetColorScheme)
    Q_PROPERTY(quint32 ColorSclBkLow READ ColorSclBkLow WRITE SetColorSclBkLow)
    Q_PROPERTY(quint32 ColorSclBkNorm READ ColorSclBkNorm WRITE SetColorSclBkNorm)
    Q_PROPERTY(quint32 ColorSclBkHigh READ ColorSclBkHigh WRITE SetColorSclBkHigh)
    Q_PROPERTY(vek::TFrameStyle FrameStyle READ FrameStyle WRITE SetFrameStyle)
    Q_PROPERTY(bool LimWatchHighOn READ LimWatchHighOn WRITE SetLimWatchHighOn)
    Q_PROPERTY(bool LimWatchLowOn READ LimWatchLowOn WRITE SetLimWatchLowOn)
    Q_PROPERTY(quint32 LimWatchActColor READ LimWatchActColor WRITE SetLimWatchActColor)
    Q_PROPERTY(quint32 LimWatchPsvColor READ LimWatchPsvColor WRITE SetLimWatchPsvColor)
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
    Q_PROPERTY(double Value READ Value WRITE SetValue)
    Q_PROPERTY(double ValueSec READ ValueSec WRITE SetValueSec)

public:
    // Sweep of the scale. 90 and 120 degrees put the pivot near the bottom with a half
    // disc hub on a post; 180 does the same with a half-circle scale; 270, 300 and 360
    // put the pivot inside the dial with a full disc hub.
    enum TMeterLayout {
        mlCirc90 = 0,
        mlCirc120 = 1,
        mlCirc180 = 2,
        mlCirc270 = 3,
        mlCirc300 = 4,
        mlCirc360 = 5,
    };
    Q_ENUM(TMeterLayout)

    // Called before each tick label is drawn; an empty text suppresses the label.
    // (ChartX, ChartY) is the top-left corner where the label would go.
    using TmtBeforeDrawScaleLabelEvent = std::function<void(
        TObject* Sender, TCanvas* Canvas, QString& CurrentTickLabel, int ChartX, int ChartY)>;
    // Called once per paint after the lamps, before the frame: the application may draw
    // over the finished face.
    using TMeterRenderedEvent = std::function<void(TObject* Sender, TCanvas* Canvas)>;
    // Called once per paint before the needles; setting NeedleDrawn to true replaces
    // both built-in needles (the application drew its own, or none).
    using TBeforeDrawNeedleEvent =
        std::function<void(TObject* Sender, TCanvas* Canvas, bool& NeedleDrawn)>;
    // The meter value under the mouse; WithinRange is false (and MeterValue 0) when
    // the pointer's direction from the pivot lies outside the scale sector.
    using TMouseMoveInMeterEvent = std::function<void(
        TObject* Sender, bool WithinRange, TShiftState Shift, double MeterValue)>;

    explicit TMeter(QWidget* parent = nullptr);
    ~TMeter() override;

    // Draw the hub over the needle pivot.
    bool AnchorCovered() const { return FAnchorCovered; }
    void SetAnchorCovered(bool value);
    // Bitmap file drawn as the hub; a file that does not exist or cannot be read
    // leaves the property empty.
    QString AnchorImage() const { return FAnchorImage; }
    void SetAnchorImage(const QString& value);
    // Hub radius in pixels.
    int AnchorSize() const { return FAnchorSize; }
    void SetAnchorSize(int value);
    // Bitmap file used as dial background. A name that does not exist clears the
    // property; an unreadable file raises EInvalidGraphic (and keeps the old image).
    QString BackGroundImg() const { return FBackGroundImg; }
    void SetBackGroundImg(const QString& value);
    // Placement of the background bitmap: once at the top-left corner, stretched, tiled.
    TBkgFill BkgndFillMode() const { return FBkgndFillMode; }
    void SetBkgndFillMode(TBkgFill value);
    // Unit text drawn inside the dial, in FontCaption, centred R/3 above the pivot.
    QString Caption() const { return FCaption; }
    void SetCaption(const QString& value);
    TColor ColorBakG() const { return FColorBakG; }
    void SetColorBakG(TColor value);
    // Rim cover and hub.
    TColor ColorCover() const { return FColorCover; }
    void SetColorCover(TColor value);
    // Scale arc and ticks.
    TColor ColorScale() const { return FColorScale; }
    void SetColorScale(TColor value);
    // 0: frame lines $808080/$FFFFFF; otherwise the theme's button shadow/highlight.
    TColorScheme ColorScheme() const { return FColorScheme; }
    void SetColorScheme(TColorScheme value);
    // Range bands: min..ThresholdLow, ThresholdLow..ThresholdHigh, ThresholdHigh..max.
    TColor ColorSclBkLow() const { return FColorSclBkLow; }
    void SetColorSclBkLow(TColor value);
    TColor ColorSclBkNorm() const { return FColorSclBkNorm; }
    void SetColorSclBkNorm(TColor value);
    TColor ColorSclBkHigh() const { return FColorSclBkHigh; }
    void SetColorSclBkHigh(TColor value);
    // Font of Caption (a copy of Font at construction). SetFontCaption copies.
    TFont* FontCaption() { return &FFontCaption; }
    void SetFontCaption(const TFont* value);
    TFrameStyle FrameStyle() const { return FFrameStyle; }
    void SetFrameStyle(TFrameStyle value);
    // Show the upper (top right) and lower (top left) limit lamps.
    bool LimWatchHighOn() const { return FLimWatchHighOn; }
    void SetLimWatchHighOn(bool value);
    bool LimWatchLowOn() const { return FLimWatchLowOn; }
    void SetLimWatchLowOn(bool value);
    // Lamp colors while its limit is violated / otherwise.
    TColor LimWatchActColor() const { return FLimWatchActColor; }
    void SetLimWatchActColor(TColor value);
    TColor LimWatchPsvColor() const { return FLimWatchPsvColor; }
    void SetLimWatchPsvColor(TColor value);
    // Logarithmic scale; stays false while MeterMinValue or MeterMaxValue is <= 1e-100.
    bool Logarithmic() const { return FLogarithmic; }
    void SetLogarithmic(bool value);
    // Decimals of the tick labels, 0..4.
    int MeterDecPlaces() const { return FMeterDecPlaces; }
    void SetMeterDecPlaces(int value);
    TMeterLayout MeterLayout() const { return FMeterLayout; }
    void SetMeterLayout(TMeterLayout value);
    // Scale end. A maximum at or below the minimum moves the minimum to max - 1 (to
    // max / 10 in a logarithmic scale when that is not positive); values and
    // thresholds above the new maximum are lowered to it. In a logarithmic scale
    // assignments below 1e-100 are ignored.
    double MeterMaxValue() const { return FMeterMaxValue; }
    void SetMeterMaxValue(double value);
    // Scale start. A minimum at or above the maximum moves the maximum to min + 1;
    // values and thresholds below the new minimum are raised to it.
    double MeterMinValue() const { return FMeterMinValue; }
    void SetMeterMinValue(double value);
    // Wanted number of major tick intervals, 2..21; the step is the largest 1, 2 or 5
    // times a power of ten not above (max - min) / MeterNrTicks.
    int MeterNrTicks() const { return FMeterNrTicks; }
    void SetMeterNrTicks(int value);
    bool MeterScaleLine() const { return FMeterScaleLine; }
    void SetMeterScaleLine(bool value);
    bool MeterShortTicks() const { return FMeterShortTicks; }
    void SetMeterShortTicks(bool value);
    // The primary and secondary needle. Setting copies the settings of the given layout
    // into the meter's own object.
    TNeedleLayout* NeedleLayout() { return &FNeedle; }
    void SetNeedleLayout(const TNeedleLayout* value);
    TNeedleLayout* NeedleLayoutSec() { return &FNeedleSec; }
    void SetNeedleLayoutSec(const TNeedleLayout* value);
    // Cover strip sizes in pixels. A change repaints the strips at once; the scale
    // geometry follows at the next resize or MeterLayout change.
    int RimBottom() const { return FRimBottom; }
    void SetRimBottom(int value);
    int RimSide() const { return FRimSide; }
    void SetRimSide(int value);
    int RimTop() const { return FRimTop; }
    void SetRimTop(int value);
    // Colored range bands behind the scale.
    bool ScaleBkVisible() const { return FScaleBkVisible; }
    void SetScaleBkVisible(bool value);
    // Band width in percent of the scale radius, 0..100.
    double ScaleBkWidth() const { return FScaleBkWidth; }
    void SetScaleBkWidth(double value);
    // Scale line, ticks and labels.
    bool ScaleVisible() const { return FScaleVisible; }
    void SetScaleVisible(bool value);
    // Limits: Value >= ThresholdHigh lights the upper lamp, Value <= ThresholdLow the
    // lower one. Both are kept within [min, max] and ThresholdLow <= ThresholdHigh.
    double ThresholdHigh() const { return FThresholdHigh; }
    void SetThresholdHigh(double value);
    double ThresholdLow() const { return FThresholdLow; }
    void SetThresholdLow(double value);
    // The values of the primary and secondary needle, clamped to [min, max].
    double Value() const { return FValue; }
    void SetValue(double value);
    double ValueSec() const { return FValueSec; }
    void SetValueSec(double value);

    // Limit flags behind the lamps.
    bool OverLimit() const { return FOFL; }
    bool UnderLimit() const { return FUFL; }

    // Layout geometry: sweep angle in degrees, scale radius, pivot.
    int MeterAngle() const { EnsureGeometry(); return FMeterAngle; }
    double MeterRadius() const { EnsureGeometry(); return FMeterRadius; }
    int MeterCenterX() const { EnsureGeometry(); return FMeterCenterX; }
    int MeterCenterY() const { EnsureGeometry(); return FMeterCenterY; }

    // Needle direction of value (clamped) in degrees, clockwise on the screen from the
    // downward vertical: min at 180 - A/2, midpoint 180, max at 180 + A/2.
    double CalcNeedleAngle(double value) const;
    // The point at pctradius percent of the scale radius in the direction of value.
    void ConvertToPixelCoords(double value, double pctradius, int& X, int& Y) const;
    // The value whose direction from the pivot passes through (XPos, YPos); false (and
    // MeterValue 0) outside the scale sector. The distance is not checked.
    bool ConvertPixelToValue(int XPos, int YPos, double& MeterValue) const;

    TNotifyEvent OnOverFlow;
    TNotifyEvent OnUnderFlow;
    TNotifyEvent OnNormalRange;
    TmtBeforeDrawScaleLabelEvent OnBeforeDrawScaleLabel;
    TMeterRenderedEvent OnMeterRendered;
    TBeforeDrawNeedleEvent OnBeforeDrawNeedle;
    TMouseMoveInMeterEvent OnMouseMoveInMeter;

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

protected:
    void Paint() override;
    void Loaded() override;
    void FontChanged() override;
    void MouseMove(TShiftState Shift, int X, int Y) override;

private:
    // The seven points of a needle polygon and of its shadow.
    struct NeedleShape {
        QVector<TPoint> body;
        QVector<TPoint> shadow;
        bool hasShadow = false;
    };
    template <typename T>
    void Change(T& field, const T& value);
    template <typename T>
    void ChangeAlways(T& field, const T& value);
    bool Loading() const { return ComponentState().testFlag(csLoading); }
    // A value change: redraws only what the needles and lamps cover when it can.
    void RepaintValues();

    // geometry.cpp
    // The geometry belongs to a size: it is recomputed by SetBounds, by MeterLayout and
    // whenever the control's size differs from the one it was computed for.
    void CalcGeometry() const;
    void EnsureGeometry() const;
    double Fraction(double v) const;
    double Theta(double v) const;
    TPoint PointAt(double thetaDeg, double r) const;

    // values.cpp
    void ReportRange(double value, bool needleVisible);
    void RepairLoadedValues();

    // images.cpp
    void LoadBackgroundQuietly();
    void LoadAnchorImage();

    // painting
    void PaintFace(TCanvas* c);
    void PaintBackground(TCanvas* c);
    void PaintRangeBands(TCanvas* c);
    void PaintScale(TCanvas* c);
    void PaintLinearTicks(TCanvas* c, double first, double step, double dx, double dy);
    void PaintDecadeTicks(TCanvas* c, double dx, double dy);
    void PaintSparseDecadeTicks(TCanvas* c, double dx, double dy);
    void PaintMajorTick(TCanvas* c, double t, bool withLabel, double dx, double dy);
    void PaintMinorTick(TCanvas* c, double t);
    void PaintLabel(TCanvas* c, double t, double dx, double dy);
    void PaintCaption(TCanvas* c);
    void PaintNeedles(TCanvas* c);
    void PaintNeedle(TCanvas* c, const TNeedleLayout& layout, double value);
    NeedleShape ShapeOf(const TNeedleLayout& layout, double value) const;
    void PaintOverlay(TCanvas* c);
    void PaintCover(TCanvas* c);
    void PaintHub(TCanvas* c);
    void PaintLamp(TCanvas* c, int left, bool active);
    void PaintFrame(TCanvas* c);

    // facecache.cpp
    bool CacheUsable();
    TRect NeedleBounds() const;
    TRect LampRect(bool upper) const;
    void PrepareOverlayCanvas(TCanvas* c);
    void RememberPaintedState();

    bool FAnchorCovered = true;
    int FAnchorSize = 24;
    QString FAnchorImage;
    QString FBackGroundImg;
    TBkgFill FBkgndFillMode = bfSimple;
    QString FCaption;
    TColor FColorBakG = clWhite;
    TColor FColorCover = clBtnFace;
    TColor FColorScale = clNavy;
    TColorScheme FColorScheme = csFixedGrays;
    TColor FColorSclBkLow = clLime;
    TColor FColorSclBkNorm = 0x0080FF;
    TColor FColorSclBkHigh = clRed;
    TFont FFontCaption;
    TFrameStyle FFrameStyle = fsRaised;
    bool FLimWatchHighOn = true;
    bool FLimWatchLowOn = true;
    TColor FLimWatchActColor = clRed;
    TColor FLimWatchPsvColor = clGray;
    bool FLogarithmic = false;
    int FMeterDecPlaces = 1;
    TMeterLayout FMeterLayout = mlCirc90;
    double FMeterMaxValue = 1.0;
    double FMeterMinValue = 0.0;
    int FMeterNrTicks = 3;
    bool FMeterScaleLine = true;
    bool FMeterShortTicks = true;
    TNeedleLayout FNeedle;
    TNeedleLayout FNeedleSec;
    int FRimBottom = 10;
    int FRimSide = 10;
    int FRimTop = 8;
    bool FScaleBkVisible = false;
    double FScaleBkWidth = 0.0;
    bool FScaleVisible = true;
    double FThresholdHigh = 1.0;
    double FThresholdLow = 0.0;
    double FValue = 0.0;
    double FValueSec = 0.0;

    mutable int FMeterAngle = 90;
    mutable double FMeterRadius = 0;
    mutable int FMeterCenterX = 0;
    mutable int FMeterCenterY = 0;
    mutable QSize FGeometrySize;
    bool FOFL = false;
    bool FUFL = false;
    TColor FColGrayLine = 0x808080;
    TColor FColWhiteLine = 0xFFFFFF;

    TBitmap FAuxBGBmp;
    TBitmap FAuxACBmp;
    TBitmap FAuxACMaskBmp;

    // The value-independent face (steps up to the caption) of the last full paint, and
    // what the needles covered then, so that a value change repaints only there.
    std::unique_ptr<TBitmap> FFace;
    TRect FPaintedNeedles;
    bool FPaintedOFL = false;
    bool FPaintedUFL = false;
};

} // namespace vek
