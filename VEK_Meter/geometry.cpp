// Layout geometry of the meter and the conversions between values, angles and pixels.
#include "VEK_Meter.h"
#include "meter_p.h"

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

// How far the lowest point of a sector that wraps below the pivot lies under it, in
// radii: sin((A - 180) / 2), 0.7071 for 270 degrees, 0.866 for 300, 1 for the full circle.
double DepthBelowPivot(TMeter::TMeterLayout layout)
{
    return layout == TMeter::mlCirc270 ? 0.7071 : layout == TMeter::mlCirc300 ? 0.866 : 1.0;
}

} // namespace

namespace meter {

QSize SizeForRadius(TMeter::TMeterLayout layout, double radius, int rimSide, int rimTop,
                    int rimBottom)
{
    // The 8 pixel margin between the scale and the cover strips, on either side.
    const int rimsAcross = 2 * (rimSide + 8);
    const int rimsDown = rimTop + rimBottom + 16;
    double halfWidth = radius; // the 180 degree and the wrapping sectors
    double height = radius;
    switch (layout) {
    case TMeter::mlCirc90:
        halfWidth = radius * 0.7071; // the ends of the scale at 45 degrees
        break;
    case TMeter::mlCirc120:
        halfWidth = radius / 1.1547;
        break;
    case TMeter::mlCirc180:
        break;
    case TMeter::mlCirc270:
    case TMeter::mlCirc300:
    case TMeter::mlCirc360:
        height = radius * (1 + DepthBelowPivot(layout));
        break;
    }
    // An even width: the layout geometry halves it with truncation.
    return QSize(2 * int(std::ceil(halfWidth)) + rimsAcross, int(std::ceil(height)) + rimsDown);
}

} // namespace meter

void TMeter::Private::EnsureGeometry()
{
    if (geometrySize != q->size())
        CalcGeometry();
}

// Every layout keeps an 8 pixel margin between the scale (with the range bands reaching
// 4 pixels beyond it) and the cover strips; 16 is that margin above and below.
void TMeter::Private::CalcGeometry()
{
    face.reset(); // drawn for the old geometry
    geometrySize = q->size();
    const int W = q->Width();
    const int H = q->Height();
    const double usableHeight = H - rimBottom - rimTop - 16;
    const double halfWidth = (W / 2) - rimSide - 8;
    meterAngle = SweepOf(meterLayout);
    centerX = W / 2;
    centerY = H - rimBottom - 8;
    switch (meterLayout) {
    case mlCirc90:
        meterRadius = usableHeight;
        break;
    case mlCirc120:
        meterRadius = std::min(usableHeight, (W / 2.0 - rimSide - 8) * 1.1547);
        break;
    case mlCirc180:
        // A half circle standing on the pivot: as wide as it is high.
        meterRadius = std::min(usableHeight, halfWidth);
        break;
    case mlCirc270:
    case mlCirc300:
    case mlCirc360:
        meterRadius = std::min(halfWidth, usableHeight / (1 + DepthBelowPivot(meterLayout)));
        centerY = int(Round(rimTop + 8 + meterRadius));
        break;
    }
}

double TMeter::Private::Fraction(double v) const
{
    const double min = meterMinValue;
    const double max = meterMaxValue;
    if (logarithmic && v > 0 && min > 0 && max > 0)
        return (std::log(v) - std::log(min)) / (std::log(max) - std::log(min));
    const double span = max - min;
    if (std::isfinite(span))
        return (v - min) / span;
    return (v / 2 - min / 2) / (max / 2 - min / 2); // a span beyond the double range
}

double TMeter::Private::Theta(double v) const
{
    return 90 + meterAngle / 2.0 - meterAngle * Fraction(v);
}

TPoint TMeter::Private::PointAt(double thetaDeg, double r) const
{
    const double t = thetaDeg * Pi / 180;
    return TPoint(int(Round(centerX + std::cos(t) * r)), int(Round(centerY - std::sin(t) * r)));
}

bool TMeter::Private::FullDiscHub() const
{
    return meterLayout == mlCirc270 || meterLayout == mlCirc300 || meterLayout == mlCirc360;
}

int TMeter::MeterAngle() const { d->EnsureGeometry(); return d->meterAngle; }
double TMeter::MeterRadius() const { d->EnsureGeometry(); return d->meterRadius; }
int TMeter::MeterCenterX() const { d->EnsureGeometry(); return d->centerX; }
int TMeter::MeterCenterY() const { d->EnsureGeometry(); return d->centerY; }

double TMeter::CalcNeedleAngle(double value) const
{
    d->EnsureGeometry();
    const double min = d->meterMinValue;
    const double max = d->meterMaxValue;
    if (std::isnan(value))
        value = min;
    value = std::clamp(value, std::min(min, max), std::max(min, max));
    return 180 - (d->meterAngle / 2.0 - d->meterAngle * d->Fraction(value));
}

void TMeter::ConvertToPixelCoords(double value, double pctradius, int& X, int& Y) const
{
    const double a = (-90 - CalcNeedleAngle(value)) * Pi / 180;
    const double r = pctradius * 0.01 * d->meterRadius;
    X = int(Round(std::cos(a) * r + d->centerX));
    Y = int(Round(d->centerY - std::sin(a) * r));
}

bool TMeter::ConvertPixelToValue(int XPos, int YPos, double& MeterValue) const
{
    d->EnsureGeometry();
    const double dx = XPos - d->centerX;
    const double dy = YPos - d->centerY;
    double phi;
    if (dx != 0)
        phi = std::atan(dy / dx) + (dx < 0 ? Pi : 0);
    else
        phi = dy > 0 ? Pi / 2 : 3 * Pi / 2;
    if (phi < 0)
        phi += 2 * Pi;
    if (phi > 2 * Pi)
        phi -= 2 * Pi;
    double deg = phi * 180 / Pi - 90;
    if (deg < 0)
        deg += 360;
    const double half = d->meterAngle / 2.0;
    if (deg < 180 - half || deg > 180 + half) {
        MeterValue = 0;
        return false;
    }
    const double g = (deg - (180 - half)) / d->meterAngle;
    const double min = d->meterMinValue;
    const double max = d->meterMaxValue;
    if (d->logarithmic)
        MeterValue = std::exp((std::log(max) - std::log(min)) * g + std::log(min));
    else
        MeterValue = min + g * (max - min);
    return true;
}

} // namespace vek
