// TMeter: the rules for values, limits and thresholds, with their events and signals.
#include "VEK_Meter.h"
#include "meter_p.h"

#include <algorithm>
#include <cmath>

namespace vek {

namespace {

// Minimum, maximum and thresholds of a logarithmic scale stay above this.
constexpr double LogGuard = 1e-100;

} // namespace

bool TMeter::Private::StoreUnchecked(double& field, double v)
{
    if (!std::isfinite(v))
        return true;
    if (!Loading())
        return false;
    field = v;
    return true;
}

bool TMeter::Private::RejectsLimit(double v, double current) const
{
    return (logarithmic && v < LogGuard) || v == current;
}

void TMeter::Private::Fire(const TNotifyEvent& event, void (TMeter::*signal)())
{
    if (event)
        event(q);
    emit(q->*signal)();
}

// Sets the limit flags for a value that was just accepted and tells the application
// which range it is in. Hidden needles report nothing.
void TMeter::Private::ReportRange(double v, bool needleVisible)
{
    overLimit = needleVisible && v >= thresholdHigh;
    underLimit = needleVisible && !overLimit && v <= thresholdLow;
    if (!needleVisible)
        return;
    if (overLimit)
        Fire(q->OnOverFlow, &TMeter::overFlow);
    else if (underLimit)
        Fire(q->OnUnderFlow, &TMeter::underFlow);
    else
        Fire(q->OnNormalRange, &TMeter::normalRange);
}

void TMeter::Private::ClampIntoScale()
{
    for (double* v : {&value, &valueSec, &thresholdLow, &thresholdHigh})
        *v = std::clamp(*v, meterMinValue, meterMaxValue);
}

// A limit moved: what lies outside the scale now moves to its end, silently as far as
// the range events go, but the value properties notify.
void TMeter::Private::ScaleChanged()
{
    const double oldValue = value;
    const double oldValueSec = valueSec;
    ClampIntoScale();
    RepaintFace();
    if (value != oldValue)
        emit q->valueChanged(value);
    if (valueSec != oldValueSec)
        emit q->valueSecChanged(valueSec);
}

// Value and ValueSec: the range events follow the needle's visibility, and the needle
// is repainted when asked.
void TMeter::Private::SetNeedleValue(double& field, double v, const TNeedleLayout& layout,
                                     bool repaint, void (TMeter::*changed)(double))
{
    if (StoreUnchecked(field, v) || v == field)
        return;
    const double old = field;
    field = std::clamp(v, meterMinValue, meterMaxValue);
    ReportRange(field, layout.Visible());
    if (repaint)
        RepaintValues();
    if (field != old)
        emit(q->*changed)(field);
}

double TMeter::Value() const { return d->value; }
void TMeter::SetValue(double value)
{
    d->SetNeedleValue(d->value, value, d->needle, true, &TMeter::valueChanged);
}

// A hidden secondary needle has nothing to repaint.
double TMeter::ValueSec() const { return d->valueSec; }
void TMeter::SetValueSec(double value)
{
    d->SetNeedleValue(d->valueSec, value, d->needleSec, d->needleSec.Visible(),
                      &TMeter::valueSecChanged);
}

bool TMeter::OverLimit() const { return d->overLimit; }
bool TMeter::UnderLimit() const { return d->underLimit; }

double TMeter::MeterMinValue() const { return d->meterMinValue; }
void TMeter::SetMeterMinValue(double value)
{
    if (d->StoreUnchecked(d->meterMinValue, value) || d->RejectsLimit(value, d->meterMinValue))
        return;
    d->meterMinValue = value;
    if (d->meterMaxValue <= value)
        d->meterMaxValue = value + 1;
    d->ScaleChanged();
}

double TMeter::MeterMaxValue() const { return d->meterMaxValue; }
void TMeter::SetMeterMaxValue(double value)
{
    if (d->StoreUnchecked(d->meterMaxValue, value) || d->RejectsLimit(value, d->meterMaxValue))
        return;
    d->meterMaxValue = value;
    if (value <= d->meterMinValue) {
        d->meterMinValue = value - 1;
        if (d->logarithmic && d->meterMinValue <= 0)
            d->meterMinValue = value / 10;
    }
    d->ScaleChanged();
}

double TMeter::ThresholdLow() const { return d->thresholdLow; }
void TMeter::SetThresholdLow(double value)
{
    if (d->StoreUnchecked(d->thresholdLow, value) || d->RejectsLimit(value, d->thresholdLow))
        return;
    d->thresholdLow = std::clamp(value, d->meterMinValue, d->meterMaxValue);
    d->thresholdHigh = std::max(d->thresholdHigh, d->thresholdLow);
    d->underLimit = d->value <= d->thresholdLow;
    if (d->underLimit)
        d->Fire(OnUnderFlow, &TMeter::underFlow);
    d->RepaintFace();
}

double TMeter::ThresholdHigh() const { return d->thresholdHigh; }
void TMeter::SetThresholdHigh(double value)
{
    if (d->StoreUnchecked(d->thresholdHigh, value) || d->RejectsLimit(value, d->thresholdHigh))
        return;
    d->thresholdHigh = std::clamp(value, d->meterMinValue, d->meterMaxValue);
    d->thresholdLow = std::min(d->thresholdLow, d->thresholdHigh);
    d->overLimit = d->value >= d->thresholdHigh;
    if (d->overLimit)
        d->Fire(OnOverFlow, &TMeter::overFlow);
    d->RepaintFace();
}

bool TMeter::Logarithmic() const { return d->logarithmic; }
void TMeter::SetLogarithmic(bool value)
{
    if (d->Loading()) {
        d->logarithmic = value;
        return;
    }
    if (value == d->logarithmic)
        return;
    d->logarithmic = value && d->meterMinValue > LogGuard && d->meterMaxValue > LogGuard;
    d->RepaintFace();
}

// Stored settings arrive unchecked; put them back into a state every setter keeps:
// min below max, a logarithmic scale only on positive limits, values and thresholds
// within the scale and the thresholds in order.
void TMeter::Private::RepairLoadedValues()
{
    if (meterMaxValue <= meterMinValue)
        meterMaxValue = meterMinValue + 1;
    if (meterMinValue <= LogGuard || meterMaxValue <= LogGuard)
        logarithmic = false;
    ClampIntoScale();
    thresholdHigh = std::max(thresholdHigh, thresholdLow);
}

} // namespace vek
