// Layout geometry of the meter and the conversions between values, angles and pixels.
#include "VEK_Meter.h"

#include <frame/runtime/rtl.h>

#include <algorithm>
#include <cmath>

namespace vek {

namespace {

constexpr double Pi = 3.14159265358979323846;

int SweepOf(TMeter::TMeterLayout layout)
{
    switch (layout) {
    case TMeter::mlCirc90: return 90;
    case TMeter::mlCirc120: return 120;
    case TMeter::mlCirc180: return 180;
    case TMeter::mlCirc270: return 270;
    case TMeter::mlCirc300: return 300;
    case TMeter::mlCirc360: return 360;
    }
    return 90;
}

} // namespace

void TMeter::EnsureGeometry() const
{
    if (FGeometrySize != size())
        CalcGeometry();
}

// Every layout keeps an 8 pixel margin between the scale (with the range bands reaching
// 4 pixels beyond it) and the cover strips; 16 is that margin above and below.
void TMeter::CalcGeometry() const
{
    FGeometrySize = size();
    const int W = Width();
    const int H = Height();
    const double usableHeight = H - FRimBottom - FRimTop - 16;
    const double halfWidth = (W / 2) - FRimSide - 8;
    FMeterAngle = SweepOf(FMeterLayout);
    FMeterCenterX = W / 2;
    FMeterCenterY = H - FRimBottom - 8;
    switch (FMeterLayout) {
    case mlCirc90:
        FMeterRadius = usableHeight;
        break;
    case mlCirc120:
        FMeterRadius = std::min(usableHeight, (W / 2.0 - FRimSide - 8) * 1.1547);
        break;
    case mlCirc180:
        // A half circle standing on the pivot: as wide as it is high.
        FMeterRadius = std::min(usableHeight, halfWidth);
        break;
    case mlCirc270:
    case mlCirc300:
    case mlCirc360: {
        // The sector's lowest point lies sin((A - 180) / 2) * R below the pivot: 0.7071 R
        // for 270 degrees, 0.866 R for 300, R for the full circle.
        const double below = FMeterLayout == mlCirc270 ? 0.7071
                             : FMeterLayout == mlCirc300 ? 0.866 : 1.0;
        FMeterRadius = std::min(halfWidth, usableHeight / (1 + below));
        FMeterCenterY = int(Round(FRimTop + 8 + FMeterRadius));
        break;
    }
    }
}

double TMeter::Fraction(double v) const
{
    const double min = FMeterMinValue;
    const double max = FMeterMaxValue;
    if (FLogarithmic && v > 0 && min > 0 && max > 0)
        return (std::log(v) - std::log(min)) / (std::log(max) - std::log(min));
    const double span = max - min;
    if (std::isfinite(span))
        return (v - min) / span;
    return (v / 2 - min / 2) / (max / 2 - min / 2); // a span beyond the double range
}

double TMeter::Theta(double v) const
{
    return 90 + FMeterAngle / 2.0 - FMeterAngle * Fraction(v);
}

TPoint TMeter::PointAt(double thetaDeg, double r) const
{
    const double t = thetaDeg * Pi / 180;
    return TPoint(int(Round(FMeterCenterX + std::cos(t) * r)),
                  int(Round(FMeterCenterY - std::sin(t) * r)));
}

double TMeter::CalcNeedleAngle(double value) const
{
    EnsureGeometry();
    if (std::isnan(value))
        value = FMeterMinValue;
    value = std::clamp(value, std::min(FMeterMinValue, FMeterMaxValue),
                       std::max(FMeterMinValue, FMeterMaxValue));
    return 180 - (FMeterAngle / 2.0 - FMeterAngle * Fraction(value));
}

void TMeter::ConvertToPixelCoords(double value, double pctradius, int& X, int& Y) const
{
    const double a = (-90 - CalcNeedleAngle(value)) * Pi / 180;
    const double r = pctradius * 0.01 * FMeterRadius;
    X = int(Round(std::cos(a) * r + FMeterCenterX));
    Y = int(Round(FMeterCenterY - std::sin(a) * r));
}

bool TMeter::ConvertPixelToValue(int XPos, int YPos, double& MeterValue) const
{
    EnsureGeometry();
    const double dx = XPos - FMeterCenterX;
    const double dy = YPos - FMeterCenterY;
    double phi;
    if (dx != 0)
        phi = std::atan(dy / dx) + (dx < 0 ? Pi : 0);
    else
        phi = dy > 0 ? Pi / 2 : 3 * Pi / 2;
    if (phi < 0)
        phi += 2 * Pi;
    if (phi > 2 * Pi)
        phi -= 2 * Pi;
    double d = phi * 180 / Pi - 90;
    if (d < 0)
        d += 360;
    const double half = FMeterAngle / 2.0;
    if (d < 180 - half || d > 180 + half) {
        MeterValue = 0;
        return false;
    }
    const double g = (d - (180 - half)) / FMeterAngle;
    const double min = FMeterMinValue;
    const double max = FMeterMaxValue;
    if (FLogarithmic)
        MeterValue = std::exp((std::log(max) - std::log(min)) * g + std::log(min));
    else
        MeterValue = min + g * (max - min);
    return true;
}

} // namespace vek
