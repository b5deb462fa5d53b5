// The private data of TMeter and TNeedleLayout, and the meter's painting steps.
#pragma once

#include <VEK_Meter.h>

#include <frame/baselib/drawing.h>
#include <frame/core/change.h>
#include <frame/canvas/bitmap.h>

#include <memory>

// Defines the getter Class::Name() and the setter Class::SetName(value) of a setting kept
// in d->field: the setter stores `stored` (an expression of value) when it differs from
// the field and then runs `changed`.
#define VEK_METER_SETTING(Class, Type, Name, field, stored, changed)                       \
    Type Class::Name() const { return d->field; }                                          \
    void Class::Set##Name(Type value)                                                      \
    {                                                                                      \
        if (Change(d->field, stored))                                                      \
            changed;                                                                       \
    }

namespace vek {

namespace meter {

struct TickStep;

// The control size at which the given layout gets the scale radius `radius` (the
// inverse of the layout geometry) with the given rims.
QSize SizeForRadius(TMeter::TMeterLayout layout, double radius, int rimSide, int rimTop,
                    int rimBottom);

// Sends the accessibility events of the meter's changes (meter_accessible.cpp).
void AnnounceChanges(TMeter* meter);

} // namespace meter

struct TNeedleLayout::Private {
    TColor colorBody = 0;
    TColor colorOutline = 0;
    int headAngle = 0;
    int headMidLeng = 0;
    int headSize = 0;
    int percentLength = 0;
    TColor shadowColor = 0;
    int shadowDx = 0;
    int shadowDy = 0;
    int thickness = 0;
    bool visible = false;
};

struct TMeter::Private {
    explicit Private(TMeter* owner);

    TMeter* const q;

    bool anchorCovered = true;
    int anchorSize = 24;
    QString anchorImage;
    QString backGroundImg;
    TBkgFill bkgndFillMode = bfSimple;
    QString caption;
    TColor colorBakG = clWhite;
    TColor colorCover = clBtnFace;
    TColor colorScale = clNavy;
    TColorScheme colorScheme = csFixedGrays;
    TSchemeLineColors lines = SchemeLineColors(csFixedGrays);
    TColor colorSclBkLow = clLime;
    TColor colorSclBkNorm = 0x0080FF;
    TColor colorSclBkHigh = clRed;
    TFont fontCaption;
    TFrameStyle frameStyle = fsRaised;
    bool limWatchHighOn = true;
    bool limWatchLowOn = true;
    TColor limWatchActColor = clRed;
    TColor limWatchPsvColor = clGray;
    bool logarithmic = false;
    int meterDecPlaces = 1;
    TMeterLayout meterLayout = mlCirc90;
    double meterMaxValue = 1.0;
    double meterMinValue = 0.0;
    int meterNrTicks = 3;
    bool meterScaleLine = true;
    bool meterShortTicks = true;
    TNeedleLayout needle;
    TNeedleLayout needleSec;
    int rimBottom = 10;
    int rimSide = 10;
    int rimTop = 8;
    bool scaleBkVisible = false;
    double scaleBkWidth = 0.0;
    bool scaleVisible = true;
    double thresholdHigh = 1.0;
    double thresholdLow = 0.0;
    double value = 0.0;
    double valueSec = 0.0;
    bool overLimit = false;
    bool underLimit = false;

    // The scale geometry belongs to a size: it is recomputed by SetBounds, by MeterLayout
    // and whenever the control's size differs from the one it was computed for.
    int meterAngle = 90;
    double meterRadius = 0;
    int centerX = 0;
    int centerY = 0;
    QSize geometrySize;

    TBitmap auxBGBmp{10, 10};
    TColor backgroundTone = clWhite; // the mean color of auxBGBmp
    TBitmap auxACBmp{10, 10};
    TBitmap auxACMaskBmp{10, 10};

    // The value-independent face (steps up to the caption), kept until a setting it
    // shows changes, and what the needles covered at the last paint, so that a value
    // change repaints only there.
    std::unique_ptr<TBitmap> face;
    TRect paintedNeedles;
    bool paintedOverLimit = false;
    bool paintedUnderLimit = false;

    bool Loading() const { return q->ComponentState().testFlag(csLoading); }
    // A meter that is neither visible nor being designed paints nothing.
    bool Paints() const;
    // A setting that decides the minimum size changed: tell the layout, repaint.
    void NaturalSizeChanged();
    // A setting the face shows changed: drop the kept face and paint everything.
    void RepaintFace();

    // values.cpp
    // The first step of the numeric setters: a non-finite number is ignored, and while
    // stored settings are read the number is stored unchecked. True: nothing more to do.
    bool StoreUnchecked(double& field, double v);
    // A limit or threshold assignment that changes nothing, or one a logarithmic scale
    // cannot take.
    bool RejectsLimit(double v, double current) const;
    // Calls the event when assigned, then emits its signal.
    void Fire(const TNotifyEvent& event, void (TMeter::*signal)());
    void ReportRange(double v, bool needleVisible);
    void SetNeedleValue(double& field, double v, const TNeedleLayout& layout, bool repaint,
                        void (TMeter::*changed)(double));
    void ClampIntoScale();
    void ScaleChanged();
    void RepairLoadedValues();

    // geometry.cpp
    void CalcGeometry();
    void EnsureGeometry();
    double Fraction(double v) const;
    double Theta(double v) const;
    TPoint PointAt(double thetaDeg, double r) const;
    // The hub of the sectors that wrap below the pivot is a full disc, else a half disc
    // on a post.
    bool FullDiscHub() const;

    // images.cpp
    void LoadBackground(const QString& name);
    void LoadBackgroundQuietly();
    void LoadAnchorImage();

    // face.cpp
    void PaintFace(TCanvas* c);
    void PaintBackground(TCanvas* c);
    void PaintRangeBands(TCanvas* c);
    void PaintScale(TCanvas* c);
    void PaintMinorTicks(TCanvas* c, const meter::TickStep& ticks);
    void PaintLinearTicks(TCanvas* c, const meter::TickStep& ticks, double dx, double dy);
    void PaintDecadeTicks(TCanvas* c, double dx, double dy);
    void PaintSparseDecadeTicks(TCanvas* c, double dx, double dy);
    void PaintMajorTick(TCanvas* c, double t, bool withLabel, double dx, double dy);
    void PaintMinorTick(TCanvas* c, double t);
    void PaintLabel(TCanvas* c, double t, double dx, double dy);
    void PaintCaption(TCanvas* c);
    // What the tick labels and the caption stand on: the dial color, or the mean color
    // of the background image.
    TColor DialColor() const;
    // The canvas font becomes a copy of font, in a color from the same source as the
    // dial's (fixed or following the palette).
    void SetTextFont(TCanvas* c, const TFont* font);
    // Text of the face: plain while the meter is enabled, engraved while it is not.
    void PaintText(TCanvas* c, int x, int y, const QString& text);

    // needle.cpp
    // The seven points of a needle polygon and of its shadow.
    struct NeedleShape {
        QVector<TPoint> body;
        QVector<TPoint> shadow;
        bool hasShadow = false;
    };
    void PaintNeedles(TCanvas* c);
    void PaintNeedle(TCanvas* c, const TNeedleLayout& layout, double v);
    NeedleShape ShapeOf(const TNeedleLayout& layout, double v) const;

    // overlay.cpp
    void PaintOverlay(TCanvas* c);
    void PaintCover(TCanvas* c);
    void PaintHub(TCanvas* c);
    void PaintLamp(TCanvas* c, int left, bool active);
    void PaintFrame(TCanvas* c);

    // facecache.cpp
    // A value change: redraws only what the needles and lamps cover when it can.
    void RepaintValues();
    bool CacheUsable();
    bool FaceKept() const;
    TRect NeedleBounds() const;
    TRect LampRect(bool upper) const;
    void PrepareOverlayCanvas(TCanvas* c);
    void RememberPaintedState();
};

} // namespace vek
