// TMeter: construction, property setters and the rules for values, limits and thresholds.
#include "VEK_Meter.h"

#include <frame/baselib/drawing.h>

#include <algorithm>
#include <cmath>

namespace vek {

namespace {

// Minimum, maximum and thresholds of a logarithmic scale stay above this.
constexpr double LogGuard = 1e-100;

void InitNeedle(TNeedleLayout& needle, bool visible)
{
    needle.SetColorBody(clSilver);
    needle.SetColorOutline(clBlack);
    needle.SetHeadAngle(30);
    needle.SetHeadMidLeng(20);
    needle.SetHeadSize(20);
    needle.SetPercentNeedleLength(100);
    needle.SetShadowColor(clGray);
    needle.SetThickness(0);
    needle.SetVisible(visible);
}

} // namespace

TMeter::TMeter(QWidget* parent) : TGraphicControl(parent)
{
    InitNeedle(FNeedle, true);
    InitNeedle(FNeedleSec, false);
    FNeedle.OnChange = [this](TObject*) { Paint(); };
    FNeedleSec.OnChange = [this](TObject*) { Paint(); };
    FFontCaption.Assign(Font());
    FFontCaption.OnChange = [this] { Paint(); };
    FAuxBGBmp.SetSize(10, 10);
    FAuxACBmp.SetSize(10, 10);
    FAuxACMaskBmp.SetSize(10, 10);
    SetDefaultSize(297, 209);
    CalcGeometry();
}

TMeter::~TMeter() = default;

template <typename T>
void TMeter::Change(T& field, const T& value)
{
    if (field == value)
        return;
    field = value;
    Paint();
}

template <typename T>
void TMeter::ChangeAlways(T& field, const T& value)
{
    field = value;
    Paint();
}

void TMeter::SetAnchorCovered(bool value) { Change(FAnchorCovered, value); }
void TMeter::SetAnchorSize(int value) { Change(FAnchorSize, value); }
void TMeter::SetBkgndFillMode(TBkgFill value) { ChangeAlways(FBkgndFillMode, value); }
void TMeter::SetCaption(const QString& value) { ChangeAlways(FCaption, value); }
void TMeter::SetColorBakG(TColor value) { Change(FColorBakG, value); }
void TMeter::SetColorCover(TColor value) { Change(FColorCover, value); }
void TMeter::SetColorScale(TColor value) { Change(FColorScale, value); }
void TMeter::SetColorSclBkLow(TColor value) { Change(FColorSclBkLow, value); }
void TMeter::SetColorSclBkNorm(TColor value) { Change(FColorSclBkNorm, value); }
void TMeter::SetColorSclBkHigh(TColor value) { Change(FColorSclBkHigh, value); }
void TMeter::SetFrameStyle(TFrameStyle value) { Change(FFrameStyle, value); }
void TMeter::SetLimWatchHighOn(bool value) { Change(FLimWatchHighOn, value); }
void TMeter::SetLimWatchLowOn(bool value) { Change(FLimWatchLowOn, value); }
void TMeter::SetLimWatchActColor(TColor value) { Change(FLimWatchActColor, value); }
void TMeter::SetLimWatchPsvColor(TColor value) { Change(FLimWatchPsvColor, value); }
void TMeter::SetMeterScaleLine(bool value) { Change(FMeterScaleLine, value); }
void TMeter::SetMeterShortTicks(bool value) { Change(FMeterShortTicks, value); }
void TMeter::SetRimBottom(int value) { Change(FRimBottom, value); }
void TMeter::SetRimSide(int value) { Change(FRimSide, value); }
void TMeter::SetRimTop(int value) { Change(FRimTop, value); }
void TMeter::SetScaleBkVisible(bool value) { ChangeAlways(FScaleBkVisible, value); }
void TMeter::SetScaleVisible(bool value) { ChangeAlways(FScaleVisible, value); }

void TMeter::SetMeterDecPlaces(int value) { Change(FMeterDecPlaces, std::clamp(value, 0, 4)); }
void TMeter::SetMeterNrTicks(int value) { Change(FMeterNrTicks, std::clamp(value, 2, 21)); }

void TMeter::SetScaleBkWidth(double value)
{
    if (std::isnan(value))
        return;
    ChangeAlways(FScaleBkWidth, std::clamp(value, 0.0, 100.0));
}

void TMeter::SetColorScheme(TColorScheme value)
{
    if (FColorScheme == value)
        return;
    FColorScheme = value;
    const TSchemeLineColors lines = SchemeLineColors(value);
    FColGrayLine = lines.Gray;
    FColWhiteLine = lines.White;
    Paint();
}

void TMeter::SetFontCaption(const TFont* value)
{
    FFontCaption.Assign(value); // repaints through OnChange when something changed
}

void TMeter::SetMeterLayout(TMeterLayout value)
{
    if (FMeterLayout == value)
        return;
    FMeterLayout = value;
    CalcGeometry();
    Paint();
}

void TMeter::SetNeedleLayout(const TNeedleLayout* value)
{
    FNeedle.Assign(value);
    Paint();
}

void TMeter::SetNeedleLayoutSec(const TNeedleLayout* value)
{
    FNeedleSec.Assign(value);
    Paint();
}

void TMeter::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    TGraphicControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    CalcGeometry();
}

void TMeter::FontChanged()
{
    TGraphicControl::FontChanged();
    Paint();
}

void TMeter::MouseMove(TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseMove(Shift, X, Y);
    if (!OnMouseMoveInMeter)
        return;
    double value = 0;
    const bool within = ConvertPixelToValue(X, Y, value);
    OnMouseMoveInMeter(this, within, Shift, value);
}

// ---- values, limits and thresholds ---------------------------------------------------

// Sets the limit flags for a value that was just accepted and tells the application
// which range it is in. Hidden needles report nothing.
void TMeter::ReportRange(double value, bool needleVisible)
{
    FOFL = false;
    FUFL = false;
    if (!needleVisible)
        return;
    if (value >= FThresholdHigh) {
        FOFL = true;
        if (OnOverFlow)
            OnOverFlow(this);
    } else if (value > FThresholdLow) {
        if (OnNormalRange)
            OnNormalRange(this);
    } else {
        FUFL = true;
        if (OnUnderFlow)
            OnUnderFlow(this);
    }
}

void TMeter::SetValue(double value)
{
    if (!std::isfinite(value))
        return;
    if (Loading()) {
        FValue = value;
        return;
    }
    if (value == FValue)
        return;
    FValue = std::clamp(value, FMeterMinValue, FMeterMaxValue);
    ReportRange(FValue, FNeedle.Visible());
    RepaintValues();
}

void TMeter::SetValueSec(double value)
{
    if (!std::isfinite(value))
        return;
    if (Loading()) {
        FValueSec = value;
        return;
    }
    if (value == FValueSec)
        return;
    FValueSec = std::clamp(value, FMeterMinValue, FMeterMaxValue);
    ReportRange(FValueSec, FNeedleSec.Visible());
    if (FNeedleSec.Visible())
        RepaintValues();
}

void TMeter::SetMeterMinValue(double value)
{
    if (!std::isfinite(value))
        return;
    if (Loading()) {
        FMeterMinValue = value;
        return;
    }
    if ((FLogarithmic && value < LogGuard) || value == FMeterMinValue)
        return;
    FMeterMinValue = value;
    if (FMeterMaxValue <= value)
        FMeterMaxValue = value + 1;
    for (double* v : {&FValue, &FValueSec, &FThresholdLow, &FThresholdHigh})
        *v = std::max(*v, value);
    Paint();
}

void TMeter::SetMeterMaxValue(double value)
{
    if (!std::isfinite(value))
        return;
    if (Loading()) {
        FMeterMaxValue = value;
        return;
    }
    if ((FLogarithmic && value < LogGuard) || value == FMeterMaxValue)
        return;
    FMeterMaxValue = value;
    if (value <= FMeterMinValue) {
        FMeterMinValue = value - 1;
        if (FLogarithmic && FMeterMinValue <= 0)
            FMeterMinValue = value / 10;
    }
    for (double* v : {&FValue, &FValueSec, &FThresholdLow, &FThresholdHigh})
        *v = std::min(*v, value);
    Paint();
}

void TMeter::SetThresholdLow(double value)
{
    if (!std::isfinite(value))
        return;
    if (Loading()) {
        FThresholdLow = value;
        return;
    }
    if ((FLogarithmic && value < LogGuard) || value == FThresholdLow)
        return;
    FThresholdLow = std::clamp(value, FMeterMinValue, FMeterMaxValue);
    if (FThresholdLow > FThresholdHigh)
        FThresholdHigh = FThresholdLow;
    FUFL = false;
    if (FValue <= FThresholdLow) {
        FUFL = true;
        if (OnUnderFlow)
            OnUnderFlow(this);
    }
    Paint();
}

void TMeter::SetThresholdHigh(double value)
{
    if (!std::isfinite(value))
        return;
    if (Loading()) {
        FThresholdHigh = value;
        return;
    }
    if ((FLogarithmic && value < LogGuard) || value == FThresholdHigh)
        return;
    FThresholdHigh = std::clamp(value, FMeterMinValue, FMeterMaxValue);
    if (FThresholdHigh < FThresholdLow)
        FThresholdLow = FThresholdHigh;
    FOFL = false;
    if (FValue >= FThresholdHigh) {
        FOFL = true;
        if (OnOverFlow)
            OnOverFlow(this);
    }
    Paint();
}

void TMeter::SetLogarithmic(bool value)
{
    if (Loading()) {
        FLogarithmic = value;
        return;
    }
    if (value == FLogarithmic)
        return;
    FLogarithmic = value && FMeterMinValue > LogGuard && FMeterMaxValue > LogGuard;
    Paint();
}

// Stored settings arrive unchecked; put them back into a state every setter keeps:
// min below max, a logarithmic scale only on positive limits, values and thresholds
// within the scale and the thresholds in order.
void TMeter::RepairLoadedValues()
{
    if (FMeterMaxValue <= FMeterMinValue)
        FMeterMaxValue = FMeterMinValue + 1;
    if (FMeterMinValue <= LogGuard || FMeterMaxValue <= LogGuard)
        FLogarithmic = false;
    for (double* v : {&FValue, &FValueSec, &FThresholdLow, &FThresholdHigh})
        *v = std::clamp(*v, FMeterMinValue, FMeterMaxValue);
    FThresholdHigh = std::max(FThresholdHigh, FThresholdLow);
}

void TMeter::Loaded()
{
    TGraphicControl::Loaded();
    RepairLoadedValues();
    if (!FBackGroundImg.isEmpty())
        LoadBackgroundQuietly();
    if (!FAnchorImage.isEmpty())
        LoadAnchorImage();
    Paint();
}

} // namespace vek
