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
    q->Paint();
    if (value != oldValue)
        emit q->valueChanged(value);
    if (valueSec != oldValueSec)
        emit q->valueSecChanged(valueSec);
}

double TMeter::Value() const { return d->value; }
void TMeter::SetValue(double value)
{
    if (d->StoreUnchecked(d->value, value) || value == d->value)
        return;
    const double old = d->value;
    d->value = std::clamp(value, d->meterMinValue, d->meterMaxValue);
    d->ReportRange(d->value, d->needle.Visible());
    d->RepaintValues();
    if (d->value != old)
        emit valueChanged(d->value);
}

double TMeter::ValueSec() const { return d->valueSec; }
void TMeter::SetValueSec(double value)
{
    if (d->StoreUnchecked(d->valueSec, value) || value == d->valueSec)
        return;
    const double old = d->valueSec;
    d->valueSec = std::clamp(value, d->meterMinValue, d->meterMaxValue);
    d->ReportRange(d->valueSec, d->needleSec.Visible());
    if (d->needleSec.Visible())
        d->RepaintValues();
    if (d->valueSec != old)
        emit valueSecChanged(d->valueSec);
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
    Paint();
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
    Paint();
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
    Paint();
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
